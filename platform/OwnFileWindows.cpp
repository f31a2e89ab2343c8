#include "OwnFile.h"

#include "HerRights.h"
#include "OpenFolder.h"
#include "Redirect.h"
#include "WindowsError.h"

#include <QFileInfo>

#include <algorithm>

#include <fcntl.h>
#include <io.h>
#include <windows.h>

namespace {

HANDLE handleOf(int fd)
{
    return reinterpret_cast<HANDLE>(_get_osfhandle(fd));
}

// Plain file, never a link or junction, and for writing one with no other
// name. Ownership is the profile's: its rights keep others out of her
// files (the folder the program makes is hers alone).
FileProblem::Cause refusal(HANDLE handle, OwnFile::Access access)
{
    BY_HANDLE_FILE_INFORMATION info {};
    if (GetFileType(handle) != FILE_TYPE_DISK || !GetFileInformationByHandle(handle, &info))
        return FileProblem::Cause::NotAFile;
    if (redirectsElsewhere(handle))
        return FileProblem::Cause::LinkedFile;
    if (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
        return FileProblem::Cause::NotAFile;
    if (access == OwnFile::Access::Write && info.nNumberOfLinks != 1)
        return FileProblem::Cause::HardLinkedFile;
    return FileProblem::Cause::None;
}

} // namespace

OwnFile::OwnFile(const QString &path, Access access)
    : m_path(path)
{
    // Her folder is checked, and held open while the file is opened: without
    // FILE_SHARE_DELETE nobody can rename it away and put a junction there.
    const OpenFolder folder(QFileInfo(path).path(), access == Access::Read ? OpenFolder::Use::Read : OpenFolder::Use::Write);
    if (!folder.isOpen()) {
        m_missing = folder.missing();
        if (!m_missing)
            m_problem = folder.problemFor(path);
        return;
    }
    open(folder, QFileInfo(path).fileName(), access);
}

OwnFile::OwnFile(const OpenFolder &folder, const QString &name, Access access)
    : m_path(folder.filePath(name))
{
    if (folder.isOpen()) {
        open(folder, name, access);
        return;
    }
    m_missing = folder.missing();
    if (!m_missing)
        m_problem = folder.problemFor(m_path);
}

// The folder, held, keeps its place while the file is opened by its name in it.
void OwnFile::open(const OpenFolder &folder, const QString &fileName, Access access)
{
    const QString &path = m_path;
    const std::wstring name = windowsPath(folder.filePath(fileName));
    if (redirectsElsewhere(name)) {
        m_problem = {FileProblem::Cause::LinkedFile, path, {}, access == Access::Read};
        return;
    }
    const DWORD attributes = GetFileAttributesW(name.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        m_problem = {FileProblem::Cause::NotAFile, path, {}};
        return;
    }
    // Other copies of the program share the file; FileLock keeps them apart.
    // FILE_FLAG_OPEN_REPARSE_POINT: a link made after the check above is
    // opened as itself, and refused below, never followed.
    // Made with her rights alone, whatever the folder gives others.
    HerRights rights;
    const HANDLE handle = CreateFileW(
        name.c_str(), (access == Access::Write ? GENERIC_READ | GENERIC_WRITE | WRITE_DAC : GENERIC_READ) | READ_CONTROL,
        FILE_SHARE_READ | FILE_SHARE_WRITE, access == Access::Write ? rights.attributes() : nullptr,
        access == Access::Write ? OPEN_ALWAYS : OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT,
        nullptr);
    const bool existed = GetLastError() == ERROR_ALREADY_EXISTS;
    if (handle == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        m_missing = access == Access::Read && (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND);
        if (!m_missing)
            m_problem = problemFromWindowsError(error, path);
        return;
    }
    FileProblem::Cause cause = refusal(handle, access);
    if (cause == FileProblem::Cause::None && !rights.ownsOrTrusted(handle))
        cause = FileProblem::Cause::ForeignFile;
    if (cause != FileProblem::Cause::None) {
        m_problem = {cause, path, {}, access == Access::Read};
        CloseHandle(handle);
        return;
    }
    // One of hers found open to others is closed as it is written. A disk
    // without access lists (FAT, some shares) refuses, and keeps her file.
    if (access == Access::Write && existed)
        rights.narrow(handle);
    const int fd = _open_osfhandle(reinterpret_cast<intptr_t>(handle), access == Access::Write ? _O_RDWR : _O_RDONLY);
    if (fd < 0) {
        m_problem = problemFromWindowsError(ERROR_TOO_MANY_OPEN_FILES, path);
        CloseHandle(handle);
        return;
    }
    m_fd = fd;
    m_reading = access == Access::Read;
}

OwnFile::~OwnFile()
{
    if (m_fd >= 0)
        _close(m_fd); // closes the handle too
}

bool OwnFile::fail(int error)
{
    m_problem = problemFromWindowsError(DWORD(error), m_path);
    return false;
}

bool OwnFile::readAt(qint64 offset, qint64 size, QByteArray &bytes)
{
    bytes.clear();
    char buffer[64 * 1024];
    while (bytes.size() < size) {
        const auto wanted = DWORD(std::min<qint64>(qint64(sizeof buffer), size - bytes.size()));
        OVERLAPPED at {};
        const quint64 position = quint64(offset + bytes.size());
        at.Offset = DWORD(position & 0xFFFFFFFFu);
        at.OffsetHigh = DWORD(position >> 32);
        DWORD n = 0;
        if (!ReadFile(handleOf(m_fd), buffer, wanted, &n, &at)) {
            if (GetLastError() == ERROR_HANDLE_EOF)
                break;
            return fail(int(GetLastError()));
        }
        if (n == 0)
            break;
        bytes.append(buffer, qsizetype(n));
    }
    return true;
}

bool OwnFile::writeAt(qint64 offset, QByteArrayView bytes)
{
    qint64 done = 0;
    while (done < bytes.size()) {
        OVERLAPPED at {};
        const quint64 position = quint64(offset + done);
        at.Offset = DWORD(position & 0xFFFFFFFFu);
        at.OffsetHigh = DWORD(position >> 32);
        DWORD n = 0;
        const auto wanted = DWORD(std::min<qint64>(bytes.size() - done, 1 << 30));
        if (!WriteFile(handleOf(m_fd), bytes.data() + done, wanted, &n, &at))
            return fail(int(GetLastError()));
        done += n;
    }
    return true;
}

bool OwnFile::resize(qint64 size)
{
    FILE_END_OF_FILE_INFO end {};
    end.EndOfFile.QuadPart = size;
    return SetFileInformationByHandle(handleOf(m_fd), FileEndOfFileInfo, &end, sizeof end) || fail(int(GetLastError()));
}

qint64 OwnFile::size()
{
    LARGE_INTEGER length {};
    if (!GetFileSizeEx(handleOf(m_fd), &length)) {
        fail(int(GetLastError()));
        return -1;
    }
    return length.QuadPart;
}
