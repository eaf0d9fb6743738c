#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

namespace wagecourt::app {

// What the window can open on, as seen before the toolkit starts.
struct DisplayEnvironment
{
    QString platformAskedFor;  // QT_QPA_PLATFORM, else the -platform argument
    QString display;           // the -display argument, else DISPLAY
    QString waylandDisplay;    // WAYLAND_DISPLAY
    std::function<bool()> xServerAnswers;
    std::function<bool()> waylandCompositorAnswers;
};

struct PlatformChoice
{
    QByteArray platform; // for QT_QPA_PLATFORM; empty leaves the toolkit's own choice
    QString refusal;     // set when no window can open: print it and exit 1
    QString failure;     // what to print should the toolkit still fail to start
};

// With no platform asked for, X11 comes first, also under a Wayland compositor
// (XWayland), because only X11 lets a window keep itself above the others
// (Wayland has no request for it: wayland/wayland issue 305 on
// gitlab.freedesktop.org);
// native Wayland is the fallback when no X server answers. The probes run
// only when WAYLAND_DISPLAY is set, so a plain X11 start costs nothing more.
PlatformChoice choosePlatform(const DisplayEnvironment &environment);

} // namespace wagecourt::app
