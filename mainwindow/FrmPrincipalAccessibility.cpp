// The window in words and by keyboard: names, descriptions and tooltips,
// keys for the picture buttons, the Tab chain, reading order, and the
// sentences said after a consultation or a month step.

#include "FrmPrincipal.h"

#include "AccessibleFactory.h"
#include "Announcer.h"
#include "CurrentItemTeller.h"
#include "DateText.h"
#include "DayGrid.h"
#include "DayWords.h"
#include "ImageButton.h"
#include "MainWindowDesign.h"
#include "MainWindowTexts.h"
#include "MonthGrid.h"
#include "PictureBox.h"
#include "SavedLine.h"
#include "fQuintrela.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QShortcut>

void FrmPrincipal::createKeysAndWords()
{
    using namespace MainWindowTexts;
    // First: a container's reading order must be known before anything asks
    // it for its children.
    m_announcer = new Announcer(m_ui.imgFigCalendario);
    setReadingOrder();

    const std::tuple<QWidget *, QString, QString> named[] = {
        {m_ui.imgCalcular, calcularName, calcularDescription},
        {m_ui.imgImprimir, imprimirName, imprimirDescription},
        {m_ui.imgGoLeft, goLeftName, goLeftDescription},
        {m_ui.imgGoRight, goRightName, goRightDescription},
        {m_ui.imgQuintrela, productName, productDescription},
        {m_ui.imgQuintrela1, productName, productDescription},
        {m_ui.imgPublicitario, bannerName, bannerDescription},
    };
    for (const auto &[widget, name, description] : named) {
        widget->setAccessibleName(name);
        widget->setAccessibleDescription(description);
        widget->setToolTip(description);
    }

    // The captions name their fields; a screen reader reads them on focus.
    m_ui.lblLabel[0]->setBuddy(m_ui.cmbNome);
    m_ui.lblLabel[3]->setBuddy(m_ui.txtUltima);
    m_ui.lblLabel[1]->setBuddy(m_ui.txtPeriodo);
    m_ui.lblLabel[2]->setBuddy(m_ui.imgCalcular);
    m_ui.lblLabel[5]->setBuddy(m_ui.imgImprimir);
    // The name list, as it drops down, says the name it stands on.
    new CurrentItemTeller(m_ui.cmbNome->view());
    m_ui.txtUltima->setAccessibleDescription(dateFieldDescription);
    m_ui.txtPeriodo->setAccessibleDescription(cycleFieldDescription);
    // Heard when the window opens; the title bar keeps the web address.
    setAccessibleName(windowSpokenName);
    describeWindow();
    // Each legend entry is one object: the coloured box, named by its caption.
    for (int i = 0; i < int(MainWindowDesign::legend.size()); ++i) {
        const QString text = QString::fromUtf8(MainWindowDesign::legend[i].text);
        AccessibleFactory::setRole(m_ui.legendBox[i], QAccessible::Graphic);
        m_ui.legendBox[i]->setAccessibleName(text);
        m_ui.legendBox[i]->setAccessibleDescription(QString::fromUtf8(MainWindowDesign::legend[i].colourName));
        m_ui.legendBox[i]->setToolTip(text);
    }
    m_ui.imgFigCalendario->setAccessibleName(calendarName);
    m_ui.imgFigCalendario->setToolTip(calendarKeys);

    // After the three fields, the picture buttons in the order they stand.
    QWidget *chain[] = {m_ui.txtPeriodo, m_ui.imgCalcular, m_ui.imgImprimir, m_ui.imgGoLeft, m_ui.imgGoRight,
                        m_ui.imgQuintrela, m_ui.imgQuintrela1, m_ui.imgPublicitario};
    for (std::size_t i = 1; i < std::size(chain); ++i)
        setTabOrder(chain[i - 1], chain[i]);
    // The days, between the arrows and the banners.
    m_dayGrid = new DayGrid(
        m_ui.lblDia, m_ui.imgGoRight, m_ui.imgQuintrela, [this](const QDate &day) { return showMonthOf(day); },
        [this](const QPoint &at) { openCalendarMenu(at); },
        [this](const QString &day) { m_announcer->announce(m_monthSentence + u' ' + day + u'.'); });

    // Keys beside the pictures: months without the mouse (printing is in
    // the calendar's menu).
    auto *previous = new QShortcut(QKeySequence(Qt::Key_PageUp), this);
    connect(previous, &QShortcut::activated, this, &FrmPrincipal::imgGoLeftClick);
    auto *next = new QShortcut(QKeySequence(Qt::Key_PageDown), this);
    connect(next, &QShortcut::activated, this, &FrmPrincipal::imgGoRightClick);
}

void FrmPrincipal::setReadingOrder()
{
    using AccessibleFactory::setReadingOrder;
    // Top to bottom, left to right; the pictures never seen are left out.
    setReadingOrder(this, {m_ui.picEntrada, m_ui.imgFigCalendario, m_ui.picLegenda, m_ui.picPrevinir, m_ui.lblInfo,
                           m_ui.imgPublicitario->parentWidget()});
    setReadingOrder(m_ui.picEntrada, {m_ui.lblLabel[0], m_ui.cmbNome, m_ui.lblLabel[3], m_ui.txtUltima, m_ui.lblLabel[1], m_ui.txtPeriodo,
                                   m_ui.lblShowDias, m_ui.lblLabel[2], m_ui.imgCalcular, m_ui.lblLabel[5], m_ui.imgImprimir});
    QList<QWidget *> calendar = {m_ui.lblMes, m_ui.imgGoLeft, m_ui.imgGoRight};
    calendar.append(QList<QWidget *>(m_ui.lblSemana.begin(), m_ui.lblSemana.end()));
    calendar.append(QList<QWidget *>(m_ui.lblDia.begin(), m_ui.lblDia.end()));
    calendar.append(m_announcer);
    setReadingOrder(m_ui.imgFigCalendario, calendar);
    QList<QWidget *> legend;
    for (int i : {0, 3, 1, 2})
        legend << m_ui.legendBox[i];
    legend << m_ui.imgQuintrela1;
    setReadingOrder(m_ui.picLegenda, legend);
    setReadingOrder(m_ui.picPrevinir, {m_ui.lblSexoSafe, m_ui.imgQuintrela});
    setReadingOrder(m_ui.imgPublicitario->parentWidget(), {m_ui.imgPublicitario});
}

void FrmPrincipal::showDay(QLabel *cell, const QString &text, const QString &words)
{
    // A label with a name of its own tells nothing of its text: the words
    // come first when there are any, last when the cell goes blank, so a
    // changed cell is one event and a blank one none.
    if (!words.isEmpty())
        AccessibleFactory::setSpokenName(cell, words);
    cell->setText(text);
    if (words.isEmpty())
        AccessibleFactory::setSpokenName(cell, words);
    cell->setToolTip(words);
}

void FrmPrincipal::describeMonth(const MonthGrid::Layout &layout)
{
    const QDate today = m_services.today();
    m_monthSentence = DayWords::monthSummary(layout, m_state.DayMarks, today, m_informed);
    m_ui.imgFigCalendario->setAccessibleDescription(m_monthSentence + u' ' + MainWindowTexts::calendarKeys);
}

void FrmPrincipal::announceMonth()
{
    m_announcer->announce(m_monthSentence);
}

void FrmPrincipal::describeWindow()
{
    // Said again at every return to the window: once gone, the notice is not.
    setAccessibleDescription(m_ui.picPrevinir->isHidden() || m_noticeSaid ? QString() : MainWindowDesign::lblSexoSafeText);
}

void FrmPrincipal::announceStoredData(const QString &date, const QString &cycle)
{
    const QDate day = DateText::readDate(date);
    m_announcer->announce(MainWindowTexts::storedData.arg(day.isValid() ? DayWords::longDate(day) : date, cycle));
}

void FrmPrincipal::tellSaved(const QString &sentence)
{
    m_announcer->announce(sentence);
    m_savedLine->tell(sentence);
}
