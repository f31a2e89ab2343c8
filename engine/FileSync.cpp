#include "FileSync.h"

#include <cerrno>
#include <cstring>

#include <unistd.h>

bool syncToDisk(int fileDescriptor, QString *error)
{
    int rc;
    do {
        rc = ::fsync(fileDescriptor);
    } while (rc != 0 && errno == EINTR);
    if (rc != 0 && error)
        *error = QString::fromLocal8Bit(std::strerror(errno));
    return rc == 0;
}
