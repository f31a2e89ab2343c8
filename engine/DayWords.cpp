#include "DayWords.h"

#include "DayMarkTable.h"
#include "MarkColors.h"

#include <QLocale>
#include <QStringList>

#include <array>

namespace DayWords {
namespace {

const QLocale &brazil()
{
    static const QLocale locale(QLocale::Portuguese, QLocale::Brazil);
    return locale;
}

// "1", "1 e 28", "12, 13, 15 e 16"
QString listOfDays(const QStringList &days)
{
    if (days.size() == 1)
        return days.first();
    return days.mid(0, days.size() - 1).join(QStringLiteral(", ")) + QStringLiteral(" e ") + days.last();
}

} // namespace

QString meaning(qint32 mark)
{
    switch (mark) {
    case MarkColors::markProxima:
        return QStringLiteral("próxima menstruação");
    case MarkColors::markMenosP:
        return QStringLiteral("dia de baixo risco");
    case MarkColors::markMaisP:
        return QStringLiteral("dia de alto risco");
    case MarkColors::markApice:
        return QStringLiteral("ápice da ovulação");
    default:
        return {};
    }
}

namespace {

const QString informedMeaning = QStringLiteral("última menstruação informada");

QString withMeaning(const QString &date, qint32 mark, bool isToday, bool informed = false)
{
    const QString m = informed && mark == MarkColors::markProxima ? informedMeaning : meaning(mark);
    if (m.isEmpty())
        return isToday ? date + QStringLiteral(": hoje") : date;
    return date + QStringLiteral(": ") + m + (isToday ? QStringLiteral(", hoje") : QString());
}

} // namespace

QString longDate(const QDate &date)
{
    return brazil().dayName(date.dayOfWeek(), QLocale::LongFormat) + QStringLiteral(", ")
        + QString::number(date.day()) + QStringLiteral(" de ")
        + brazil().monthName(date.month(), QLocale::LongFormat) + QStringLiteral(" de ")
        + QString::number(date.year());
}

QString dayDescription(const QDate &date, qint32 mark, bool isToday)
{
    return withMeaning(longDate(date), mark, isToday);
}

QStringList dayDescriptions(const MonthGrid::Layout &layout, const DayMarkTable &marks, const QDate &today,
                            const QDate &informed)
{
    QStringList descriptions;
    if (!layout.valid)
        return descriptions;
    // The names once for the month: the window describes every month it shows.
    const QDate first = layout.dates.first();
    const QString monthAndYear = QStringLiteral(" de ") + brazil().monthName(first.month(), QLocale::LongFormat)
        + QStringLiteral(" de ") + QString::number(first.year());
    std::array<QString, 8> weekdays;
    for (int d = 1; d <= 7; ++d)
        weekdays[d] = brazil().dayName(d, QLocale::LongFormat) + QStringLiteral(", ");
    descriptions.reserve(layout.dates.size());
    for (const QDate &date : layout.dates) {
        descriptions.append(withMeaning(weekdays[date.dayOfWeek()] + QString::number(date.day()) + monthAndYear,
                                        marks.at(date.day(), date.month(), date.year()), date == today,
                                        date == informed));
    }
    return descriptions;
}

QString monthSummary(const MonthGrid::Layout &layout, const DayMarkTable &marks, const QDate &today,
                     const QDate &informed)
{
    if (!layout.valid)
        return {};
    // Most important first: the period, then the peak, then the risk around
    // it. The risk headings say "dias" themselves.
    struct Group
    {
        qint32 mark;
        const char16_t *one;
        const char16_t *many;
        QStringList days;
    };
    // The typed date is a start by its colour, told apart by its words.
    constexpr qint32 informedMark = -1;
    std::array<Group, 5> groups{{
        {informedMark, u"Última menstruação informada: dia ", u"", {}},
        {MarkColors::markProxima, u"Próxima menstruação: dia ", u"Próxima menstruação: dias ", {}},
        {MarkColors::markApice, u"Ápice da ovulação: dia ", u"Ápice da ovulação: dias ", {}},
        {MarkColors::markMaisP, u"Dia de alto risco: ", u"Dias de alto risco: ", {}},
        {MarkColors::markMenosP, u"Dia de baixo risco: ", u"Dias de baixo risco: ", {}},
    }};
    QString todayDay;
    for (const QDate &date : layout.dates) {
        qint32 mark = marks.at(date.day(), date.month(), date.year());
        if (date == informed && mark == MarkColors::markProxima)
            mark = informedMark;
        for (Group &group : groups) {
            if (group.mark == mark)
                group.days.append(QString::number(date.day()));
        }
        if (date == today)
            todayDay = QString::number(date.day());
    }
    QString sentence = layout.caption + u'.';
    for (const Group &group : groups) {
        if (group.days.isEmpty())
            continue;
        sentence += u' ' + QString::fromUtf16(group.days.size() == 1 ? group.one : group.many)
            + listOfDays(group.days) + u'.';
    }
    if (!todayDay.isEmpty())
        sentence += QStringLiteral(" Hoje: dia ") + todayDay + u'.';
    return sentence;
}

} // namespace DayWords
