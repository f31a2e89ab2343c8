#include "FileSync.h"

#include "OpenFolder.h"
#include "WindowsError.h"

#include <io.h>
#include <windows.h>

bool syncToDisk(int fileDescriptor, FileProblem *problem)
{
    const auto handle = reinterpret_cast<HANDLE>(_get_osfhandle(fileDescriptor));
    if (handle != INVALID_HANDLE_VALUE && FlushFileBuffers(handle))
        return true;
    if (problem)
        *problem = problemFromWindowsError(handle == INVALID_HANDLE_VALUE ? ERROR_INVALID_HANDLE : GetLastError(), {});
    return false;
}

bool syncFolder(const OpenFolder &, FileProblem *)
{
    // A rename made with MOVEFILE_WRITE_THROUGH is on the disk when it returns.
    return true;
}
