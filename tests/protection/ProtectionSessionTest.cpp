#include "ProtectionSession.h"

#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

using namespace std::chrono_literals;

namespace {

constexpr SealedImage::Limits quick{1, 8192};

} // namespace

// Open, she stays open while she uses the program; left alone for the
// minutes set, she is locked.
TEST(ProtectionSessionTest, MinutesWithoutUseLockHerDataAndUseKeepsItOpen)
{
    QTemporaryDir dir;
    ProtectionSession session(dir.path(), quick);
    ASSERT_TRUE(session.protect("Maria", "lua cheia de março").ok());
    QSignalSpy locked(&session, &ProtectionSession::locked);
    session.setIdleTime(300ms);
    ASSERT_TRUE(session.open("Maria", "lua cheia de março").ok());
    for (int i = 0; i < 6; ++i) {
        QTest::qWait(100);
        session.touch();
    }
    EXPECT_TRUE(session.isOpen()) << "locked while she was using it";
    EXPECT_TRUE(QTest::qWaitFor([&] { return !session.isOpen(); }, 2000));
    EXPECT_EQ(locked.count(), 2); // opening locks what was open first
    EXPECT_FALSE(session.store().has_value());
}

// Her own minutes are kept sealed with her data: the next opening uses them,
// another name keeps the standard ones, and nothing out of range is taken.
TEST(ProtectionSessionTest, HerChosenMinutesComeBackWithHerData)
{
    QTemporaryDir dir;
    ProtectionSession session(dir.path(), quick);
    ASSERT_TRUE(session.protect("Maria", "lua cheia de março").ok());
    ASSERT_TRUE(session.protect("Ana", "sol de inverno azul").ok());
    ASSERT_TRUE(session.open("Maria", "lua cheia de março").ok());
    EXPECT_EQ(session.idleMinutes(), 5);
    EXPECT_FALSE(session.setIdleMinutes(0).ok());
    EXPECT_FALSE(session.setIdleMinutes(121).ok());
    ASSERT_TRUE(session.setIdleMinutes(15).ok());
    session.lock();
    EXPECT_EQ(session.idleMinutes(), 5);
    ASSERT_TRUE(session.open("Ana", "sol de inverno azul").ok());
    EXPECT_EQ(session.idleMinutes(), 5);
    ProtectionSession later(dir.path(), quick);
    ASSERT_TRUE(later.open("Maria", "lua cheia de março").ok());
    EXPECT_EQ(later.idleMinutes(), 15);
}

// Five wrong tries are free; then even the right passphrase waits its turn.
TEST(ProtectionSessionTest, AfterFiveWrongTriesTheNextWaits)
{
    QTemporaryDir dir;
    ProtectionSession session(dir.path(), quick);
    ASSERT_TRUE(session.protect("Maria", "lua cheia de março").ok());
    session.lock();
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(session.open("Maria", "errada " + QString::number(i)).cause, HistoryProblem::Cause::WrongKey);
    EXPECT_EQ(session.waitLeft().count(), 0);
    EXPECT_EQ(session.open("Maria", "errada de novo").cause, HistoryProblem::Cause::WrongKey);
    EXPECT_GT(session.waitLeft().count(), 0);
    EXPECT_FALSE(session.open("Maria", "lua cheia de março").ok()) << "tried while she had to wait";
    EXPECT_TRUE(QTest::qWaitFor([&] { return session.waitLeft().count() == 0; }, 4000));
    EXPECT_TRUE(session.open("Maria", "lua cheia de março").ok());
    EXPECT_EQ(session.name(), "Maria");
}

// A second copy of the program asked for the same protected data is told;
// once the first locks it, the second opens it.
TEST(ProtectionSessionTest, ASecondCopyIsToldWhileTheFirstHasItOpen)
{
    QTemporaryDir dir;
    ProtectionSession first(dir.path(), quick), second(dir.path(), quick);
    ASSERT_TRUE(first.protect("Maria", "lua cheia de março").ok());
    const HistoryProblem told = second.open("Maria", "lua cheia de março");
    EXPECT_EQ(told.cause, HistoryProblem::Cause::OpenElsewhere);
    EXPECT_FALSE(told.sentence().isEmpty());
    EXPECT_FALSE(second.isOpen());
    ASSERT_TRUE(first.changePassphrase("sol de inverno 2027").ok());
    EXPECT_EQ(second.open("Maria", "sol de inverno 2027").cause, HistoryProblem::Cause::OpenElsewhere);
    first.lock();
    EXPECT_TRUE(second.open("Maria", "sol de inverno 2027").ok());
    second.lock();
    EXPECT_EQ(QDir(dir.path()).entryList({"*.lock"}, QDir::Files), QStringList{"historico.lock"});
}
