#include "WholeFileSave.h"

#include "HerRights.h"
#include "OpenFolder.h"
#include "Redirect.h"
#include "WindowsError.h"

#include <QFileInfo>
#include <QUuid>

#include <algorithm>

#include <fcntl.h>
#include <io.h>
#include <windows.h>

namespace {

FileProblem refusalOfExisting(const QString &path)
{
    const std::wstring name = windowsPath(path);
    const DWORD attributes = GetFileAttributesW(name.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        const DWORD error = GetLastError();
        return error == ERROR_FILE_NOT_FOUND ? FileProblem{} : problemFromWindowsError(error, path);
    }
    if (redirectsElsewhere(name))
        return {FileProblem::Cause::LinkedFile, path, {}};
    if (attributes & FILE_ATTRIBUTE_DIRECTORY)
        return {FileProblem::Cause::NotAFile, path, {}};
    const HANDLE handle = CreateFileW(name.c_str(), FILE_READ_ATTRIBUTES | READ_CONTROL,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                      FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return problemFromWindowsError(GetLastError(), path);
    BY_HANDLE_FILE_INFORMATION info {};
    const bool known = GetFileInformationByHandle(handle, &info) && GetFileType(handle) == FILE_TYPE_DISK;
    const bool hers = HerRights().ownsOrTrusted(handle);
    const bool link = redirectsElsewhere(handle);
    CloseHandle(handle);
    if (link)
        return {FileProblem::Cause::LinkedFile, path, {}};
    if (!known)
        return {FileProblem::Cause::NotAFile, path, {}};
    if (!hers)
        return {FileProblem::Cause::ForeignFile, path, {}};
    if (info.nNumberOfLinks != 1)
        return {FileProblem::Cause::HardLinkedFile, path, {}};
    return {};
}

const QString temporaryPrefix = QStringLiteral(".quintrela-");
constexpr int temporaryRandom = 8;
// A save holds its temporary file shut to every other opening while it
// writes, and renames it the moment it is closed: one untouched this long,
// that nobody holds, is a leftover of a save killed midway.
constexpr qint64 leftoverAge = 60; // seconds

bool isLeftover(HANDLE file)
{
    FILETIME written {};
    FILETIME now {};
    BY_HANDLE_FILE_INFORMATION info {};
    if (!GetFileTime(file, nullptr, nullptr, &written) || !GetFileInformationByHandle(file, &info))
        return false;
    GetSystemTimeAsFileTime(&now);
    const auto ticks = [](const FILETIME &t) { return (qint64(t.dwHighDateTime) << 32) | t.dwLowDateTime; };
    constexpr qint64 ticksPerSecond = 10000000;
    return !(info.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT))
        && info.nNumberOfLinks == 1 && ticks(now) - ticks(written) > leftoverAge * ticksPerSecond
        && HerRights().ownsOrTrusted(file);
}

// Hers are removed; whatever else stands there is left alone.
void removeLeftovers(const QString &folder)
{
    WIN32_FIND_DATAW found {};
    const HANDLE search = FindFirstFileW(windowsPath(folder + u'/' + temporaryPrefix + u'*').c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return;
    do {
        const QString name = QString::fromWCharArray(found.cFileName);
        if (name.size() != temporaryPrefix.size() + temporaryRandom)
            continue;
        // Opened shut to all others: a running save's file is refused here.
        const HANDLE file = CreateFileW(windowsPath(folder + u'/' + name).c_str(), DELETE | READ_CONTROL | FILE_READ_ATTRIBUTES,
                                        0, nullptr, OPEN_EXISTING, FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
        if (file == INVALID_HANDLE_VALUE)
            continue;
        if (isLeftover(file)) {
            FILE_DISPOSITION_INFO gone {TRUE};
            SetFileInformationByHandle(file, FileDispositionInfo, &gone, sizeof gone);
        }
        CloseHandle(file);
    } while (FindNextFileW(search, &found));
    FindClose(search);
}

// The temporary file, removed unless it was put in place.
class TemporaryFile
{
public:
    explicit TemporaryFile(const QString &folder)
        : m_name(windowsPath(folder + u'/' + temporaryPrefix
                             + QUuid::createUuid().toString(QUuid::WithoutBraces).left(temporaryRandom)))
    {
        // Made new, never opened through a name someone placed first, with
        // her rights alone: the page keeps them when it takes the final name.
        HerRights rights;
        const HANDLE handle = CreateFileW(m_name.c_str(), GENERIC_WRITE, 0, rights.attributes(), CREATE_NEW,
                                          FILE_ATTRIBUTE_NORMAL, nullptr);
        if (handle == INVALID_HANDLE_VALUE) {
            m_error = GetLastError();
            return;
        }
        m_fd = _open_osfhandle(reinterpret_cast<intptr_t>(handle), _O_WRONLY);
        if (m_fd < 0) {
            m_error = ERROR_TOO_MANY_OPEN_FILES;
            CloseHandle(handle);
        }
    }
    ~TemporaryFile()
    {
        if (m_fd >= 0)
            _close(m_fd);
        if (!m_placed)
            DeleteFileW(m_name.c_str());
    }
    int fd() const { return m_fd; }
    unsigned long error() const { return m_error; }
    const wchar_t *name() const { return m_name.c_str(); }
    bool writeAll(QByteArrayView bytes)
    {
        qint64 done = 0;
        while (done < bytes.size()) {
            DWORD n = 0;
            const auto wanted = DWORD(std::min<qint64>(bytes.size() - done, 1 << 30));
            if (!WriteFile(reinterpret_cast<HANDLE>(_get_osfhandle(m_fd)), bytes.data() + done, wanted, &n, nullptr)) {
                m_error = GetLastError();
                return false;
            }
            done += n;
        }
        return true;
    }
    void close()
    {
        _close(m_fd);
        m_fd = -1;
    }
    void placed() { m_placed = true; }

private:
    std::wstring m_name;
    int m_fd = -1;
    unsigned long m_error = 0;
    bool m_placed = false;
};

} // namespace

FileProblem saveWholeFile(const QString &path, QByteArrayView bytes, const FileSync &sync)
{
    if (FileProblem refused = refusalOfExisting(path))
        return refused;
    removeLeftovers(QFileInfo(path).absolutePath());
    TemporaryFile temporary(QFileInfo(path).absolutePath());
    if (temporary.fd() < 0)
        return problemFromWindowsError(temporary.error(), path);
    if (!temporary.writeAll(bytes))
        return problemFromWindowsError(temporary.error(), path);
    if (FileProblem problem; !sync(temporary.fd(), &problem)) {
        problem.path = path;
        return problem;
    }
    temporary.close();
    if (!MoveFileExW(temporary.name(), windowsPath(path).c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        DWORD error = GetLastError();
        // A file held open by a viewer refuses its replacement as "access
        // denied": asked to be opened for deleting, it tells the truth.
        if (error == ERROR_ACCESS_DENIED) {
            const HANDLE held = CreateFileW(windowsPath(path).c_str(), DELETE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                            nullptr, OPEN_EXISTING, FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
            if (held == INVALID_HANDLE_VALUE && GetLastError() == ERROR_SHARING_VIOLATION)
                error = ERROR_SHARING_VIOLATION;
            else if (held != INVALID_HANDLE_VALUE)
                CloseHandle(held);
        }
        return problemFromWindowsError(error, path);
    }
    temporary.placed();
    return {};
}

// The folder, held by the caller, keeps its place: no junction can stand in for it.
FileProblem saveWholeFile(const OpenFolder &folder, const QString &name, QByteArrayView bytes, const FileSync &sync)
{
    if (!folder.isOpen())
        return folder.problemFor(folder.filePath(name));
    return saveWholeFile(folder.filePath(name), bytes, sync);
}

FileProblem removeOwnFile(const OpenFolder &folder, const QString &name)
{
    const QString path = folder.filePath(name);
    if (FileProblem refused = refusalOfExisting(path))
        return refused;
    if (!DeleteFileW(windowsPath(path).c_str()) && GetLastError() != ERROR_FILE_NOT_FOUND)
        return problemFromWindowsError(GetLastError(), path);
    return {};
}
