#include "ParentConsole.h"

#include <cstdio>

#include <windows.h>

namespace ParentConsole {

bool print(const QString &text)
{
    // Redirected to a file or a pipe: bytes in the system's code page.
    const HANDLE output = GetStdHandle(STD_OUTPUT_HANDLE);
    if (output != nullptr && output != INVALID_HANDLE_VALUE && GetFileType(output) != FILE_TYPE_UNKNOWN) {
        DWORD mode = 0;
        if (!GetConsoleMode(output, &mode)) {
            const QByteArray bytes = text.toLocal8Bit();
            DWORD written = 0;
            return WriteFile(output, bytes.constData(), DWORD(bytes.size()), &written, nullptr)
                && written == DWORD(bytes.size());
        }
    } else if (!AttachConsole(ATTACH_PARENT_PROCESS)) {
        return true; // started from the desktop: nobody to answer
    }
    // A console takes her characters as they are, whatever its code page.
    const HANDLE console = CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_WRITE, nullptr,
                                       OPEN_EXISTING, 0, nullptr);
    if (console == INVALID_HANDLE_VALUE)
        return false;
    const std::wstring wide = text.toStdWString();
    DWORD written = 0;
    const bool ok = WriteConsoleW(console, wide.c_str(), DWORD(wide.size()), &written, nullptr)
        && written == DWORD(wide.size());
    CloseHandle(console);
    return ok;
}

} // namespace ParentConsole
