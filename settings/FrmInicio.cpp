#include "FrmInicio.h"

#include "AccessibleFactory.h"
#include "Artwork.h"
#include "OptionButton.h"

#include <QDir>
#include <QMessageBox>
#include <QPushButton>

namespace {

constexpr int twips(int t) { return t / 15; }

const QString captionText = QStringLiteral("Configuração da Quintrela");
const QString optUmText = QStringLiteral(
    "O programa utiliza a data do fim do período menstrual como a data da próxima menstruação.");
const QString optDoisText = QStringLiteral(
    "O programa informa a data da próxima menstruação como sendo a data seguinte à data do final do período menstrual.");
const QString cmdGoText = QStringLiteral("Atuali&zar");
const QString errorTitle = QStringLiteral("Erro:");
const QString readFailedText = QStringLiteral(
    "Não foi possível ler a configuração gravada no arquivo \"qtrconf.dat\", na pasta %1. "
    "A segunda opção foi selecionada; escolha a opção desejada e clique em Atualizar para gravá-la. %2");
const QString writeFailedText = QStringLiteral(
    "Não foi possível gravar a sua escolha no arquivo \"qtrconf.dat\", na pasta %1. "
    "A configuração anterior continua valendo. %2");

void showError(QWidget *parent, const QString &title, const QString &text)
{
    QMessageBox box(QMessageBox::Critical, title, text, QMessageBox::Ok, parent);
    box.exec();
}

} // namespace

FrmInicio::FrmInicio(const QString &dataFolder, ErrorReporter reportError, QWidget *parent)
    : QWidget(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint
                          | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
    , m_dataFolder(dataFolder)
    , m_settings(SettingsFile::inFolder(dataFolder))
    , m_reportError(reportError ? std::move(reportError) : ErrorReporter(showError))
{
    setObjectName(QStringLiteral("frmInicio"));
    setWindowTitle(captionText);
    setWindowIcon(Artwork::icon(QStringLiteral("qtrconfg")));
    setFont(Artwork::uiFont(8.25));
    setFixedSize(twips(4950), twips(1980));
    AccessibleFactory::install();
    createControls();
    Load();
}

void FrmInicio::createControls()
{
    m_optUm = new OptionButton(optUmText, this);
    m_optUm->setObjectName(QStringLiteral("optUm"));
    m_optUm->setGeometry(twips(45), twips(45), twips(4830), twips(465));
    m_optUm->setFont(Artwork::uiFont(9.75));

    m_optDois = new OptionButton(optDoisText, this);
    m_optDois->setObjectName(QStringLiteral("optDois"));
    m_optDois->setGeometry(twips(45), twips(675), twips(4830), twips(645));
    m_optDois->setFont(Artwork::uiFont(9.75));

    m_cmdGo = new QPushButton(cmdGoText, this);
    m_cmdGo->setObjectName(QStringLiteral("cmdGo"));
    m_cmdGo->setGeometry(twips(1635), twips(1485), twips(1680), twips(375));
    m_cmdGo->setDefault(true);
    m_cmdGo->setAutoDefault(true);
    connect(m_cmdGo, &QPushButton::clicked, this, &FrmInicio::cmdGoClick);

    // cmdGo first: it holds the focus when the window opens.
    setTabOrder(m_cmdGo, m_optUm);
    setTabOrder(m_optUm, m_optDois);
    m_cmdGo->setFocus();
    // What a screen reader does not say of its own: the button's key, and
    // where each option stands in the group.
    m_cmdGo->setAccessibleDescription(QStringLiteral("Tecla Alt+Z"));
    m_optUm->setAccessibleDescription(QStringLiteral("Opção 1 de 2"));
    m_optDois->setAccessibleDescription(QStringLiteral("Opção 2 de 2"));
    // The two options are one stop for Tab, at the selected one, as in any
    // radio group; the arrow keys move the choice.
    for (OptionButton *option : {m_optUm, m_optDois})
        connect(option, &OptionButton::toggled, this, &FrmInicio::updateTabStop);
}

void FrmInicio::updateTabStop()
{
    for (OptionButton *option : {m_optUm, m_optDois}) {
        option->setFocusPolicy(option->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
        // The choice in force is heard as the window opens, before any Tab.
        if (option->isChecked())
            setAccessibleDescription(QStringLiteral("Opção escolhida: ") + option->text());
    }
}

void FrmInicio::Load()
{
    const SettingsFile::ReadResult read = m_settings.readWithWriteBack();
    if (read.status == SettingsFile::Status::Unreadable) {
        m_optDois->setChecked(true);
        m_reportError(this, errorTitle,
                      readFailedText.arg(QDir::toNativeSeparators(m_dataFolder), read.problem.sentence()).trimmed());
        return;
    }
    (read.value != 0 ? m_optUm : m_optDois)->setChecked(true);
}

void FrmInicio::cmdGoClick()
{
    const qint16 value = m_optUm->isChecked() ? SettingsFile::valueEndIsNext : SettingsFile::valueDayAfter;
    if (FileProblem problem; !m_settings.write(value, &problem)) {
        m_reportError(this, errorTitle,
                      writeFailedText.arg(QDir::toNativeSeparators(m_dataFolder), problem.sentence()));
        return;
    }
    emit saved();
    close();
}
