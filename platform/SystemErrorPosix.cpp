#include "SystemError.h"

FileProblem problemFromSystemError(int code, const QString &path)
{
    return FileProblem::fromErrno(code, path);
}
