// Which data folders her files may be written in, and that none is changed.

#include "OwnFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr uid_t otherUser = 65534;

unsigned mode(const QString &path)
{
    struct stat info {};
    return ::lstat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_mode & 07777 : 0;
}

void chmodPath(const QString &path, unsigned m)
{
    ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), m), 0);
}

} // namespace

TEST(OwnFolderTest, OnlyAFolderOfHersThatOthersCannotWriteIsUsed)
{
    using C = FileProblem::Cause;
    const struct
    {
        const char *what;
        std::function<void(const QString &folder, const QString &elsewhere)> make;
        C expected;
        unsigned modeAfter; // of the folder, or of what a link points to
    } cases[] = {
        {"missing, made for her alone", [](const QString &, const QString &) {}, C::None, 0700},
        {"hers, readable by others", [](const QString &f, const QString &) { QDir().mkpath(f); chmodPath(f, 0755); },
         C::None, 0755},
        {"group may write", [](const QString &f, const QString &) { QDir().mkpath(f); chmodPath(f, 0775); },
         C::FolderOpenToOthers, 0775},
        {"anyone may write", [](const QString &f, const QString &) { QDir().mkpath(f); chmodPath(f, 01777); },
         C::FolderOpenToOthers, 01777},
        {"a link to a shared folder",
         [](const QString &f, const QString &e) {
             QDir().mkpath(e);
             chmodPath(e, 0755);
             QFile::link(e, f);
         },
         C::LinkedFolder, 0755},
        {"a file",
         [](const QString &f, const QString &) {
             QFile(f).open(QIODevice::WriteOnly);
             chmodPath(f, 0644);
         },
         C::NotAFolder, 0644},
        {"another user's",
         [](const QString &f, const QString &) {
             QDir().mkpath(f);
             chmodPath(f, 0700);
             ASSERT_EQ(::chown(QFile::encodeName(f).constData(), otherUser, otherUser), 0);
         },
         C::ForeignFolder, 0700},
    };
    for (const auto &c : cases) {
        QTemporaryDir root;
        const QString folder = root.filePath("share/Quintrela");
        const QString elsewhere = root.filePath("shared");
        QDir().mkpath(root.filePath("share"));
        c.make(folder, elsewhere);
        const FileProblem problem = OwnFolder::prepare(folder);
        EXPECT_EQ(problem.cause, c.expected) << c.what;
        if (!problem.ok()) {
            EXPECT_EQ(problem.path, folder) << c.what;
        }
        const bool link = QFileInfo(folder).isSymLink();
        EXPECT_EQ(mode(link ? elsewhere : folder) & 07777, c.modeAfter) << c.what; // never narrowed
    }
}

TEST(OwnFolderTest, RootMakesNothingInAnotherUsersHome)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "needs root, as sudo -E gives it";
    QTemporaryDir root;
    const QString home = root.filePath("maria");
    QDir().mkpath(home);
    ASSERT_EQ(::chown(QFile::encodeName(home).constData(), otherUser, otherUser), 0);
    const FileProblem problem = OwnFolder::prepare(home + "/.local/share/Quintrela");
    EXPECT_EQ(problem.cause, FileProblem::Cause::ForeignFolder);
    EXPECT_EQ(problem.path, home);
    EXPECT_TRUE(problem.sentence().contains("sem sudo")) << qPrintable(problem.sentence());
    EXPECT_FALSE(QFileInfo::exists(home + "/.local"));
}

TEST(OwnFolderTest, WithoutHomeTheUserListGivesIt)
{
    const QByteArray saved = qgetenv("HOME");
    qunsetenv("HOME");
    const QString home = OwnFolder::home();
    qputenv("HOME", saved);
    EXPECT_NE(home, QDir::rootPath());
    EXPECT_EQ(home, ::geteuid() == 0 ? QStringLiteral("/root") : QDir::cleanPath(QString::fromLocal8Bit(saved)));
}
