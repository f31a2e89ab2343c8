#include "Artwork.h"
#include "CommandLine.h"
#include "DataFolder.h"
#include "NewFilesPrivate.h"
#include "Autostart.h"
#include "ReminderCheck.h"
#include "FrmPrincipal.h"
#include "fQuintrela.h"

#include <QApplication>
#include <QScreen>

int main(int argc, char *argv[])
{
    const QStringList arguments(argv, argv + argc);
    if (const auto asked = CommandLine::answer(arguments, QStringLiteral("Quintrela"),
                                               QStringLiteral("Calendário do ciclo menstrual: digite o seu nome, a data da "
                                                              "última menstruação e a duração do ciclo, e a Quintrela\n"
                                                              "projeta os próximos 36 ciclos num calendário colorido.")))
        return *asked;
    NewFilesPrivate::apply();
    // Started as "quintrela" too: the window's class (StartupWMClass) stays the same.
    QCoreApplication::setApplicationName(QStringLiteral("Quintrela"));
    // Started with her session: a look at what is due, then gone.
    if (arguments.contains(Autostart::argument)) {
        const auto app = DesktopNotifier::application(argc, argv);
        const QString programFolder = QCoreApplication::applicationDirPath();
        ReminderCheck::run(DataFolder::folder(DataFolder::placementOfThisBuild(programFolder), programFolder),
                           QDate::currentDate(), [](const ReminderPlan::Notice &notice) {
                               return DesktopNotifier::notify(notice, ReminderCheck::answerWaitSeconds);
                           });
        return 0;
    }
    QApplication app(argc, argv);
    const QString programFolder = QCoreApplication::applicationDirPath();
    Artwork::loadBundledFonts(programFolder);
    // Docks and task bars match the window to its menu entry.
    QGuiApplication::setDesktopFileName(QStringLiteral("br.com.quintrela.Quintrela"));
    const QString dataFolder = DataFolder::folder(DataFolder::placementOfThisBuild(programFolder), programFolder);
    fQuintrela state;
    FrmPrincipal window(state, dataFolder);
    window.move(window.screen()->availableGeometry().center() - window.rect().center());
    window.show();
    return app.exec();
}
