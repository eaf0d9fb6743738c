#include "platform/settopmost.h"

#include <QGuiApplication>
#include <QtGui/qguiapplication_platform.h>
#include <QWidget>
#include <QWindow>

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>

namespace wagecourt::ui {

namespace {

xcb_atom_t internAtom(xcb_connection_t *connection, const char *name)
{
    const xcb_intern_atom_cookie_t cookie = xcb_intern_atom(connection, 0, uint16_t(std::strlen(name)), name);
    xcb_intern_atom_reply_t *reply = xcb_intern_atom_reply(connection, cookie, nullptr);
    const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(reply);
    return atom;
}

// Asks the window manager to add or remove _NET_WM_STATE_ABOVE, the way every
// EWMH window manager expects a mapped window's state to change.
void sendAboveState(xcb_connection_t *connection, xcb_window_t window, bool on)
{
    const xcb_atom_t state = internAtom(connection, "_NET_WM_STATE");
    const xcb_atom_t above = internAtom(connection, "_NET_WM_STATE_ABOVE");
    if (state == XCB_ATOM_NONE || above == XCB_ATOM_NONE)
        return;
    const xcb_screen_t *screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;

    xcb_client_message_event_t message;
    std::memset(&message, 0, sizeof message);
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = window;
    message.type = state;
    message.data.data32[0] = on ? 1 : 0; // _NET_WM_STATE_ADD / _NET_WM_STATE_REMOVE
    message.data.data32[1] = above;
    message.data.data32[2] = 0;
    message.data.data32[3] = 1; // a normal application asks
    xcb_send_event(connection, 0, screen->root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char *>(&message));
    xcb_flush(connection);
}

} // namespace

void SetTopMost(QWidget *window, bool on)
{
    const QString platform = QGuiApplication::platformName();
    window->winId(); // the native window must exist before its state can be set
    QWindow *handle = window->windowHandle();

    auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (platform == QLatin1String("xcb") && x11 && handle && handle->isVisible()) {
        // The QWindow's own id: setting its flag before the first show re-creates the
        // native window, and QWidget::winId() may still name the old one.
        sendAboveState(x11->connection(), xcb_window_t(handle->winId()), on);
        return;
    }
    // Not shown yet (or not X11): the state goes with the window when it is mapped.
    // QWindow's flag changes no native window, unlike QWidget::setWindowFlags.
    if (handle && platform != QLatin1String("offscreen") && platform != QLatin1String("minimal"))
        handle->setFlag(Qt::WindowStaysOnTopHint, on);
}

} // namespace wagecourt::ui
