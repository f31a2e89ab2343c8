// What her history makes likely, under the window's own area.

#include "FrmPrincipal.h"

#include "AccessibleFactory.h"
#include "ConsultationTexts.h"
#include "FertileMark.h"
#include "ForecastLine.h"
#include "HistoryTexts.h"
#include "MainWindowDesign.h"
#include "fQuintrela.h"

void FrmPrincipal::createForecast()
{
    m_forecastLine = new ForecastLine(this);
    m_forecastLine->setGeometry(0, MainWindowDesign::px(MainWindowDesign::clientHeight), width(), 0);
    // Read after the window's own area, as it stands below it.
    AccessibleFactory::appendToReadingOrder(this, m_forecastLine);
    for (size_t cell = 0; cell < m_ui.lblDia.size(); ++cell)
        m_fertileMarks[cell] = new FertileMark(m_ui.lblDia[cell]);
    connect(m_forecastLine, &ForecastLine::historyAsked, this, &FrmPrincipal::openHistory);
    connect(m_forecastLine, &ForecastLine::monthAsked, this, [this](const QDate &month) {
        if (showMonthOf(month))
            announceMonth();
    });
    connect(m_forecastLine, &ForecastLine::fertileAsked, this, [this](bool shown) {
        if (const HistoryProblem problem = m_consultation.showFertile(shown)) {
            m_services.message(this, QMessageBox::Warning, ConsultationTexts::errorTitle,
                               HistoryTexts::notKept.arg(problem.sentence()));
            return;
        }
        showForecast(m_consultation.forecast());
        ShowMonth(m_state.shownMonthStart());
        // The link she followed is gone: the line keeps her focus.
        m_forecastLine->setFocus();
    });
}

void FrmPrincipal::showForecast(const std::optional<Consultation::Forecast> &forecast)
{
    using namespace MainWindowDesign;
    m_forecast = forecast;
    m_forecastLine->setForecast(forecast);
    const int height = m_forecastLine->neededHeight();
    m_forecastLine->setGeometry(0, px(clientHeight), px(clientWidth), height);
    // The window's own area stays whole above it.
    setFixedSize(px(clientWidth), px(clientHeight) + height);
}

bool FrmPrincipal::isFertileByHistory(const QDate &day) const
{
    return m_forecast && m_forecast->fertileDates.contains(day);
}
