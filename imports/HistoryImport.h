#pragma once
// Her past brought from the app she used before, told apart by what the file
// holds: the program's own CSV, Clue's measurements.json, Flo's JSON export
// or drip's CSV. Every start and day in it, or, when one entry is wrong,
// nothing and the entry named with why.

#include "DayNote.h"
#include "LeftOutCycle.h"

#include <QByteArrayView>
#include <QDate>
#include <QList>
#include <QString>

namespace HistoryImport {

enum class Format { Unknown, OwnCsv, Clue, Flo, Drip };

struct Read
{
    Format format = Format::Unknown;
    QList<QDate> starts;  // oldest first
    QList<DayNote> days;  // oldest first; what the file says of each day
    QList<LeftOutCycle> leftOut; // her own export's cycles left out
    QString problem;      // empty when read whole: "Clue, entrada 3: ..."
    bool ok() const { return problem.isEmpty(); }
};

// "Clue", "Flo", "drip", "Quintrela"
QString formatName(Format format);

// Days after today or before 1900 are wrong, as in her own CSV.
Read read(QByteArrayView bytes, const QDate &today);

} // namespace HistoryImport
