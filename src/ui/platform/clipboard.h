#pragma once

#include "ui/platform/platform.h"

namespace wagecourt::ui {

// The clipboard as plain text. One implementation per windowing system; a
// reader that can stop early may leave out what lies far past maxCharacters
// (and say tooLong), but the caller still cuts the rest.
ClipboardText ReadClipboardText(qsizetype maxCharacters);

} // namespace wagecourt::ui
