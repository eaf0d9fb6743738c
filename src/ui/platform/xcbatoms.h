#pragma once

#include <xcb/xcb.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace wagecourt::ui {

// Atoms interned together: the requests go out at once, so a set costs one
// round trip to the X server at most, and none when its answer is taken long
// after the request. An atom the server does not give is XCB_ATOM_NONE.
template <std::size_t Count>
class AtomRequest
{
public:
    AtomRequest(xcb_connection_t *connection, const std::array<const char *, Count> &names)
        : m_connection(connection)
    {
        for (std::size_t i = 0; i < Count; ++i)
            m_cookies[i] = xcb_intern_atom(connection, 0, uint16_t(std::strlen(names[i])), names[i]);
    }
    ~AtomRequest()
    {
        if (m_answered)
            return;
        for (const xcb_intern_atom_cookie_t &cookie : m_cookies)
            xcb_discard_reply(m_connection, cookie.sequence);
    }
    AtomRequest(const AtomRequest &) = delete;
    AtomRequest &operator=(const AtomRequest &) = delete;

    // The atoms, in the order of their names. Waits for the server the first
    // time; later calls give what the first one got.
    const std::array<xcb_atom_t, Count> &answer()
    {
        if (m_answered)
            return m_atoms;
        m_answered = true;
        for (std::size_t i = 0; i < Count; ++i) {
            xcb_intern_atom_reply_t *reply = xcb_intern_atom_reply(m_connection, m_cookies[i], nullptr);
            m_atoms[i] = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
            std::free(reply);
        }
        return m_atoms;
    }

private:
    xcb_connection_t *m_connection;
    std::array<xcb_intern_atom_cookie_t, Count> m_cookies{};
    std::array<xcb_atom_t, Count> m_atoms{};
    bool m_answered = false;
};

} // namespace wagecourt::ui
