#include "OwnFolder.h"

#include "OpenFolder.h"

#include <QDir>
#include <QFile>

#include <pwd.h>
#include <unistd.h>

namespace OwnFolder {

FileProblem prepare(const QString &folder)
{
    return OpenFolder(folder, OpenFolder::Use::Write).problem();
}

QString home()
{
    const QString fromEnvironment = qEnvironmentVariable("HOME");
    if (!fromEnvironment.isEmpty())
        return QDir::cleanPath(fromEnvironment);
    long size = ::sysconf(_SC_GETPW_R_SIZE_MAX);
    QByteArray buffer(size > 0 ? size : 16384, '\0');
    struct passwd entry {};
    struct passwd *found = nullptr;
    if (::getpwuid_r(::geteuid(), &entry, buffer.data(), size_t(buffer.size()), &found) == 0 && found
        && found->pw_dir && *found->pw_dir)
        return QDir::cleanPath(QFile::decodeName(found->pw_dir));
    return QDir::rootPath();
}

QString userDataHome()
{
    const QString base = qEnvironmentVariable("XDG_DATA_HOME");
    if (base.isEmpty() || !QDir::isAbsolutePath(base))
        return home() + QStringLiteral("/.local/share");
    return QDir::cleanPath(base);
}

bool isSystemProgramFolder(const QString &)
{
    // The Debian package is built for the user's data folder instead.
    return false;
}

} // namespace OwnFolder
