#include "platform/clipboard_x11.h"

#include <QElapsedTimer>

#include <xcb/xcb.h>

#include <poll.h>

#include <cstdlib>
#include <cstring>
#include <memory>

namespace wagecourt::ui {

namespace {

template <typename T>
using Reply = std::unique_ptr<T, decltype(&std::free)>;

template <typename T>
Reply<T> own(T *reply)
{
    return Reply<T>(reply, &std::free);
}

class Connection
{
public:
    Connection() : m_connection(xcb_connect(nullptr, nullptr)) {}
    ~Connection() { xcb_disconnect(m_connection); }
    Connection(const Connection &) = delete;
    Connection &operator=(const Connection &) = delete;

    bool ok() const { return xcb_connection_has_error(m_connection) == 0; }
    xcb_connection_t *get() const { return m_connection; }

    xcb_atom_t atom(const char *name) const
    {
        auto reply = own(xcb_intern_atom_reply(
                m_connection, xcb_intern_atom(m_connection, 0, uint16_t(std::strlen(name)), name), nullptr));
        return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    }

    // The next event that the predicate accepts, or none once the deadline passes.
    template <typename Accept>
    Reply<xcb_generic_event_t> waitFor(const QElapsedTimer &clock, int deadline, Accept accept) const
    {
        for (;;) {
            while (xcb_generic_event_t *event = xcb_poll_for_event(m_connection)) {
                if (accept(event))
                    return own(event);
                std::free(event);
            }
            const qint64 left = deadline - clock.elapsed();
            if (left <= 0 || !ok())
                return own<xcb_generic_event_t>(nullptr);
            pollfd descriptor{xcb_get_file_descriptor(m_connection), POLLIN, 0};
            ::poll(&descriptor, 1, int(left));
        }
    }

private:
    xcb_connection_t *m_connection;
};

} // namespace

ClipboardText readX11ClipboardText(int deadlineMilliseconds, qsizetype maxBytes)
{
    QElapsedTimer clock;
    clock.start();
    ClipboardText read;

    Connection connection;
    if (!connection.ok())
        return read;
    xcb_connection_t *c = connection.get();
    const xcb_atom_t clipboard = connection.atom("CLIPBOARD");
    const xcb_atom_t utf8 = connection.atom("UTF8_STRING");
    const xcb_atom_t incremental = connection.atom("INCR");
    const xcb_atom_t property = connection.atom("WAGECOURT_CLIPBOARD");

    auto owner = own(xcb_get_selection_owner_reply(c, xcb_get_selection_owner(c, clipboard), nullptr));
    if (!owner || owner->owner == XCB_NONE)
        return read;

    const xcb_screen_t *screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    const xcb_window_t window = xcb_generate_id(c);
    const uint32_t events = XCB_EVENT_MASK_PROPERTY_CHANGE;
    xcb_create_window(c, XCB_COPY_FROM_PARENT, window, screen->root, 0, 0, 1, 1, 0, XCB_WINDOW_CLASS_INPUT_ONLY,
                      XCB_COPY_FROM_PARENT, XCB_CW_EVENT_MASK, &events);

    // One request, answered within the deadline or not at all.
    auto request = [&](xcb_atom_t wanted) {
        xcb_convert_selection(c, window, clipboard, wanted, property, XCB_CURRENT_TIME);
        xcb_flush(c);
        auto notify = connection.waitFor(clock, deadlineMilliseconds, [](xcb_generic_event_t *event) {
            return (event->response_type & 0x7f) == XCB_SELECTION_NOTIFY;
        });
        return notify && reinterpret_cast<xcb_selection_notify_event_t *>(notify.get())->property != XCB_NONE;
    };

    // Ask what the owner offers, so a picture is never taken for text;
    // UTF-8 is preferred, Latin-1 taken when that is all there is.
    const xcb_atom_t targets = connection.atom("TARGETS");
    xcb_atom_t target = utf8;
    if (request(targets)) {
        auto offered = own(xcb_get_property_reply(
                c, xcb_get_property(c, 1, window, property, XCB_ATOM_ATOM, 0, 1024), nullptr));
        target = XCB_ATOM_NONE;
        if (offered) {
            const auto *atoms = static_cast<const xcb_atom_t *>(xcb_get_property_value(offered.get()));
            const int count = xcb_get_property_value_length(offered.get()) / int(sizeof(xcb_atom_t));
            for (int i = 0; i < count; ++i) {
                if (atoms[i] == utf8)
                    target = utf8;
                else if (atoms[i] == XCB_ATOM_STRING && target == XCB_ATOM_NONE)
                    target = XCB_ATOM_STRING;
            }
        }
    } else if (clock.elapsed() >= deadlineMilliseconds) {
        return read; // the owner did not answer in time
    }
    if (target == XCB_ATOM_NONE || !request(target))
        return read; // no text on offer, a picture for instance, or no answer

    QByteArray bytes;
    auto takeProperty = [&]() -> Reply<xcb_get_property_reply_t> {
        // Deleting the property as it is read tells an incremental owner to send more.
        return own(xcb_get_property_reply(
                c, xcb_get_property(c, 1, window, property, XCB_GET_PROPERTY_TYPE_ANY, 0, uint32_t(maxBytes / 4 + 1)),
                nullptr));
    };
    auto first = takeProperty();
    if (!first)
        return read;
    if (first->type != incremental) {
        if (first->bytes_after > 0 || xcb_get_property_value_length(first.get()) > maxBytes) {
            read.tooLong = true;
            return read;
        }
        bytes = QByteArray(static_cast<const char *>(xcb_get_property_value(first.get())),
                           xcb_get_property_value_length(first.get()));
    } else {
        xcb_flush(c);
        for (;;) {
            auto chunkReady = connection.waitFor(clock, deadlineMilliseconds, [&](xcb_generic_event_t *event) {
                if ((event->response_type & 0x7f) != XCB_PROPERTY_NOTIFY)
                    return false;
                auto *change = reinterpret_cast<xcb_property_notify_event_t *>(event);
                return change->atom == property && change->state == XCB_PROPERTY_NEW_VALUE;
            });
            if (!chunkReady)
                return read; // stalled half way: nothing usable
            auto chunk = takeProperty();
            xcb_flush(c);
            if (!chunk)
                return read;
            const int length = xcb_get_property_value_length(chunk.get());
            if (length == 0)
                break; // an empty chunk ends the transfer
            if (bytes.size() + length > maxBytes) {
                read.tooLong = true;
                return read;
            }
            bytes.append(static_cast<const char *>(xcb_get_property_value(chunk.get())), length);
        }
    }
    read.text = target == utf8 ? QString::fromUtf8(bytes) : QString::fromLatin1(bytes);
    return read;
}

} // namespace wagecourt::ui
