#include "NewFilesPrivate.h"

#include <sys/stat.h>

namespace NewFilesPrivate {

void apply()
{
    ::umask(077);
}

} // namespace NewFilesPrivate
