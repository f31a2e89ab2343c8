#pragma once
// Quintrela's one window: the input bar, the month calendar, the legend and
// notice bars, and the advertising banner. It shows what the consultation
// decides and asks her what it needs to know.

#include "CalendarFiles.h"
#include "Consultation.h"
#include "DayNoteBook.h"
#include "FrmPrincipalUi.h"
#include "HoverHighlights.h"
#include "ProtectionSession.h"
#include "WindowServices.h"

#include <QWidget>

class Announcer;
class DayGrid;
class FertileMark;
class ForecastLine;
class NoteMark;
class QKeySequence;
class QLabel;
class QMenu;
class QPageLayout;
class PrinterSurface;
class SavedLine;
struct PrintedPdf;
class fQuintrela;
namespace MonthGrid {
struct Layout;
}

class FrmPrincipal : public QWidget
{
    Q_OBJECT
public:
    // The window reads and writes its files in dataFolder; state is the
    // program's shared state, owned by the caller.
    FrmPrincipal(fQuintrela &state, const QString &dataFolder, WindowServices services = WindowServices::standard(),
                 QWidget *parent = nullptr);
    ~FrmPrincipal() override;

    // Window methods
    void ShowMonth(const QDate &month);
    void FillData();
    void ReFillData();

    // Commands
    void imgCalcularClick();
    void imgGoLeftClick();
    void imgGoRightClick();
    void imgImprimirClick();
    void imgQuintrelaClick();
    void imgPublicitarioClick();
    void exportToCalendar();
    void savePdf();
    void openHistory();
    void protectName();
    void openProtected();
    void lockProtected();
    void changePassphrase();
    void removeProtection();
    void chooseIdleMinutes();
    void eraseProtected();
    // "Anotar o dia…" for that day.
    void noteDay(const QDate &day);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Words and keys
    void createKeysAndWords();
    void describeMonth(const MonthGrid::Layout &layout);
    void showDay(QLabel *cell, const QString &text, const QString &words);
    void announceMonth();
    // The window's description is the notice only while the notice is on
    // screen, and until she first leaves the window: heard once, not at every return.
    void describeWindow();
    // Said, and shown under the calendar until her next action: a file was
    // written, or her mean put in Período.
    void tellSaved(const QString &sentence);
    // Said once when a remembered name fills the fields.
    void announceStoredData(const QString &date, const QString &cycle);
    void tell(const std::optional<Consultation::Message> &message, const QString &title);

    void Load();
    void showFields(const Consultation::Inputs &inputs);
    void watchTyping();

    // Month view
    void stepMonth(int months);
    bool showMonthOf(const QDate &day);

    // Print
    // The printed month, drawn on whatever surface is handed in.
    std::function<bool(PrinterSurface &)> pageDrawing() const;
    PrintedPdf drawPage(const QPageLayout &layout) const;

    // The calendar's menu
    void createCalendarMenu();
    void createProtection();
    void whenLocked();
    bool tellIfNotOpen();
    bool isMenuKey(const QKeySequence &keys) const;
    void openCalendarMenu(const QPoint &at);

    // What her history makes likely
    void createForecast();
    void showForecast(const std::optional<Consultation::Forecast> &forecast);
    // One of her fertile days by her history, marked on the month or not.
    bool isFertileByHistory(const QDate &day) const;

    // Her notes
    void createDayNotes();
    void reloadNotes();
    QDate dayToNote() const;

    void takeNewNames();
    // The list as given, with no name picked.
    void fillNames(const QStringList &names);

    // Her protected reminder's dates made again from her open data; the
    // starts she confirmed from a notice meanwhile, now in her history.
    QList<QDate> keepProtectedReminder();
    QList<QDate> m_confirmedByReminder;

    fQuintrela &m_state;
    WindowServices m_services;
    QString m_dataFolder;
    Consultation m_consultation;
    ProtectionSession m_session;
    CalendarFiles m_files;
    FrmPrincipalUi m_ui;
    HoverHighlights m_hover;
    bool m_noticeSaid = false; // the window has been left once: its notice was heard
    // The date and cycle fields hold what start-up put there, untyped.
    bool m_startupDefaults = true;

    DayGrid *m_dayGrid = nullptr;
    SavedLine *m_savedLine = nullptr;
    QDate m_informed; // the date typed for the consultation on view
    QString m_monthSentence; // what is said of the month on view
    QMenu *m_calendarMenu = nullptr;
    DayNoteBook m_notes;
    std::array<NoteMark *, 42> m_noteMarks{};
    QDate m_menuDay; // the day the calendar's menu was opened over
    bool m_printNotes = false; // "Incluir anotações ao imprimir"
    ForecastLine *m_forecastLine = nullptr;
    std::array<FertileMark *, 42> m_fertileMarks{};
    std::optional<Consultation::Forecast> m_forecast; // for the consultation on view
};
