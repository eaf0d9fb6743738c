#pragma once

#include <QString>

// The icons, drawn from the installed SVG with Qt's SVG image plugin. Each
// gives why it could not write its PNG, or nothing once it has.

// The window's icon, a small PNG so that the program need not load an SVG
// reader at start: scaled down to 64 pixels from the SVG's own size.
QString drawWindowIcon(const QString &svg, const QString &png);

// One of the desktop theme's sizes, drawn from the vectors at that size rather
// than scaled from another picture.
QString drawThemeIcon(const QString &svg, const QString &png, int size);

// An icon a phone may cut to a circle or a rounded square, for the web page's
// manifest: the picture drawn smaller, inside the circle of four fifths of the
// side that every such shape keeps, on a white square that fills the whole.
QString drawMaskableIcon(const QString &svg, const QString &png, int size);
