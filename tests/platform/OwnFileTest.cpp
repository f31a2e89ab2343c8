// Her files are written only where they are hers: never through a planted
// link, never into someone else's file; whole or not at all; and private.

#include "OwnFile.h"
#include "TestSupport.h"
#include "WholeFileSave.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <functional>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using TestSupport::readBytes;
using TestSupport::writeBytes;

namespace {

unsigned mode(const QString &path)
{
    struct stat info {};
    return ::lstat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_mode & 0777 : 0;
}

// The two ways her data is written: in place (records, settings) and whole (PDF, export).
const struct Writer
{
    const char *name;
    std::function<FileProblem(const QString &path, const QByteArray &bytes)> write;
} writers[] = {
    {"in place",
     [](const QString &path, const QByteArray &bytes) {
         OwnFile file(path, OwnFile::Access::Write);
         if (file.isOpen())
             file.writeAt(0, bytes);
         return file.problem();
     }},
    {"whole", [](const QString &path, const QByteArray &bytes) { return saveWholeFile(path, bytes); }},
};

class OwnFileTest : public ::testing::Test
{
protected:
    QTemporaryDir dir;
    QTemporaryDir elsewhere; // another user's things
    mode_t savedMask = ::umask(022);
    void TearDown() override { ::umask(savedMask); }
    QString path() const { return dir.filePath("quintrela.dat"); }
    QString victim() const { return elsewhere.filePath("her_file"); }
};

} // namespace

TEST_F(OwnFileTest, NothingIsWrittenThroughWhatWasPlantedAtTheName)
{
    using C = FileProblem::Cause;
    const struct
    {
        const char *what;
        std::function<void(const QString &name, const QString &victim)> plant;
        C expected;
    } plants[] = {
        {"a link to another file", [](const QString &n, const QString &v) { QFile::link(v, n); }, C::LinkedFile},
        {"a link to nowhere", [](const QString &n, const QString &v) { QFile::link(v + ".new", n); }, C::LinkedFile},
        {"a second name of another file",
         [](const QString &n, const QString &v) { ::link(QFile::encodeName(v).constData(), QFile::encodeName(n).constData()); },
         C::HardLinkedFile},
        {"another user's file",
         [](const QString &n, const QString &) {
             writeBytes(n, "theirs");
             ASSERT_EQ(::chown(QFile::encodeName(n).constData(), 65534, 65534), 0);
         },
         C::ForeignFile},
        {"a folder", [](const QString &n, const QString &) { QDir().mkdir(n); }, C::NotAFile},
        {"a pipe", [](const QString &n, const QString &) { ::mkfifo(QFile::encodeName(n).constData(), 0600); },
         C::NotAFile},
    };
    for (const Writer &writer : writers) {
        for (const auto &p : plants) {
            writeBytes(victim(), "victim");
            p.plant(path(), victim());
            const QFileInfo before(path());
            const FileProblem problem = writer.write(path(), "her data");
            EXPECT_EQ(problem.cause, p.expected) << writer.name << ": " << p.what;
            EXPECT_EQ(problem.path, path()) << writer.name << ": " << p.what;
            EXPECT_EQ(readBytes(victim()), "victim") << writer.name << ": " << p.what;
            EXPECT_FALSE(QFileInfo::exists(victim() + ".new")) << writer.name << ": " << p.what;
            EXPECT_EQ(QFileInfo(path()).isSymLink(), before.isSymLink()) << writer.name << ": " << p.what;
            EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot).size(), 1)
                << writer.name << ": " << p.what; // no temporary file left
            QDir(path()).removeRecursively();
            QFile::remove(path());
        }
    }
}

TEST_F(OwnFileTest, HerFilesAreHersAloneWhateverTheUmask)
{
    for (const Writer &writer : writers) {
        ASSERT_TRUE(writer.write(path(), "new").ok()) << writer.name;
        EXPECT_EQ(mode(path()), 0600u) << writer.name;
        // One she had open to all is closed to others as it is written.
        ::chmod(QFile::encodeName(path()).constData(), 0644);
        ASSERT_TRUE(writer.write(path(), "old").ok()) << writer.name;
        EXPECT_EQ(mode(path()), 0600u) << writer.name;
        EXPECT_EQ(readBytes(path()), "old") << writer.name;
        QFile::remove(path());
    }
}

TEST_F(OwnFileTest, AWholeFileThatFailsLeavesTheOlderOne)
{
    writeBytes(path(), "older page");
    const auto brokenDisk = [](int, FileProblem *problem) {
        *problem = FileProblem::fromErrno(EIO, {});
        return false;
    };
    const FileProblem problem = saveWholeFile(path(), "newer page", brokenDisk);
    EXPECT_EQ(problem.cause, FileProblem::Cause::Other);
    EXPECT_EQ(problem.path, path());
    EXPECT_EQ(readBytes(path()), "older page");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
}

TEST_F(OwnFileTest, AFullDiskIsNamedAndLosesNothing)
{
    TestSupport::SmallDisk disk(64);
    if (!disk.mounted()) {
        if (::geteuid() == 0)
            FAIL() << "a small tmpfs could not be mounted";
        GTEST_SKIP() << "mounting a small disk needs root";
    }
    const QString file = disk.path() + "/quintrela.dat";
    writeBytes(file, "older");
    disk.fill();
    for (const Writer &writer : writers) {
        const FileProblem problem = writer.write(file, QByteArray(8192, 'n'));
        EXPECT_EQ(problem.cause, FileProblem::Cause::NoSpace) << writer.name;
        EXPECT_TRUE(problem.sentence().startsWith(QString::fromUtf8("Não há espaço livre no disco")));
        if (&writer == &writers[1]) {
            EXPECT_EQ(readBytes(file), "older"); // not replaced by a cut one
        }
        writeBytes(file, "older");
    }
}

TEST_F(OwnFileTest, LeftoversOfKilledSavesGoAtTheNextSaveAndNothingElse)
{
    POSIX_ONLY();
    const struct
    {
        const char *name;
        bool hers;   // made by her
        bool inUse;  // a save still writing it holds its lock
        bool removed;
    } entries[] = {
        {".quintrela-a1B2c3", true, false, true},
        {".quintrela-zzzzzz", true, true, false},
        {".quintrela-other", true, false, false}, // not a name a save makes
        {".quintrela-x9y8z7", false, false, false},
        {"quintrela-abcdef", true, false, false},
    };
    QList<int> held;
    for (const auto &e : entries) {
        const QString at = dir.filePath(e.name);
        writeBytes(at, "half a page");
        if (!e.hers)
            ASSERT_EQ(::chown(QFile::encodeName(at).constData(), 65534, 65534), 0);
        if (e.inUse) {
            held << ::open(QFile::encodeName(at).constData(), O_RDONLY);
            ASSERT_EQ(::flock(held.last(), LOCK_EX), 0);
        }
    }
    ASSERT_TRUE(saveWholeFile(dir.filePath("maio.pdf"), "page").ok());
    for (const auto &e : entries)
        EXPECT_EQ(QFileInfo::exists(dir.filePath(e.name)), !e.removed) << e.name;
    EXPECT_EQ(readBytes(dir.filePath("maio.pdf")), "page");
    for (int fd : held)
        ::close(fd);
}

TEST_F(OwnFileTest, AFileOfHersOpenToOthersIsNarrowedWhenRead)
{
    POSIX_ONLY();
    writeBytes(path(), "records");
    ::chmod(QFile::encodeName(path()).constData(), 0666);
    QByteArray bytes;
    OwnFile file(path(), OwnFile::Access::Read);
    ASSERT_TRUE(file.isOpen() && file.readAll(bytes));
    EXPECT_EQ(bytes, "records");
    EXPECT_EQ(mode(path()), 0600u);
}

TEST_F(OwnFileTest, RootSavesNothingInAnotherUsersFolder)
{
    POSIX_ONLY();
    if (::geteuid() != 0)
        GTEST_SKIP() << "needs root, as sudo with her HOME gives it";
    ASSERT_EQ(::chown(QFile::encodeName(dir.path()).constData(), 65534, 65534), 0);
    const FileProblem problem = saveWholeFile(dir.filePath("Quintrela Maria.ics"), "calendar");
    EXPECT_EQ(problem.cause, FileProblem::Cause::ForeignFolder);
    EXPECT_TRUE(problem.sentence().contains("sem sudo")) << qPrintable(problem.sentence());
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
}

TEST_F(OwnFileTest, ASaveKilledMidwayLeavesTheOlderFileAndNoLeftoverAfterTheNext)
{
    POSIX_ONLY();
    writeBytes(path(), "older page");
    for (int round = 0; round < 5; ++round) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            // Killed while its page waits to reach the disk.
            saveWholeFile(path(), "newer page", [](int, FileProblem *) {
                ::pause();
                return true;
            });
            ::_exit(0);
        }
        const QDir folder(dir.path());
        for (int i = 0; i < 200 && folder.entryList(QDir::Files | QDir::Hidden).size() < 2; ++i)
            ::usleep(10000);
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);
        EXPECT_EQ(readBytes(path()), "older page") << round;
        EXPECT_EQ(folder.entryList(QDir::Files | QDir::Hidden).size(), 2) << "no leftover to clean in round " << round;
        ASSERT_TRUE(saveWholeFile(path(), "older page").ok());
        EXPECT_EQ(folder.entryList(QDir::Files | QDir::Hidden), QStringList {"quintrela.dat"}) << round;
    }
}
