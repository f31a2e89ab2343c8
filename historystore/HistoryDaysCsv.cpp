#include "HistoryDaysCsv.h"

#include "DateText.h"
#include "HistoryStore.h"

#include <QMap>

namespace HistoryDaysCsv {
namespace {

constexpr int columns = 9;

// Quoted when it holds what would end the field; a leading = + - @ is kept
// as text, so that no spreadsheet runs what an imported file wrote.
QString field(const QString &text)
{
    QString value = text;
    if (!value.isEmpty() && QStringLiteral("=+-@").contains(value.front()))
        value.prepend(u'\'');
    if (value.contains(u';') || value.contains(u'"') || value.contains(u'\n') || value.contains(u'\r'))
        value = u'"' + value.replace(u'"', QStringLiteral("\"\"")) + u'"';
    return value;
}

QString unprotected(const QString &text)
{
    return text.size() > 1 && text.front() == u'\'' && QStringLiteral("=+-@").contains(text.at(1)) ? text.mid(1) : text;
}

// Records split as spreadsheets write them: ';' between fields, quotes
// around a field that holds ';', quotes or line breaks.
struct Record
{
    int line = 0; // where it starts, counted from 1
    QStringList fields;
};

QList<Record> records(const QString &text)
{
    QList<Record> told;
    Record current{1, {}};
    QString value;
    bool quoted = false;
    int line = 1;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (quoted) {
            if (c == u'"' && i + 1 < text.size() && text.at(i + 1) == u'"') {
                value += u'"';
                ++i;
            } else if (c == u'"') {
                quoted = false;
            } else {
                if (c == u'\n')
                    ++line;
                value += c;
            }
        } else if (c == u'"' && value.isEmpty()) {
            quoted = true;
        } else if (c == u';') {
            current.fields << value;
            value.clear();
        } else if (c == u'\n') {
            current.fields << value;
            told << current;
            current = {++line, {}};
            value.clear();
        } else if (c != u'\r') {
            value += c;
        }
    }
    if (!value.isEmpty() || !current.fields.isEmpty()) {
        current.fields << value;
        told << current;
    }
    return told;
}

// The value first, from `first` to `last`, whose word it is.
template<typename Enum>
std::optional<Enum> byWord(const QString &word, int first, int last, QString (*wordOf)(Enum))
{
    for (int i = first; i <= last; ++i) {
        if (wordOf(Enum(i)) == word)
            return Enum(i);
    }
    return std::nullopt;
}

} // namespace

QByteArray write(const QList<HistoryCycle> &cycles, const QList<DayNote> &days)
{
    const bool chosen = std::any_of(cycles.begin(), cycles.end(), [](const HistoryCycle &c) { return c.chosenOut; });
    if (days.isEmpty() && !chosen)
        return HistoryCsv::write(cycles);
    QMap<QDate, const HistoryCycle *> starts;
    for (const HistoryCycle &cycle : cycles)
        starts.insert(cycle.start, &cycle);
    QMap<QDate, const DayNote *> notes;
    for (const DayNote &note : days)
        notes.insert(note.day, &note);
    QList<QDate> dates = starts.keys() + notes.keys();
    std::sort(dates.begin(), dates.end());
    dates.erase(std::unique(dates.begin(), dates.end()), dates.end());
    QString text = header + QStringLiteral("\r\n");
    for (const QDate &date : dates) {
        const HistoryCycle *cycle = starts.value(date);
        const DayNote *note = notes.value(date);
        QStringList line{date.toString(QStringLiteral("dd/MM/yyyy")), cycle ? QStringLiteral("sim") : QString(),
                         cycle && cycle->length ? QString::number(cycle->length) : QString(),
                         cycle && cycle->chosenOut ? LeftOutCycles::reasonWord(*cycle->chosenOut) : QString()};
        if (note) {
            line << (note->flow == DayNote::Flow::Nenhum ? QString() : DayNotes::flowWord(note->flow))
                 << (note->pain == DayNote::Pain::Nenhuma ? QString() : DayNotes::painWord(note->pain))
                 << note->symptoms.join(QStringLiteral(", ")) << note->mood << note->note;
        } else {
            line << QString() << QString() << QString() << QString() << QString();
        }
        for (QString &value : line)
            value = field(value);
        text += line.join(u';') + QStringLiteral("\r\n");
    }
    return QByteArrayLiteral("\xEF\xBB\xBF") + text.toUtf8();
}

Read read(QByteArrayView bytes, const QDate &today)
{
    Read told;
    QByteArrayView body = bytes.startsWith("\xEF\xBB\xBF") ? bytes.sliced(3) : bytes;
    if (bytes.size() > HistoryCsv::maxBytes || !body.startsWith(QByteArrayView(header.toUtf8()))) {
        told.dates = HistoryCsv::read(bytes, today);
        return told;
    }
    auto wrong = [&told](int line, const QString &why) {
        told = {};
        told.dates.badLine = line;
        told.dates.why = why;
        return told;
    };
    const QList<Record> all = records(QString::fromUtf8(body));
    for (qsizetype r = 1; r < all.size(); ++r) {
        const Record &record = all[r];
        if (record.fields.size() == 1 && record.fields[0].trimmed().isEmpty())
            continue;
        if (record.fields.size() != columns)
            return wrong(record.line, QStringLiteral("a linha tem %1 campos em vez de %2.").arg(record.fields.size()).arg(columns));
        const QString dateText = record.fields[0].trimmed();
        const QDate date = DateText::readDate(dateText);
        if (!date.isValid())
            return wrong(record.line, QStringLiteral("\"%1\" não é uma data (dd/mm/aaaa).").arg(dateText.left(40)));
        if (date > today)
            return wrong(record.line, QStringLiteral("%1 é uma data no futuro.").arg(DateText::formatDdMmYyyy(date)));
        if (date.year() < HistoryStore::oldestYear)
            return wrong(record.line,
                         QStringLiteral("%1 é anterior a %2.").arg(DateText::formatDdMmYyyy(date)).arg(HistoryStore::oldestYear));
        const QString start = record.fields[1].trimmed();
        if (start == u"sim") {
            told.dates.starts.append(date);
        } else if (!start.isEmpty()) {
            return wrong(record.line, QStringLiteral("\"%1\" não é \"sim\" nem vazio.").arg(start.left(40)));
        }
        if (const QString reason = record.fields[3].trimmed(); !reason.isEmpty()) {
            const auto out = byWord<LeftOutReason>(reason, LeftOutCycles::firstReason, LeftOutCycles::lastReason,
                                                   LeftOutCycles::reasonWord);
            if (!out || start != u"sim")
                return wrong(record.line, QStringLiteral("\"%1\" não é um motivo para deixar um ciclo fora das contas.")
                                              .arg(reason.left(40)));
            told.leftOut.append({date, *out});
        }
        DayNote note;
        note.day = date;
        const QString flow = record.fields[4].trimmed(), pain = record.fields[5].trimmed();
        const auto flowFound = byWord<DayNote::Flow>(flow.isEmpty() ? DayNotes::flowWord(DayNote::Flow::Nenhum) : flow, 0, 4,
                                                     DayNotes::flowWord);
        const auto painFound = byWord<DayNote::Pain>(pain.isEmpty() ? DayNotes::painWord(DayNote::Pain::Nenhuma) : pain, 0, 3,
                                                     DayNotes::painWord);
        if (!flowFound || !painFound)
            return wrong(record.line, QStringLiteral("\"%1\" não é um fluxo ou uma dor que a Quintrela anota.")
                                          .arg((flowFound ? pain : flow).left(40)));
        note.flow = *flowFound;
        note.pain = *painFound;
        note.symptoms = unprotected(record.fields[6]).split(QStringLiteral(", "), Qt::SkipEmptyParts);
        note.mood = unprotected(record.fields[7]);
        note.note = unprotected(record.fields[8]);
        if (note.note.size() > DayNote::maxNoteChars)
            return wrong(record.line, QStringLiteral("a anotação tem mais de %1 caracteres.").arg(DayNote::maxNoteChars));
        if (!note.isEmpty())
            told.days.append(note.tidied());
    }
    return told;
}

} // namespace HistoryDaysCsv
