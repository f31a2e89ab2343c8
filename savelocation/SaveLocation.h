#pragma once
// Where a file the user saves is first offered: her Documents folder, or
// her home when there is none; never the program's folder.

#include <QString>

namespace SaveLocation {

// The file name is cut, before its suffix, to what a file system takes.
QString suggested(const QString &fileName);

// A name made fit for a file name: no folder separators, no control characters.
QString fileNameFor(const QString &text);

} // namespace SaveLocation
