#pragma once
// A save is only a save once it is on the disk: what was written is pushed
// to stable storage before the program goes on as if it were stored.

#include <QString>

#include <functional>

// Pushes a file's written data to stable storage; false, with the system's
// reason, when it could not. Tests hand in one that fails.
using FileSync = std::function<bool(int fileDescriptor, QString *error)>;

bool syncToDisk(int fileDescriptor, QString *error);
