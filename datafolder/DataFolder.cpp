#include "DataFolder.h"

#include "OwnFolder.h"

#include <QDir>

namespace DataFolder {

Placement placementOfThisBuild(const QString &programFolder)
{
#ifdef QUINTRELA_USER_DATA
    Q_UNUSED(programFolder)
    return Placement::UserData;
#else
    return OwnFolder::isSystemProgramFolder(programFolder) ? Placement::UserData : Placement::BesideProgram;
#endif
}

QString userDataFolder()
{
    return QDir::cleanPath(OwnFolder::userDataHome() + QStringLiteral("/Quintrela"));
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
