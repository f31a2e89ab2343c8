#include "BoxFieldFocus.h"

namespace BoxFieldFocus {

// Qt raises UI Automation's focus on the box's focus child, the field.
bool fieldAnnouncedAlone()
{
    return true;
}

} // namespace BoxFieldFocus
