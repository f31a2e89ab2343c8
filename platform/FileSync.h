#pragma once
// A save is only a save once it is on the disk: what was written is pushed
// to stable storage before the program goes on as if it were stored.

#include "FileProblem.h"

#include <functional>

// Pushes an open file's written data to stable storage; false, with the
// cause, when it could not. Tests hand in one that fails.
using FileSync = std::function<bool(int fileDescriptor, FileProblem *problem)>;

bool syncToDisk(int fileDescriptor, FileProblem *problem);

class OpenFolder;
// Pushes a folder's entries (a new or renamed file in it) to the disk.
bool syncFolder(const OpenFolder &folder, FileProblem *problem);
