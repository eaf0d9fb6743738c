#pragma once

#include "platform/platform.h"

namespace wagecourt::ui {

// Reads the CLIPBOARD selection as text over a connection of its own, giving
// up after the deadline: an owner that never answers, a picture, or a text of
// many megabytes must not hold the window longer than that.
ClipboardText readX11ClipboardText(int deadlineMilliseconds, qsizetype maxBytes);

} // namespace wagecourt::ui
