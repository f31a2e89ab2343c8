#include "CalendarExport.h"

#include "DateText.h"
#include "NameKey.h"
#include "SharedTexts.h"
#include "WholeFileSave.h"

#include <QCryptographicHash>

#include <cstdlib>

#include <libical/ical.h>

#include <memory>

namespace CalendarExport {
namespace {

struct ComponentFree
{
    void operator()(icalcomponent *c) const { icalcomponent_free(c); }
};
using Component = std::unique_ptr<icalcomponent, ComponentFree>;

icaltimetype day(const QDate &date)
{
    icaltimetype t = icaltime_null_date();
    t.year = date.year();
    t.month = date.month();
    t.day = date.day();
    return t;
}

// Text as it may stand in the file: a control character pasted into a name
// would break the lines other programs read.
QByteArray text(const QString &words)
{
    QString kept;
    kept.reserve(words.size());
    for (const QChar c : words) {
        if (c == u'\n' || c == u'\t' || c.category() != QChar::Other_Control)
            kept.append(c);
    }
    return kept.toUtf8();
}

// A text value as RFC 5545 writes it.
QByteArray escaped(const QByteArray &value)
{
    QByteArray out;
    for (const char c : value) {
        if (c == '\\' || c == ',' || c == ';')
            out.append('\\');
        if (c == '\n')
            out.append("\\n");
        else
            out.append(c);
    }
    return out;
}

// A content line folded at 75 octets, never inside a UTF-8 character.
QByteArray folded(const QByteArray &line)
{
    QByteArray out;
    qsizetype width = 0;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const bool continuation = (static_cast<quint8>(line[i]) & 0xC0) == 0x80;
        if (width >= 74 && !continuation) {
            out.append("\r\n ");
            width = 1;
        }
        out.append(line[i]);
        ++width;
    }
    return out + "\r\n";
}

// X-WR-CALNAME after the NAME property: libical writes X values with only
// their backslashes escaped, which breaks names with commas or semicolons.
QByteArray withCalendarName(const QByteArray &text, const QByteArray &title)
{
    qsizetype at = text.indexOf("\r\nNAME:");
    if (at < 0)
        return text;
    do
        at = text.indexOf("\r\n", at + 2);
    while (at >= 0 && text.mid(at + 2, 1) == " ");
    return text.left(at + 2) + folded("X-WR-CALNAME:" + escaped(title)) + text.mid(at + 2);
}

// An all-day event from first to last, both included.
icalcomponent *event(const char *kind, int cycle, const QString &name, const QDate &first, const QDate &last,
                     const QString &summary, const QString &description, const icaltimetype &stamp)
{
    icalcomponent *e = icalcomponent_new_vevent();
    icalcomponent_add_property(e, icalproperty_new_uid(uid(kind, cycle, name).toUtf8().constData()));
    icalcomponent_add_property(e, icalproperty_new_dtstamp(stamp));
    icalcomponent_add_property(e, icalproperty_new_dtstart(day(first)));
    icalcomponent_add_property(e, icalproperty_new_dtend(day(last.addDays(1))));
    icalcomponent_add_property(e, icalproperty_new_summary(text(summary).constData()));
    icalcomponent_add_property(e, icalproperty_new_description(text(description).constData()));
    icalcomponent_add_property(e, icalproperty_new_class(ICAL_CLASS_PRIVATE));
    // A day to know about, not a day taken up.
    icalcomponent_add_property(e, icalproperty_new_transp(ICAL_TRANSP_TRANSPARENT));
    return e;
}

icalcomponent *reminder(const QDate &start)
{
    icalcomponent *alarm = icalcomponent_new_valarm();
    icalcomponent_add_property(alarm, icalproperty_new_action(ICAL_ACTION_DISPLAY));
    // From the start of the all-day event (midnight): nine in the morning,
    // not the middle of the night.
    icaltriggertype trigger{};
    trigger.time = icaltime_null_time();
    trigger.duration = icaldurationtype_from_int(-(reminderDaysBefore * 24 - reminderHour) * 60 * 60);
    icalproperty *when = icalproperty_new_trigger(trigger);
    icalproperty_add_parameter(when, icalparameter_new_related(ICAL_RELATED_START));
    icalcomponent_add_property(alarm, when);
    const QString text = QStringLiteral("Próxima menstruação em %1 dias: %2")
                             .arg(reminderDaysBefore)
                             .arg(DateText::formatDdMmYyyy(start));
    icalcomponent_add_property(alarm, icalproperty_new_description(text.toUtf8().constData()));
    return alarm;
}

} // namespace

QString uid(const char *kind, int cycle, const QString &name)
{
    const QByteArray who =
        QCryptographicHash::hash(NameKey::of(name).toUtf8(), QCryptographicHash::Sha256)
            .toHex()
            .left(16);
    return QStringLiteral("%1-%2-%3@quintrela.com.br")
        .arg(QLatin1String(kind), QString::number(cycle).rightJustified(2, u'0'), QLatin1String(who));
}

QByteArray calendar(const QString &name, const QList<ProjectedCycle> &cycles, const QDateTime &stamp,
                    const std::optional<HistoryRange> &range)
{
    const icaltimetype made =
        icaltime_from_timet_with_zone(stamp.toSecsSinceEpoch(), 0, icaltimezone_get_utc_timezone());
    Component cal(icalcomponent_new_vcalendar());
    icalcomponent_add_property(cal.get(), icalproperty_new_version("2.0"));
    icalcomponent_add_property(cal.get(), icalproperty_new_prodid("-//Quintrela Eletrônica//Quintrela//PT-BR"));
    icalcomponent_add_property(cal.get(), icalproperty_new_calscale("GREGORIAN"));
    // The calendar's name (RFC 7986); the one Outlook and Apple's Calendar
    // take on import is added to the text below.
    const QByteArray title = text(QStringLiteral("Quintrela – ") + name);
    icalcomponent_add_property(cal.get(), icalproperty_new_name(title.constData()));

    // The projected start her history's range speaks of, if one is near it.
    qsizetype ranged = -1;
    for (qsizetype i = 0; range && i < cycles.size(); ++i) {
        const qint64 off = std::abs(cycles[i].start.daysTo(range->likeliest));
        if (off <= rangeReachDays && (ranged < 0 || off < std::abs(cycles[ranged].start.daysTo(range->likeliest))))
            ranged = i;
    }
    int number = 0;
    for (const ProjectedCycle &cycle : cycles) {
        const QString history = number == ranged ? range->words + QStringLiteral("\n\n") : QString();
        ++number;
        const QString start = DateText::formatDdMmYyyy(cycle.start);
        icalcomponent *period = event("menstruacao", number, name, cycle.start, cycle.start,
                                      QStringLiteral("Próxima menstruação"),
                                      QStringLiteral("Próxima menstruação prevista para %1.\n\n%2%3")
                                          .arg(start, history, SharedTexts::lblSexoSafeText),
                                      made);
        icalcomponent_add_component(period, reminder(cycle.start));
        icalcomponent_add_component(cal.get(), period);

        const QString peak = DateText::formatDdMmYyyy(cycle.peak);
        icalcomponent_add_component(
            cal.get(), event("alto-risco", number, name, cycle.peak.addDays(-2), cycle.peak.addDays(2),
                             QStringLiteral("Dias de alto risco"),
                             QStringLiteral("Ápice da ovulação: %1\n\n%2").arg(peak, SharedTexts::lblSexoSafeText), made));
    }
    char *text = icalcomponent_as_ical_string_r(cal.get());
    const QByteArray bytes(text);
    icalmemory_free_buffer(text);
    return withCalendarName(bytes, title);
}

FileProblem save(const QString &path, const QString &name, const QList<ProjectedCycle> &cycles,
                 const QDateTime &stamp, const std::optional<HistoryRange> &range)
{
    return saveWholeFile(path, calendar(name, cycles, stamp, range));
}

} // namespace CalendarExport
