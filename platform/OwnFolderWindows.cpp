#include "OwnFolder.h"

#include "WindowsError.h"

#include <QDir>
#include <QFileInfo>

#include <windows.h>
#include <sddl.h>
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

// Rights for her and the system alone, not inherited from above: what
// mode 0700 says on Linux. Files made inside inherit them.
class HerRightsOnly
{
public:
    HerRightsOnly()
    {
        HANDLE token = nullptr;
        if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token))
            return;
        DWORD size = 0;
        GetTokenInformation(token, TokenUser, nullptr, 0, &size);
        QByteArray buffer(qsizetype(size), '\0');
        wchar_t *sid = nullptr;
        if (size && GetTokenInformation(token, TokenUser, buffer.data(), size, &size)
            && ConvertSidToStringSidW(reinterpret_cast<TOKEN_USER *>(buffer.data())->User.Sid, &sid)) {
            const std::wstring sddl = L"D:P(A;OICI;FA;;;" + std::wstring(sid) + L")(A;OICI;FA;;;SY)";
            LocalFree(sid);
            ConvertStringSecurityDescriptorToSecurityDescriptorW(sddl.c_str(), SDDL_REVISION_1, &m_descriptor, nullptr);
        }
        CloseHandle(token);
        m_attributes.nLength = sizeof m_attributes;
        m_attributes.lpSecurityDescriptor = m_descriptor;
    }
    ~HerRightsOnly() { LocalFree(m_descriptor); }
    HerRightsOnly(const HerRightsOnly &) = delete;
    HerRightsOnly &operator=(const HerRightsOnly &) = delete;

    // Null, and the parent's rights, when hers could not be found.
    SECURITY_ATTRIBUTES *attributes() { return m_descriptor ? &m_attributes : nullptr; }

private:
    PSECURITY_DESCRIPTOR m_descriptor = nullptr;
    SECURITY_ATTRIBUTES m_attributes {};
};

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
    HerRightsOnly rights;
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
    // A junction or link could carry her files anywhere.
    if (attributes & FILE_ATTRIBUTE_REPARSE_POINT)
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
    for (REFKNOWNFOLDERID id : {FOLDERID_ProgramFiles, FOLDERID_ProgramFilesX86, FOLDERID_ProgramFilesX64}) {
        const QString system = knownFolder(id);
        if (!system.isEmpty() && folder.startsWith(system + u'/', Qt::CaseInsensitive))
            return true;
    }
    return false;
}

} // namespace OwnFolder
