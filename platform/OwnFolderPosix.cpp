#include "OwnFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace OwnFolder {
namespace {

bool exists(const QString &path, struct stat &info)
{
    return ::lstat(QFile::encodeName(path).constData(), &info) == 0;
}

// Root (sudo -E keeps her HOME) must not make folders in another user's
// home: they would be root's, and her next start could not use them.
FileProblem rootInForeignPlace(const QString &path)
{
    if (::geteuid() != 0)
        return {};
    QString ancestor = path;
    struct stat info {};
    while (::stat(QFile::encodeName(ancestor).constData(), &info) != 0 && ancestor != QDir::rootPath())
        ancestor = QFileInfo(ancestor).path();
    if (info.st_uid != 0)
        return {FileProblem::Cause::ForeignFolder, ancestor, {}};
    return {};
}

FileProblem make(const QString &path)
{
    if (FileProblem foreign = rootInForeignPlace(path))
        return foreign;
    QString made;
    for (const QString &part : path.split(u'/', Qt::SkipEmptyParts)) {
        made += u'/' + part;
        if (::mkdir(QFile::encodeName(made).constData(), 0700) != 0 && errno != EEXIST)
            return FileProblem::fromErrno(errno, made);
    }
    return {};
}

} // namespace

FileProblem prepare(const QString &folder)
{
    const QString path = QDir::cleanPath(QDir(folder).absolutePath());
    struct stat info {};
    if (!exists(path, info)) {
        if (errno != ENOENT)
            return FileProblem::fromErrno(errno, path);
        if (FileProblem problem = make(path))
            return problem;
        if (!exists(path, info))
            return FileProblem::fromErrno(errno, path);
    }
    if (S_ISLNK(info.st_mode))
        return {FileProblem::Cause::LinkedFolder, path, {}};
    if (!S_ISDIR(info.st_mode))
        return {FileProblem::Cause::NotAFolder, path, {}};
    if (info.st_uid != ::geteuid())
        return {FileProblem::Cause::ForeignFolder, path, {}};
    if ((info.st_mode & 022) != 0)
        return {FileProblem::Cause::FolderOpenToOthers, path, {}};
    return {};
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
