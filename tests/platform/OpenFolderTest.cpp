// Her folder is reached without links someone else could place on the way,
// and once open, a folder swapped in above it takes nothing of hers.

#include "OpenFolder.h"
#include "OwnFile.h"
#include "TestSupport.h"
#include "UserRecordsFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <thread>

#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

using TestSupport::readBytes;
using TestSupport::writeBytes;

namespace {

constexpr uid_t her = 65534;
constexpr uid_t him = 4242; // another ordinary account

void own(const QString &path, uid_t owner, unsigned mode)
{
    ASSERT_EQ(::chown(QFile::encodeName(path).constData(), owner, owner), 0) << qPrintable(path);
    ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), mode), 0) << qPrintable(path);
}

} // namespace

TEST(OpenFolderTest, OnlyLinksNobodyElseCouldPlaceAreFollowed)
{
    POSIX_ONLY();
    if (::geteuid() != 0)
        GTEST_SKIP() << "needs root, to make the two accounts' folders";
    using C = FileProblem::Cause;
    using U = OpenFolder::Use;
    // Her data folder is above/Quintrela; `his` is a folder of his with his own files.
    const struct
    {
        const char *what;
        std::function<void(const QString &above, const QString &his)> make;
        C read, write;
    } cases[] = {
        {"her folder under a folder only she changes",
         [](const QString &a, const QString &) { own(a, her, 0755); QDir().mkdir(a + "/Quintrela"); own(a + "/Quintrela", her, 0700); },
         C::None, C::None},
        {"his link at her folder's name, in a folder anyone may write",
         [](const QString &a, const QString &h) { own(a, him, 0777); QFile::link(h, a + "/Quintrela"); },
         C::LinkedFolder, C::LinkedFolder},
        {"her own link on the way, in her own folder",
         [](const QString &a, const QString &) {
             own(a, her, 0755);
             QDir().mkpath(a + "/real/Quintrela");
             own(a + "/real", her, 0755);
             own(a + "/real/Quintrela", her, 0700);
             QFile::link(a + "/real", a + "/via");
             ::lchown(QFile::encodeName(a + "/via").constData(), her, her);
         },
         C::None, C::None},
        {"a link on the way, in a folder anyone may write",
         [](const QString &a, const QString &h) { own(a, him, 0777); QFile::link(QFileInfo(h).path(), a + "/via"); },
         C::LinkedFolder, C::LinkedFolder},
        {"his folder at her folder's name",
         [](const QString &a, const QString &) { own(a, him, 0777); QDir().mkdir(a + "/Quintrela"); own(a + "/Quintrela", him, 0700); },
         C::ForeignFolder, C::ForeignFolder},
        {"a file where a folder of the path should be",
         [](const QString &a, const QString &) { own(a, her, 0755); writeBytes(a + "/via", "x"); },
         C::FileInTheWay, C::FileInTheWay},
    };
    for (const auto &c : cases) {
        QTemporaryDir root;
        TestSupport::openToEveryone(root.path());
        const QString above = root.filePath("above");
        const QString his = root.filePath("his/Quintrela");
        QDir().mkpath(above);
        QDir().mkpath(his);
        own(root.filePath("his"), him, 0755);
        own(his, him, 0755);
        writeBytes(his + "/quintrela.dat", QByteArray(132, 'H'));
        c.make(above, his);
        const bool through = QFileInfo::exists(above + "/via");
        const QString folder = above + (through ? "/via/Quintrela" : "/Quintrela");
        const int read = TestSupport::runUnprivileged([&] {
            const OpenFolder opened(folder, U::Read);
            const OwnFile file(folder + "/quintrela.dat", OwnFile::Access::Read);
            // Nothing of his is ever read, whatever the folder.
            return int(opened.problem().cause) * 2 + (file.isOpen() ? 1 : 0);
        });
        EXPECT_EQ(read, int(c.read) * 2) << c.what;
        const int write = TestSupport::runUnprivileged([&] { return int(OpenFolder(folder, U::Write).problem().cause); });
        EXPECT_EQ(write, int(c.write)) << c.what;
        EXPECT_EQ(QDir(his).entryList(QDir::Files), QStringList {"quintrela.dat"}) << c.what;
    }
}

TEST(OpenFolderTest, HerFolderSwappedWithHisWhileSavingTakesNothing)
{
    POSIX_ONLY();
    QTemporaryDir root;
    const QString folder = root.filePath("Quintrela");
    const QString his = root.filePath("his");
    const QString swap = root.filePath("swap");
    QDir().mkdir(folder);
    QDir().mkdir(his);
    ::chmod(QFile::encodeName(folder).constData(), 0700);
    ::chmod(QFile::encodeName(his).constData(), 0700);
    // `swap` is a link to his folder; the loop exchanges it with hers, as
    // someone who may write the folder above could.
    ASSERT_TRUE(QFile::link(his, swap));
    std::atomic<bool> stop = false;
    std::atomic<int> swaps = 0;
    std::thread attacker([&] {
        const QByteArray a = QFile::encodeName(folder), b = QFile::encodeName(swap);
        while (!stop) {
            if (::renameat2(AT_FDCWD, a.constData(), AT_FDCWD, b.constData(), RENAME_EXCHANGE) == 0)
                ++swaps;
            // A loaded machine gives this loop whole time slices: her folder
            // must stand in its place now and then for a save to get through.
            std::this_thread::yield();
        }
    });
    const UserRecordsFile records(UserRecordsFile::inFolder(folder), [](int, FileProblem *) { return true; });
    int saved = 0, refused = 0;
    // At least 300 tries, and on until one save got through (bounded).
    for (int i = 0; i < 5000 && (i < 300 || saved == 0); ++i) {
        const auto result = records.SaveUserRecord(QStringLiteral("Maria %1").arg(i), "01/03/2001", "28", [] { return true; });
        (result.status == UserRecordsFile::SaveStatus::Added ? saved : refused)++;
        if (result.status == UserRecordsFile::SaveStatus::Failed) {
            EXPECT_EQ(result.problem.cause, FileProblem::Cause::LinkedFolder) << i;
        }
    }
    stop = true;
    attacker.join();
    EXPECT_GT(swaps.load(), 0);
    EXPECT_GT(saved, 0);
    // Every save is in her folder, wherever that folder stands now.
    const QString hers = QFileInfo(folder).isSymLink() ? swap : folder;
    EXPECT_TRUE(QDir(his).isEmpty()) << "written into his folder";
    EXPECT_EQ(readBytes(UserRecordsFile::inFolder(hers)).size(), qsizetype(saved) * 132);
    std::printf("%d saves, %d refused, %d swaps: nothing in his folder\n", saved, refused, swaps.load());
}
