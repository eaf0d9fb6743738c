#pragma once

#include <QtMath>

namespace wagecourt::ui {

// The window is laid out in twips, 1/1440 inch; the screen's logical DPI
// turns them into pixels (15 twips to the pixel at 96 dpi).
class Twips
{
public:
    explicit Twips(qreal logicalDpi) : m_dpi(logicalDpi) {}

    int operator()(int twips) const { return qRound(twips * m_dpi / 1440.0); }

private:
    qreal m_dpi;
};

} // namespace wagecourt::ui
