#include "WholeFileSave.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdlib>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

FileProblem refusalOfExisting(const QString &path)
{
    struct stat info {};
    if (::lstat(QFile::encodeName(path).constData(), &info) != 0)
        return errno == ENOENT ? FileProblem{} : FileProblem::fromErrno(errno, path);
    if (S_ISLNK(info.st_mode))
        return {FileProblem::Cause::LinkedFile, path, {}};
    if (!S_ISREG(info.st_mode))
        return {FileProblem::Cause::NotAFile, path, {}};
    if (info.st_uid != ::geteuid())
        return {FileProblem::Cause::ForeignFile, path, {}};
    if (info.st_nlink != 1)
        return {FileProblem::Cause::HardLinkedFile, path, {}};
    return {};
}

// The temporary file, removed unless it was put in place.
class TemporaryFile
{
public:
    explicit TemporaryFile(const QString &folder)
        : m_name(QFile::encodeName(folder) + "/.quintrela-XXXXXX")
    {
        m_fd = ::mkostemp(m_name.data(), O_CLOEXEC); // made 0600
    }
    ~TemporaryFile()
    {
        if (m_fd >= 0)
            ::close(m_fd);
        if (!m_placed)
            ::unlink(m_name.constData());
    }
    int fd() const { return m_fd; }
    const char *name() const { return m_name.constData(); }
    bool close()
    {
        const int fd = std::exchange(m_fd, -1);
        return ::close(fd) == 0 || errno == EINTR;
    }
    void placed() { m_placed = true; }

private:
    QByteArray m_name;
    int m_fd = -1;
    bool m_placed = false;
};

bool writeAll(int fd, QByteArrayView bytes)
{
    qint64 done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return false;
        done += n;
    }
    return true;
}

} // namespace

FileProblem saveWholeFile(const QString &path, QByteArrayView bytes, const FileSync &sync)
{
    if (FileProblem refused = refusalOfExisting(path))
        return refused;
    const QString folder = QFileInfo(path).absolutePath();
    TemporaryFile temporary(folder);
    if (temporary.fd() < 0)
        return FileProblem::fromErrno(errno, path);
    if (!writeAll(temporary.fd(), bytes))
        return FileProblem::fromErrno(errno, path);
    if (FileProblem problem; !sync(temporary.fd(), &problem)) {
        problem.path = path;
        return problem;
    }
    if (!temporary.close())
        return FileProblem::fromErrno(errno, path);
    if (::rename(temporary.name(), QFile::encodeName(path).constData()) != 0)
        return FileProblem::fromErrno(errno, path);
    temporary.placed();
    // The new name is pushed to the disk too; the file is in place either way.
    syncFolder(folder, nullptr);
    return {};
}
