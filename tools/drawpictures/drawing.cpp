#include "drawing.h"

#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QRadialGradient>
#include <QString>

namespace drawing {

QFont font(int pixelSize, bool bold)
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    f.setStyleStrategy(QFont::PreferAntialias);
    f.setHintingPreference(QFont::PreferVerticalHinting);
    return f;
}

QColor rgba(QRgb value, int alpha)
{
    QColor c = QColor::fromRgb(value);
    c.setAlpha(alpha);
    return c;
}

void drawBasketball(QPainter &p, QPointF centre, qreal radius, qreal seamWidth)
{
    p.save();
    QRadialGradient shade(centre - QPointF(radius * 0.35, radius * 0.4), radius * 1.4);
    shade.setColorAt(0.0, rgb(0xFFB15C));
    shade.setColorAt(0.55, rgb(0xF07A1E));
    shade.setColorAt(1.0, rgb(0xC25A0C));
    p.setPen(Qt::NoPen);
    p.setBrush(shade);
    p.drawEllipse(centre, radius, radius);

    QPainterPath ball;
    ball.addEllipse(centre, radius, radius);
    p.setClipPath(ball, Qt::IntersectClip);

    QPen seam(rgb(0x3A2214), seamWidth);
    seam.setCapStyle(Qt::FlatCap);
    p.setPen(seam);
    p.setBrush(Qt::NoBrush);
    const qreal x = centre.x(), y = centre.y(), r = radius;
    p.drawLine(QPointF(x, y - r), QPointF(x, y + r));
    p.drawLine(QPointF(x - r, y), QPointF(x + r, y));
    QPainterPath left;
    left.moveTo(x - r * 0.72, y - r * 0.72);
    left.cubicTo(x - r * 0.25, y - r * 0.3, x - r * 0.25, y + r * 0.3, x - r * 0.72, y + r * 0.72);
    QPainterPath right;
    right.moveTo(x + r * 0.72, y - r * 0.72);
    right.cubicTo(x + r * 0.25, y - r * 0.3, x + r * 0.25, y + r * 0.3, x + r * 0.72, y + r * 0.72);
    p.drawPath(left);
    p.drawPath(right);
    p.restore();

    p.save();
    p.setPen(QPen(rgb(0x8A3F08), seamWidth * 0.8));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(centre, radius, radius);
    p.restore();
}

QImage blankPicture(int width, int height, int scale)
{
    QImage image(width * scale, height * scale, QImage::Format_RGB32);
    image.setDevicePixelRatio(scale);
    image.fill(rgb(0xFFFFFF));
    return image;
}

} // namespace drawing
