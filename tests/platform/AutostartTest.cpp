#include "Autostart.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#ifndef Q_OS_WIN
#include <unistd.h>
#endif

namespace {

// Her config folder, in a folder of the test's own.
class AutostartTest : public ::testing::Test
{
protected:
    QTemporaryDir dir;
    QByteArray before = qgetenv("XDG_CONFIG_HOME");
    void SetUp() override { qputenv("XDG_CONFIG_HOME", dir.path().toUtf8()); }
    void TearDown() override
    {
        Autostart::remove();
        qputenv("XDG_CONFIG_HOME", before);
    }
};

} // namespace

TEST_F(AutostartTest, TheEntryComesAndGoesWithHerChoice)
{
    const QString program = QDir::fromNativeSeparators(dir.path()) + QStringLiteral("/Meus programas/Q$/Quintrela");
    ASSERT_FALSE(Autostart::install(program)) << Autostart::location().toStdString();
    EXPECT_TRUE(Autostart::installed());
#ifndef Q_OS_WIN
    QFile entry(Autostart::location());
    ASSERT_TRUE(entry.open(QIODevice::ReadOnly));
    // Quoted, and "$" escaped twice, as desktop entries read it.
    const QString exec = QStringLiteral("Exec=\"") + QString(program).replace(u'$', QStringLiteral("\\\\$"))
        + QStringLiteral("\" --lembretes\n");
    EXPECT_TRUE(entry.readAll().contains(exec.toUtf8())) << exec.toStdString();
    EXPECT_EQ(QFileInfo(entry).permissions() & (QFile::ReadGroup | QFile::ReadOther), 0);
#endif
    ASSERT_FALSE(Autostart::remove());
    EXPECT_FALSE(Autostart::installed());
    // Off twice is still off.
    EXPECT_FALSE(Autostart::remove());
}

#ifndef Q_OS_WIN
TEST_F(AutostartTest, ALinkOrAnotherAccountsEntryIsNeitherWrittenThroughNorRemoved)
{
    ASSERT_TRUE(QDir().mkpath(QFileInfo(Autostart::location()).path()));
    const QString elsewhere = dir.filePath("elsewhere.desktop");
    QFile target(elsewhere);
    ASSERT_TRUE(target.open(QIODevice::WriteOnly));
    target.write("[Desktop Entry]\nExec=outro\n");
    target.close();
    ASSERT_TRUE(QFile::link(elsewhere, Autostart::location()));
    EXPECT_TRUE(Autostart::install(QStringLiteral("/usr/bin/quintrela")));
    EXPECT_TRUE(Autostart::remove());
    EXPECT_TRUE(QFileInfo(Autostart::location()).isSymLink());
    ASSERT_TRUE(target.open(QIODevice::ReadOnly));
    EXPECT_EQ(target.readAll(), "[Desktop Entry]\nExec=outro\n");
    target.close();

    if (geteuid() != 0)
        GTEST_SKIP() << "another account's entry needs root to be made";
    ASSERT_TRUE(QFile::remove(Autostart::location()));
    ASSERT_FALSE(Autostart::install(QStringLiteral("/usr/bin/quintrela")));
    ASSERT_EQ(::chown(QFile::encodeName(Autostart::location()).constData(), 4242, 4242), 0);
    EXPECT_TRUE(Autostart::remove());
    EXPECT_TRUE(Autostart::installed());
    EXPECT_TRUE(Autostart::install(QStringLiteral("/usr/bin/outro")));
}
#endif
