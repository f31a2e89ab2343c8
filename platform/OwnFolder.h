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

// Her home: $HOME, or the one the system's user list gives when HOME is unset.
QString home();

} // namespace OwnFolder
