#pragma once
// What both programs answer on the command line before any window, and so
// without a display: --help and --version.

#include <QString>
#include <QStringList>

#include <optional>

namespace CommandLine {

// "Quintrela 1.0", from the package's changelog.
QString versionLine();

// Prints the usage or the version when asked, and gives the exit code;
// nothing when the program is to open its window.
std::optional<int> answer(const QStringList &arguments, const QString &program, const QString &purpose);

} // namespace CommandLine
