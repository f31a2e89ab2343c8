#include "TryThrottle.h"

#include <algorithm>

std::chrono::seconds TryThrottle::waitBeforeNextTry() const
{
    if (m_failures < freeTries)
        return std::chrono::seconds(0);
    const int doublings = std::min(m_failures - freeTries, 16);
    return std::min(std::chrono::seconds(1LL << doublings) * 2, longestWait);
}
