#include "FileSync.h"

#include "OpenFolder.h"

#include <cerrno>

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

bool syncFolder(const OpenFolder &folder, FileProblem *problem)
{
    const bool synced = syncToDisk(folder.handle(), problem);
    if (!synced && problem)
        problem->path = folder.path();
    return synced;
}
