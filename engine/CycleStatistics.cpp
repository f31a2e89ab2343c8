#include "CycleStatistics.h"

#include <algorithm>
#include <cmath>

namespace CycleStatistics {

bool countable(int length)
{
    return length >= shortestCountable && length <= longestCountable;
}

QList<HistoryCycle> cycles(QList<QDate> starts, const QList<LeftOutCycle> &leftOut)
{
    std::sort(starts.begin(), starts.end(), std::greater<>());
    starts.erase(std::unique(starts.begin(), starts.end()), starts.end());
    QList<HistoryCycle> told;
    told.reserve(starts.size());
    for (qsizetype i = 0; i < starts.size(); ++i) {
        HistoryCycle cycle;
        cycle.start = starts[i];
        if (i > 0) {
            cycle.length = int(starts[i].daysTo(starts[i - 1]));
            cycle.counted = countable(cycle.length);
        }
        for (const LeftOutCycle &out : leftOut) {
            if (out.start == cycle.start) {
                cycle.chosenOut = out.reason;
                cycle.counted = false;
            }
        }
        told.append(cycle);
    }
    return told;
}

std::optional<CycleFigures> figures(const QList<HistoryCycle> &cycles)
{
    QList<int> lengths;
    for (const HistoryCycle &cycle : cycles) {
        if (cycle.counted && lengths.size() < recentCycles)
            lengths.append(cycle.length);
    }
    if (lengths.size() < cyclesForAverage)
        return std::nullopt;
    CycleFigures told;
    told.cycles = int(lengths.size());
    double sum = 0;
    for (int length : lengths)
        sum += length;
    told.mean = sum / told.cycles;
    double squares = 0;
    for (int length : lengths)
        squares += (length - told.mean) * (length - told.mean);
    told.deviation = std::sqrt(squares / told.cycles);
    std::sort(lengths.begin(), lengths.end());
    const qsizetype middle = lengths.size() / 2;
    told.median = lengths.size() % 2 ? lengths[middle] : (lengths[middle - 1] + lengths[middle]) / 2.0;
    told.shortest = lengths.constFirst();
    told.longest = lengths.constLast();
    return told;
}

int roundedMean(const CycleFigures &figures)
{
    return int(std::lround(figures.mean));
}

QString days(double value)
{
    // One decimal at most, with the Brazilian comma, whatever the process locale.
    const long tenths = std::lround(value * 10);
    QString text = QString::number(tenths / 10);
    if (tenths % 10)
        text += u',' + QString::number(std::labs(tenths % 10));
    return text;
}

namespace {

QString cyclesWord(qsizetype count)
{
    return count == 1 ? QStringLiteral("1 ciclo") : QStringLiteral("%1 ciclos").arg(count);
}

} // namespace

namespace {
QString summaryOf(const QList<HistoryCycle> &cycles, bool paused);
QStringList leftOutSentences(const QList<HistoryCycle> &cycles);

QString pauseSentence(const CyclePause &pause)
{
    return QStringLiteral("As previsões pela sua história estão em pausa desde %1 (%2): voltam quando "
                          "você acrescentar o início de uma nova menstruação.")
        .arg(pause.since.toString(QStringLiteral("dd/MM/yyyy")), LeftOutCycles::reasonWord(pause.reason));
}
} // namespace

QStringList plainSummary(const QList<HistoryCycle> &cycles, const std::optional<CyclePause> &pause)
{
    const bool paused = pauseHolds(pause, cycles);
    QStringList lines;
    if (paused)
        lines << pauseSentence(*pause);
    const std::optional<CycleFigures> found = figures(cycles);
    if (!found) {
        // Too few cycles: the sentences say so as they always have.
        lines << summaryOf(cycles, paused);
        return lines;
    }
    const CycleFigures &f = *found;
    lines << QStringLiteral("Ciclo usual: cerca de %1 dias.").arg(std::lround(f.median));
    lines << (f.shortest == f.longest
                  ? QStringLiteral("Seus ciclos costumam durar %1 dias.").arg(f.shortest)
                  : QStringLiteral("Seus ciclos costumam durar de %1 a %2 dias.").arg(f.shortest).arg(f.longest));
    const int spread = f.longest - f.shortest;
    if (spread == 0) {
        lines << QStringLiteral("Eles não variam: todos duraram %1 dias.").arg(f.shortest);
    } else if (spread <= irregularSpread) {
        lines << QStringLiteral("Eles variam pouco: %1 do mais curto ao mais longo.")
                     .arg(spread == 1 ? QStringLiteral("1 dia") : QStringLiteral("%1 dias").arg(spread));
    } else {
        lines << QStringLiteral("Eles variam bastante: %1 dias do mais curto ao mais longo. Para você, os dias "
                                "coloridos do calendário são menos certos.")
                     .arg(spread);
        if (!paused) {
            const int first = std::max(1, f.shortest - calendarRuleFirst);
            const int last = std::max(first, f.longest - calendarRuleLast);
            lines << QStringLiteral("Só como informação: pela regra do calendário, com os seus ciclos, os dias "
                                    "férteis iriam do %1.º ao %2.º dia do ciclo.")
                         .arg(first)
                         .arg(last);
        }
    }
    lines << leftOutSentences(cycles);
    return lines;
}

QList<Detail> details(const QList<HistoryCycle> &cycles)
{
    const std::optional<CycleFigures> found = figures(cycles);
    if (!found)
        return {};
    const CycleFigures &f = *found;
    return {
        {QStringLiteral("Ciclos nas contas"), QString::number(f.cycles),
         QStringLiteral("os seus ciclos mais recentes, até %1, de %2 a %3 dias e não deixados de fora por você.")
             .arg(recentCycles)
             .arg(shortestCountable)
             .arg(longestCountable)},
        {QStringLiteral("Média"), days(f.mean) + QStringLiteral(" dias"),
         QStringLiteral("a soma das durações dividida pelo número de ciclos.")},
        {QStringLiteral("Mediana"), days(f.median) + QStringLiteral(" dias"),
         QStringLiteral("o valor do meio: metade dos seus ciclos é mais curta, metade é mais longa.")},
        {QStringLiteral("Desvio padrão"), days(f.deviation) + QStringLiteral(" dias"),
         QStringLiteral("quanto, em geral, os seus ciclos se afastam da média; quanto menor, mais regulares.")},
    };
}

bool pauseHolds(const std::optional<CyclePause> &pause, const QList<HistoryCycle> &cycles)
{
    return pause && pause->since.isValid()
        && std::none_of(cycles.begin(), cycles.end(), [&](const HistoryCycle &c) { return c.start > pause->since; });
}

QString pauseText(const CyclePause &pause)
{
    return pause.since.toString(QStringLiteral("yyyy-MM-dd")) + u';' + QString::number(int(pause.reason));
}

std::optional<CyclePause> pauseFrom(const QString &text)
{
    const QStringList parts = text.split(u';');
    if (parts.size() != 2)
        return std::nullopt;
    bool number = false;
    const int reason = parts[1].toInt(&number);
    const QDate since = QDate::fromString(parts[0], QStringLiteral("yyyy-MM-dd"));
    if (!since.isValid() || !number || reason < LeftOutCycles::firstReason || reason > LeftOutCycles::lastReason)
        return std::nullopt;
    return CyclePause{since, LeftOutReason(reason)};
}

QString summary(const QList<HistoryCycle> &cycles, const std::optional<CyclePause> &pause)
{
    const bool paused = pauseHolds(pause, cycles);
    const QString told = summaryOf(cycles, paused);
    return paused ? pauseSentence(*pause) + u' ' + told : told;
}

namespace {

QString summaryOf(const QList<HistoryCycle> &cycles, bool paused)
{
    if (cycles.isEmpty())
        return QStringLiteral("Ainda não há datas no seu histórico. Cada consulta guarda a data da última menstruação.");
    const qsizetype completed = cycles.size() - 1;
    if (completed == 0)
        return QStringLiteral("Há uma data no seu histórico: a duração dos ciclos aparece a partir da próxima.");
    const auto counted = std::count_if(cycles.begin(), cycles.end(), [](const HistoryCycle &c) { return c.counted; });
    QStringList sentences;
    const std::optional<CycleFigures> found = figures(cycles);
    if (!found) {
        sentences << QStringLiteral("O seu histórico tem %1 completo%2 nas contas: a média aparece a partir de %3.")
                         .arg(cyclesWord(counted), counted == 1 ? QString() : QStringLiteral("s"))
                         .arg(cyclesForAverage);
    } else {
        const CycleFigures &f = *found;
        sentences << QStringLiteral("Nos seus últimos %1: média de %2 dias, o mais curto com %3 e o mais longo com %4.")
                         .arg(cyclesWord(f.cycles), days(f.mean))
                         .arg(f.shortest)
                         .arg(f.longest);
        sentences << QStringLiteral("Mediana de %1 dias; desvio padrão de %2 dias.").arg(days(f.median), days(f.deviation));
        const int spread = f.longest - f.shortest;
        if (spread > irregularSpread && !paused) {
            const int first = std::max(1, f.shortest - calendarRuleFirst);
            const int last = std::max(first, f.longest - calendarRuleLast);
            sentences << QStringLiteral("Os seus ciclos variam %1 dias do mais curto ao mais longo, mais de %2: "
                                        "para você, os dias coloridos do calendário são menos certos.")
                             .arg(spread)
                             .arg(irregularSpread);
            sentences << QStringLiteral("Só como informação: pela regra do calendário, com os seus ciclos, "
                                        "os dias férteis iriam do %1.º ao %2.º dia do ciclo.")
                             .arg(first)
                             .arg(last);
        }
    }
    sentences << leftOutSentences(cycles);
    return sentences.join(u' ');
}

QStringList leftOutSentences(const QList<HistoryCycle> &cycles)
{
    QStringList sentences;
    QStringList reasons;
    qsizetype chosen = 0;
    for (const HistoryCycle &cycle : cycles) {
        if (!cycle.chosenOut)
            continue;
        ++chosen;
        if (!reasons.contains(LeftOutCycles::reasonWord(*cycle.chosenOut)))
            reasons << LeftOutCycles::reasonWord(*cycle.chosenOut);
    }
    if (chosen > 0)
        sentences << QStringLiteral("%1 fora das contas por sua escolha (%2).")
                         .arg(chosen == 1 ? QStringLiteral("Um ciclo fica") : QStringLiteral("%1 ciclos ficam").arg(chosen),
                              reasons.join(QStringLiteral(", ")));
    const qsizetype left = std::count_if(cycles.begin(), cycles.end(), [](const HistoryCycle &c) {
        return c.length > 0 && !c.chosenOut && !c.counted;
    });
    if (left > 0)
        sentences << QStringLiteral("%1 com menos de %2 ou mais de %3 dias %4 fora das contas: "
                                    "pode faltar uma data, ou ter havido uma gravidez.")
                         .arg(left == 1 ? QStringLiteral("Um ciclo") : QStringLiteral("%1 ciclos").arg(left))
                         .arg(shortestCountable)
                         .arg(longestCountable)
                         .arg(left == 1 ? QStringLiteral("fica") : QStringLiteral("ficam"));
    return sentences;
}

} // namespace

} // namespace CycleStatistics
