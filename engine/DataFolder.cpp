#include "DataFolder.h"

#include "OwnFolder.h"

#include <QDir>

namespace DataFolder {

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
        base = OwnFolder::home() + QStringLiteral("/.local/share");
    return QDir::cleanPath(base + QStringLiteral("/Quintrela"));
}

QString folder(Placement placement, const QString &programFolder)
{
    if (placement == Placement::BesideProgram)
        return programFolder;
    const QString path = userDataFolder();
    // Made at once, for her alone; what is wrong with it is told when a
    // save there is refused.
    OwnFolder::prepare(path);
    return path;
}

} // namespace DataFolder
