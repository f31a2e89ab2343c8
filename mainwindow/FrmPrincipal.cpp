// Construction and start-up.

#include "FrmPrincipal.h"

#include "AccessibleFactory.h"
#include "Artwork.h"
#include "DateText.h"
#include "ImageButton.h"
#include "MainWindowDesign.h"
#include "MainWindowTexts.h"
#include "MarkColors.h"
#include "PictureBox.h"
#include "SettingsFile.h"
#include "fQuintrela.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

using namespace MainWindowDesign;

namespace {

// A modal box shows the ordinary pointer even while a command is busy.
WindowServices withArrowOverBoxes(WindowServices services)
{
    struct ArrowPointer
    {
        ArrowPointer() { QApplication::setOverrideCursor(Qt::ArrowCursor); }
        ~ArrowPointer() { QApplication::restoreOverrideCursor(); }
    };
    auto message = services.message;
    services.message = [message](QWidget *parent, QMessageBox::Icon icon, const QString &title, const QString &text) {
        const ArrowPointer arrow;
        message(parent, icon, title, text);
    };
    auto ask = services.askYesNo;
    services.askYesNo = [ask](QWidget *parent, const QString &title, const QString &text) {
        const ArrowPointer arrow;
        return ask(parent, title, text);
    };
    return services;
}

} // namespace

FrmPrincipal::FrmPrincipal(fQuintrela &state, const QString &dataFolder, WindowServices services, QWidget *parent)
    : QWidget(parent)
    , m_state(state)
    , m_services(withArrowOverBoxes(std::move(services)))
    , m_records(UserRecordsFile::inFolder(dataFolder))
    , m_dataFolder(dataFolder)
{
    // Before any control exists, so that each is described by it from the start.
    AccessibleFactory::install();
    createWindow();

    connect(m_imgCalcular, &ImageButton::clicked, this, &FrmPrincipal::imgCalcularClick);
    connect(m_imgGoLeft, &ImageButton::clicked, this, &FrmPrincipal::imgGoLeftClick);
    connect(m_imgGoRight, &ImageButton::clicked, this, &FrmPrincipal::imgGoRightClick);
    connect(m_imgImprimir, &ImageButton::clicked, this, &FrmPrincipal::imgImprimirClick);
    connect(m_imgQuintrela, &ImageButton::clicked, this, &FrmPrincipal::imgQuintrelaClick);
    connect(m_imgQuintrela1, &ImageButton::clicked, this, &FrmPrincipal::imgQuintrelaClick);
    connect(m_imgPublicitario, &ImageButton::clicked, this, &FrmPrincipal::imgPublicitarioClick);
    connect(m_cmbNome, &QComboBox::activated, this, &FrmPrincipal::FillData);
    // The name box holds the focus for its line edit, and a key its line edit
    // leaves unused comes back to it: watching the box sees every key once.
    for (QObject *field : {static_cast<QObject *>(m_cmbNome), static_cast<QObject *>(m_txtUltima),
                           static_cast<QObject *>(m_txtPeriodo)})
        field->installEventFilter(this);
    watchMouseMoves();
    createKeysAndWords();
    createCalendarMenu();

    Load();
    m_cmbNome->setFocus();
}

FrmPrincipal::~FrmPrincipal()
{
    // The controls go after this part of the window: a focus change while
    // they are torn down must not reach FillData and the records file.
    m_cmbNome->disconnect(this);
    for (QObject *child : findChildren<QObject *>())
        child->removeEventFilter(this);
}

void FrmPrincipal::Load()
{
    // 1. Settings
    const SettingsFile::ReadResult settings = SettingsFile(SettingsFile::inFolder(m_dataFolder)).readWithWriteBack();
    m_state.EndDateIsNext = settings.status != SettingsFile::Status::Unreadable && settings.value != 0;
    if (settings.status == SettingsFile::Status::Unreadable)
        m_services.message(this, QMessageBox::Warning, MainWindowTexts::errorTitle,
                           MainWindowTexts::settingsUnreadable.arg(settings.problem.sentence()).trimmed());

    // 2. Banner
    m_imgPublicitario->setPixmap(m_imgPub[0]->pixmap());

    // 3. Legend
    for (int i = 0; i < int(legend.size()); ++i)
        m_legendBox[i]->setBackground(fromBgr(legend[i].colour));

    // 4-6. Today, marked; a year outside the table gets no mark.
    m_state.ClearMarks();
    const QDate today = m_services.today();
    m_txtUltima->setText(DateText::formatDdMmYyyy(today));
    m_state.DayMarks.set(today.day(), today.month(), today.year(), MarkColors::markHoje);

    // 7-8. The current month
    m_state.ShownMonth = QString::number(today.month());
    m_state.ShownYear = QString::number(today.year());
    ShowMonth(m_state.ShownMonth, m_state.ShownYear);

    // 9. Remembered names
    ReFillData();
}
