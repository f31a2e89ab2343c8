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

QString longDate(const QDate &date)
{
    return brazil().dayName(date.dayOfWeek(), QLocale::LongFormat) + QStringLiteral(", ")
        + QString::number(date.day()) + QStringLiteral(" de ")
        + brazil().monthName(date.month(), QLocale::LongFormat) + QStringLiteral(" de ")
        + QString::number(date.year());
}

QString dayDescription(const QDate &date, qint32 mark, bool isToday)
{
    QStringList words;
    if (const QString m = meaning(mark); !m.isEmpty())
        words.append(m);
    if (isToday)
        words.append(QStringLiteral("hoje"));
    const QString text = longDate(date);
    return words.isEmpty() ? text : text + QStringLiteral(": ") + words.join(QStringLiteral(", "));
}

QString monthSummary(const MonthGrid::Layout &layout, const DayMarkTable &marks, const QDate &today)
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
    std::array<Group, 4> groups{{
        {MarkColors::markProxima, u"Próxima menstruação: dia ", u"Próxima menstruação: dias ", {}},
        {MarkColors::markApice, u"Ápice da ovulação: dia ", u"Ápice da ovulação: dias ", {}},
        {MarkColors::markMaisP, u"Dia de alto risco: ", u"Dias de alto risco: ", {}},
        {MarkColors::markMenosP, u"Dia de baixo risco: ", u"Dias de baixo risco: ", {}},
    }};
    QString todayDay;
    for (const QString &text : layout.dayTexts) {
        const int day = text.left(2).toInt();
        const int month = text.mid(3, 2).toInt();
        const int year = text.right(4).toInt();
        const qint32 mark = marks.at(day, month, year);
        for (Group &group : groups) {
            if (group.mark == mark)
                group.days.append(QString::number(day));
        }
        if (QDate(year, month, day) == today)
            todayDay = QString::number(day);
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
