#include "Artwork.h"
#include "CommandLine.h"
#include "DataFolder.h"
#include "NewFilesPrivate.h"
#include "FrmInicio.h"

#include <QApplication>
#include <QScreen>

int main(int argc, char *argv[])
{
    const QStringList arguments(argv, argv + argc);
    if (const auto asked = CommandLine::answer(arguments, QStringLiteral("qtrconfg"),
                                               QStringLiteral("Configuração da Quintrela: se o último dia do período "
                                                              "é a data da próxima menstruação,\nou se é o dia seguinte.")))
        return *asked;
    NewFilesPrivate::apply();
    QCoreApplication::setApplicationName(QStringLiteral("qtrconfg"));
    QApplication app(argc, argv);
    const QString programFolder = QCoreApplication::applicationDirPath();
    Artwork::loadBundledFonts(programFolder);
    QGuiApplication::setDesktopFileName(QStringLiteral("br.com.quintrela.qtrconfg"));
    FrmInicio window(DataFolder::folder(DataFolder::placementOfThisBuild(programFolder), programFolder));
    window.move(window.screen()->availableGeometry().center() - window.rect().center());
    window.show();
    return app.exec();
}
