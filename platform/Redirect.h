#pragma once
// Which of Windows' reparse points carry a name elsewhere (symbolic links,
// junctions and other name surrogates) and so are never gone through. The
// others (OneDrive's files on demand, deduplicated files) are plain files.

#include <windows.h>

#include <string>

// For a file or folder opened with FILE_FLAG_OPEN_REPARSE_POINT.
bool redirectsElsewhere(HANDLE opened);
// By name, before opening: Wine opens a host's link as what it points at,
// and tells it only here.
bool redirectsElsewhere(const std::wstring &path);
