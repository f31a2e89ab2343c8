#include "OpenFolder.h"

#include "HerRights.h"
#include "OwnFolder.h"
#include "Redirect.h"
#include "WindowsError.h"

#include <QDir>

#include <windows.h>

OpenFolder::OpenFolder(const QString &folder, Use use)
    : m_path(QDir::cleanPath(QDir(folder).absolutePath()))
    , m_handle(INVALID_HANDLE_VALUE)
{
    if (use == Use::Write) {
        if (FileProblem problem = OwnFolder::prepare(m_path)) {
            m_problem = problem;
            return;
        }
    }
    if (redirectsElsewhere(windowsPath(m_path))) {
        m_problem = {FileProblem::Cause::LinkedFolder, m_path, {}, use == Use::Read};
        return;
    }
    // Held without FILE_SHARE_DELETE: while it is open, nobody can rename it
    // away and put a junction in its place. The link itself is opened, never
    // followed, and refused below.
    const HANDLE handle = CreateFileW(windowsPath(m_path).c_str(), FILE_LIST_DIRECTORY | FILE_READ_ATTRIBUTES | READ_CONTROL,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                      FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        m_missing = use == Use::Read && (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND);
        m_problem = problemFromWindowsError(error, m_path);
        m_problem.reading = use == Use::Read;
        return;
    }
    BY_HANDLE_FILE_INFORMATION info {};
    FileProblem::Cause refused = FileProblem::Cause::None;
    if (!GetFileInformationByHandle(handle, &info) || !(info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
        refused = FileProblem::Cause::NotAFolder;
    else if (redirectsElsewhere(handle))
        refused = FileProblem::Cause::LinkedFolder;
    // Another account's folder is never used, as on Linux; one that others
    // may only write in is harmless, since each file of hers carries her
    // own access list.
    else if (use != Use::SaveHere && !HerRights().ownsOrTrusted(handle))
        refused = FileProblem::Cause::ForeignFolder;
    if (refused != FileProblem::Cause::None) {
        m_problem = {refused, m_path, {}, use == Use::Read};
        CloseHandle(handle);
        return;
    }
    m_handle = handle;
}

OpenFolder::~OpenFolder()
{
    if (m_handle != INVALID_HANDLE_VALUE)
        CloseHandle(m_handle);
}

bool OpenFolder::isOpen() const
{
    return m_handle != INVALID_HANDLE_VALUE;
}
