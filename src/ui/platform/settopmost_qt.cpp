#include "ui/platform/settopmost.h"

#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

namespace wagecourt::ui {

// Where no native call is known: the window's own flag, set on the QWindow so
// the native window is not re-created. A Wayland compositor may ignore it.
void SetTopMost(QWidget *window, bool on)
{
    const QString platform = QGuiApplication::platformName();
    if (platform == QLatin1String("offscreen") || platform == QLatin1String("minimal"))
        return;
    window->winId();
    if (QWindow *handle = window->windowHandle())
        handle->setFlag(Qt::WindowStaysOnTopHint, on);
}

} // namespace wagecourt::ui
