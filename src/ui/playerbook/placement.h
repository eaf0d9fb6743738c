#pragma once

#include <QMargins>
#include <QRect>
#include <QSize>

class QWidget;

namespace wagecourt::ui {

// Where the player book's windows open, as rectangles of their frames on the
// desktop: frames, because what must stay in sight is the title bar and the
// buttons, and the window manager adds the frame.

// Centred over the owner's frame, and moved as little as it takes to lie
// inside the available area.
QRect frameOver(const QRect &ownerFrame, const QSize &frame, const QRect &available);

// Beside the owner's frame, never over it, where the available area leaves
// the most of the size wanted: right, left, below or above it, level with its
// top or left edge. The size is the wanted one as far as that room allows and
// never less than the least one. Where no side has room for the least size,
// the window takes the side with the most room and reaches over the owner as
// far as its least size needs, inside the available area.
QRect frameBeside(const QRect &ownerFrame, const QSize &wanted, const QSize &least, const QRect &available);

// The frame a window has, or will have: a window not shown yet has none of its
// own, and will get the one its owner has.
QMargins frameMargins(const QWidget *window, const QWidget *owner);

// Gives a top-level window this frame rectangle, its client area inside the margins.
void setFrameGeometry(QWidget *window, const QRect &frame, const QMargins &margins);

// Once the window manager has framed the window, shrinks it, or moves it where
// it is at its least size already, so that its frame lies inside the area:
// the frame is known only then, and a resizable window's may be larger than
// its owner's, by the handles to drag.
void keepInsideWhenFramed(QWidget *window, const QRect &available);

// The available area (the screen less its panels) of the owner's screen.
QRect availableArea(const QWidget *owner);

} // namespace wagecourt::ui
