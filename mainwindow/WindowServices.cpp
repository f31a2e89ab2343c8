#include "WindowServices.h"

#include "Announcer.h"
#include "PrintQueue.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QLibraryInfo>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <QTranslator>

namespace {

// What follows a typed answer (a question, a message) waits until the
// dialog's closing has settled: Orca loses a box that opens while the
// closing's focus and window events are still arriving.
void settleAfterClosing()
{
    QEventLoop settling;
    QTimer::singleShot(Announcer::settleMilliseconds, &settling, &QEventLoop::quit);
    settling.exec(QEventLoop::ExcludeUserInputEvents);
}

// "Sim", "Não" and the file dialog's words in Portuguese. Loaded the first
// time a box is needed, not at start: most starts show none.
void translateQtTexts()
{
    static const bool loaded = [] {
        auto *texts = new QTranslator(qApp);
        if (texts->load(QLocale(QLocale::Portuguese, QLocale::Brazil), QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(texts);
        return true;
    }();
    (void)loaded;
}

// A box asked for before the window is on screen would stand at the
// screen's corner beside a window that is not there yet: it goes to the
// middle of the screen instead.
QWidget *shownOrNone(QWidget *parent)
{
    return parent && parent->isVisible() ? parent : nullptr;
}

// Qt's file dialog writes what it remembers (the folders she visited) to a
// settings file in her home as it closes. It is kept nowhere instead: in a
// private folder of this run's, gone when the program ends, so nothing of
// it lands in a home that is not this user's (root with her HOME).
void forgetFileDialogState()
{
    static QTemporaryDir scratch;
    static const bool redirected = [] {
        if (!scratch.isValid())
            return false;
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, scratch.path());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, scratch.path());
        return true;
    }();
    (void)redirected;
}

} // namespace

WindowServices WindowServices::standard()
{
    WindowServices services;
    services.message = [](QWidget *parent, QMessageBox::Icon icon, const QString &title, const QString &text) {
        translateQtTexts();
        QMessageBox box(icon, title, text, QMessageBox::Ok, shownOrNone(parent));
        box.setTextFormat(Qt::PlainText);
        box.exec();
    };
    const auto ask = [](QMessageBox::StandardButton byDefault) {
        return [byDefault](QWidget *parent, const QString &title, const QString &text) {
            translateQtTexts();
            QMessageBox box(QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No, shownOrNone(parent));
            box.setTextFormat(Qt::PlainText);
            box.setDefaultButton(byDefault);
            return box.exec() == QMessageBox::Yes;
        };
    };
    services.askYesNo = ask(QMessageBox::Yes);
    // Enter, pressed in haste, keeps her data.
    services.askToDestroy = ask(QMessageBox::No);
    services.today = [] { return QDate::currentDate(); };
    // Failing to open a page is not reported: it is only a link.
    services.openUrl = [](const QUrl &address) { QDesktopServices::openUrl(address); };
    services.defaultPrinter = defaultPrintQueue;
    services.chooseSavePath = [](QWidget *parent, const QString &title, const QString &suggestedPath,
                                 const QString &filter) {
        translateQtTexts();
        forgetFileDialogState();
        QFileDialog dialog(parent, title, QFileInfo(suggestedPath).path(), filter);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.selectFile(QFileInfo(suggestedPath).fileName());
        // "Arquivos PDF (*.pdf)": "maio" is kept as "maio.pdf".
        const QRegularExpressionMatch suffix = QRegularExpression(QStringLiteral("\\(\\*\\.(\\w+)\\)")).match(filter);
        if (suffix.hasMatch())
            dialog.setDefaultSuffix(suffix.captured(1));
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return QString();
        return dialog.selectedFiles().constFirst();
    };
    services.chooseOpenPath = [](QWidget *parent, const QString &title, const QString &filter) {
        translateQtTexts();
        forgetFileDialogState();
        QFileDialog dialog(parent, title, QDir::homePath(), filter);
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return QString();
        return dialog.selectedFiles().constFirst();
    };
    services.askText = [](QWidget *parent, const QString &title, const QString &label) {
        translateQtTexts();
        bool given = false;
        const QString text = QInputDialog::getText(shownOrNone(parent), title, label, QLineEdit::Normal, {}, &given);
        if (!given)
            return QString();
        settleAfterClosing();
        return text;
    };
    services.askChoice = [](QWidget *parent, const QString &title, const QString &label,
                            const QStringList &items) -> std::optional<int> {
        translateQtTexts();
        QInputDialog dialog(shownOrNone(parent));
        dialog.setWindowTitle(title);
        dialog.setLabelText(label);
        dialog.setComboBoxItems(items);
        dialog.setComboBoxEditable(false);
        // A question of a few sentences wraps, as a message box's does, in a dialog of a readable width.
        if (auto *text = dialog.findChild<QLabel *>()) {
            text->setWordWrap(true);
            text->setMinimumWidth(dialog.fontMetrics().averageCharWidth() * 60);
        }
        if (dialog.exec() != QDialog::Accepted || !items.contains(dialog.textValue()))
            return std::nullopt;
        return int(items.indexOf(dialog.textValue()));
    };
    services.askNumber = [](QWidget *parent, const QString &title, const QString &label, int value, int least,
                            int most) -> std::optional<int> {
        translateQtTexts();
        bool given = false;
        const int number = QInputDialog::getInt(shownOrNone(parent), title, label, value, least, most, 1, &given);
        return given ? std::optional<int>(number) : std::nullopt;
    };
    return services;
}
