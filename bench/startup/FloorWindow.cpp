// The floor for any window with text: a plain Qt window of the main
// window's size showing one label, so that it pays for the fonts too.

#include <QApplication>
#include <QLabel>
#include <QScreen>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setFixedSize(490, 460);
    QLabel label(QStringLiteral("Digite o seu nome abaixo:"), &window);
    label.move(5, 5);
    window.move(window.screen()->availableGeometry().center() - window.rect().center());
    window.show();
    return app.exec();
}
