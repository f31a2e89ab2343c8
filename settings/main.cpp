#include "DataFolder.h"
#include "FrmInicio.h"

#include <QApplication>
#include <QScreen>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    FrmInicio window(DataFolder::folder(DataFolder::placementOfThisBuild(), QCoreApplication::applicationDirPath()));
    window.move(window.screen()->availableGeometry().center() - window.rect().center());
    window.show();
    return app.exec();
}
