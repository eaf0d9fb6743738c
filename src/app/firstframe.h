#pragma once

class QWidget;

namespace wagecourt::app {

// For start-up measurements: once the window's first frame is painted, prints
// "first-frame <monotonic clock in nanoseconds>" on standard output and quits.
void quitAfterFirstFrame(QWidget *window);

} // namespace wagecourt::app
