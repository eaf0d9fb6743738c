#include "ui/platform/settopmost.h"

#include "ui/platform/xcbatoms.h"

#include <QEvent>
#include <QGuiApplication>
#include <QtGui/qguiapplication_platform.h>
#include <QWidget>
#include <QWindow>

#include <xcb/xcb.h>

#include <array>
#include <cstring>

namespace wagecourt::ui {

namespace {

struct StateAtoms
{
    xcb_atom_t state = XCB_ATOM_NONE;
    xcb_atom_t above = XCB_ATOM_NONE;
};

using StateAtomRequest = AtomRequest<2>;
constexpr std::array<const char *, 2> kStateAtomNames{"_NET_WM_STATE", "_NET_WM_STATE_ABOVE"};

StateAtoms stateAtoms(StateAtomRequest &request)
{
    const auto &atoms = request.answer();
    return {atoms[0], atoms[1]};
}

// One display connection per process, so the atoms are learnt once.
StateAtoms &knownAtoms()
{
    static StateAtoms atoms;
    return atoms;
}

// Asks the window manager to add or remove _NET_WM_STATE_ABOVE, the way every
// EWMH window manager expects a mapped window's state to change (freedesktop.org's
// Extended Window Manager Hints, _NET_WM_STATE).
void sendAboveState(xcb_connection_t *connection, xcb_window_t window, bool on)
{
    StateAtoms &atoms = knownAtoms();
    if (atoms.state == XCB_ATOM_NONE || atoms.above == XCB_ATOM_NONE)
    {
        StateAtomRequest request(connection, kStateAtomNames);
        atoms = stateAtoms(request);
    }
    if (atoms.state == XCB_ATOM_NONE || atoms.above == XCB_ATOM_NONE)
        return;
    const xcb_screen_t *screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;

    xcb_client_message_event_t message;
    std::memset(&message, 0, sizeof message);
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = window;
    message.type = atoms.state;
    message.data.data32[0] = on ? 1 : 0; // _NET_WM_STATE_ADD / _NET_WM_STATE_REMOVE
    message.data.data32[1] = atoms.above;
    message.data.data32[2] = 0;
    message.data.data32[3] = 1; // a normal application asks
    xcb_send_event(connection, 0, screen->root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char *>(&message));
    xcb_flush(connection);
}

// icewm keeps any state a window already had when it was mapped, and ignores
// later requests to remove it (a layer change of its that waits for a focus
// change is bbidulock/icewm issue 629 on GitHub). So the window is mapped
// without ABOVE, and the first request waits here until the window is mapped
// and shown. The atoms it needs are asked for meanwhile, so the first frame
// never waits for them.
class AboveOnceMapped : public QObject
{
    Q_OBJECT

public:
    AboveOnceMapped(QWindow *window, xcb_connection_t *connection)
        : QObject(window), m_window(window), m_atoms(connection, kStateAtomNames)
    {
        window->installEventFilter(this);
    }

    void want(bool on) { m_on = on; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == m_window && event->type() == QEvent::Expose && m_window->isExposed()) {
            m_window->removeEventFilter(this);
            if (knownAtoms().state == XCB_ATOM_NONE)
                knownAtoms() = stateAtoms(m_atoms);
            if (m_on) // mapped without the state, so there is nothing to remove
                if (auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>())
                    sendAboveState(x11->connection(), xcb_window_t(m_window->winId()), true);
            deleteLater();
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QWindow *m_window;
    StateAtomRequest m_atoms;
    bool m_on = false;
};

} // namespace

void SetTopMost(QWidget *window, bool on)
{
    const QString platform = QGuiApplication::platformName();
    if (platform == QLatin1String("offscreen") || platform == QLatin1String("minimal"))
        return;
    window->winId(); // the native window must exist before its state can be set
    QWindow *handle = window->windowHandle();
    if (!handle)
        return;

    auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (platform != QLatin1String("xcb") || !x11) {
        // Another windowing system: the state goes with the window when it is mapped.
        // QWindow's flag changes no native window, unlike QWidget::setWindowFlags,
        // which re-creates and hides it (Qt's QWidget documentation, windowFlags).
        handle->setFlag(Qt::WindowStaysOnTopHint, on);
        return;
    }
    auto *waiting = handle->findChild<AboveOnceMapped *>(QString(), Qt::FindDirectChildrenOnly);
    if (handle->isExposed() && !waiting) {
        sendAboveState(x11->connection(), xcb_window_t(handle->winId()), on);
        return;
    }
    if (!waiting)
        waiting = new AboveOnceMapped(handle, x11->connection());
    waiting->want(on);
}

} // namespace wagecourt::ui

#include "settopmost_x11.moc"
