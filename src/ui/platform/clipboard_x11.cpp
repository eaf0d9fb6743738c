#include "ui/platform/clipboard.h"

#include "ui/platform/xcbatoms.h"

#include <QClipboard>
#include <QElapsedTimer>
#include <QGuiApplication>

#include <xcb/xcb.h>

#include <poll.h>

#include <array>
#include <cstdlib>
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

// One transfer of the selection into a property of a window of our own.
struct Transfer
{
    const Connection &connection;
    const QElapsedTimer &clock;
    int deadline;
    qsizetype maxBytes;
    xcb_window_t window = XCB_NONE;
    xcb_atom_t clipboard, utf8, incremental, property, targets;
};

struct Bytes
{
    bool complete = false;
    bool tooLong = false;
    QByteArray bytes;
};

// One request, answered within the deadline or not at all.
bool request(const Transfer &transfer, xcb_atom_t wanted)
{
    xcb_connection_t *c = transfer.connection.get();
    xcb_convert_selection(c, transfer.window, transfer.clipboard, wanted, transfer.property, XCB_CURRENT_TIME);
    xcb_flush(c);
    auto notify = transfer.connection.waitFor(transfer.clock, transfer.deadline, [](xcb_generic_event_t *event) {
        return (event->response_type & 0x7f) == XCB_SELECTION_NOTIFY;
    });
    return notify && reinterpret_cast<xcb_selection_notify_event_t *>(notify.get())->property != XCB_NONE;
}

// The text target among those the owner answered TARGETS with, so a picture is
// never taken for text: UTF-8 preferred, Latin-1 when that is all there is.
xcb_atom_t offeredTextTarget(const Transfer &transfer)
{
    xcb_connection_t *c = transfer.connection.get();
    auto offered = own(xcb_get_property_reply(
            c, xcb_get_property(c, 1, transfer.window, transfer.property, XCB_ATOM_ATOM, 0, 1024), nullptr));
    xcb_atom_t target = XCB_ATOM_NONE;
    if (!offered)
        return target;
    const auto *atoms = static_cast<const xcb_atom_t *>(xcb_get_property_value(offered.get()));
    const int count = xcb_get_property_value_length(offered.get()) / int(sizeof(xcb_atom_t));
    for (int i = 0; i < count; ++i) {
        if (atoms[i] == transfer.utf8)
            target = transfer.utf8;
        else if (atoms[i] == XCB_ATOM_STRING && target == XCB_ATOM_NONE)
            target = XCB_ATOM_STRING;
    }
    return target;
}

Reply<xcb_get_property_reply_t> takeProperty(const Transfer &transfer)
{
    // Deleting the property as it is read tells an incremental owner to send more.
    xcb_connection_t *c = transfer.connection.get();
    return own(xcb_get_property_reply(c,
                                      xcb_get_property(c, 1, transfer.window, transfer.property,
                                                       XCB_GET_PROPERTY_TYPE_ANY, 0,
                                                       uint32_t(transfer.maxBytes / 4 + 1)),
                                      nullptr));
}

// The chunks of an incremental owner, each announced by a new value of the property.
Bytes readIncrementally(const Transfer &transfer)
{
    Bytes read;
    xcb_connection_t *c = transfer.connection.get();
    xcb_flush(c);
    for (;;) {
        auto isNewChunk = [&](xcb_generic_event_t *event) {
            if ((event->response_type & 0x7f) != XCB_PROPERTY_NOTIFY)
                return false;
            auto *change = reinterpret_cast<xcb_property_notify_event_t *>(event);
            return change->atom == transfer.property && change->state == XCB_PROPERTY_NEW_VALUE;
        };
        auto chunkReady = transfer.connection.waitFor(transfer.clock, transfer.deadline, isNewChunk);
        if (!chunkReady)
            return read; // stalled half way: nothing usable
        auto chunk = takeProperty(transfer);
        xcb_flush(c);
        if (!chunk)
            return read;
        const int length = xcb_get_property_value_length(chunk.get());
        if (length == 0) {
            read.complete = true; // an empty chunk ends the transfer
            return read;
        }
        if (read.bytes.size() + length > transfer.maxBytes) {
            read.tooLong = true;
            return read;
        }
        read.bytes.append(static_cast<const char *>(xcb_get_property_value(chunk.get())), length);
    }
}

Bytes readProperty(const Transfer &transfer)
{
    Bytes read;
    auto first = takeProperty(transfer);
    if (!first)
        return read;
    if (first->type == transfer.incremental)
        return readIncrementally(transfer);
    const int length = xcb_get_property_value_length(first.get());
    if (first->bytes_after > 0 || length > transfer.maxBytes) {
        read.tooLong = true;
        return read;
    }
    read.bytes = QByteArray(static_cast<const char *>(xcb_get_property_value(first.get())), length);
    read.complete = true;
    return read;
}

// Owners answer in milliseconds; one that has not answered by now will not.
constexpr int kClipboardDeadlineMilliseconds = 750;

// Reads the CLIPBOARD selection as text over a connection of its own, giving
// up after the deadline: an owner that never answers, a picture, or a text of
// many megabytes must not hold the window longer than that.
ClipboardText readX11ClipboardText(int deadlineMilliseconds, qsizetype maxBytes)
{
    QElapsedTimer clock;
    clock.start();
    ClipboardText read;

    Connection connection;
    if (!connection.ok())
        return read;
    xcb_connection_t *c = connection.get();
    AtomRequest atomRequest(c, std::array{"CLIPBOARD", "UTF8_STRING", "INCR", "WAGECOURT_CLIPBOARD", "TARGETS"});
    const auto &[clipboard, utf8, incremental, property, targets] = atomRequest.answer();
    Transfer transfer{connection, clock, deadlineMilliseconds, maxBytes, XCB_NONE,
                      clipboard, utf8, incremental, property, targets};

    auto owner = own(xcb_get_selection_owner_reply(c, xcb_get_selection_owner(c, clipboard), nullptr));
    if (!owner || owner->owner == XCB_NONE)
        return read;

    const xcb_screen_t *screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    transfer.window = xcb_generate_id(c);
    const uint32_t events = XCB_EVENT_MASK_PROPERTY_CHANGE;
    xcb_create_window(c, XCB_COPY_FROM_PARENT, transfer.window, screen->root, 0, 0, 1, 1, 0,
                      XCB_WINDOW_CLASS_INPUT_ONLY, XCB_COPY_FROM_PARENT, XCB_CW_EVENT_MASK, &events);

    xcb_atom_t target = utf8;
    if (request(transfer, targets))
        target = offeredTextTarget(transfer);
    else if (clock.elapsed() >= deadlineMilliseconds)
        return read; // the owner did not answer in time
    if (target == XCB_ATOM_NONE || !request(transfer, target))
        return read; // no text on offer, a picture for instance, or no answer

    const Bytes bytes = readProperty(transfer);
    read.tooLong = bytes.tooLong;
    if (bytes.complete)
        read.text = target == utf8 ? QString::fromUtf8(bytes.bytes) : QString::fromLatin1(bytes.bytes);
    return read;
}

} // namespace

ClipboardText ReadClipboardText(qsizetype maxCharacters)
{
    // Qt's own reader waits five seconds for an owner that does not answer
    // (QXcbClipboard::waitForClipboardEvent; a trace of that wait is in
    // QupZilla/qupzilla issue 1945 on GitHub).
    // What this program owns itself it must answer itself, through Qt; on
    // Wayland, Qt's reader is the only one.
    if (QGuiApplication::platformName() == QLatin1String("xcb") && !QGuiApplication::clipboard()->ownsClipboard())
        return readX11ClipboardText(kClipboardDeadlineMilliseconds, maxCharacters * 4); // UTF-8: at most 4 bytes each
    ClipboardText read;
    read.text = QGuiApplication::clipboard()->text(QClipboard::Clipboard);
    return read;
}

} // namespace wagecourt::ui
