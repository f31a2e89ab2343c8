#include "ReminderPlan.h"

#include <gtest/gtest.h>

namespace {

// Four 28-day cycles before her newest start: the next is likeliest 28 days
// after it, between 27 and 30.
QList<HistoryCycle> fourCycles(const QDate &newest)
{
    QList<QDate> starts;
    for (int i = 4; i >= 0; --i)
        starts << newest.addDays(-28 * i);
    return CycleStatistics::cycles(starts);
}

} // namespace

TEST(ReminderPlanTest, SomeDaysBeforeTheRangeThenJaComecouOnceADay)
{
    const QDate newest(2026, 11, 1);
    const QDate first = newest.addDays(27), likeliest = newest.addDays(28), last = newest.addDays(30);
    using Kind = ReminderPlan::Notice::Kind;
    const struct
    {
        const char *name;
        QDate today;
        ReminderChoice choice;
        QString lastSent;
        std::optional<Kind> kind;
    } cases[] = {
        {"too early", first.addDays(-3), {}, {}, std::nullopt},
        {"two days before", first.addDays(-2), {}, {}, Kind::Soon},
        {"already given", first.addDays(-1), {}, "28/11/2026;antes", std::nullopt},
        {"five days chosen", first.addDays(-5), {5, false}, {}, Kind::Soon},
        {"the likeliest day", likeliest, {}, "28/11/2026;antes", Kind::Started},
        {"asked today already", likeliest, {}, "29/11/2026;comecou", std::nullopt},
        {"asked again the next day", likeliest.addDays(1), {}, "29/11/2026;comecou", Kind::Started},
        {"the range gone by", last.addDays(1), {}, {}, std::nullopt},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const auto notice = ReminderPlan::due(fourCycles(newest), std::nullopt, c.today, c.choice, c.lastSent);
        ASSERT_EQ(notice.has_value(), c.kind.has_value());
        if (!notice)
            continue;
        EXPECT_EQ(notice->kind, *c.kind);
        EXPECT_EQ(notice->actions.size(), *c.kind == Kind::Started ? 2 : 0);
        EXPECT_TRUE(notice->body.contains("entre 28 de novembro e 1 de dezembro")) << notice->body.toStdString();
    }
    // Her history is too short, or paused: nothing.
    EXPECT_FALSE(ReminderPlan::due(fourCycles(newest).mid(0, 3), std::nullopt, likeliest, {}, {}));
    EXPECT_FALSE(ReminderPlan::due(fourCycles(newest), CyclePause{newest.addDays(3), LeftOutReason::Gravidez}, likeliest,
                                   {}, {}));
}

TEST(ReminderPlanTest, TheDiscreetWordsSayNothingOfWhatItIsAbout)
{
    const QDate newest(2026, 11, 1);
    for (const QDate &today : {newest.addDays(25), newest.addDays(28)}) {
        const auto notice = ReminderPlan::due(fourCycles(newest), std::nullopt, today, {2, true}, {});
        ASSERT_TRUE(notice);
        EXPECT_EQ(notice->title, "Lembrete da Quintrela");
        const QString said = notice->title + notice->body;
        for (const char *word : {"menstrua", "ciclo", "história", "período"})
            EXPECT_FALSE(said.contains(QString::fromUtf8(word), Qt::CaseInsensitive)) << said.toStdString();
    }
}

TEST(ReminderPlanTest, HerChoiceReadsBackAndAnythingElseIsOff)
{
    for (const ReminderChoice &choice : {ReminderChoice{}, ReminderChoice{0, true}, ReminderChoice{10, false}})
        EXPECT_EQ(ReminderChoice::from(choice.text()), choice) << choice.text().toStdString();
    for (const char *text : {"", "11", "-1", "2;alto", "2;discreto;x", "dois"})
        EXPECT_FALSE(ReminderChoice::from(QString::fromUtf8(text))) << text;
}
