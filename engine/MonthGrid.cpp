#include "MonthGrid.h"

#include "DateText.h"

#include <QLocale>

#include <array>

namespace MonthGrid {

int weekdayColumn(const QString &weekdayName)
{
    struct Keys { const char16_t *pt; const char16_t *en; };
    static constexpr std::array<Keys, 7> keys{{
        {u"dom", u"sun"}, {u"seg", u"mon"}, {u"ter", u"tue"}, {u"qua", u"wed"},
        {u"qui", u"thu"}, {u"sex", u"fri"}, {u"sáb", u"sat"},
    }};
    static const QLocale brazil(QLocale::Portuguese, QLocale::Brazil);
    const QString key = brazil.toLower(weekdayName.left(3));
    for (int column = 0; column < int(keys.size()); ++column) {
        if (key == QStringView(keys[column].pt) || key == QStringView(keys[column].en))
            return column;
    }
    return -1;
}

QString firstOfMonthText(const QString &month, const QString &year)
{
    return QStringLiteral("01/") + month + u'/' + year;
}

QString nextDayText(const QString &dateText)
{
    const qint64 day = DateText::roundHalfEven(DateText::leadingNumber(dateText.left(2)));
    return DateText::twoDigits(day + 1) + u'/' + dateText.right(7);
}

Layout layout(const QString &month, const QString &year)
{
    Layout result;
    const QDate first = DateText::readDate(firstOfMonthText(month, year));
    if (!first.isValid())
        return result;
    result.valid = true;
    result.caption = DateText::monthCaption(first);
    result.firstColumn = std::max(0, weekdayColumn(DateText::weekdayName(first)));
    QString text = DateText::formatDdMmYyyy(first);
    do {
        result.dates.append(first.addDays(result.dayTexts.size()));
        result.dayTexts.append(text);
        text = nextDayText(text);
    } while (DateText::isValidDate(text) && result.dayTexts.size() < 31);
    return result;
}

} // namespace MonthGrid
