#include "DateText.h"

#include <QLocale>

#include <charconv>
#include <cmath>
#include <limits>
#include <optional>
#include <string>

namespace DateText {
namespace {

const QLocale &brazil()
{
    static const QLocale locale(QLocale::Portuguese, QLocale::Brazil);
    return locale;
}

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n';
}

// Reads 1 to maxDigits ASCII digits at pos; advances pos.
std::optional<int> readDigits(const QString &s, qsizetype &pos, int minDigits, int maxDigits, int &count)
{
    int value = 0;
    count = 0;
    while (pos < s.size() && count < maxDigits && s[pos] >= u'0' && s[pos] <= u'9') {
        value = value * 10 + (s[pos].unicode() - u'0');
        ++pos;
        ++count;
    }
    if (count < minDigits)
        return std::nullopt;
    return value;
}

} // namespace

QDate readDate(const QString &text)
{
    const QString s = text.trimmed();
    qsizetype pos = 0;
    int count = 0;
    const auto day = readDigits(s, pos, 1, 2, count);
    if (!day || pos >= s.size())
        return {};
    const QChar sep = s[pos];
    if (sep != u'/' && sep != u'-' && sep != u'.')
        return {};
    ++pos;
    const auto month = readDigits(s, pos, 1, 2, count);
    if (!month || pos >= s.size() || s[pos] != sep)
        return {};
    ++pos;
    int yearDigits = 0;
    auto year = readDigits(s, pos, 2, 4, yearDigits);
    if (!year || pos != s.size() || yearDigits == 3)
        return {};
    if (yearDigits == 2)
        *year += *year < 30 ? 2000 : 1900;
    return QDate(*year, *month, *day); // invalid when the day does not exist
}

bool isValidDate(const QString &text)
{
    return readDate(text).isValid();
}

QString formatDdMmYyyy(const QDate &date)
{
    if (!date.isValid() || date.year() < 1 || date.year() > 9999)
        return date.toString(u"dd/MM/yyyy");
    // Built by hand: the projection formats hundreds of dates per consultation.
    int y = date.year();
    const char16_t text[10] = {
        char16_t(u'0' + date.day() / 10), char16_t(u'0' + date.day() % 10), u'/',
        char16_t(u'0' + date.month() / 10), char16_t(u'0' + date.month() % 10), u'/',
        char16_t(u'0' + y / 1000), char16_t(u'0' + y / 100 % 10), char16_t(u'0' + y / 10 % 10),
        char16_t(u'0' + y % 10)};
    return QString(reinterpret_cast<const QChar *>(text), 10);
}

QString monthName(const QDate &date)
{
    return brazil().monthName(date.month(), QLocale::LongFormat);
}

QString monthAndYear(const QDate &date)
{
    return brazil().monthName(date.month(), QLocale::LongFormat) + QStringLiteral(" de ")
        + date.toString(u"yyyy");
}

QString monthCaption(const QDate &date)
{
    return capitalizeFirst(monthAndYear(date));
}

QString weekdayName(const QDate &date)
{
    return brazil().dayName(date.dayOfWeek(), QLocale::LongFormat);
}

QDate addDays(const QDate &date, double days)
{
    return date.addDays(static_cast<qint64>(std::trunc(days)));
}

qint64 daysBetween(const QDate &from, const QDate &to)
{
    return from.daysTo(to);
}

double leadingNumber(const QString &text)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && isBlank(text[i]))
        ++i;
    bool negative = false;
    if (i < n && (text[i] == u'+' || text[i] == u'-'))
        negative = text[i++] == u'-';
    std::string number;
    bool digits = false;
    while (i < n && text[i] >= u'0' && text[i] <= u'9') {
        number += char(text[i++].unicode());
        digits = true;
    }
    if (i < n && text[i] == u'.') {
        number += '.';
        ++i;
        while (i < n && text[i] >= u'0' && text[i] <= u'9') {
            number += char(text[i++].unicode());
            digits = true;
        }
    }
    if (!digits)
        return 0.0;
    // An exponent counts only when digits follow it ("2e" reads as 2).
    bool negativeExponent = false;
    if (i < n && (text[i] == u'e' || text[i] == u'E')) {
        qsizetype j = i + 1;
        std::string exponent = "e";
        if (j < n && (text[j] == u'+' || text[j] == u'-')) {
            negativeExponent = text[j] == u'-';
            exponent += char(text[j++].unicode());
        }
        bool expDigits = false;
        while (j < n && text[j] >= u'0' && text[j] <= u'9' && exponent.size() < 8) {
            exponent += char(text[j++].unicode());
            expDigits = true;
        }
        if (expDigits)
            number += exponent;
    }
    // from_chars, unlike strtod, reads "." as the decimal point whatever the
    // process locale is (pt_BR would stop "1.5" at the 1).
    double value = 0.0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    (void)end;
    if (error == std::errc::result_out_of_range)
        value = negativeExponent ? 0.0 : HUGE_VAL;
    return negative ? -value : value;
}

qint64 roundHalfEven(double value)
{
    if (!std::isfinite(value))
        return 0;
    // nearbyint rounds halves to even in the default rounding mode.
    const double r = std::nearbyint(value);
    if (r >= 9.2e18)
        return std::numeric_limits<qint64>::max();
    if (r <= -9.2e18)
        return std::numeric_limits<qint64>::min();
    return static_cast<qint64>(r);
}

QString twoDigits(qint64 value)
{
    if (value >= 0 && value < 10)
        return u'0' + QString::number(value);
    return QString::number(value);
}

QString trimBlanks(const QString &text)
{
    // Stored names are mostly padding: walk the raw characters.
    const QChar *data = text.constData();
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && data[first] == u' ')
        ++first;
    while (last > first && data[last - 1] == u' ')
        --last;
    if (first == 0 && last == text.size())
        return text;
    return QString(data + first, last - first);
}

QString capitalizeFirst(const QString &text)
{
    if (text.isEmpty())
        return text;
    return brazil().toUpper(text.left(1)) + text.mid(1);
}

} // namespace DateText
