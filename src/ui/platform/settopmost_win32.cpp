#include "ui/platform/settopmost.h"

#include <QWidget>

#include <windows.h>

namespace wagecourt::ui {

void SetTopMost(QWidget *window, bool on)
{
    // The result is not examined: a window that cannot go on top stays usable.
    ::SetWindowPos(reinterpret_cast<HWND>(window->winId()), on ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                   SWP_NOSIZE | SWP_NOMOVE);
}

} // namespace wagecourt::ui
