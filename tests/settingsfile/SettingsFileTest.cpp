#include "FileLock.h"
#include "OwnFile.h"
#include "SettingsFile.h"
#include "TestSupport.h"

#include <QDir>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <chrono>
#include <optional>
#include <thread>

using TestSupport::readBytes;
using TestSupport::writeBytes;

class SettingsFileTest : public ::testing::Test
{
protected:
    QTemporaryDir dir;
    QString path() const { return SettingsFile::inFolder(dir.path()); }
};

struct ByteCase
{
    QByteArray before;
    qint16 value;
    QByteArray after;
};

TEST_F(SettingsFileTest, ReadWritesTheValueBackUnchanged)
{
    const ByteCase cases[] = {
        {QByteArray(), 0, QByteArray("\x00\x00", 2)},
        {QByteArray("\xFF\xFF", 2), -1, QByteArray("\xFF\xFF", 2)},
        {QByteArray("\x01\x00", 2), 1, QByteArray("\x01\x00", 2)},
        {QByteArray("\x00\x00", 2), 0, QByteArray("\x00\x00", 2)},
        {QByteArray("\x34\x12", 2), 0x1234, QByteArray("\x34\x12", 2)},
        {QByteArray("\x05", 1), 5, QByteArray("\x05\x00", 2)},
        {QByteArray("\xFF\xFFtail\x00\x01", 8), -1, QByteArray("\xFF\xFFtail\x00\x01", 8)},
    };
    for (const ByteCase &c : cases) {
        writeBytes(path(), c.before);
        const auto read = SettingsFile(path()).readWithWriteBack();
        EXPECT_EQ(read.status, SettingsFile::Status::Ok);
        EXPECT_EQ(read.value, c.value) << c.before.toHex().constData();
        EXPECT_EQ(readBytes(path()), c.after) << c.before.toHex().constData();
    }
}

TEST_F(SettingsFileTest, MissingFileReadsZeroAndIsCreated)
{
    const auto read = SettingsFile(path()).readWithWriteBack();
    EXPECT_EQ(read.status, SettingsFile::Status::Ok);
    EXPECT_EQ(read.value, 0);
    EXPECT_EQ(readBytes(path()), QByteArray("\x00\x00", 2));
}

TEST_F(SettingsFileTest, WriteReplacesOnlyTheFirstTwoBytes)
{
    writeBytes(path(), QByteArray("\x01\x00rest", 6));
    EXPECT_TRUE(SettingsFile(path()).write(SettingsFile::valueEndIsNext));
    EXPECT_EQ(readBytes(path()), QByteArray("\xFF\xFFrest", 6));
    EXPECT_TRUE(SettingsFile(path()).write(SettingsFile::valueDayAfter));
    EXPECT_EQ(readBytes(path()), QByteArray("\x00\x00rest", 6));
    QFile::remove(path());
    EXPECT_TRUE(SettingsFile(path()).write(SettingsFile::valueEndIsNext));
    EXPECT_EQ(readBytes(path()), QByteArray("\xFF\xFF", 2));
}

TEST_F(SettingsFileTest, AFolderInThePlaceOfTheFileIsReported)
{
    ASSERT_TRUE(QDir(dir.path()).mkdir("qtrconf.dat"));
    const auto read = SettingsFile(path()).readWithWriteBack();
    EXPECT_EQ(read.status, SettingsFile::Status::Unreadable);
    EXPECT_EQ(read.value, 0);
    EXPECT_EQ(read.problem.cause, FileProblem::Cause::NotAFile);
    FileProblem problem;
    EXPECT_FALSE(SettingsFile(path()).write(-1, &problem));
    EXPECT_EQ(problem.cause, FileProblem::Cause::NotAFile);
}

TEST_F(SettingsFileTest, ReadOnlyFolderKeepsTheStoredValueAndReportsTheWrite)
{
    POSIX_ONLY();
    writeBytes(path(), QByteArray("\xFF\xFF", 2));
    TestSupport::openToEveryone(dir.path());
    QFile::setPermissions(path(), QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther);
    QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner | QFileDevice::ReadOther
                                          | QFileDevice::ExeOther);
    const QString file = path();
    const int code = TestSupport::runUnprivileged([&] {
        const auto read = SettingsFile(file).readWithWriteBack();
        if (read.status != SettingsFile::Status::NotWritable || read.value != -1)
            return 1;
        if (SettingsFile(file).write(0))
            return 2;
        return 0;
    });
    EXPECT_EQ(code, 0);
    EXPECT_EQ(readBytes(path()), QByteArray("\xFF\xFF", 2));
    QFile::setPermissions(dir.path(), QFileDevice::Permissions(0x7700));
}

TEST_F(SettingsFileTest, ReadOnlyFolderWithoutFileReadsZero)
{
    POSIX_ONLY();
    TestSupport::openToEveryone(dir.path());
    QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner | QFileDevice::ReadOther
                                          | QFileDevice::ExeOther);
    const QString file = path();
    const int code = TestSupport::runUnprivileged([&] {
        const auto read = SettingsFile(file).readWithWriteBack();
        return read.status == SettingsFile::Status::NotWritable && read.value == 0 ? 0 : 1;
    });
    EXPECT_EQ(code, 0);
    EXPECT_FALSE(QFile::exists(path()));
    QFile::setPermissions(dir.path(), QFileDevice::Permissions(0x7700));
}

TEST_F(SettingsFileTest, AChoiceIsOnTheDiskBeforeItCountsAsSaved)
{
    int synced = 0;
    auto disk = [&](bool works) {
        return [&, works](int, FileProblem *problem) {
            ++synced;
            if (!works && problem)
                *problem = FileProblem::fromErrno(EIO, {});
            return works;
        };
    };
    EXPECT_TRUE(SettingsFile(path(), disk(true)).write(SettingsFile::valueEndIsNext));
    EXPECT_EQ(synced, 1);
    FileProblem problem;
    EXPECT_FALSE(SettingsFile(path(), disk(false)).write(SettingsFile::valueDayAfter, &problem));
    EXPECT_EQ(problem.cause, FileProblem::Cause::Other);
    EXPECT_EQ(problem.path, path());
    // Reading at start writes the value back, but saves nothing new: no wait for the disk.
    SettingsFile(path(), disk(true)).readWithWriteBack();
    EXPECT_EQ(synced, 2);
}

TEST_F(SettingsFileTest, AStartNeverUndoesAChoiceSavedAtTheSameMoment)
{
    // qtrconfg's save holds the file while Quintrela starts on a file that
    // holds no value yet: the start waits, and reads the saved choice.
    writeBytes(path(), QByteArray());
    OwnFile saving(path(), OwnFile::Access::Write);
    ASSERT_TRUE(saving.isOpen());
    std::optional<FileLock> held(std::in_place, saving, FileLock::Kind::Exclusive);
    SettingsFile::ReadResult atStart;
    std::thread start([&] { atStart = SettingsFile(path()).readWithWriteBack(); });
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    ASSERT_TRUE(saving.writeAt(0, QByteArray("\xFF\xFF", 2)));
    held.reset();
    start.join();
    EXPECT_EQ(atStart.value, SettingsFile::valueEndIsNext);
    EXPECT_EQ(readBytes(path()), QByteArray("\xFF\xFF", 2));
    // A file that holds a value is not written at start at all.
    const QDateTime before = QFileInfo(path()).lastModified();
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    SettingsFile(path()).readWithWriteBack();
    EXPECT_EQ(QFileInfo(path()).lastModified(), before);
}
