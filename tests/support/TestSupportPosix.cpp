// What needs a second user, rights bits or a disk of its own: Linux only.

#include "TestSupport.h"

#include <QDir>
#include <QFile>

#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

namespace TestSupport {

namespace {
int runForked(const std::function<int()> &body, bool unprivileged)
{
    const pid_t pid = fork();
    if (pid < 0)
        return -1;
    if (pid == 0) {
        if (unprivileged && geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0))
            _exit(125);
        _exit(body());
    }
    int status = 0;
    if (waitpid(pid, &status, 0) != pid || !WIFEXITED(status))
        return -1;
    return WEXITSTATUS(status);
}
} // namespace

int runUnprivileged(const std::function<int()> &body)
{
    return runForked(body, true);
}

int runInChild(const std::function<int()> &body)
{
    return runForked(body, false);
}

void openToEveryone(const QString &path)
{
    QFile::setPermissions(path, QFileDevice::Permissions(0x7777));
    // The temporary folders' parents must be passable too.
    QDir dir(path);
    while (dir.cdUp() && dir.path() != QDir::rootPath()) {
        QFile::setPermissions(dir.path(), QFile::permissions(dir.path()) | QFileDevice::ExeOther);
    }
}

} // namespace TestSupport

namespace TestSupport {

SmallDisk::SmallDisk(int kilobytes)
{
    char name[] = "/tmp/quintrela-disk-XXXXXX";
    if (!::mkdtemp(name))
        return;
    m_path = QString::fromLocal8Bit(name);
    const QByteArray options = "size=" + QByteArray::number(kilobytes) + "k,mode=0700";
    m_mounted = ::geteuid() == 0 && ::mount("tmpfs", name, "tmpfs", 0, options.constData()) == 0;
}

SmallDisk::~SmallDisk()
{
    if (m_mounted)
        ::umount2(QFile::encodeName(m_path).constData(), MNT_DETACH);
    if (!m_path.isEmpty())
        QDir(m_path).removeRecursively();
}

void SmallDisk::fill() const
{
    QFile filler(m_path + "/filler");
    if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return;
    const QByteArray block(4096, 'f');
    while (filler.write(block) == block.size()) {
    }
    // What a page-sized write left: byte by byte.
    while (filler.write("f", 1) == 1) {
    }
}

} // namespace TestSupport
