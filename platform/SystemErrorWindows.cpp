#include "SystemError.h"

#include "WindowsError.h"

FileProblem problemFromSystemError(int code, const QString &path)
{
    return problemFromWindowsError(static_cast<unsigned long>(code), path);
}
