#include "ParentConsole.h"

#include <cstdio>

namespace ParentConsole {

bool print(const QString &text)
{
    const QByteArray bytes = text.toLocal8Bit();
    return std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout) == size_t(bytes.size())
        && std::fflush(stdout) == 0;
}

} // namespace ParentConsole
