#include "app/displayprobes.h"

#include <QtGlobal>

#include <algorithm>

#if defined(Q_OS_UNIX)
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#endif
#ifdef WAGECOURT_HAVE_XCB
#include <xcb/xcb.h>
#endif

namespace wagecourt::app {

namespace {

bool xServerAnswers(const QByteArray &display)
{
#ifdef WAGECOURT_HAVE_XCB
    xcb_connection_t *connection = xcb_connect(display.constData(), nullptr);
    const bool answers = xcb_connection_has_error(connection) == 0;
    xcb_disconnect(connection);
    return answers;
#else
    Q_UNUSED(display);
    return true; // let the toolkit try
#endif
}

bool waylandCompositorAnswers(const QByteArray &waylandDisplay)
{
#if defined(Q_OS_UNIX)
    // The socket lies where the Wayland client library looks for it.
    QByteArray path = waylandDisplay;
    if (!path.startsWith('/')) {
        const QByteArray runtimeDir = qgetenv("XDG_RUNTIME_DIR");
        if (runtimeDir.isEmpty())
            return false;
        path = runtimeDir + '/' + path;
    }
    sockaddr_un address{};
    if (path.size() >= qsizetype(sizeof address.sun_path))
        return false;
    address.sun_family = AF_UNIX;
    std::copy(path.cbegin(), path.cend(), address.sun_path);
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return false;
    const bool answers = ::connect(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address) == 0;
    ::close(fd);
    return answers;
#else
    Q_UNUSED(waylandDisplay);
    return false;
#endif
}

} // namespace

DisplayEnvironment currentDisplayEnvironment(const CommandLine &commandLine)
{
    DisplayEnvironment environment;
    environment.platformAskedFor = qEnvironmentVariable("QT_QPA_PLATFORM");
    if (environment.platformAskedFor.isEmpty())
        environment.platformAskedFor = commandLine.platform;
    environment.display = commandLine.display.isEmpty() ? qEnvironmentVariable("DISPLAY") : commandLine.display;
    environment.waylandDisplay = qEnvironmentVariable("WAYLAND_DISPLAY");
    const QByteArray display = environment.display.toLocal8Bit();
    const QByteArray waylandDisplay = environment.waylandDisplay.toLocal8Bit();
    environment.xServerAnswers = [display] { return xServerAnswers(display); };
    environment.waylandCompositorAnswers = [waylandDisplay] { return waylandCompositorAnswers(waylandDisplay); };
    return environment;
}

} // namespace wagecourt::app
