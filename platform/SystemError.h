#pragma once
// The system's own error number for a file (errno, or Windows' error code,
// as a library such as SQLite hands it on), told as a FileProblem.

#include "FileProblem.h"

FileProblem problemFromSystemError(int code, const QString &path);
