#pragma once
// Her dates as a CSV file a Brazilian spreadsheet opens as it is: UTF-8
// with its mark, a Portuguese header, ';' between fields, dates day first,
// lines ended CRLF. Read back from that, from ',' or tab, and ISO dates.

#include "CycleStatistics.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QDate>
#include <QList>
#include <QString>

namespace HistoryCsv {

// Far more than any history of hers: a larger file is not read.
constexpr qint64 maxBytes = 8 * 1024 * 1024;
// Far longer than any line of dates: refused before it is looked at.
constexpr qsizetype longestLine = 1000;

inline const QString header = QStringLiteral("Início da menstruação;Duração do ciclo (dias)");

// Oldest first; the cycle still going on has no length.
QByteArray write(const QList<HistoryCycle> &cycles);

struct Read
{
    QList<QDate> starts;
    int badLine = 0; // the first line that is not a date of hers, counted from 1
    QString why;     // what is wrong with it, in Portuguese
    bool ok() const { return badLine == 0; }
    // "Linha 4: ..." - the whole message for her.
    QString sentence() const;
};

// Every date, or none when one line is wrong. Dates after today or before
// 1900 are wrong; a blank line is skipped; a header line is allowed first.
Read read(QByteArrayView bytes, const QDate &today);

} // namespace HistoryCsv
