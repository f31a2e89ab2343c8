// Construction, start-up and the web links.

#include "FrmPrincipal.h"

#include "AccessibleFactory.h"
#include "Announcer.h"
#include "ConsultationTexts.h"
#include "DateText.h"
#include "ImageButton.h"
#include "MainWindowDesign.h"
#include "PictureBox.h"
#include "SavedLine.h"
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
    for (auto *question : {&services.askYesNo, &services.askToDestroy}) {
        *question = [ask = *question](QWidget *parent, const QString &title, const QString &text) {
            const ArrowPointer arrow;
            return ask(parent, title, text);
        };
    }
    return services;
}

// The advertiser's link works from this day on.
const QDate advertisingStart(2001, 3, 10);

} // namespace

FrmPrincipal::FrmPrincipal(fQuintrela &state, const QString &dataFolder, WindowServices services, QWidget *parent)
    : QWidget(parent)
    , m_state(state)
    , m_services(withArrowOverBoxes(std::move(services)))
    , m_dataFolder(dataFolder)
    , m_consultation(state, dataFolder, m_services.today)
    , m_session(dataFolder)
    , m_files(state)
    , m_hover(this, m_ui)
{
    // Before any control exists, so that each is described by it from the start.
    AccessibleFactory::install();
    m_ui.setupUi(this);
    m_savedLine = new SavedLine(m_ui.imgFigCalendario);
    // On the sixth row's cells no month ever uses (days fill cell 36 at
    // most), in their colours whatever the desktop's palette.
    m_savedLine->setGeometry(m_ui.lblDia[37]->geometry().united(m_ui.lblDia[41]->geometry()));
    QPalette cells = m_ui.lblDia[41]->palette();
    cells.setColor(QPalette::WindowText, captionText);
    m_savedLine->setPalette(cells);
    m_savedLine->setAutoFillBackground(true);

    connect(m_ui.imgCalcular, &ImageButton::clicked, this, &FrmPrincipal::imgCalcularClick);
    connect(m_ui.imgGoLeft, &ImageButton::clicked, this, &FrmPrincipal::imgGoLeftClick);
    connect(m_ui.imgGoRight, &ImageButton::clicked, this, &FrmPrincipal::imgGoRightClick);
    connect(m_ui.imgImprimir, &ImageButton::clicked, this, &FrmPrincipal::imgImprimirClick);
    connect(m_ui.imgQuintrela, &ImageButton::clicked, this, &FrmPrincipal::imgQuintrelaClick);
    connect(m_ui.imgQuintrela1, &ImageButton::clicked, this, &FrmPrincipal::imgQuintrelaClick);
    connect(m_ui.imgPublicitario, &ImageButton::clicked, this, &FrmPrincipal::imgPublicitarioClick);
    connect(m_ui.cmbNome, &QComboBox::activated, this, &FrmPrincipal::FillData);
    // The name box holds the focus for its line edit, and a key its line edit
    // leaves unused comes back to it: watching the box sees every key once.
    for (QObject *field : {static_cast<QObject *>(m_ui.cmbNome), static_cast<QObject *>(m_ui.txtUltima),
                           static_cast<QObject *>(m_ui.txtPeriodo)})
        field->installEventFilter(this);
    m_hover.watch(this);
    createKeysAndWords();
    createCalendarMenu();
    createDayNotes();
    createForecast();
    createProtection();

    Load();
    watchTyping();
    m_ui.cmbNome->setFocus();
}

FrmPrincipal::~FrmPrincipal()
{
    // The controls go after this part of the window: a focus change while
    // they are torn down must not reach FillData and the records file.
    m_ui.cmbNome->disconnect(this);
    m_ui.txtUltima->disconnect(this);
    m_ui.txtPeriodo->disconnect(this);
    for (QObject *child : findChildren<QObject *>())
        child->removeEventFilter(this);
    // What she changed while it was open reaches her reminder's dates.
    if (m_session.isOpen())
        keepProtectedReminder();
}

void FrmPrincipal::Load()
{
    const std::optional<Consultation::Message> settings = m_consultation.start();
    tell(settings, ConsultationTexts::errorTitle);

    m_ui.imgPublicitario->setPixmap(m_ui.imgPub[0]->pixmap());
    for (int i = 0; i < int(legend.size()); ++i)
        m_ui.legendBox[i]->setBackground(fromBgr(legend[i].colour));

    m_ui.txtUltima->setText(DateText::formatDdMmYyyy(m_services.today()));
    ShowMonth(m_state.shownMonthStart());
    ReFillData();
}

void FrmPrincipal::watchTyping()
{
    // Anything that changes the date or the cycle after start-up is hers:
    // typed, pasted, or filled from her record or her mean.
    for (QLineEdit *field : {m_ui.txtUltima, m_ui.txtPeriodo})
        connect(field, &QLineEdit::textChanged, this, [this] { m_startupDefaults = false; });
}

void FrmPrincipal::tell(const std::optional<Consultation::Message> &message, const QString &title)
{
    if (!message)
        return;
    using Kind = Consultation::Message::Kind;
    const QMessageBox::Icon icon = message->kind == Kind::Error   ? QMessageBox::Critical
                                   : message->kind == Kind::Warning ? QMessageBox::Warning
                                                                    : QMessageBox::Information;
    m_services.message(this, icon, title, message->text);
    if (!message->focus)
        return;
    switch (*message->focus) {
    case Consultation::Field::Name:
        m_ui.cmbNome->setFocus();
        break;
    case Consultation::Field::Date:
        m_ui.txtUltima->setFocus();
        break;
    case Consultation::Field::Cycle:
        m_ui.txtPeriodo->setFocus();
        break;
    }
}

void FrmPrincipal::imgQuintrelaClick()
{
    m_services.openUrl(QUrl(productAddress));
}

void FrmPrincipal::imgPublicitarioClick()
{
    if (DateText::daysBetween(m_services.today(), advertisingStart) > 0)
        return;
    m_services.openUrl(QUrl(makerAddress));
}
