#pragma once
// Windows' own error codes, told as the same causes the rest of the
// program knows.

#include "FileProblem.h"

#include <string>

FileProblem problemFromWindowsError(unsigned long error, const QString &path);

// Wide-character path for the system's calls (backslashes, as Windows says them).
std::wstring windowsPath(const QString &path);
