#include "OwnFile.h"

#include "OpenFolder.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Plain file, and for writing hers alone: anything else is refused. To read,
// one the system made will do, never another account's.
FileProblem::Cause refusal(const struct stat &info, OwnFile::Access access)
{
    if (!S_ISREG(info.st_mode))
        return FileProblem::Cause::NotAFile;
    if (access == OwnFile::Access::Read)
        return info.st_uid == ::geteuid() || info.st_uid == 0 ? FileProblem::Cause::None : FileProblem::Cause::ForeignFile;
    if (info.st_uid != ::geteuid())
        return FileProblem::Cause::ForeignFile;
    if (info.st_nlink != 1)
        return FileProblem::Cause::HardLinkedFile;
    return FileProblem::Cause::None;
}

} // namespace

OwnFile::OwnFile(const QString &path, Access access)
    : m_path(path)
{
    // Through her folder's own handle: a link swapped in above it changes nothing.
    const QFileInfo place(path);
    const OpenFolder folder(place.path(), access == Access::Read ? OpenFolder::Use::Read : OpenFolder::Use::Write);
    if (!folder.isOpen()) {
        m_missing = folder.missing();
        if (!m_missing)
            m_problem = folder.problemFor(path);
        return;
    }
    open(folder, place.fileName(), access);
}

OwnFile::OwnFile(const OpenFolder &folder, const QString &name, Access access)
    : m_path(folder.filePath(name))
{
    if (folder.isOpen()) {
        open(folder, name, access);
        return;
    }
    m_missing = folder.missing();
    if (!m_missing)
        m_problem = folder.problemFor(m_path);
}

void OwnFile::open(const OpenFolder &folder, const QString &fileName, Access access)
{
    const QString &path = m_path;
    const FileProblem::Use use = access == Access::Read ? FileProblem::Use::Read : FileProblem::Use::Write;
    // O_NONBLOCK: a pipe planted under the name must not hang the program.
    const int flags = (access == Access::Write ? O_RDWR | O_CREAT : O_RDONLY) | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK;
    const QByteArray name = QFile::encodeName(fileName);
    int fd;
    do {
        fd = ::openat(folder.handle(), name.constData(), flags, 0600);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0) {
        m_missing = errno == ENOENT && access == Access::Read;
        if (!m_missing)
            m_problem = FileProblem::fromErrno(errno, path, use);
        return;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        m_problem = FileProblem::fromErrno(errno, path, use);
        ::close(fd);
        return;
    }
    if (const FileProblem::Cause cause = refusal(info, access); cause != FileProblem::Cause::None) {
        m_problem = {cause, path, {}, access == Access::Read};
        ::close(fd);
        return;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    // One of hers found open to others is closed as soon as it is seen, read
    // or written; only a write depends on it.
    const bool narrowed = info.st_uid != ::geteuid() || (info.st_mode & 077) == 0 || ::fchmod(fd, info.st_mode & 0700) == 0;
    if (!narrowed && access == Access::Write) {
        m_problem = FileProblem::fromErrno(errno, path, use);
        ::close(fd);
        return;
    }
    m_fd = fd;
    m_reading = access == Access::Read;
}

OwnFile::~OwnFile()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

bool OwnFile::fail(int error)
{
    m_problem = FileProblem::fromErrno(error, m_path, m_reading ? FileProblem::Use::Read : FileProblem::Use::Write);
    return false;
}

bool OwnFile::readAt(qint64 offset, qint64 size, QByteArray &bytes)
{
    bytes.clear();
    char buffer[64 * 1024];
    while (bytes.size() < size) {
        const auto wanted = size_t(std::min<qint64>(qint64(sizeof buffer), size - bytes.size()));
        const ssize_t n = ::pread(m_fd, buffer, wanted, offset + bytes.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return fail(errno);
        if (n == 0)
            break;
        bytes.append(buffer, n);
    }
    return true;
}

bool OwnFile::writeAt(qint64 offset, QByteArrayView bytes)
{
    qint64 done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::pwrite(m_fd, bytes.data() + done, size_t(bytes.size() - done), offset + done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return fail(errno);
        done += n;
    }
    return true;
}

bool OwnFile::resize(qint64 size)
{
    int rc;
    do {
        rc = ::ftruncate(m_fd, size);
    } while (rc != 0 && errno == EINTR);
    return rc == 0 || fail(errno);
}

qint64 OwnFile::size()
{
    struct stat info {};
    if (::fstat(m_fd, &info) != 0) {
        fail(errno);
        return -1;
    }
    return info.st_size;
}
