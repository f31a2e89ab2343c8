#include "BoxFieldFocus.h"

namespace BoxFieldFocus {

bool fieldAnnouncedAlone()
{
    return false;
}

} // namespace BoxFieldFocus
