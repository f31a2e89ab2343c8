#include "NewFilesPrivate.h"

namespace NewFilesPrivate {

void apply()
{
    // Windows has no umask: what is made takes its folder's access list, and
    // her files and folder are made with her-only lists where they are made.
}

} // namespace NewFilesPrivate
