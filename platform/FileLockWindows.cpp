#include "FileLock.h"

#include <io.h>
#include <windows.h>

namespace {
// The whole of any file the program could write.
constexpr DWORD everyByte = MAXDWORD;
} // namespace

FileLock::FileLock(const OwnFile &file, Kind kind)
{
    const auto handle = reinterpret_cast<HANDLE>(_get_osfhandle(file.handle()));
    OVERLAPPED from {};
    // Waits, as flock does; a file system without locks goes on unlocked.
    if (handle != INVALID_HANDLE_VALUE
        && LockFileEx(handle,
                      kind == Kind::Exclusive         ? LOCKFILE_EXCLUSIVE_LOCK
                      : kind == Kind::ExclusiveIfFree ? LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY
                                                      : 0,
                      0, everyByte, everyByte, &from))
        m_fd = file.handle();
    else
        m_busy = GetLastError() == ERROR_LOCK_VIOLATION;
}

FileLock::~FileLock()
{
    if (m_fd < 0)
        return;
    OVERLAPPED from {};
    UnlockFileEx(reinterpret_cast<HANDLE>(_get_osfhandle(m_fd)), 0, everyByte, everyByte, &from);
}
