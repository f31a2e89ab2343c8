#pragma once
// Which of an editable box and its text field the system's screen readers
// are given as the focus. Windows (Qt 6.4's UI Automation) is given the
// field alone, which must then carry the box's name; on Linux (AT-SPI) the
// box itself is announced with its caption, and a named field is said twice.

namespace BoxFieldFocus {

bool fieldAnnouncedAlone();

} // namespace BoxFieldFocus
