#include "HistoryImport.h"

#include "HistoryCsv.h"
#include "HistoryDaysCsv.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QMap>

namespace HistoryImport {
namespace {

// Far more entries than any years of hers (a day a line).
constexpr qsizetype mostEntries = 200000;

using Flow = DayNote::Flow;

// Everything the file said, day by day, before it becomes starts and notes.
struct Days
{
    QMap<QDate, DayNote> notes;
    QList<QDate> bleeding; // days of a period (spotting alone is not one)
    QList<QDate> spotting;

    DayNote &at(const QDate &day)
    {
        DayNote &note = notes[day];
        note.day = day;
        return note;
    }
    void addSymptom(const QDate &day, const QString &symptom)
    {
        DayNote &note = at(day);
        if (!note.symptoms.contains(symptom))
            note.symptoms.append(symptom);
    }
};

// A period is a run of days one after another; it starts on its first day
// that is more than spotting.
QList<QDate> startsOf(QList<QDate> bleeding, const QList<QDate> &spotting)
{
    QList<QDate> all = bleeding + spotting;
    std::sort(all.begin(), all.end());
    all.erase(std::unique(all.begin(), all.end()), all.end());
    QList<QDate> starts;
    bool runHasStart = false;
    for (qsizetype i = 0; i < all.size(); ++i) {
        if (i > 0 && all[i - 1].daysTo(all[i]) > 1)
            runHasStart = false;
        if (!runHasStart && bleeding.contains(all[i])) {
            starts.append(all[i]);
            runHasStart = true;
        }
    }
    return starts;
}

Read finished(Format format, Days &days)
{
    Read told;
    told.format = format;
    told.starts = startsOf(days.bleeding, days.spotting);
    for (const DayNote &note : std::as_const(days.notes)) {
        const DayNote kept = note.tidied();
        if (!kept.isEmpty())
            told.days.append(kept);
    }
    return told;
}

Read refused(Format format, const QString &where, const QString &why)
{
    Read told;
    told.format = format;
    told.problem = formatName(format) + QStringLiteral(", ") + where + QStringLiteral(": ") + why;
    return told;
}

// A day of hers: a real date, not to come, not before 1900.
QString wrongDay(const QString &text, const QDate &day, const QDate &today)
{
    const QString quoted = u'"' + text.left(40) + u'"';
    if (!day.isValid())
        return quoted + QStringLiteral(" não é uma data válida (aaaa-mm-dd)");
    if (day > today)
        return quoted + QStringLiteral(" ainda não chegou");
    if (day.year() < 1900)
        return quoted + QStringLiteral(" é anterior a 1900");
    return {};
}

// Clue: [{"type": "period", "date": "aaaa-mm-dd", "value": {"option": "medium"}}, ...]
Read clue(const QJsonArray &entries, const QDate &today)
{
    static const QMap<QString, Flow> flows{
        {QStringLiteral("spotting"), Flow::Escape}, {QStringLiteral("light"), Flow::Leve},
        {QStringLiteral("medium"), Flow::Moderado}, {QStringLiteral("heavy"), Flow::Intenso}};
    // Clue's own words for what the note's boxes hold, by type and option.
    static const QMap<QString, QString> symptoms{
        {QStringLiteral("pain/cramps"), QStringLiteral("cólica")},
        {QStringLiteral("pain/headache"), QStringLiteral("dor de cabeça")},
        {QStringLiteral("pain/tender_breasts"), QStringLiteral("seios sensíveis")},
        {QStringLiteral("skin/acne"), QStringLiteral("acne")},
        {QStringLiteral("digestion/nauseated"), QStringLiteral("náusea")},
        {QStringLiteral("digestion/bloated"), QStringLiteral("inchaço")},
        {QStringLiteral("energy/exhausted"), QStringLiteral("cansaço")},
        {QStringLiteral("energy/low_energy"), QStringLiteral("cansaço")},
        {QStringLiteral("mental/distracted"), QStringLiteral("alteração de humor")},
        {QStringLiteral("emotion/sad"), QStringLiteral("alteração de humor")},
        {QStringLiteral("emotion/sensitive"), QStringLiteral("alteração de humor")},
    };
    Days days;
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const QString where = QStringLiteral("entrada %1").arg(i + 1);
        const QJsonObject entry = entries[i].toObject();
        if (!entries[i].isObject() || !entry.value(QStringLiteral("type")).isString()
            || !entry.value(QStringLiteral("date")).isString())
            return refused(Format::Clue, where, QStringLiteral("falta o tipo (\"type\") ou a data (\"date\")"));
        const QString type = entry.value(QStringLiteral("type")).toString();
        const QString dateText = entry.value(QStringLiteral("date")).toString();
        const QDate day = QDate::fromString(dateText.left(10), Qt::ISODate);
        if (const QString wrong = wrongDay(dateText, day, today); !wrong.isEmpty())
            return refused(Format::Clue, where, wrong);
        const QString option = entry.value(QStringLiteral("value")).toObject().value(QStringLiteral("option")).toString();
        if (type == u"period") {
            if (!flows.contains(option))
                return refused(Format::Clue, where,
                               QStringLiteral("o fluxo \"%1\" não é light, medium, heavy nem spotting").arg(option.left(40)));
            days.at(day).flow = flows.value(option);
            (option == u"spotting" ? days.spotting : days.bleeding).append(day);
        } else if (const QString symptom = symptoms.value(type + u'/' + option); !symptom.isEmpty()) {
            days.addSymptom(day, symptom);
        } else if (type == u"discharge") {
            days.addSymptom(day, QStringLiteral("corrimento"));
        }
    }
    return finished(Format::Clue, days);
}

// Flo: {"operationalData": {"cycles": [{"period_start_date": "2022-12-13 00:00:00.0", ...}]}}
Read flo(const QJsonArray &cycles, const QDate &today)
{
    Days days;
    for (qsizetype i = 0; i < cycles.size(); ++i) {
        const QString where = QStringLiteral("ciclo %1").arg(i + 1);
        const QJsonValue start = cycles[i].toObject().value(QStringLiteral("period_start_date"));
        if (!start.isString())
            return refused(Format::Flo, where, QStringLiteral("falta a data de início (\"period_start_date\")"));
        const QString text = start.toString();
        const QDate day = QDate::fromString(text.left(10), Qt::ISODate);
        if (const QString wrong = wrongDay(text, day, today); !wrong.isEmpty())
            return refused(Format::Flo, where, wrong);
        days.bleeding.append(day);
    }
    Read told = finished(Format::Flo, days);
    // Flo's cycles are its own: two one day apart are still two starts.
    told.starts = days.bleeding;
    std::sort(told.starts.begin(), told.starts.end());
    told.starts.erase(std::unique(told.starts.begin(), told.starts.end()), told.starts.end());
    return told;
}

QList<QByteArray> csvFields(const QByteArray &line)
{
    // drip writes no quoted commas in the fields read here.
    QList<QByteArray> fields = line.split(',');
    for (QByteArray &field : fields)
        field = field.trimmed();
    return fields;
}

// drip: "date,...,bleeding.value,bleeding.exclude,..." one line a day;
// bleeding 0 spotting, 1 light, 2 medium, 3 heavy; an excluded day is kept
// as a note and starts nothing.
Read drip(const QList<QByteArray> &lines, const QDate &today)
{
    const QList<QByteArray> header = csvFields(lines.constFirst());
    const qsizetype dateColumn = header.indexOf("date");
    const qsizetype bleeding = header.indexOf("bleeding.value");
    const qsizetype excluded = header.indexOf("bleeding.exclude");
    Days days;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QString where = QStringLiteral("linha %1").arg(i + 1);
        if (lines[i].trimmed().isEmpty())
            continue;
        const QList<QByteArray> fields = csvFields(lines[i]);
        if (fields.size() <= std::max(dateColumn, bleeding))
            return refused(Format::Drip, where, QStringLiteral("faltam campos"));
        const QString dateText = QString::fromUtf8(fields[dateColumn]);
        const QDate day = QDate::fromString(dateText, Qt::ISODate);
        if (const QString wrong = wrongDay(dateText, day, today); !wrong.isEmpty())
            return refused(Format::Drip, where, wrong);
        const QByteArray value = fields[bleeding];
        if (value.isEmpty())
            continue;
        if (value.size() != 1 || value[0] < '0' || value[0] > '3')
            return refused(Format::Drip, where,
                           QStringLiteral("o sangramento \"%1\" não é 0, 1, 2 ou 3").arg(QString::fromUtf8(value.left(40))));
        const int level = value[0] - '0';
        days.at(day).flow = Flow(level + 1);
        const bool out = excluded >= 0 && excluded < fields.size() && fields[excluded] == "true";
        if (out)
            continue;
        (level == 0 ? days.spotting : days.bleeding).append(day);
    }
    return finished(Format::Drip, days);
}

} // namespace

QString formatName(Format format)
{
    switch (format) {
    case Format::Clue:
        return QStringLiteral("Clue");
    case Format::Flo:
        return QStringLiteral("Flo");
    case Format::Drip:
        return QStringLiteral("drip");
    case Format::OwnCsv:
    case Format::Unknown:
        break;
    }
    return QStringLiteral("Quintrela");
}

Read read(QByteArrayView bytes, const QDate &today)
{
    Read told;
    if (bytes.size() > HistoryCsv::maxBytes) {
        told.problem = QStringLiteral("O arquivo é grande demais para um histórico (mais de 8 MB).");
        return told;
    }
    QByteArray text = bytes.toByteArray();
    if (text.startsWith("\xEF\xBB\xBF"))
        text.remove(0, 3);
    if (text.trimmed().isEmpty()) {
        told.problem = QStringLiteral("O arquivo está vazio: não há datas para importar.");
        return told;
    }
    const QByteArray start = text.trimmed().left(1);
    if (start == "[" || start == "{") {
        QJsonParseError error{};
        const QJsonDocument json = QJsonDocument::fromJson(text, &error);
        if (json.isNull()) {
            told.problem = QStringLiteral("O arquivo JSON está incompleto ou danificado (posição %1: %2).")
                               .arg(error.offset)
                               .arg(error.errorString());
            return told;
        }
        const QJsonArray cycles = json.object().value(QStringLiteral("operationalData")).toObject().value(
            QStringLiteral("cycles")).toArray();
        if (json.isArray() && json.array().size() > mostEntries) {
            told.problem = QStringLiteral("O arquivo tem entradas demais para um histórico.");
            return told;
        }
        if (json.isArray() && !json.array().isEmpty())
            return clue(json.array(), today);
        if (json.isObject() && json.object().value(QStringLiteral("operationalData")).isObject()
            && !cycles.isEmpty() && cycles.size() <= mostEntries)
            return flo(cycles, today);
        told.problem = QStringLiteral("Este arquivo JSON não é uma exportação do Clue (measurements.json) nem do Flo, "
                                      "ou não tem nenhuma data.");
        return told;
    }
    QList<QByteArray> lines = text.split('\n');
    for (QByteArray &line : lines) {
        if (line.endsWith('\r'))
            line.chop(1);
    }
    if (csvFields(lines.constFirst()).contains("bleeding.value") && csvFields(lines.constFirst()).contains("date")) {
        if (lines.size() > mostEntries) {
            told.problem = QStringLiteral("O arquivo tem linhas demais para um histórico.");
            return told;
        }
        return drip(lines, today);
    }
    const HistoryDaysCsv::Read own = HistoryDaysCsv::read(bytes, today);
    told.format = Format::OwnCsv;
    if (!own.dates.ok()) {
        told.problem = own.dates.sentence();
        return told;
    }
    told.starts = own.dates.starts;
    told.days = own.days;
    told.leftOut = own.leftOut;
    return told;
}

} // namespace HistoryImport
