#include "OpenFolder.h"

#include <QDir>
#include <QFile>

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A folder whose entries only she or the system can change: a link in it
// was put there by one of them.
bool onlyOwnerChanges(const struct stat &folder)
{
    return (folder.st_uid == 0 || folder.st_uid == ::geteuid()) && (folder.st_mode & 022) == 0;
}

bool hersOrTheSystems(uid_t owner)
{
    return owner == 0 || owner == ::geteuid();
}

int openAt(int folder, const QByteArray &name, int flags)
{
    int fd;
    do {
        fd = ::openat(folder, name.constData(), flags | O_CLOEXEC);
    } while (fd < 0 && errno == EINTR);
    return fd;
}

class Descriptor
{
public:
    explicit Descriptor(int fd = -1)
        : m_fd(fd)
    {
    }
    ~Descriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;
    void reset(int fd)
    {
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = fd;
    }
    int get() const { return m_fd; }

private:
    int m_fd;
};

} // namespace

OpenFolder::OpenFolder(const QString &folder, Use use)
    : m_path(QDir::cleanPath(QDir(folder).absolutePath()))
    , m_handle(-1)
{
    const FileProblem::Use said = use == Use::Read ? FileProblem::Use::Read : FileProblem::Use::Write;
    const auto fail = [&](FileProblem::Cause cause, const QString &where) {
        m_problem = {cause, where, {}, use == Use::Read};
    };
    // O_PATH on the way: a folder she may pass through but not list is fine.
    constexpr int step = O_PATH | O_DIRECTORY | O_NOFOLLOW;
    Descriptor at(openAt(AT_FDCWD, "/", O_PATH | O_DIRECTORY));
    struct stat holder {};
    if (at.get() < 0 || ::fstat(at.get(), &holder) != 0) {
        m_problem = FileProblem::fromErrno(errno, m_path, said);
        return;
    }
    QString walked;
    const QStringList parts = m_path.split(u'/', Qt::SkipEmptyParts);
    for (qsizetype i = 0; i < parts.size(); ++i) {
        const QString above = walked.isEmpty() ? QStringLiteral("/") : walked;
        walked += u'/' + parts[i];
        const bool last = i == parts.size() - 1;
        const QByteArray name = QFile::encodeName(parts[i]);
        int next = openAt(at.get(), name, step);
        if (next < 0 && errno == ENOENT && use == Use::Write) {
            // Root (sudo keeps her HOME) makes nothing in a folder of someone
            // else's: it would be root's, and useless to its owner.
            if (::geteuid() == 0 && holder.st_uid != 0) {
                fail(FileProblem::Cause::ForeignFolder, above);
                return;
            }
            if (::mkdirat(at.get(), name.constData(), 0700) != 0 && errno != EEXIST) {
                m_problem = FileProblem::fromErrno(errno, walked);
                return;
            }
            next = openAt(at.get(), name, step);
        }
        if (next < 0 && (errno == ENOTDIR || errno == ELOOP)) {
            struct stat entry {};
            if (::fstatat(at.get(), name.constData(), &entry, AT_SYMLINK_NOFOLLOW) != 0) {
                m_problem = FileProblem::fromErrno(errno, walked, said);
                return;
            }
            // A folder now, a link a moment ago: the name is being swapped,
            // and nothing reached through it can be trusted.
            if (S_ISDIR(entry.st_mode)) {
                fail(FileProblem::Cause::LinkedFolder, walked);
                return;
            }
            if (!S_ISLNK(entry.st_mode)) {
                fail(last ? FileProblem::Cause::NotAFolder : FileProblem::Cause::FileInTheWay, walked);
                return;
            }
            // Her folder itself is never a link; one on the way only when
            // nobody else could have put it there.
            if (last || !onlyOwnerChanges(holder) || !hersOrTheSystems(entry.st_uid)) {
                fail(FileProblem::Cause::LinkedFolder, walked);
                return;
            }
            next = openAt(at.get(), name, O_PATH | O_DIRECTORY);
        }
        if (next < 0) {
            m_missing = errno == ENOENT && use == Use::Read;
            m_problem = FileProblem::fromErrno(errno, walked, said);
            return;
        }
        at.reset(next);
        if (::fstat(at.get(), &holder) != 0) {
            m_problem = FileProblem::fromErrno(errno, walked, said);
            return;
        }
    }
    FileProblem::Cause refused = FileProblem::Cause::None;
    switch (use) {
    case Use::Read:
        if (!hersOrTheSystems(holder.st_uid))
            refused = FileProblem::Cause::ForeignFolder;
        break;
    case Use::Write:
        if (holder.st_uid != ::geteuid())
            refused = FileProblem::Cause::ForeignFolder;
        else if ((holder.st_mode & 022) != 0)
            refused = FileProblem::Cause::FolderOpenToOthers;
        break;
    case Use::SaveHere:
        if (::geteuid() == 0 && holder.st_uid != 0)
            refused = FileProblem::Cause::ForeignFolder;
        break;
    }
    if (refused != FileProblem::Cause::None) {
        fail(refused, m_path);
        return;
    }
    // A real descriptor of the folder reached, for making files and syncing.
    const int opened = openAt(at.get(), ".", O_RDONLY | O_DIRECTORY);
    if (opened < 0) {
        m_problem = FileProblem::fromErrno(errno, m_path, said);
        return;
    }
    m_handle = opened;
}

OpenFolder::~OpenFolder()
{
    if (m_handle >= 0)
        ::close(m_handle);
}

bool OpenFolder::isOpen() const
{
    return m_handle >= 0;
}
