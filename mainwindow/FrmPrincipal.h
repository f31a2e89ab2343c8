#pragma once
// Quintrela's one window: the input bar, the month calendar, the legend and
// notice bars, and the advertising banner.

#include "HistoryProblem.h"
#include "UserRecordsFile.h"
#include "WindowServices.h"

#include <QWidget>

#include <array>

class Announcer;
class DayGrid;
class ImageButton;
class PictureBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QKeySequence;
class QMenu;
class QPageLayout;
class PrinterSurface;
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
    void ShowMonth(const QString &month, const QString &year);
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

    // Controls, by their design names
    QComboBox *cmbNome() const { return m_cmbNome; }
    QLineEdit *txtUltima() const { return m_txtUltima; }
    QLineEdit *txtPeriodo() const { return m_txtPeriodo; }
    ImageButton *imgCalcular() const { return m_imgCalcular; }
    ImageButton *imgImprimir() const { return m_imgImprimir; }
    ImageButton *imgGoLeft() const { return m_imgGoLeft; }
    ImageButton *imgGoRight() const { return m_imgGoRight; }
    ImageButton *imgQuintrela() const { return m_imgQuintrela; }
    ImageButton *imgQuintrela1() const { return m_imgQuintrela1; }
    ImageButton *imgPublicitario() const { return m_imgPublicitario; }
    QLabel *imgPub(int index) const { return m_imgPub[index]; }
    QLabel *lblMes() const { return m_lblMes; }
    QLabel *lblDia(int index) const { return m_lblDia[index]; }
    QLabel *lblSemana(int index) const { return m_lblSemana[index]; }
    QLabel *lblLabel(int index) const { return m_lblLabel[index]; }
    QLabel *lblInfoLegenda(int index) const { return m_lblInfoLegenda[index]; }
    QLabel *lblShowDias() const { return m_lblShowDias; }
    QLabel *lblSexoSafe() const { return m_lblSexoSafe; }
    QLabel *lblInfo() const { return m_lblInfo; }
    PictureBox *picEntrada() const { return m_picEntrada; }
    PictureBox *imgFigCalendario() const { return m_imgFigCalendario; }
    PictureBox *picLegenda() const { return m_picLegenda; }
    PictureBox *picPrevinir() const { return m_picPrevinir; }
    PictureBox *legendBox(int index) const { return m_legendBox[index]; }
    PictureBox *picRosto(int index) const { return m_picRosto[index]; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Design
    void createWindow();
    void createInputBar();
    void createCalendarArea();
    void createLegendBar();
    void createNoticeBar();
    void createBannerAndStores();
    QLabel *createLabel(QWidget *parent, const QRect &place, const QString &text, double points, bool opaque);
    ImageButton *createImage(QWidget *parent, const QRect &place, const QString &picture, bool hand);

    // Words and keys
    void createKeysAndWords();
    void setReadingOrder();
    void describeMonth(const MonthGrid::Layout &layout);
    void showDay(QLabel *cell, const QString &text, const QString &words);
    void announceMonth();
    // The window's description is the notice only while the notice is on
    // screen, and until she first leaves the window: heard once, not at every return.
    void describeWindow();
    // Said, and shown for a moment under the calendar: a file was written.
    void tellSaved(const QString &sentence);
    // Said once when a remembered name fills the fields.
    void announceStoredData(const QString &date, const QString &cycle);

    // Start-up
    void Load();

    // Records
    void reportUnreadable(bool readOk, const FileProblem &problem);

    // Month view
    void stepMonth(int months);
    bool showMonthOf(const QDate &day);

    // Print
    // The printed month, drawn on whatever surface is handed in.
    std::function<bool(PrinterSurface &)> pageDrawing() const;
    PrintedPdf drawPage(const QPageLayout &layout) const;
    void offerPdf(const QString &why);

    // Export and the calendar's menu
    void createCalendarMenu();
    bool isMenuKey(const QKeySequence &keys) const;
    void openCalendarMenu(const QPoint &at);

    // Hover
    void watchMouseMoves();
    void mouseMovedOver(QWidget *control);

    // Calculate
    bool checkInputs();
    void saveConsultation();
    void keepInHistory(const QList<UserRecord> &before);
    void takeNewNames();
    void showError(bool stop, const QString &text, QWidget *focus);

    fQuintrela &m_state;
    WindowServices m_services;
    UserRecordsFile m_records;
    QString m_dataFolder;
    bool m_toldRecordsUnreadable = false;
    HistoryProblem::Cause m_toldHistoryProblem = HistoryProblem::Cause::None;
    bool m_noticeSaid = false; // the window has been left once: its notice was heard

    PictureBox *m_picEntrada = nullptr;
    PictureBox *m_imgFigCalendario = nullptr;
    PictureBox *m_picLegenda = nullptr;
    PictureBox *m_picPrevinir = nullptr;
    ImageButton *m_imgPublicitario = nullptr;
    QLabel *m_lblInfo = nullptr;
    std::array<QLabel *, 2> m_imgPub{};
    std::array<PictureBox *, 4> m_picRosto{};

    QComboBox *m_cmbNome = nullptr;
    QLineEdit *m_txtUltima = nullptr;
    QLineEdit *m_txtPeriodo = nullptr;
    std::array<QLabel *, 6> m_lblLabel{};
    QLabel *m_lblShowDias = nullptr;
    ImageButton *m_imgCalcular = nullptr;
    ImageButton *m_imgImprimir = nullptr;

    QLabel *m_lblMes = nullptr;
    ImageButton *m_imgGoLeft = nullptr;
    ImageButton *m_imgGoRight = nullptr;
    std::array<QLabel *, 7> m_lblSemana{};
    std::array<QLabel *, 42> m_lblDia{};

    std::array<PictureBox *, 6> m_legendBox{};
    std::array<QLabel *, 6> m_lblInfoLegenda{};
    ImageButton *m_imgQuintrela1 = nullptr;

    ImageButton *m_imgQuintrela = nullptr;
    QLabel *m_lblSexoSafe = nullptr;

    Announcer *m_announcer = nullptr;
    DayGrid *m_dayGrid = nullptr;
    QDate m_informed; // the date typed for the consultation on view
    QString m_monthSentence; // what is said of the month on view
    QMenu *m_calendarMenu = nullptr;
};
