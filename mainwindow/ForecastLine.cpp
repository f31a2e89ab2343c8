#include "ForecastLine.h"

#include "ConsultationTexts.h"
#include "DateText.h"
#include "MainWindowDesign.h"
#include "MainWindowTexts.h"

using namespace MainWindowTexts;

namespace {

const QString historyLink = QStringLiteral("historico");
const QString monthLink = QStringLiteral("mes");
const QString fertileLink = QStringLiteral("ferteis");

QString link(const QString &target, const QString &text)
{
    return QStringLiteral("<a href=\"%1\">%2</a>").arg(target, text.toHtmlEscaped());
}

} // namespace

ForecastLine::ForecastLine(QWidget *window) : QLabel(window)
{
    setObjectName(QStringLiteral("previsao"));
    setTextFormat(Qt::RichText);
    setWordWrap(true);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setMargin(3);
    // Reached with Tab like any link, and followed with Enter.
    setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    connect(this, &QLabel::linkActivated, this, &ForecastLine::follow);
    hide();
}

QColor ForecastLine::markColour()
{
    return QColor(0x1b, 0x5e, 0x20);
}

void ForecastLine::setForecast(const std::optional<Consultation::Forecast> &forecast)
{
    m_forecast = forecast;
    if (!forecast) {
        clear();
        setAccessibleName(QString());
        hide();
        return;
    }
    QString html = link(historyLink, forecast->sentence);
    if (forecast->comingMonth)
        html += QStringLiteral(" &nbsp;") + link(monthLink, ConsultationTexts::goToMonth.arg(DateText::monthAndYear(*forecast->comingMonth)));
    if (!forecast->fertileDates.isEmpty()) {
        html += QStringLiteral("<br>");
        if (forecast->fertileShown)
            // The mark as the month shows it, on the cells' pink, under any palette.
            html += QStringLiteral("<span style=\"color:%1; background-color:%2\">&nbsp;▬&nbsp;</span> ")
                        .arg(markColour().name(), MainWindowDesign::pink.name())
                + forecast->fertileExplanation.toHtmlEscaped() + QStringLiteral(" &nbsp;") + link(fertileLink, hideFertile);
        else
            html += link(fertileLink, showFertile);
    }
    setText(html);
    show();
}

int ForecastLine::neededHeight() const
{
    return isHidden() ? 0 : heightForWidth(width());
}

void ForecastLine::follow(const QString &target)
{
    if (target == historyLink)
        emit historyAsked();
    else if (target == monthLink && m_forecast && m_forecast->comingMonth)
        emit monthAsked(*m_forecast->comingMonth);
    else if (target == fertileLink && m_forecast)
        emit fertileAsked(!m_forecast->fertileShown);
}
