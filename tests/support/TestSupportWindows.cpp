// Windows has no second user to become nor a disk to mount here: the cases
// that need them are skipped (POSIX_ONLY), and these only link.

#include "TestSupport.h"

namespace TestSupport {

int runUnprivileged(const std::function<int()> &)
{
    return -1;
}

int runInChild(const std::function<int()> &)
{
    return -1;
}

void openToEveryone(const QString &)
{
}

SmallDisk::SmallDisk(int)
{
}

SmallDisk::~SmallDisk() = default;

void SmallDisk::fill() const
{
}

} // namespace TestSupport
