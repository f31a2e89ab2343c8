#include "HistoryCsv.h"

#include "DateText.h"
#include "HistoryStore.h"

#include <QRegularExpression>
#include <QStringView>

#include <algorithm>

namespace HistoryCsv {

QByteArray write(const QList<HistoryCycle> &cycles)
{
    QString text = header + QStringLiteral("\r\n");
    for (auto cycle = cycles.crbegin(); cycle != cycles.crend(); ++cycle) {
        text += cycle->start.toString(QStringLiteral("dd/MM/yyyy")) + u';';
        if (cycle->length > 0)
            text += QString::number(cycle->length);
        text += QStringLiteral("\r\n");
    }
    return QByteArrayLiteral("\xEF\xBB\xBF") + text.toUtf8();
}

QString Read::sentence() const
{
    return QStringLiteral("Linha %1 do arquivo: %2 Nenhuma data foi importada.").arg(badLine).arg(why);
}

namespace {

QString unquoted(QString field)
{
    field = field.trimmed();
    if (field.size() >= 2 && field.startsWith(u'"') && field.endsWith(u'"'))
        field = field.mid(1, field.size() - 2).replace(QStringLiteral("\"\""), QStringLiteral("\"")).trimmed();
    return field;
}

QDate dateOf(const QString &field)
{
    // Day first as the date fields read it, two-digit years included: a
    // Brazilian spreadsheet saves "10/01/26" back.
    if (const QDate date = DateText::readDate(field); date.isValid())
        return date;
    static const QRegularExpression iso(QStringLiteral("^(\\d{4})-(\\d{2})-(\\d{2})$"));
    if (const auto m = iso.match(field); m.hasMatch())
        return QDate(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt());
    return {};
}

// A field as her message quotes it: short enough to read (a whole line of
// garbage would take the box minutes to lay out), and with no character that
// could cut the message or move its text.
QString quoted(const QString &field)
{
    constexpr qsizetype longest = 40;
    QString shown = field.left(longest);
    for (QChar &c : shown) {
        if (c.category() == QChar::Other_Control || c.category() == QChar::Other_Format)
            c = QChar::ReplacementCharacter;
    }
    return field.size() > longest ? shown + u'…' : shown;
}

QChar separatorOf(QStringView line)
{
    for (QChar c : {QChar(u';'), QChar(u'\t'), QChar(u',')}) {
        if (line.contains(c))
            return c;
    }
    return u';';
}

} // namespace

Read read(QByteArrayView bytes, const QDate &today)
{
    Read told;
    auto wrong = [&told](int line, const QString &why) {
        told.starts.clear();
        told.badLine = line;
        told.why = why;
        return told;
    };
    if (bytes.size() > maxBytes)
        return wrong(1, QStringLiteral("o arquivo é grande demais para ser um histórico."));
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes = bytes.sliced(3);
    const QString text = QString::fromUtf8(bytes);
    const QList<QStringView> lines = QStringView(text).split(u'\n');
    bool first = true;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const int number = int(i + 1);
        QStringView line = lines[i];
        if (line.endsWith(u'\r'))
            line.chop(1);
        if (line.trimmed().isEmpty())
            continue;
        if (line.size() > longestLine)
            return wrong(number, QStringLiteral("a linha tem mais de %1 caracteres; não é uma data do seu histórico.")
                                     .arg(longestLine));
        const QList<QStringView> fields = line.split(separatorOf(line));
        const QString dateField = unquoted(fields[0].toString());
        const QDate date = dateOf(dateField);
        const bool isHeader = first && !date.isValid() && std::any_of(dateField.begin(), dateField.end(), [](QChar c) { return c.isLetter(); });
        first = false;
        if (isHeader)
            continue;
        if (!date.isValid())
            return wrong(number, QStringLiteral("\"%1\" não é uma data (dd/mm/aaaa ou aaaa-mm-dd).").arg(quoted(dateField)));
        if (date > today)
            return wrong(number, QStringLiteral("%1 é uma data no futuro.").arg(DateText::formatDdMmYyyy(date)));
        if (date.year() < HistoryStore::oldestYear)
            return wrong(number, QStringLiteral("%1 é anterior a %2.").arg(DateText::formatDdMmYyyy(date)).arg(HistoryStore::oldestYear));
        if (fields.size() > 1) {
            // The length is told again from the dates; here it only has to be
            // days, however many: a pregnancy's gap is written as it was.
            const QString length = unquoted(fields[1].toString());
            static const QRegularExpression days(QStringLiteral("^\\d+$"));
            if (!length.isEmpty() && !days.match(length).hasMatch())
                return wrong(number, QStringLiteral("\"%1\" não é uma duração de ciclo em dias.").arg(quoted(length)));
        }
        told.starts.append(date);
    }
    return told;
}

} // namespace HistoryCsv
