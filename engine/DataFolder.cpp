#include "DataFolder.h"

#include <QDir>
#include <QFile>

#include <sys/stat.h>
#include <unistd.h>

namespace DataFolder {
namespace {

// Makes every missing folder of the path for its owner only, as the XDG
// base directory rules ask; narrows our own Quintrela folder if it is wider.
void makeForOwner(const QString &path)
{
    const QStringList parts = QDir::cleanPath(path).split(u'/', Qt::SkipEmptyParts);
    QString made;
    for (const QString &part : parts) {
        made += u'/' + part;
        const QByteArray native = QFile::encodeName(made);
        if (::mkdir(native.constData(), 0700) != 0 && errno != EEXIST)
            return;
    }
    struct stat info {};
    const QByteArray native = QFile::encodeName(path);
    if (::stat(native.constData(), &info) == 0 && info.st_uid == ::geteuid() && (info.st_mode & 077) != 0)
        ::chmod(native.constData(), info.st_mode & 0700);
}

} // namespace

Placement placementOfThisBuild()
{
#ifdef QUINTRELA_USER_DATA
    return Placement::UserData;
#else
    return Placement::BesideProgram;
#endif
}

QString userDataFolder()
{
    QString base = qEnvironmentVariable("XDG_DATA_HOME");
    if (base.isEmpty() || !QDir::isAbsolutePath(base))
        base = QDir::homePath() + QStringLiteral("/.local/share");
    return QDir::cleanPath(base + QStringLiteral("/Quintrela"));
}

QString folder(Placement placement, const QString &programFolder)
{
    if (placement == Placement::BesideProgram)
        return programFolder;
    const QString path = userDataFolder();
    makeForOwner(path);
    return path;
}

} // namespace DataFolder
