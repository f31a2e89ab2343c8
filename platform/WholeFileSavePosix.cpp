#include "WholeFileSave.h"

#include "OpenFolder.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <utility>

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QByteArray temporaryPrefix = ".quintrela-";
constexpr int temporaryRandom = 6;

FileProblem refusalOfExisting(const OpenFolder &folder, const QByteArray &name, const QString &path)
{
    struct stat info {};
    if (::fstatat(folder.handle(), name.constData(), &info, AT_SYMLINK_NOFOLLOW) != 0)
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

bool isTemporaryName(const char *name)
{
    return qstrncmp(name, temporaryPrefix.constData(), temporaryPrefix.size()) == 0
        && qstrlen(name) == size_t(temporaryPrefix.size() + temporaryRandom);
}

// A save killed midway leaves its temporary file behind. Each save holds a
// lock on its own while it writes, so one nobody holds is a leftover: hers
// are removed, whatever else stands there is left alone.
void removeLeftovers(const OpenFolder &folder)
{
    const int listing = ::openat(folder.handle(), ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    DIR *entries = listing >= 0 ? ::fdopendir(listing) : nullptr;
    if (!entries) {
        if (listing >= 0)
            ::close(listing);
        return;
    }
    while (const struct dirent *entry = ::readdir(entries)) {
        if (!isTemporaryName(entry->d_name))
            continue;
        const int fd = ::openat(folder.handle(), entry->d_name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0)
            continue;
        struct stat info {};
        if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_uid == ::geteuid() && info.st_nlink == 1
            && ::flock(fd, LOCK_EX | LOCK_NB) == 0)
            ::unlinkat(folder.handle(), entry->d_name, 0);
        ::close(fd);
    }
    ::closedir(entries);
}

// The temporary file, locked while it is written, removed unless it was put in place.
class TemporaryFile
{
public:
    explicit TemporaryFile(const OpenFolder &folder)
        : m_folder(folder.handle())
    {
        static constexpr char letters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
        for (int attempt = 0; attempt < 100 && m_fd < 0; ++attempt) {
            m_name = temporaryPrefix;
            for (int i = 0; i < temporaryRandom; ++i)
                m_name += letters[QRandomGenerator::system()->bounded(int(sizeof letters - 1))];
            m_fd = ::openat(m_folder, m_name.constData(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
            if (m_fd < 0 && errno != EEXIST)
                break;
        }
        if (m_fd >= 0 && ::flock(m_fd, LOCK_EX) != 0) {
            const int error = errno;
            close();
            ::unlinkat(m_folder, m_name.constData(), 0);
            errno = error;
        }
    }
    ~TemporaryFile()
    {
        if (m_fd >= 0)
            ::close(m_fd);
        if (!m_placed)
            ::unlinkat(m_folder, m_name.constData(), 0);
    }
    TemporaryFile(const TemporaryFile &) = delete;
    TemporaryFile &operator=(const TemporaryFile &) = delete;
    int fd() const { return m_fd; }
    const char *name() const { return m_name.constData(); }
    bool close()
    {
        const int fd = std::exchange(m_fd, -1);
        return ::close(fd) == 0 || errno == EINTR;
    }
    void placed() { m_placed = true; }

private:
    int m_folder;
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
    const QFileInfo place(path);
    const OpenFolder folder(place.absolutePath(), OpenFolder::Use::SaveHere);
    if (!folder.isOpen())
        return folder.problemFor(path);
    return saveWholeFile(folder, place.fileName(), bytes, sync);
}

FileProblem saveWholeFile(const OpenFolder &folder, const QString &fileName, QByteArrayView bytes, const FileSync &sync)
{
    const QString path = folder.filePath(fileName);
    if (!folder.isOpen())
        return folder.problemFor(path);
    const QByteArray name = QFile::encodeName(fileName);
    if (FileProblem refused = refusalOfExisting(folder, name, path))
        return refused;
    removeLeftovers(folder);
    TemporaryFile temporary(folder);
    if (temporary.fd() < 0)
        return FileProblem::fromErrno(errno, path);
    if (!writeAll(temporary.fd(), bytes))
        return FileProblem::fromErrno(errno, path);
    if (FileProblem problem; !sync(temporary.fd(), &problem)) {
        problem.path = path;
        return problem;
    }
    // Put in place while still locked, so no other save takes it for a leftover.
    if (::renameat(folder.handle(), temporary.name(), folder.handle(), name.constData()) != 0)
        return FileProblem::fromErrno(errno, path);
    temporary.placed();
    if (!temporary.close())
        return FileProblem::fromErrno(errno, path);
    // The new name is pushed to the disk too; the file is in place either way.
    syncFolder(folder, nullptr);
    return {};
}

FileProblem removeOwnFile(const OpenFolder &folder, const QString &fileName)
{
    const QString path = folder.filePath(fileName);
    const QByteArray name = QFile::encodeName(fileName);
    if (FileProblem refused = refusalOfExisting(folder, name, path))
        return refused;
    if (::unlinkat(folder.handle(), name.constData(), 0) != 0 && errno != ENOENT)
        return FileProblem::fromErrno(errno, path);
    syncFolder(folder, nullptr);
    return {};
}
