#include "icons.h"

#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QSize>

namespace {

constexpr int kWindowIconSize = 64;

// Without the plugin every read fails alike; say what is missing instead.
QString unreadable(const QString &svg)
{
    if (!QImageReader::supportedImageFormats().contains("svg"))
        return QStringLiteral("cannot read SVG: Qt's SVG image plugin is not installed (Debian: libqt6svg6)");
    return QStringLiteral("could not read %1").arg(svg);
}

} // namespace

QString drawWindowIcon(const QString &svg, const QString &png)
{
    const QImage source(svg);
    if (source.isNull())
        return unreadable(svg);
    const QImage icon =
        source.scaled(kWindowIconSize, kWindowIconSize, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    if (!icon.save(png, "PNG"))
        return QStringLiteral("could not write %1").arg(png);
    return {};
}

QString drawThemeIcon(const QString &svg, const QString &png, int size)
{
    QImageReader reader(svg);
    reader.setScaledSize(QSize(size, size));
    const QImage icon = reader.read();
    if (icon.isNull())
        return unreadable(svg);
    // A reader that ignores the size would give a picture scaled by the theme.
    if (icon.size() != QSize(size, size))
        return QStringLiteral("%1 came out at %2 x %3 px, not %4").arg(svg).arg(icon.width()).arg(icon.height()).arg(size);
    if (!icon.save(png, "PNG"))
        return QStringLiteral("could not write %1").arg(png);
    return {};
}

QString drawMaskableIcon(const QString &svg, const QString &png, int size)
{
    // The picture's farthest corner, its badge, stays within the safe circle at five eighths of the side.
    const int inner = size * 5 / 8;
    QImageReader reader(svg);
    reader.setScaledSize(QSize(inner, inner));
    const QImage picture = reader.read();
    if (picture.isNull())
        return unreadable(svg);
    QImage icon(size, size, QImage::Format_ARGB32);
    icon.fill(Qt::white);
    QPainter painter(&icon);
    painter.drawImage((size - inner) / 2, (size - inner) / 2, picture);
    painter.end();
    if (!icon.save(png, "PNG"))
        return QStringLiteral("could not write %1").arg(png);
    return {};
}
