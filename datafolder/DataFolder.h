#pragma once
// Where the two programs keep qtrconf.dat and quintrela.dat. Both ask here,
// so the choice made in qtrconfg is the one Quintrela reads.

#include <QString>

namespace DataFolder {

enum class Placement {
    BesideProgram, // a portable folder or the build folder, as always
    UserData,      // installed by the package or the installer: the program's folder is the system's
};

// How this build places the files: the package builds for UserData; a
// program in Windows' Program Files keeps them in UserData too.
Placement placementOfThisBuild(const QString &programFolder);

// The folder for the files. The user's data folder is made, for its owner
// only, when it is missing; if it cannot be made, or is not hers alone,
// saving there fails and is told like any other failure.
QString folder(Placement placement, const QString &programFolder);

// $XDG_DATA_HOME/Quintrela, or ~/.local/share/Quintrela when XDG_DATA_HOME is
// unset, empty or not absolute (~ from the user list when HOME is unset);
// %APPDATA%\Quintrela on Windows.
QString userDataFolder();

} // namespace DataFolder
