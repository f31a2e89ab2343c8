#include "CalendarExport.h"

#include "DateText.h"

#include <QCryptographicHash>
#include <QLocale>
#include <QSaveFile>

#include <libical/ical.h>

#include <cstdlib>
#include <memory>

namespace CalendarExport {
namespace {

const QString notice = QStringLiteral(
    "A Quintrela não é um método contraceptivo. Para evitar a gravidez e previnir doenças, utilize camisinha.");

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

// An all-day event from first to last, both included.
icalcomponent *event(const char *kind, const QDate &key, const QString &name, const QDate &first, const QDate &last,
                     const QString &summary, const QString &description, const icaltimetype &stamp)
{
    icalcomponent *e = icalcomponent_new_vevent();
    icalcomponent_add_property(e, icalproperty_new_uid(uid(kind, key, name).toUtf8().constData()));
    icalcomponent_add_property(e, icalproperty_new_dtstamp(stamp));
    icalcomponent_add_property(e, icalproperty_new_dtstart(day(first)));
    icalcomponent_add_property(e, icalproperty_new_dtend(day(last.addDays(1))));
    icalcomponent_add_property(e, icalproperty_new_summary(summary.toUtf8().constData()));
    icalcomponent_add_property(e, icalproperty_new_description(description.toUtf8().constData()));
    // A day to know about, not a day taken up.
    icalcomponent_add_property(e, icalproperty_new_transp(ICAL_TRANSP_TRANSPARENT));
    return e;
}

icalcomponent *reminder(const QDate &start)
{
    icalcomponent *alarm = icalcomponent_new_valarm();
    icalcomponent_add_property(alarm, icalproperty_new_action(ICAL_ACTION_DISPLAY));
    icaltriggertype trigger{};
    trigger.time = icaltime_null_time();
    trigger.duration = icaldurationtype_from_int(-reminderDaysBefore * 24 * 60 * 60);
    icalcomponent_add_property(alarm, icalproperty_new_trigger(trigger));
    const QString text = QStringLiteral("Próxima menstruação em %1 dias: %2")
                             .arg(reminderDaysBefore)
                             .arg(DateText::formatDdMmYyyy(start));
    icalcomponent_add_property(alarm, icalproperty_new_description(text.toUtf8().constData()));
    return alarm;
}

} // namespace

QString uid(const char *kind, const QDate &date, const QString &name)
{
    const QByteArray who =
        QCryptographicHash::hash(QLocale(QLocale::Portuguese, QLocale::Brazil).toUpper(name).toUtf8(),
                                 QCryptographicHash::Sha256)
            .toHex()
            .left(16);
    return QStringLiteral("%1-%2-%3@quintrela.com.br")
        .arg(QLatin1String(kind), date.toString(u"yyyyMMdd"), QLatin1String(who));
}

QByteArray calendar(const QString &name, const QList<ProjectedCycle> &cycles, const QDateTime &stamp)
{
    const icaltimetype made =
        icaltime_from_timet_with_zone(stamp.toSecsSinceEpoch(), 0, icaltimezone_get_utc_timezone());
    Component cal(icalcomponent_new_vcalendar());
    icalcomponent_add_property(cal.get(), icalproperty_new_version("2.0"));
    icalcomponent_add_property(cal.get(), icalproperty_new_prodid("-//Quintrela Eletrônica//Quintrela//PT-BR"));
    icalcomponent_add_property(cal.get(), icalproperty_new_calscale("GREGORIAN"));
    icalcomponent_add_property(cal.get(), icalproperty_new_method(ICAL_METHOD_PUBLISH));
    // The calendar's name (RFC 7986), escaped as any text.
    const QString title = QStringLiteral("Quintrela – ") + name;
    icalcomponent_add_property(cal.get(), icalproperty_new_name(title.toUtf8().constData()));

    for (const ProjectedCycle &cycle : cycles) {
        const QString start = DateText::formatDdMmYyyy(cycle.start);
        icalcomponent *period = event("menstruacao", cycle.start, name, cycle.start, cycle.start,
                                      QStringLiteral("Próxima menstruação"),
                                      QStringLiteral("Próxima menstruação prevista para %1.\n\n%2").arg(start, notice),
                                      made);
        icalcomponent_add_component(period, reminder(cycle.start));
        icalcomponent_add_component(cal.get(), period);

        const QString peak = DateText::formatDdMmYyyy(cycle.peak);
        icalcomponent_add_component(
            cal.get(), event("alto-risco", cycle.peak, name, cycle.peak.addDays(-2), cycle.peak.addDays(2),
                             QStringLiteral("Dias de alto risco"),
                             QStringLiteral("Ápice da ovulação: %1\n\n%2").arg(peak, notice), made));
    }
    char *text = icalcomponent_as_ical_string_r(cal.get());
    const QByteArray bytes(text);
    std::free(text);
    return bytes;
}

bool save(const QString &path, const QString &name, const QList<ProjectedCycle> &cycles, const QDateTime &stamp,
          QString *error)
{
    QSaveFile file(path);
    const QByteArray bytes = calendar(name, cycles, stamp);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

} // namespace CalendarExport
