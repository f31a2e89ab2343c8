#include <QApplication>
#include <QDir>
#include <QFontDatabase>

#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    // Widgets are driven headless; nothing needs a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // Where the system lacks the design's faces (Windows), they stand beside
    // the tests as they stand beside the programs.
    const QDir fonts(QCoreApplication::applicationDirPath() + QStringLiteral("/fonts"));
    for (const QString &face : fonts.entryList({QStringLiteral("*.ttf")}, QDir::Files))
        QFontDatabase::addApplicationFont(fonts.filePath(face));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
