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

Layout layout(int month, int year)
{
    Layout result;
    const QDate first(year, month, 1);
    if (!first.isValid())
        return result;
    result.valid = true;
    result.caption = DateText::monthCaption(first);
    result.firstColumn = std::max(0, weekdayColumn(DateText::weekdayName(first)));
    for (int day = 0; day < first.daysInMonth(); ++day)
        result.dates.append(first.addDays(day));
    return result;
}

} // namespace MonthGrid
