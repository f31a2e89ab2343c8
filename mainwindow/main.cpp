#include "FrmPrincipal.h"
#include "fQuintrela.h"

#include <QApplication>
#include <QScreen>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    fQuintrela state;
    FrmPrincipal window(state, QCoreApplication::applicationDirPath());
    window.move(window.screen()->availableGeometry().center() - window.rect().center());
    window.show();
    return app.exec();
}
