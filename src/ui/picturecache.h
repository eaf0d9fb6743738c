#pragma once

#include <QImage>
#include <QString>

namespace wagecourt::ui {

// The window's icon, a PNG: no SVG module to load for it.
inline const QString kWindowIcon = QStringLiteral(":/pictures/icon.png");

// A picture from the resources, decoded by the warm-up when it ran, else now.
// Each picture is decoded once; later calls return the same image. A picture
// that could not be decoded is tried again on the next call.
QImage resourcePicture(const QString &resource);

// Which version of a picture a screen takes: 2, the one drawn at twice the
// size, from a device pixel ratio of 1.5 on; else 1.
int picturePixelRatio(qreal devicePixelRatio);

// The resource of a picture's version: ":/pictures/card.jpg" at 2 is
// ":/pictures/card@2x.jpg".
QString pictureResource(const QString &resource, int pixelRatio);

} // namespace wagecourt::ui
