#include "WindowsError.h"

#include <QDir>

#include <windows.h>

// Not in every SDK's headers.
#ifndef ERROR_DISK_QUOTA_EXCEEDED
#define ERROR_DISK_QUOTA_EXCEEDED 1295L
#endif
#ifndef ERROR_STOPPED_ON_SYMLINK
#define ERROR_STOPPED_ON_SYMLINK 681L
#endif

FileProblem problemFromWindowsError(unsigned long error, const QString &path)
{
    using Cause = FileProblem::Cause;
    switch (error) {
    case ERROR_SUCCESS:
        return {};
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
    case ERROR_DISK_QUOTA_EXCEEDED:
        return {Cause::NoSpace, path, {}};
    case ERROR_ACCESS_DENIED:
    case ERROR_PRIVILEGE_NOT_HELD:
        return {Cause::NoPermission, path, {}};
    case ERROR_WRITE_PROTECT:
        return {Cause::ReadOnlyDisk, path, {}};
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_DRIVE:
        return {Cause::FolderMissing, path, {}};
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
    case ERROR_USER_MAPPED_FILE:
        return {Cause::OpenElsewhere, path, {}};
    case ERROR_FILENAME_EXCED_RANGE:
        return {Cause::Other, path, QStringLiteral("o nome ou o caminho é longo demais")};
    case ERROR_CANT_ACCESS_FILE:
    case ERROR_CANT_RESOLVE_FILENAME:
    case ERROR_STOPPED_ON_SYMLINK:
        return {Cause::LinkedFile, path, {}};
    default:
        break;
    }
    // The system's own words, in the system's language.
    wchar_t *text = nullptr;
    const DWORD length = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM
                                            | FORMAT_MESSAGE_IGNORE_INSERTS,
                                        nullptr, DWORD(error), 0, reinterpret_cast<wchar_t *>(&text), 0, nullptr);
    QString detail = length ? QString::fromWCharArray(text, int(length)).trimmed()
                            : QStringLiteral("erro %1").arg(error);
    LocalFree(text);
    if (detail.endsWith(u'.'))
        detail.chop(1);
    return {Cause::Other, path, detail};
}

std::wstring windowsPath(const QString &path)
{
    QString native = QDir::toNativeSeparators(path);
    // Past MAX_PATH the system's calls take a full path only in its long
    // form, whatever the machine's long-path setting.
    constexpr qsizetype roomForAName = MAX_PATH - 12;
    if (native.size() >= roomForAName && !native.startsWith(QLatin1String("\\\\?\\"))) {
        if (native.startsWith(QLatin1String("\\\\")))
            native = QLatin1String("\\\\?\\UNC\\") + native.mid(2);
        else if (native.size() > 2 && native[1] == u':')
            native = QLatin1String("\\\\?\\") + QDir::toNativeSeparators(QDir::cleanPath(path));
    }
    return native.toStdWString();
}
