#pragma once
// The one way a name is matched: quintrela.dat's records, her history's rows
// and the calendar file's event identifiers all go by it.

#include <QString>

namespace NameKey {

// A stored name as it is matched: the part the records' field keeps,
// without surrounding blanks, in capitals. Empty for a name of blanks.
QString of(const QString &storedName);

// A typed name as it is matched against stored ones: not trimmed, so "Maria "
// finds no "Maria"; a name longer than the field by the part that fits.
QString ofTyped(const QString &typedName);

} // namespace NameKey
