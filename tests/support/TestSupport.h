#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

// A case about Linux rights, users or mounts; Windows keeps her files by the
// profile's rights instead.
#ifdef _WIN32
#define POSIX_ONLY() GTEST_SKIP() << "Linux rights and users"
#else
#define POSIX_ONLY() static_cast<void>(0)
#endif

namespace TestSupport {

QByteArray readBytes(const QString &path);
void writeBytes(const QString &path, const QByteArray &bytes);

// Runs body in a child process as an unprivileged user, so that file
// permissions are enforced even when the tests run as root. Returns the
// child's exit code (body's result), or -1 when it could not run.
int runUnprivileged(const std::function<int()> &body);
// The same in a child process of the same user: for limits set there alone.
int runInChild(const std::function<int()> &body);

// Makes a folder (and what is in it) reachable by the unprivileged user.
void openToEveryone(const QString &path);

} // namespace TestSupport

namespace TestSupport {

// A small disk of its own (tmpfs), to fill up: mounted when the tests run as
// root, as CI does; elsewhere mounted() is false and the case is skipped.
class SmallDisk
{
public:
    explicit SmallDisk(int kilobytes);
    ~SmallDisk();
    SmallDisk(const SmallDisk &) = delete;
    SmallDisk &operator=(const SmallDisk &) = delete;

    bool mounted() const { return m_mounted; }
    QString path() const { return m_path; }
    // Takes all the room that is left.
    void fill() const;

private:
    QString m_path;
    bool m_mounted = false;
};

} // namespace TestSupport
