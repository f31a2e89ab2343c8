#include "DataFolder.h"
#include "FrmPrincipal.h"
#include "fQuintrela.h"

#include <QApplication>
#include <QScreen>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    fQuintrela state;
    FrmPrincipal window(state, DataFolder::folder(DataFolder::placementOfThisBuild(),
                                                  QCoreApplication::applicationDirPath()));
    window.move(window.screen()->availableGeometry().center() - window.rect().center());
    window.show();
    return app.exec();
}
