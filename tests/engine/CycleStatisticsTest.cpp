#include "CycleStatistics.h"

#include <gtest/gtest.h>

namespace {

// Starts from the first date and the cycle lengths that follow it.
QList<QDate> startsFrom(QDate first, const QList<int> &lengths)
{
    QList<QDate> starts{first};
    for (int length : lengths)
        starts.append(starts.constLast().addDays(length));
    return starts;
}

struct Case
{
    const char *name;
    QList<int> lengths; // oldest first
    bool averaged;
    int cycles, shortest, longest;
    double mean, median, deviation;
    const char *says;     // in the summary
    const char *notSaid;  // not in it
};

} // namespace

TEST(CycleStatisticsTest, FiguresAndWordsFollowHerOwnCycles)
{
    const Case cases[] = {
        {"one date", {}, false, 0, 0, 0, 0, 0, 0, "Há uma data no seu histórico", "média"},
        {"two are not enough", {28, 30}, false, 0, 0, 0, 0, 0, 0, "2 ciclos completos nas contas: a média aparece a partir de 3",
         "Nos seus"},
        {"three regular", {28, 30, 29}, true, 3, 28, 30, 29, 29, 0.8165, "média de 29 dias, o mais curto com 28 e o mais longo com 30",
         "menos certos"},
        {"even count has a middle median", {26, 33, 28, 30, 29, 27}, true, 6, 26, 33, 28.8333, 28.5, 2.2669,
         "Nos seus últimos 6 ciclos: média de 28,8 dias", "menos certos"},
        {"seven days apart is still regular", {25, 32, 28}, true, 3, 25, 32, 28.3333, 28, 2.8674, "Mediana de 28 dias", "menos certos"},
        {"eight days apart is told", {24, 32, 28}, true, 3, 24, 32, 28, 28, 3.266,
         "variam 8 dias do mais curto ao mais longo, mais de 7: para você, os dias coloridos do calendário são menos certos. "
         "Só como informação: pela regra do calendário, com os seus ciclos, os dias férteis iriam do 6.º ao 21.º dia",
         nullptr},
        {"a missed start and a short bleed are left out", {12, 28, 200, 30, 29}, true, 3, 28, 30, 29, 29, 0.8165,
         "2 ciclos com menos de 16 ou mais de 60 dias ficam fora das contas", "variam"},
        {"45 days still counts", {45, 30, 31}, true, 3, 30, 45, 35.3333, 31, 6.8475, "o mais longo com 45", nullptr},
        {"only the last 12", {40, 40, 40, 28, 28, 28, 28, 28, 28, 28, 28, 28, 28, 28, 28}, true, 12, 28, 28, 28, 28, 0,
         "últimos 12 ciclos", "variam"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const QList<HistoryCycle> cycles = CycleStatistics::cycles(startsFrom(QDate(2024, 1, 3), c.lengths));
        const auto figures = CycleStatistics::figures(cycles);
        ASSERT_EQ(figures.has_value(), c.averaged);
        if (figures) {
            EXPECT_EQ(figures->cycles, c.cycles);
            EXPECT_EQ(figures->shortest, c.shortest);
            EXPECT_EQ(figures->longest, c.longest);
            EXPECT_NEAR(figures->mean, c.mean, 1e-3);
            EXPECT_NEAR(figures->median, c.median, 1e-3);
            EXPECT_NEAR(figures->deviation, c.deviation, 1e-3);
        }
        const QString summary = CycleStatistics::summary(cycles);
        EXPECT_TRUE(summary.contains(QString::fromUtf8(c.says))) << summary.toStdString();
        if (c.notSaid) {
            EXPECT_FALSE(summary.contains(QString::fromUtf8(c.notSaid))) << summary.toStdString();
        }
    }
}

TEST(CycleStatisticsTest, CyclesAreNewestFirstWithRepeatsAndOrderIgnored)
{
    const QDate a(2025, 1, 1), b(2025, 1, 29), c(2025, 3, 1);
    const QList<HistoryCycle> cycles = CycleStatistics::cycles({b, c, a, b});
    ASSERT_EQ(cycles.size(), 3);
    EXPECT_EQ(cycles[0].start, c);
    EXPECT_EQ(cycles[0].length, 0); // still going on
    EXPECT_FALSE(cycles[0].counted);
    EXPECT_EQ(cycles[1].length, 31);
    EXPECT_EQ(cycles[2].length, 28);
    EXPECT_TRUE(cycles[2].counted);
    EXPECT_TRUE(CycleStatistics::summary({}).startsWith("Ainda não há datas"));
}

TEST(CycleStatisticsTest, DaysAreWrittenTheBrazilianWay)
{
    const std::pair<double, const char *> cases[] = {{29, "29"}, {28.5, "28,5"}, {28.84, "28,8"}, {28.96, "29"}, {0.25, "0,3"}};
    for (const auto &[value, text] : cases)
        EXPECT_EQ(CycleStatistics::days(value), QString::fromLatin1(text)) << value;
    EXPECT_EQ(CycleStatistics::roundedMean({3, 28.5, 28, 27, 30, 1.2}), 29);
}

// Cycles she leaves out are out of the figures, and said with their reasons;
// a pause holds until a start after it, and makes no estimate meanwhile.
TEST(CycleStatisticsTest, HerChoicesLeaveCyclesOutAndPauseTheEstimates)
{
    const QDate first(2025, 1, 1);
    // 25, 29, 90 (a pregnancy), 34, 40, 30: the 90 and the 40 left out by her.
    const QList<QDate> starts = startsFrom(first, {25, 29, 90, 34, 40, 30});
    const QList<LeftOutCycle> out{{starts[2], LeftOutReason::Gravidez}, {starts[4], LeftOutReason::Doenca}};
    const QList<HistoryCycle> cycles = CycleStatistics::cycles(starts, out);
    const auto figures = CycleStatistics::figures(cycles);
    ASSERT_TRUE(figures.has_value());
    EXPECT_EQ(figures->cycles, 4);
    EXPECT_EQ(figures->longest, 34);
    const QDate last = starts.constLast();
    const struct
    {
        const char *name;
        std::optional<CyclePause> pause;
        bool holds;
        const char *says;
        const char *notSaid;
    } cases[] = {
        {"no pause", std::nullopt, false, "regra do calendário", "pausa"},
        {"paused after her last start", CyclePause{last.addDays(3), LeftOutReason::Amamentacao}, true,
         "em pausa desde", "regra do calendário"},
        {"a start came after the pause", CyclePause{last.addDays(-3), LeftOutReason::Gravidez}, false, "por sua escolha",
         "pausa"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(CycleStatistics::pauseHolds(c.pause, cycles), c.holds);
        const QString said = CycleStatistics::summary(cycles, c.pause);
        EXPECT_TRUE(said.contains(QString::fromUtf8("2 ciclos ficam fora das contas por sua escolha (doença, gravidez)")))
            << said.toStdString();
        EXPECT_FALSE(said.contains(QString::fromUtf8("menos de 16"))) << "her choice counted as a missing date";
        EXPECT_FALSE(said.contains(QString::fromUtf8(c.notSaid))) << said.toStdString();
        EXPECT_TRUE(said.contains(QString::fromUtf8(c.says))) << said.toStdString();
        if (c.holds) {
            EXPECT_TRUE(said.startsWith(QString::fromUtf8("As previsões pela sua história estão em pausa desde ")
                                        + c.pause->since.toString("dd/MM/yyyy") + " (amamentação)"));
        }
        if (c.pause)
            EXPECT_EQ(CycleStatistics::pauseFrom(CycleStatistics::pauseText(*c.pause))->since, c.pause->since);
    }
    for (const char *bad : {"", "2026-13-01;1", "2026-01-01;9", "2026-01-01", "x;1"})
        EXPECT_FALSE(CycleStatistics::pauseFrom(QString::fromLatin1(bad)).has_value()) << bad;
}

// The summary she reads at a glance, a line each and the answer first, for
// the histories a family computer holds.
TEST(CycleStatisticsTest, ThePlainSummaryAnswersFirstInShortLines)
{
    const QDate first(2025, 1, 1);
    const struct
    {
        const char *name;
        QList<int> lengths;
        QList<int> leftOut; // indexes of cycles she left out
        QStringList lines;
    } cases[] = {
        {"four steady cycles", {28, 29, 28, 30}, {},
         {"Ciclo usual: cerca de 29 dias.", "Seus ciclos costumam durar de 28 a 30 dias.",
          "Eles variam pouco: 2 dias do mais curto ao mais longo."}},
        {"all alike", {28, 28, 28}, {},
         {"Ciclo usual: cerca de 28 dias.", "Seus ciclos costumam durar 28 dias.",
          QString::fromUtf8("Eles não variam: todos duraram 28 dias.")}},
        {"twelve with one left out", {27, 28, 29, 28, 95, 28, 27, 29, 28, 30, 28, 29}, {4},
         {"Ciclo usual: cerca de 28 dias.", "Seus ciclos costumam durar de 27 a 30 dias.",
          "Eles variam pouco: 3 dias do mais curto ao mais longo.",
          "Um ciclo fica fora das contas por sua escolha (gravidez)."}},
        {"very irregular", {23, 39, 31, 25, 36, 24}, {},
         {"Ciclo usual: cerca de 28 dias.", "Seus ciclos costumam durar de 23 a 39 dias.",
          "Eles variam bastante: 16 dias do mais curto ao mais longo. Para você, os dias coloridos do calendário são menos certos.",
          "Só como informação: pela regra do calendário, com os seus ciclos, os dias férteis iriam do 5.º ao 28.º dia do ciclo."}},
        {"one date", {}, {}, {"Há uma data no seu histórico: a duração dos ciclos aparece a partir da próxima."}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const QList<QDate> starts = startsFrom(first, c.lengths);
        QList<LeftOutCycle> out;
        for (int i : c.leftOut)
            out.append({starts[i], LeftOutReason::Gravidez});
        const QList<HistoryCycle> cycles = CycleStatistics::cycles(starts, out);
        QStringList expected;
        for (const QString &line : c.lines)
            expected << line;
        EXPECT_EQ(CycleStatistics::plainSummary(cycles), expected);
        EXPECT_EQ(CycleStatistics::details(cycles).isEmpty(), c.lengths.size() < 3);
    }
}
