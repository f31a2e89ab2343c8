#include "ProtectedHistories.h"
#include "ProtectedReminders.h"
#include "ReminderCheck.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// The lowest limits: a test derives keys.
constexpr SealedImage::Limits quick{1, 8192};

} // namespace

TEST(ProtectedReminderTest, WhatIsKeptOutsideReadsBackAndAnythingElseIsRefused)
{
    const NextStartRange range{QDate(2027, 3, 1), QDate(2027, 3, 29), QDate(2027, 3, 27), QDate(2027, 4, 1), 0};
    const ProtectedReminder kept[] = {
        {2, std::nullopt, {}, {}},
        {0, range, {}, {}},
        {10, range, "29/03/2027;comecou", {QDate(2027, 3, 29), QDate(2027, 4, 27)}},
    };
    for (const ProtectedReminder &reminder : kept)
        EXPECT_EQ(ProtectedReminder::from(reminder.text()), reminder) << reminder.text().toStdString();
    for (const char *text : {
             "", "11", "2 2027-03-01", "2 2027-03-01 2027-03-29 2027-03-27 2027-04-01",
             "2 2027-03-01 2027-03-26 2027-03-27 2027-04-01 -",             // likeliest before the range
             "2 2027-03-27 2027-03-29 2027-03-27 2027-04-01 -",             // counted from its own first day
             "2 2027-03-01 2027-03-29 2027-03-27 2027-04-01 - 2027-04-02 2027-03-29", // starts out of order
             "2 2027-03-01 2027-03-29 2027-03-27 2027-04-31 -",
             "2 2027-03-01 2027-03-29 2027-03-27 2027-04-01 - 2027-03-28 2027-04-25 2027-05-23 2027-06-20 "
             "2027-07-18 2027-08-15 2027-09-12 2027-10-10 2027-11-07", // more starts than are kept
         })
        EXPECT_FALSE(ProtectedReminder::from(QString::fromUtf8(text))) << text;

    // A start she confirmed moves the range with it, until her file is opened.
    ProtectedReminder moved{2, range, {}, {QDate(2027, 3, 30)}};
    EXPECT_EQ(moved.current()->first, QDate(2027, 4, 25));
    EXPECT_EQ(moved.current()->last, QDate(2027, 4, 30));
}

// What stays outside her file names nothing of hers, follows her file to a
// new passphrase, and goes with it, even with a start she confirmed waiting.
TEST(ProtectedReminderTest, OutsideHerFileNothingNamesHerAndNothingOutlivesIt)
{
    QTemporaryDir dir;
    const QDate today(2027, 3, 29);
    const ProtectedHistories histories(dir.path(), quick);
    const ProtectedHistories::Opened opened = histories.create("Bia", "lua cheia de março");
    const HistoryStore sealed = opened.store(dir.path());
    ASSERT_TRUE(sealed.add("Bia", {today.addDays(-112), today.addDays(-84), today.addDays(-56), today.addDays(-28)})
                    .problem.ok());
    ASSERT_TRUE(sealed.setPreference("Bia", ReminderChoice::key, "2;discreto").ok());
    const HistoryStore open(dir.path());
    ASSERT_TRUE(open.add("Ana", {today}).problem.ok());
    ASSERT_TRUE(open.setPreference("Ana", ReminderChoice::key, "2").ok());
    const ProtectedReminders outside(dir.path());
    // Not made by opening her file: only by her choosing it there.
    EXPECT_FALSE(outside.keep(opened.file, sealed, "Bia", today).changed);
    ASSERT_TRUE(outside.keep(opened.file, sealed, "Bia", today, true).changed);

    {
        // Closed after: Windows saves no file over one held open.
        QFile file(dir.filePath(HistoryStore::fileName));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        EXPECT_FALSE(bytes.contains("Bia") || bytes.contains("BIA")) << "her name is outside her file";
    }
    // No name's own choice is taken for one of these, nor written as one.
    EXPECT_TRUE(open.unnamedChoosing(ReminderChoice::key).values.isEmpty());
    EXPECT_FALSE(open.setUnnamedChoice("ANA", ProtectedReminder::key, "2").ok());

    const auto sheSaysYes = [](const ReminderPlan::Notice &) {
        return DesktopNotifier::Outcome{true, ReminderPlan::startedToday};
    };
    // Eight starts already wait outside: a ninth is not asked for, as it could not be kept.
    const ProtectedReminder kept = outside.all().kept.value(0).reminder;
    ProtectedReminder full = kept;
    for (int i = ProtectedReminder::mostStarts; i >= 1; --i)
        full.started << kept.range->from.addDays(-i);
    ASSERT_TRUE(outside.set(opened.file, full).ok());
    EXPECT_EQ(ReminderCheck::run(dir.path(), today, sheSaysYes), 0);
    ASSERT_TRUE(outside.set(opened.file, kept).ok());

    const ProtectedHistories::Opened renewed = histories.changePassphrase(opened, "Bia", "lua nova de abril");
    ASSERT_TRUE(renewed.ok());
    ASSERT_TRUE(outside.move(opened.file, renewed.file).ok());
    outside.keep(renewed.file, renewed.store(dir.path()), "Bia", today);
    ASSERT_EQ(outside.all().kept.size(), 1);
    EXPECT_EQ(outside.all().kept[0].file, renewed.file);

    EXPECT_EQ(ReminderCheck::run(dir.path(), today, sheSaysYes), 1);
    ASSERT_TRUE(QFile::remove(dir.filePath(renewed.file)));
    EXPECT_TRUE(outside.keep(renewed.file, renewed.store(dir.path()), "Bia", today).changed);
    EXPECT_TRUE(outside.all().kept.isEmpty());
    EXPECT_FALSE(QFile::exists(dir.filePath(renewed.file)));
}
