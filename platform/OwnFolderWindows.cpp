#include "OwnFolder.h"

#include "HerRights.h"
#include "Redirect.h"
#include "WindowsError.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>

#include <algorithm>

#include <windows.h>
#include <shlobj.h>

namespace OwnFolder {
namespace {

QString knownFolder(REFKNOWNFOLDERID id)
{
    wchar_t *path = nullptr;
    QString found;
    if (SHGetKnownFolderPath(id, KF_FLAG_DEFAULT, nullptr, &path) == S_OK)
        found = QDir::cleanPath(QDir::fromNativeSeparators(QString::fromWCharArray(path)));
    CoTaskMemFree(path);
    return found;
}

FileProblem make(const QString &path)
{
    QStringList missing;
    QString existing = path;
    while (GetFileAttributesW(windowsPath(existing).c_str()) == INVALID_FILE_ATTRIBUTES) {
        const QString parent = QFileInfo(existing).path();
        if (parent == existing)
            break;
        missing.prepend(existing);
        existing = parent;
    }
    HerRights rights;
    for (const QString &folder : missing) {
        if (!CreateDirectoryW(windowsPath(folder).c_str(), rights.attributes()) && GetLastError() != ERROR_ALREADY_EXISTS)
            return problemFromWindowsError(GetLastError(), folder);
    }
    return {};
}

} // namespace

FileProblem prepare(const QString &folder)
{
    const QString path = QDir::cleanPath(QDir(folder).absolutePath());
    DWORD attributes = GetFileAttributesW(windowsPath(path).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        const DWORD error = GetLastError();
        if (error != ERROR_FILE_NOT_FOUND && error != ERROR_PATH_NOT_FOUND)
            return problemFromWindowsError(error, path);
        if (FileProblem problem = make(path))
            return problem;
        attributes = GetFileAttributesW(windowsPath(path).c_str());
        if (attributes == INVALID_FILE_ATTRIBUTES)
            return problemFromWindowsError(GetLastError(), path);
    }
    // A junction or link could carry her files anywhere; a folder kept by
    // OneDrive is a reparse point too, and hers.
    if (redirectsElsewhere(windowsPath(path)))
        return {FileProblem::Cause::LinkedFolder, path, {}};
    if (!(attributes & FILE_ATTRIBUTE_DIRECTORY))
        return {FileProblem::Cause::NotAFolder, path, {}};
    return {};
}

QString home()
{
    const QString profile = knownFolder(FOLDERID_Profile);
    return profile.isEmpty() ? QDir::homePath() : profile;
}

QString userDataHome()
{
    const QString roaming = knownFolder(FOLDERID_RoamingAppData);
    return roaming.isEmpty() ? home() + QStringLiteral("/AppData/Roaming") : roaming;
}

bool isSystemProgramFolder(const QString &programFolder)
{
    const QString folder = QDir::cleanPath(programFolder) + u'/';
    // Her own %LOCALAPPDATA%\Programs too, where the installer puts a copy
    // "somente para mim": installed either way, her data is in her AppData.
    QStringList installed;
    for (REFKNOWNFOLDERID id : {FOLDERID_ProgramFiles, FOLDERID_ProgramFilesX86, FOLDERID_ProgramFilesX64,
                                FOLDERID_UserProgramFiles})
        installed << knownFolder(id);
    // Where the system names no such folder (Wine 8), the installer's own fallback.
    if (const QString local = knownFolder(FOLDERID_LocalAppData); !local.isEmpty())
        installed << local + QStringLiteral("/Programs");
    return std::any_of(installed.begin(), installed.end(), [&](const QString &place) {
        return !place.isEmpty() && folder.startsWith(place + u'/', Qt::CaseInsensitive);
    });
}

} // namespace OwnFolder
