#include "FileLock.h"

#include <cerrno>

#include <sys/file.h>

FileLock::FileLock(const OwnFile &file, Kind kind)
{
    int rc;
    do {
        rc = ::flock(file.handle(), kind == Kind::Shared      ? LOCK_SH
                                    : kind == Kind::Exclusive ? LOCK_EX
                                                              : LOCK_EX | LOCK_NB);
    } while (rc != 0 && errno == EINTR);
    m_fd = rc == 0 ? file.handle() : -1;
    m_busy = rc != 0 && errno == EWOULDBLOCK;
}

FileLock::~FileLock()
{
    if (m_fd >= 0)
        ::flock(m_fd, LOCK_UN);
}
