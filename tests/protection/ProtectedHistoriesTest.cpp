#include "ProtectedHistories.h"
#include "UserRecordsFile.h"

#include "TestSupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

#ifndef _WIN32
#include <csignal>
#include <sys/wait.h>
#include <unistd.h>
#endif

using TestSupport::readBytes;
using TestSupport::writeBytes;

namespace {

// The lowest limits: a test derives many keys.
constexpr SealedImage::Limits quick{1, 8192};
const QList<QDate> herDates{QDate(2026, 3, 2), QDate(2026, 3, 30), QDate(2026, 4, 28)};

QString onlyProtectedFile(const QString &folder)
{
    for (const QString &file : QDir(folder).entryList(QDir::Files))
        if (ProtectedHistories::isProtectedFileName(file))
            return file;
    return {};
}

// Her history protected in the folder; the file's name.
QString protectedIn(const QString &folder)
{
    const ProtectedHistories histories(folder, quick);
    const ProtectedHistories::Opened made = histories.create("Maria", "lua cheia de março");
    EXPECT_TRUE(made.ok());
    EXPECT_TRUE(made.store(folder).add("Maria", herDates).problem.ok());
    return made.file;
}

} // namespace

TEST(ProtectedHistoriesTest, HerDatesOpenOnlyWithHerNameAndPassphraseAndShowNowhereInTheFile)
{
    QTemporaryDir dir;
    const QString file = protectedIn(dir.path());
    ASSERT_TRUE(ProtectedHistories::isProtectedFileName(file));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), (QStringList{file, "historico.lock"}));

    const QByteArray bytes = readBytes(dir.filePath(file));
    for (const QByteArray &plain : {QByteArray("MARIA"), QByteArray("Maria"), QByteArray("2026-03-30"),
                                    QByteArray("SQLite format"), QByteArray("period_start"), QByteArray("uintrela")})
        EXPECT_FALSE(bytes.contains(plain)) << plain.constData();

    const ProtectedHistories histories(dir.path(), quick);
    const ProtectedHistories::Opened opened = histories.open(" maria ", "lua cheia de março");
    ASSERT_TRUE(opened.ok()) << opened.problem.sentence().toStdString();
    EXPECT_EQ(opened.store(dir.path()).starts("Maria").starts, herDates);

    // A wrong name and a wrong passphrase: the same answer, the file untouched.
    for (const auto &[name, passphrase] : {std::pair<QString, QString>{"Mariana", "lua cheia de março"},
                                           {"Maria", "lua cheia de marco"},
                                           {"Maria", "Lua cheia de março"},
                                           {"Ana", "outra senha qualquer"}}) {
        const ProtectedHistories::Opened refused = histories.open(name, passphrase);
        EXPECT_FALSE(refused.ok()) << name.toStdString();
        EXPECT_EQ(refused.problem.cause, HistoryProblem::Cause::WrongKey);
        EXPECT_EQ(refused.problem.sentence(), "O nome ou a senha não conferem. Confira os dois e tente de novo.");
    }
    EXPECT_EQ(readBytes(dir.filePath(file)), bytes);
}

// Whatever happened to the file, it is refused, told, and left as it is.
TEST(ProtectedHistoriesTest, AChangedFileIsRefusedAndLeftAsItIs)
{
    QTemporaryDir source;
    const QString file = protectedIn(source.path());
    const QByteArray good = readBytes(source.filePath(file));
    QByteArray newer = good;
    newer[0] = 2;
    QByteArray greedy = good;
    qToLittleEndian<quint64>(quint64(64) << 30, greedy.data() + 12); // 64 GB to derive a key
    const struct
    {
        const char *what;
        QByteArray bytes;
        HistoryProblem::Cause cause;
    } cases[] = {
        {"cut short", good.left(good.size() - 1), HistoryProblem::Cause::WrongKey},
        {"cut to its header", good.left(SealedImage::headerSize), HistoryProblem::Cause::WrongKey},
        {"empty", {}, HistoryProblem::Cause::WrongKey},
        {"random bytes", QByteArray(4096, '\x5a'), HistoryProblem::Cause::WrongKey},
        {"written by a newer version", newer, HistoryProblem::Cause::Newer},
        {"asking 64 GB to open", greedy, HistoryProblem::Cause::WrongKey},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        QTemporaryDir dir;
        writeBytes(dir.filePath(file), c.bytes);
        const ProtectedHistories::Opened opened = ProtectedHistories(dir.path(), quick).open("Maria", "lua cheia de março");
        EXPECT_EQ(opened.problem.cause, c.cause);
        EXPECT_FALSE(opened.problem.sentence().isEmpty());
        EXPECT_EQ(readBytes(dir.filePath(file)), c.bytes);
    }
    // One bit flipped anywhere: in the header, the image or the tag.
    int refused = 0;
    for (qsizetype at = 0; at < good.size(); at += at < 80 ? 1 : 97) {
        QTemporaryDir dir;
        QByteArray flipped = good;
        flipped[at] = char(flipped[at] ^ (1 << (at % 8)));
        writeBytes(dir.filePath(file), flipped);
        const ProtectedHistories::Opened opened = ProtectedHistories(dir.path(), quick).open("Maria", "lua cheia de março");
        EXPECT_FALSE(opened.ok()) << "bit flipped at " << at;
        EXPECT_EQ(readBytes(dir.filePath(file)), flipped);
        ++refused;
    }
    EXPECT_GT(refused, 100);
#ifndef _WIN32
    // Her very file, but another account's: not opened.
    if (::geteuid() == 0) {
        QTemporaryDir dir;
        writeBytes(dir.filePath(file), good);
        ASSERT_EQ(::chown(QFile::encodeName(dir.filePath(file)).constData(), 4242, 4242), 0);
        EXPECT_FALSE(ProtectedHistories(dir.path(), quick).open("Maria", "lua cheia de março").ok());
        EXPECT_EQ(readBytes(dir.filePath(file)), good);
    }
#endif
}

// A full disk: her sealed file stays as it was, and she is told.
TEST(ProtectedHistoriesTest, AFullDiskKeepsHerSealedFileWhole)
{
    POSIX_ONLY();
    TestSupport::SmallDisk disk(256);
    if (!disk.mounted())
        GTEST_SKIP() << "a small disk needs root";
    const QString file = protectedIn(disk.path());
    disk.fill();
    const ProtectedHistories::Opened opened = ProtectedHistories(disk.path(), quick).open("Maria", "lua cheia de março");
    ASSERT_TRUE(opened.ok());
    QList<QDate> many;
    for (int i = 0; i < 5000; ++i)
        many.append(QDate(1950, 1, 1).addDays(i));
    const HistoryStore::Added added = opened.store(disk.path()).add("Maria", many);
    EXPECT_EQ(added.problem.file.cause, FileProblem::Cause::NoSpace) << added.problem.sentence().toStdString();
    EXPECT_EQ(opened.store(disk.path()).starts("Maria").starts, herDates);
}

TEST(ProtectedHistoriesTest, ANewPassphraseOpensHerDatesAndTheOldOneNothing)
{
    QTemporaryDir dir;
    protectedIn(dir.path());
    const ProtectedHistories histories(dir.path(), quick);
    const ProtectedHistories::Opened old = histories.open("Maria", "lua cheia de março");
    ASSERT_TRUE(old.ok());
    const ProtectedHistories::Opened renewed = histories.changePassphrase(old, "Maria", "sol de inverno 2027");
    ASSERT_TRUE(renewed.ok()) << renewed.problem.sentence().toStdString();
    EXPECT_NE(renewed.file, old.file);
    EXPECT_EQ(histories.open("Maria", "lua cheia de março").problem.cause, HistoryProblem::Cause::WrongKey);
    const ProtectedHistories::Opened reopened = histories.open("Maria", "sol de inverno 2027");
    ASSERT_TRUE(reopened.ok());
    EXPECT_EQ(reopened.store(dir.path()).starts("Maria").starts, herDates);
    EXPECT_EQ(onlyProtectedFile(dir.path()), renewed.file);

    EXPECT_TRUE(histories.remove(reopened).ok());
    EXPECT_EQ(onlyProtectedFile(dir.path()), QString());
    EXPECT_EQ(histories.open("Maria", "sol de inverno 2027").problem.cause, HistoryProblem::Cause::WrongKey);
}

// Killed while saving, 50 times: her file opens whole, with every date it
// was told was kept, never neither the old nor the new.
TEST(ProtectedHistoriesTest, KilledWhileSavingHerFileOpensWhole)
{
    POSIX_ONLY();
#ifndef _WIN32
    QTemporaryDir dir;
    const ProtectedHistories histories(dir.path(), quick);
    const ProtectedHistories::Opened made = histories.create("Maria", "lua cheia de março");
    ASSERT_TRUE(made.store(dir.path()).add("Maria", herDates).problem.ok());
    int kept = int(herDates.size());
    for (int round = 0; round < 50; ++round) {
        int pipeEnds[2];
        ASSERT_EQ(::pipe(pipeEnds), 0);
        const pid_t child = ::fork();
        if (child == 0) {
            ::close(pipeEnds[0]);
            for (int i = 0;; ++i) {
                if (!made.store(dir.path()).add("Maria", {QDate(1900, 1, 1).addDays(round * 10000 + i)}).problem.ok())
                    ::_exit(1);
                const char told = 1;
                if (::write(pipeEnds[1], &told, 1) != 1)
                    ::_exit(2);
            }
        }
        ::close(pipeEnds[1]);
        ::usleep(useconds_t(2000 + round * 300));
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);
        char told = 0;
        while (::read(pipeEnds[0], &told, 1) == 1)
            ++kept;
        ::close(pipeEnds[0]);
        const ProtectedHistories::Opened opened = histories.open("Maria", "lua cheia de março");
        ASSERT_TRUE(opened.ok()) << "round " << round << ": " << opened.problem.sentence().toStdString();
        EXPECT_GE(opened.store(dir.path()).starts("Maria").starts.size(), kept) << "round " << round;
        kept = int(opened.store(dir.path()).starts("Maria").starts.size());
    }
#endif
}

// Protected, she leaves the open files without a trace, and her sealed file
// holds all she had; unprotected, she is back as she was.
TEST(ProtectedHistoriesTest, ProtectingMovesHerWholeOutOfTheOpenFilesAndBack)
{
    QTemporaryDir dir;
    const QByteArray ana = UserRecord{"Ana", "28", "05/01/2026"}.encode(),
                     zulmira = UserRecord{"Zulmira", "26", "10/02/2026"}.encode();
    const QByteArray maria = UserRecord{"Maria", "30", "02/03/2026"}.encode();
    writeBytes(UserRecordsFile::inFolder(dir.path()), ana + maria + zulmira);
    const HistoryStore open(dir.path());
    ASSERT_TRUE(open.recordConsultation("Maria", QDate(2026, 2, 1), 29, QDate(2026, 1, 3), 31).ok());
    ASSERT_TRUE(open.add("Maria", {QDate(2025, 12, 5)}).problem.ok());
    ASSERT_TRUE(open.add("Ana", {QDate(2026, 1, 5)}).problem.ok());
    DayNote day{QDate(2026, 2, 2), DayNote::Flow::Intenso, DayNote::Pain::Forte, {"cólica", "enxaqueca"}, "", "Cólica forte"};
    ASSERT_TRUE(open.saveDay("Maria", day).ok());
    ASSERT_TRUE(open.setLeftOut("Maria", QDate(2026, 1, 3), LeftOutReason::Doenca).ok());
    ASSERT_TRUE(open.setPreference("Maria", "lembrete", "2").ok());
    const QList<HistoryStore::Row> hers{
        {QDate(2025, 12, 5), 0}, {QDate(2026, 1, 3), 31}, {QDate(2026, 2, 1), 29}, {QDate(2026, 3, 2), 30}};

    const ProtectedHistories histories(dir.path(), quick);
    const ProtectedHistories::Opened made = histories.protect("Maria", "lua cheia de março");
    ASSERT_TRUE(made.ok()) << made.problem.sentence().toStdString();
    EXPECT_EQ(readBytes(UserRecordsFile::inFolder(dir.path())), ana + zulmira);
    for (const QString &file : QDir(dir.path()).entryList(QDir::Files)) {
        const QByteArray bytes = readBytes(dir.filePath(file));
        for (const char *plain : {"MARIA", "Maria", "2026-03-02", "02/03/2026", "2025-12-05", "enxaqueca", "2026-02-02"})
            EXPECT_FALSE(bytes.contains(plain)) << file.toStdString() << ": " << plain;
    }
    const ProtectedHistories::Opened opened = histories.open("Maria", "lua cheia de março");
    ASSERT_TRUE(opened.ok());
    EXPECT_EQ(opened.store(dir.path()).rows("Maria").rows, hers);
    const HistoryStore::Whole sealed = opened.store(dir.path()).everything("Maria");
    EXPECT_EQ(sealed.everything.days, QList<DayNote>{day});
    EXPECT_EQ(sealed.everything.leftOut, (QList<LeftOutCycle>{{QDate(2026, 1, 3), LeftOutReason::Doenca}}));
    EXPECT_EQ(sealed.everything.preferences, (QList<std::pair<QString, QString>>{{"lembrete", "2"}}));
    EXPECT_EQ(open.starts("Ana").starts, QList<QDate>{QDate(2026, 1, 5)});

    ASSERT_TRUE(histories.unprotect(opened, "Maria").ok());
    const QByteArray back = ana + zulmira + UserRecord{"Maria", "30", "02/03/2026"}.encode();
    EXPECT_EQ(readBytes(UserRecordsFile::inFolder(dir.path())), back);
    EXPECT_EQ(open.everything("Maria").everything, sealed.everything);
    EXPECT_EQ(onlyProtectedFile(dir.path()), QString());
}
