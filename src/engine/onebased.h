#pragma once

#include <QtGlobal>

#include <array>
#include <initializer_list>

namespace wagecourt {

// A fixed array numbered from 1, the way the game numbers skills, levels and
// positions. Keeping the game's numbering avoids off-by-one slips between the
// tables and the code that reads them.
template <typename T, int N>
class OneBased
{
public:
    constexpr OneBased() = default;
    constexpr OneBased(std::initializer_list<T> values)
    {
        Q_ASSERT(values.size() == N);
        int i = 0;
        for (const T &value : values)
            m_items[i++] = value;
    }

    constexpr T &operator[](int i)
    {
        Q_ASSERT(i >= 1 && i <= N);
        return m_items[i - 1];
    }
    constexpr const T &operator[](int i) const
    {
        Q_ASSERT(i >= 1 && i <= N);
        return m_items[i - 1];
    }

    static constexpr int size() { return N; }
    constexpr void fill(const T &value) { m_items.fill(value); }

    constexpr auto begin() { return m_items.begin(); }
    constexpr auto end() { return m_items.end(); }
    constexpr auto begin() const { return m_items.begin(); }
    constexpr auto end() const { return m_items.end(); }

    constexpr bool operator==(const OneBased &) const = default;

private:
    std::array<T, N> m_items{};
};

} // namespace wagecourt
