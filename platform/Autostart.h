#pragma once
// The entry that runs `program --lembretes` when she logs in: an XDG
// autostart file in her own config folder on Linux, her Run key on Windows.
// An entry that is a link, or another account's, is refused as her other
// files are: never written through, never removed.

#include "FileProblem.h"

#include <QString>

namespace Autostart {

inline const QString argument = QStringLiteral("--lembretes");

// Where the entry is (a file, or the Run key's value).
QString location();
FileProblem install(const QString &program);
FileProblem remove();
bool installed();

} // namespace Autostart
