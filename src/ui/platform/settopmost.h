#pragma once

class QWidget;

namespace wagecourt::ui {

// Puts the window above all ordinary windows (on) or back among them (off),
// without moving or resizing it. One implementation per windowing system.
void SetTopMost(QWidget *window, bool on);

} // namespace wagecourt::ui
