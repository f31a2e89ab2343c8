#pragma once
// The folder that holds her files. One she lets the program make is for her
// alone; one that already exists is used only if it is hers and nobody else
// may write in it (a planted link or file there could take her data). The
// program never changes the rights of a folder it did not make.

#include "FileProblem.h"

namespace OwnFolder {

// Makes the folder and its missing parents when it is not there (again),
// then checks it; ok when her files may be written in it.
FileProblem prepare(const QString &path);

// Her home: $HOME, or the one the system's user list gives when HOME is unset
// (her profile folder on Windows).
QString home();

// Where programs keep her data: $XDG_DATA_HOME, or ~/.local/share when it is
// unset, empty or not absolute; her roaming AppData folder on Windows.
QString userDataHome();

// Whether a program there was installed (Windows' Program Files, or her own
// %LOCALAPPDATA%\Programs for an install for her alone): its folder holds
// programs, not her files.
bool isSystemProgramFolder(const QString &programFolder);

} // namespace OwnFolder
