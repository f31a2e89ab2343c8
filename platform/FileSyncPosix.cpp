#include "FileSync.h"

#include <QFile>

#include <cerrno>

#include <fcntl.h>
#include <unistd.h>

bool syncToDisk(int fileDescriptor, FileProblem *problem)
{
    int rc;
    do {
        rc = ::fsync(fileDescriptor);
    } while (rc != 0 && errno == EINTR);
    if (rc != 0 && problem)
        *problem = FileProblem::fromErrno(errno, {});
    return rc == 0;
}

bool syncFolder(const QString &folder, FileProblem *problem)
{
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        if (problem)
            *problem = FileProblem::fromErrno(errno, folder);
        return false;
    }
    const bool synced = syncToDisk(fd, problem);
    ::close(fd);
    return synced;
}
