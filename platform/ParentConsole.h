#pragma once
// Where an answer on the command line goes: the console she typed it in.

#include <QString>

namespace ParentConsole {

// Writes the text to standard output; false when it could not be written.
// A windowed program started from a console (cmd, PowerShell) has none of
// its own on Windows: it answers in that console, in its own characters,
// unless its output was redirected to a file or a pipe.
bool print(const QString &text);

} // namespace ParentConsole
