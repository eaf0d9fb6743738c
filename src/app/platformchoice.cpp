#include "app/platformchoice.h"

namespace wagecourt::app {

using namespace Qt::StringLiterals;

namespace {

QString quoted(const QString &value) { return u"'"_s + value + u"'"_s; }

} // namespace

PlatformChoice choosePlatform(const DisplayEnvironment &environment)
{
    const QString noDisplay = u"wagecourt: no display to open the window on ("_s;
    PlatformChoice choice;
    if (!environment.platformAskedFor.isEmpty()) {
        choice.failure = u"wagecourt: the window cannot open on the platform "_s
            + quoted(environment.platformAskedFor)
            + u" that was asked for (its Qt plugin is missing, or it found no display)"_s;
        return choice;
    }
    const bool hasX = !environment.display.isEmpty();
    const bool hasWayland = !environment.waylandDisplay.isEmpty();
    const QString xServer = hasX ? u"no X server answers at DISPLAY "_s + quoted(environment.display)
                                 : u"DISPLAY is not set"_s;
    if (!hasX && !hasWayland) {
        choice.refusal = noDisplay + u"DISPLAY and WAYLAND_DISPLAY are not set)"_s;
        return choice;
    }
    if (!hasWayland) {
        // A plain X11 session: no probe, the toolkit finds out soon enough.
        choice.platform = "xcb";
        choice.failure = noDisplay + xServer + u')';
        return choice;
    }
    const QString compositor = quoted(environment.waylandDisplay);
    if (hasX && environment.xServerAnswers && environment.xServerAnswers()) {
        choice.platform = "xcb;wayland";
        choice.failure = u"wagecourt: the window could start neither on the X server at DISPLAY "_s
            + quoted(environment.display) + u" nor on the Wayland compositor at WAYLAND_DISPLAY "_s
            + compositor;
        return choice;
    }
    if (environment.waylandCompositorAnswers && environment.waylandCompositorAnswers()) {
        choice.platform = "wayland";
        choice.failure = noDisplay + xServer
            + u", and Qt's Wayland platform, from the qt6-wayland package, did not start)"_s;
        return choice;
    }
    choice.refusal = noDisplay + xServer + u", and no Wayland compositor answers at WAYLAND_DISPLAY "_s
        + compositor + u')';
    return choice;
}

} // namespace wagecourt::app
