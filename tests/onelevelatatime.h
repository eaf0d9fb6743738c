#pragma once

// The level-name replacement in its plainest form, for checking the one-scan
// replacement against: level 1's names replaced in the whole text, then level
// 2's in the result, and so on, each pass left to right and never looking at
// what it put in.

#include "engine/playerstate.h"

#include <QString>

namespace wagecourt::testing {

// How many characters of the text, from index at, spell the name with letter
// case ignored; 0 when they do not. Character by character, their simple case
// foldings or their Turkish ones (İ is the capital of i, I of ı) agree, or a ß
// of the name stands there as two s. Code units are compared: the catalogue's
// names lie in the Basic Multilingual Plane.
inline qsizetype spelledAt(const QString &text, qsizetype at, const QString &name)
{
    const auto fold = [](QChar c) { return QChar::toCaseFolded(char32_t(c.unicode())); };
    const auto turkish = [&](QChar c) {
        return c == u'I' ? U'\u0131' : c == u'\u0130' ? U'i' : fold(c);
    };
    qsizetype t = at;
    for (const QChar n : name) {
        if (t >= text.size())
            return 0;
        if (fold(n) == U'\u00DF' && t + 1 < text.size() && fold(text[t]) == U's' && fold(text[t + 1]) == U's')
            t += 2;
        else if (fold(text[t]) == fold(n) || turkish(text[t]) == turkish(n))
            t += 1;
        else
            return 0;
    }
    return t - at;
}

inline QString replaceOneLevelAtATime(QString text, const LevelNames &names)
{
    for (int level = 1; level <= kLevelCount; ++level) {
        const QString number = u' ' + QString::number(level);
        for (qsizetype at = 0; at < text.size();) {
            const qsizetype length = names[level].isEmpty() ? 0 : spelledAt(text, at, names[level]);
            if (length > 0) {
                text.replace(at, length, number);
                at += number.size();
            } else {
                ++at;
            }
        }
    }
    return text;
}

} // namespace wagecourt::testing
