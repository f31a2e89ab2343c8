#include "TestSupport.h"
#include "UserRecordsFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

using TestSupport::readBytes;
using TestSupport::writeBytes;

namespace {

QByteArray record(const char *name, const char *cycle, const char *date)
{
    return UserRecord{QString::fromUtf8(name), cycle, date}.encode();
}

class UserRecordsFileTest : public ::testing::Test
{
protected:
    QTemporaryDir dir;
    QString path() const { return UserRecordsFile::inFolder(dir.path()); }
    UserRecordsFile file() const { return UserRecordsFile(path()); }
    int questions = 0;

    UserRecordsFile::SaveStatus save(const char *name, const char *date, const char *cycle, bool answer)
    {
        const auto result = file().SaveUserRecord(QString::fromUtf8(name), date, cycle, [&] {
            ++questions;
            return answer;
        });
        EXPECT_TRUE(result.problem.ok() || result.status == UserRecordsFile::SaveStatus::Failed);
        return result.status;
    }
};

} // namespace

TEST_F(UserRecordsFileTest, MissingFileIsCreatedEmptyForItsOwnerOnly)
{
    POSIX_ONLY();
    const auto read = file().readAll();
    EXPECT_TRUE(read.ok);
    EXPECT_TRUE(read.records.isEmpty());
    ASSERT_TRUE(QFile::exists(path()));
    EXPECT_EQ(QFile(path()).size(), 0);
    struct stat info {};
    ASSERT_EQ(::stat(QFile::encodeName(path()).constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);
}

TEST_F(UserRecordsFileTest, AddUpdateAndNo)
{
    using S = UserRecordsFile::SaveStatus;
    EXPECT_EQ(save("Maria", "01/03/2001", "28", true), S::Added);
    EXPECT_EQ(questions, 1);
    EXPECT_EQ(readBytes(path()), record("Maria", "28", "01/03/2001"));

    // Found regardless of case, rewritten with the name as typed; no question.
    EXPECT_EQ(save("maria", "15/04/2001", "30", true), S::Updated);
    EXPECT_EQ(questions, 1);
    EXPECT_EQ(readBytes(path()), record("maria", "30", "15/04/2001"));

    EXPECT_EQ(save("Ana", "02/02/2002", "27", false), S::NotAdded);
    EXPECT_EQ(questions, 2);
    EXPECT_EQ(readBytes(path()), record("maria", "30", "15/04/2001"));

    EXPECT_EQ(save("Ana", "02/02/2002", "27", true), S::Added);
    EXPECT_EQ(readBytes(path()), record("maria", "30", "15/04/2001") + record("Ana", "27", "02/02/2002"));
}

TEST_F(UserRecordsFileTest, EveryRecordOfADuplicatedNameIsRewrittenInPlace)
{
    writeBytes(path(), record("Bia", "28", "01/01/2001") + record("Carla", "29", "02/02/2002")
                           + record("BIA", "30", "03/03/2003"));
    EXPECT_EQ(save("bia", "04/04/2004", "31", true), UserRecordsFile::SaveStatus::Updated);
    EXPECT_EQ(readBytes(path()), record("bia", "31", "04/04/2004") + record("Carla", "29", "02/02/2002")
                                     + record("bia", "31", "04/04/2004"));
    const auto read = file().readAll();
    ASSERT_EQ(read.records.size(), 3);
    EXPECT_EQ(read.records[1].Nome.trimmed(), "Carla");
}

TEST_F(UserRecordsFileTest, IncompleteTailIsIgnoredThenOverwrittenByTheNextRecord)
{
    const QByteArray whole = record("Bia", "28", "01/01/2001");
    writeBytes(path(), whole + QByteArray("Torn rec", 8));
    EXPECT_EQ(file().readAll().records.size(), 1);
    EXPECT_EQ(save("Dora", "05/05/2005", "26", true), UserRecordsFile::SaveStatus::Added);
    EXPECT_EQ(readBytes(path()), whole + record("Dora", "26", "05/05/2005"));
}

TEST_F(UserRecordsFileTest, ANameOfBlanksIsStoredAndOfferedAgain)
{
    EXPECT_EQ(save("   ", "01/03/2001", "28", true), UserRecordsFile::SaveStatus::Added);
    EXPECT_EQ(save("   ", "01/03/2001", "28", true), UserRecordsFile::SaveStatus::Added);
    EXPECT_EQ(questions, 2);
    EXPECT_EQ(readBytes(path()).size(), 2 * 132);
}

TEST_F(UserRecordsFileTest, LongNameIsNotAppendedAgainAtEveryConsultation)
{
    const QByteArray name = QByteArray(150, 'L');
    EXPECT_EQ(save(name.constData(), "01/03/2001", "28", true), UserRecordsFile::SaveStatus::Added);
    EXPECT_EQ(save(name.constData(), "02/03/2001", "28", true), UserRecordsFile::SaveStatus::Updated);
    EXPECT_EQ(readBytes(path()).size(), 132);
}

TEST_F(UserRecordsFileTest, FortyThousandRecordsScanUpdateAndAppend)
{
    QByteArray bytes;
    bytes.reserve(40000 * 132);
    for (int i = 0; i < 40000; ++i)
        bytes += UserRecord{QStringLiteral("User %1").arg(i), "28", "01/03/2001"}.encode();
    writeBytes(path(), bytes);

    EXPECT_EQ(save("user 39999", "09/09/2009", "35", true), UserRecordsFile::SaveStatus::Updated);
    EXPECT_EQ(save("user 32767", "08/08/2008", "33", true), UserRecordsFile::SaveStatus::Updated);
    EXPECT_EQ(save("Newcomer", "07/07/2007", "30", true), UserRecordsFile::SaveStatus::Added);
    const QByteArray after = readBytes(path());
    ASSERT_EQ(after.size(), 40001 * 132);
    EXPECT_EQ(after.mid(39999 * 132, 132), record("user 39999", "35", "09/09/2009"));
    EXPECT_EQ(after.mid(32767 * 132, 132), record("user 32767", "33", "08/08/2008"));
    EXPECT_EQ(after.mid(40000 * 132, 132), record("Newcomer", "30", "07/07/2007"));
    EXPECT_EQ(after.left(132), bytes.left(132));
    const auto read = file().readAll();
    ASSERT_EQ(read.records.size(), 40001);
    EXPECT_EQ(read.records.last().Nome.trimmed(), "Newcomer");
}

TEST_F(UserRecordsFileTest, NameAddedByAnotherCopyDuringTheQuestionIsNotAddedTwice)
{
    const auto result = file().SaveUserRecord("Eva", "01/03/2001", "28", [&] {
        // While the question is open, another copy saves the same name.
        EXPECT_EQ(file().SaveUserRecord("EVA", "02/03/2001", "29", [] { return true; }).status,
                  UserRecordsFile::SaveStatus::Added);
        return true;
    });
    EXPECT_EQ(result.status, UserRecordsFile::SaveStatus::Updated);
    EXPECT_EQ(readBytes(path()), record("Eva", "28", "01/03/2001"));
}

TEST_F(UserRecordsFileTest, AFolderInThePlaceOfTheFileFailsWithoutDamage)
{
    ASSERT_TRUE(QDir(dir.path()).mkdir("quintrela.dat"));
    const auto read = file().readAll();
    EXPECT_FALSE(read.ok);
    EXPECT_EQ(read.problem.cause, FileProblem::Cause::NotAFile);
    EXPECT_EQ(save("Maria", "01/03/2001", "28", true), UserRecordsFile::SaveStatus::Failed);
    EXPECT_EQ(questions, 0);
}

TEST_F(UserRecordsFileTest, ReadOnlyFileIsListedButNotChanged)
{
    POSIX_ONLY();
    const QByteArray before = record("Maria", "28", "01/03/2001");
    writeBytes(path(), before);
    TestSupport::openToEveryone(dir.path());
    QFile::setPermissions(path(), QFileDevice::ReadOwner | QFileDevice::ReadOther);
    const QString p = path();
    const int code = TestSupport::runUnprivileged([&] {
        const UserRecordsFile f(p);
        const auto read = f.readAll();
        if (!read.ok || read.records.size() != 1)
            return 1;
        const auto saved = f.SaveUserRecord("Maria", "02/02/2002", "30", [] { return true; });
        return saved.status == UserRecordsFile::SaveStatus::Failed ? 0 : 2;
    });
    EXPECT_EQ(code, 0);
    EXPECT_EQ(readBytes(path()), before);
}

TEST_F(UserRecordsFileTest, WiderRightsAreNarrowedOnSave)
{
    POSIX_ONLY();
    writeBytes(path(), record("Maria", "28", "01/03/2001"));
    QFile::setPermissions(path(), QFileDevice::Permissions(0x6644));
    EXPECT_EQ(save("Maria", "02/03/2001", "28", true), UserRecordsFile::SaveStatus::Updated);
    struct stat info {};
    ASSERT_EQ(::stat(QFile::encodeName(path()).constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);
}

TEST_F(UserRecordsFileTest, CopiesSavingAtTheSameTimeLoseNoRecord)
{
    const QString saver = QCoreApplication::applicationDirPath() + "/record_saver";
    constexpr int copies = 4;
    constexpr int each = 150;
    std::vector<std::unique_ptr<QProcess>> processes;
    for (int c = 0; c < copies; ++c) {
        processes.push_back(std::make_unique<QProcess>());
        processes.back()->start(saver, {dir.path(), QStringLiteral("copy%1-").arg(c), QString::number(each)});
    }
    for (auto &p : processes) {
        ASSERT_TRUE(p->waitForFinished(120000));
        EXPECT_EQ(p->exitCode(), 0) << p->readAllStandardError().constData();
    }
    const QByteArray bytes = readBytes(path());
    EXPECT_EQ(bytes.size(), copies * each * 132);
    const auto read = file().readAll();
    QSet<QString> names;
    for (const UserRecord &r : read.records) {
        EXPECT_EQ(r.Ultima, "01/03/2001");
        EXPECT_EQ(r.Periodo, "28");
        names.insert(r.Nome.trimmed());
    }
    EXPECT_EQ(names.size(), copies * each); // every record, none twice
}

TEST_F(UserRecordsFileTest, ASaveIsOnTheDiskBeforeItCountsAsDone)
{
    using S = UserRecordsFile::SaveStatus;
    int synced = 0;
    bool diskWorks = true;
    const UserRecordsFile records(path(), [&](int, FileProblem *problem) {
        ++synced;
        if (!diskWorks)
            *problem = FileProblem::fromErrno(EIO, {});
        return diskWorks;
    });
    auto save = [&](const char *name, bool answer) {
        return records.SaveUserRecord(name, "01/03/2001", "28", [answer] { return answer; });
    };
    EXPECT_EQ(save("Maria", true).status, S::Added);
    EXPECT_EQ(synced, 1);
    EXPECT_EQ(save("Ana", false).status, S::NotAdded); // nothing written, nothing to wait for
    EXPECT_EQ(synced, 1);
    diskWorks = false;
    for (const char *name : {"Maria", "Bia"}) { // an update, then an addition
        const auto failed = save(name, true);
        EXPECT_EQ(failed.status, S::Failed) << name;
        EXPECT_EQ(failed.problem.cause, FileProblem::Cause::Other) << name;
        EXPECT_EQ(failed.problem.path, path()) << name;
    }
}

TEST_F(UserRecordsFileTest, AFileLargerThanAnyOfHersIsNeitherReadNorWritten)
{
    const qint64 bound = UserRecordsFile::maxRecords * 132;
    const struct
    {
        const char *what;
        qint64 size; // a sparse file of blanks' worth of zeros, with Maria first
        bool accepted;
    } cases[] = {
        {"the largest accepted", bound, true},
        {"with an incomplete record past the bound", bound + 1, false},
        {"one record too many", bound + 132, false},
        {"2 GB", 2LL << 30, false},
    };
    for (const auto &c : cases) {
        writeBytes(path(), record("Maria", "28", "01/01/2001"));
        ASSERT_TRUE(QFile::resize(path(), c.size)) << c.what;
        const auto names = file().readNames();
        const auto all = file().readAll();
        EXPECT_EQ(names.ok, c.accepted) << c.what;
        EXPECT_EQ(all.ok, c.accepted) << c.what;
        EXPECT_EQ(names.names.size(), c.accepted ? UserRecordsFile::maxRecords : 0) << c.what;
        EXPECT_EQ(all.records.size(), c.accepted ? UserRecordsFile::maxRecords : 0) << c.what;
        const auto saved = file().SaveUserRecord("Maria", "02/02/2002", "30", [] { return true; });
        EXPECT_EQ(saved.status, c.accepted ? UserRecordsFile::SaveStatus::Updated : UserRecordsFile::SaveStatus::Failed)
            << c.what;
        EXPECT_EQ(QFile(path()).size(), c.size) << c.what;
        if (!c.accepted) {
            EXPECT_EQ(names.problem.cause, FileProblem::Cause::TooLarge) << c.what;
            EXPECT_EQ(saved.problem.cause, FileProblem::Cause::TooLarge) << c.what;
            QFile kept(path());
            ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
            EXPECT_EQ(kept.read(132), record("Maria", "28", "01/01/2001")) << c.what;
        }
    }
}

// A name she protects leaves the file; every other record stays as it was,
// in its order, and an incomplete tail goes with the cut.
TEST_F(UserRecordsFileTest, HerRecordsLeaveAndTheOthersStayByteForByte)
{
    const QByteArray ana = record("Ana", "28", "05/01/2026"), maria = record("Maria", "30", "02/03/2026"),
                     zu = record("Zulmira", "26", "10/02/2026"), mariana = record("Mariana", "29", "01/01/2026");
    const struct
    {
        const char *what;
        QByteArray before, after;
        int removed;
    } cases[] = {
        {"hers first", maria + ana + zu, ana + zu, 1},
        {"hers in the middle", ana + maria + zu, ana + zu, 1},
        {"hers last", ana + zu + maria, ana + zu, 1},
        {"hers twice, a like name kept", maria + mariana + maria + ana, mariana + ana, 2},
        {"hers alone", maria, {}, 1},
        {"not there", ana + zu, ana + zu, 0},
        {"hers, then half a record", ana + maria + zu + "Jo", ana + zu, 1},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        writeBytes(path(), c.before);
        const UserRecordsFile::Removed removed = file().remove("MARIA");
        EXPECT_TRUE(removed.ok);
        EXPECT_EQ(removed.removed, c.removed);
        EXPECT_EQ(readBytes(path()), c.removed ? c.after : c.before);
    }
    QFile::remove(path());
    EXPECT_TRUE(file().remove("Maria").ok);
    EXPECT_FALSE(QFile::exists(path()));
}
