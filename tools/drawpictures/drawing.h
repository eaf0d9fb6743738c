#pragma once

// What the pictures share: the face, the colours of the game's site and its
// ball, and a blank picture to draw on.

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPointF>

class QPainter;

namespace drawing {

// The site's orange, in the card's header and the page's bar alike.
inline constexpr QRgb kOrange = 0xE8731C;
inline constexpr QRgb kOrangeLight = 0xF7A24E;
inline constexpr QRgb kOrangeDark = 0xB8560C;

// DejaVu Sans at a size in pixels, the same on every run on the same machine.
QFont font(int pixelSize, bool bold = false);

inline QColor rgb(QRgb value) { return QColor::fromRgb(value); }
QColor rgba(QRgb value, int alpha);

// A basketball: orange ball with a soft highlight and the four dark seams.
void drawBasketball(QPainter &p, QPointF centre, qreal radius, qreal seamWidth);

// An empty white picture of the given size in its own pixels, drawn on at the scale.
QImage blankPicture(int width, int height, int scale);

} // namespace drawing
