#include "DataFolder.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

// The environment of one user: her home and, when given, XDG_DATA_HOME.
class DataFolderTest : public ::testing::Test
{
protected:
    QTemporaryDir home;
    QByteArray savedHome = qgetenv("HOME");
    QByteArray savedData = qgetenv("XDG_DATA_HOME");
    bool hadData = qEnvironmentVariableIsSet("XDG_DATA_HOME");

    void SetUp() override { qputenv("HOME", QFile::encodeName(home.path())); }
    void TearDown() override
    {
        qputenv("HOME", savedHome);
        if (hadData)
            qputenv("XDG_DATA_HOME", savedData);
        else
            qunsetenv("XDG_DATA_HOME");
    }

    static unsigned mode(const QString &path)
    {
        struct stat info {};
        return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_mode & 0777 : 0;
    }
};

} // namespace

TEST_F(DataFolderTest, BesideTheProgramIsTheProgramsFolder)
{
    qunsetenv("XDG_DATA_HOME");
    EXPECT_EQ(DataFolder::folder(DataFolder::Placement::BesideProgram, "/opt/Quintrela"), "/opt/Quintrela");
    EXPECT_FALSE(QDir(home.path() + "/.local").exists()); // nothing made in the home
}

TEST_F(DataFolderTest, TheUsersDataFolderFollowsXdgDataHome)
{
    const QString standard = home.path() + "/.local/share/Quintrela";
    const QByteArray own = QFile::encodeName(home.path() + "/dados");
    const std::pair<const char *, QString> cases[] = {
        {nullptr, standard}, // unset
        {"", standard},
        {"relativa/dados", standard}, // not absolute: ignored, as the XDG rules say
        {own.constData(), home.path() + "/dados/Quintrela"},
    };
    for (const auto &[value, expected] : cases) {
        if (value)
            qputenv("XDG_DATA_HOME", value);
        else
            qunsetenv("XDG_DATA_HOME");
        EXPECT_EQ(DataFolder::folder(DataFolder::Placement::UserData, "/usr/bin"), expected);
        EXPECT_EQ(mode(expected), 0700u) << qPrintable(expected);
    }
    EXPECT_EQ(mode(home.path() + "/.local"), 0700u); // made missing, owner only
}

TEST_F(DataFolderTest, AnOwnFolderKeepsTheRightsItHas)
{
    // She may have opened it for reading herself: a folder the program did
    // not make is never changed.
    qunsetenv("XDG_DATA_HOME");
    const QString folder = home.path() + "/.local/share/Quintrela";
    ASSERT_TRUE(QDir().mkpath(folder));
    ::chmod(QFile::encodeName(folder).constData(), 0755);
    EXPECT_EQ(DataFolder::folder(DataFolder::Placement::UserData, "/usr/bin"), folder);
    EXPECT_EQ(mode(folder), 0755u);
}
