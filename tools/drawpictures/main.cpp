// Draws the two pictures the window shows:
//
//   playercard.jpg  581 x 206  the backdrop of the salary form, a player's panel
//                              from the game's web site; the form's labels, the
//                              salary and the button are laid over it at run time.
//   screenshot.jpg  278 x 129  a small browser screenshot that shows how to copy
//                              a player's skills from the game's player page;
//                              screenshot_de.jpg and so on show the same page
//                              and browser in each other game language.
//
// and each again at twice the size, for screens of 150 % and more, under the
// name Qt gives such versions: playercard@2x.jpg and screenshot@2x.jpg.
//
// Everything is drawn with QPainter from simple shapes and the DejaVu Sans
// family, so the output is the same on every run on the same machine.
//
// Usage: drawpictures <output folder>   (with QT_QPA_PLATFORM=offscreen)

#include <QColor>
#include <QDir>
#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QPolygonF>
#include <QRadialGradient>
#include <QString>
#include <QStringList>

#include "catalogue/catalogue.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>

namespace {

const QString kFamily = QStringLiteral("DejaVu Sans");

QFont font(int pixelSize, bool bold = false)
{
    QFont f(kFamily);
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    f.setStyleStrategy(QFont::PreferAntialias);
    f.setHintingPreference(QFont::PreferVerticalHinting);
    return f;
}

QColor rgb(QRgb value) { return QColor::fromRgb(value); }

QColor rgba(QRgb value, int alpha)
{
    QColor c = QColor::fromRgb(value);
    c.setAlpha(alpha);
    return c;
}

// ---------------------------------------------------------------------------
// Shared pieces
// ---------------------------------------------------------------------------

// A basketball: orange ball with a soft highlight and the four dark seams.
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

// ---------------------------------------------------------------------------
// playercard.jpg
// ---------------------------------------------------------------------------

constexpr int kCardWidth = 581;
constexpr int kCardHeight = 206;
constexpr int kHeaderHeight = 25;

constexpr QRgb kOrange = 0xE8731C;
constexpr QRgb kOrangeLight = 0xF7A24E;
constexpr QRgb kOrangeDark = 0xB8560C;
constexpr QRgb kCardPaper = 0xFFFCF8;

// Where the skill captions lie, one row every 17 px, 13 px high. The left
// column has one more row further down, after a gap of one row.
constexpr std::array<int, 6> kSkillRowTops = {42, 59, 76, 93, 110, 127};
constexpr int kLastLeftRowTop = 161;
constexpr qreal kLeftBandX = 252, kLeftBandRight = 400;
constexpr qreal kRightBandX = 410, kRightBandRight = 576;

void drawSkillBand(QPainter &p, qreal left, qreal right, int rowTop, bool darker)
{
    // Bands are 15 px high, one pixel above and below the 13 px caption.
    const QRectF band(left, rowTop - 1, right - left, 15);
    p.setPen(Qt::NoPen);
    p.setBrush(rgb(darker ? 0xECECEC : 0xF6F6F6));
    p.drawRoundedRect(band, 2.5, 2.5);
    // A thin warm accent at the start of each band, clear of the caption.
    p.setBrush(rgb(0xF2C49A));
    p.drawRoundedRect(QRectF(left, rowTop - 1, 3, 15), 1.5, 1.5);
}

void drawHeaderBadge(QPainter &p)
{
    // A small white shield carrying a ball, at the left of the header bar.
    QPainterPath shield;
    const qreal l = 7, t = 3.5, w = 16, h = 18.5;
    shield.moveTo(l, t + 2);
    shield.quadTo(l, t, l + 2, t);
    shield.lineTo(l + w - 2, t);
    shield.quadTo(l + w, t, l + w, t + 2);
    shield.lineTo(l + w, t + h * 0.5);
    shield.cubicTo(l + w, t + h * 0.8, l + w * 0.5, t + h, l + w * 0.5, t + h);
    shield.cubicTo(l + w * 0.5, t + h, l, t + h * 0.8, l, t + h * 0.5);
    shield.closeSubpath();

    p.save();
    p.setPen(QPen(rgb(kOrangeDark), 1.0));
    p.setBrush(rgb(0xFFFFFF));
    p.drawPath(shield);
    p.restore();
    drawBasketball(p, QPointF(l + w / 2, t + 8.5), 5.2, 0.8);
}

void drawPortrait(QPainter &p)
{
    const QRectF frame(10.5, 32.5, 109, 162);
    QPainterPath framePath;
    framePath.addRoundedRect(frame, 6, 6);

    p.save();
    // Backdrop: an arena sky fading into the floor.
    QLinearGradient sky(frame.topLeft(), frame.bottomLeft());
    sky.setColorAt(0.0, rgb(0xE4EFF9));
    sky.setColorAt(0.7, rgb(0xC7DCEF));
    sky.setColorAt(1.0, rgb(0xB3CDE6));
    p.setPen(Qt::NoPen);
    p.setBrush(sky);
    p.drawPath(framePath);
    p.setClipPath(framePath);

    // A soft light behind the head.
    QRadialGradient glow(QPointF(65, 92), 52);
    glow.setColorAt(0.0, rgba(0xFFFFFF, 200));
    glow.setColorAt(1.0, rgba(0xFFFFFF, 0));
    p.setBrush(glow);
    p.drawEllipse(QPointF(65, 92), 52, 52);

    // A faint backboard and rim up in the corner.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(rgba(0x6F90B3, 90), 1.5));
    p.drawRoundedRect(QRectF(84, 40, 30, 20), 2, 2);
    p.drawRect(QRectF(94, 48, 10, 8));
    p.setPen(QPen(rgba(0xE0651A, 120), 1.5));
    p.drawLine(QPointF(92, 61), QPointF(106, 61));

    const QRgb skin = 0xC98B5F;
    const QRgb skinShade = 0xAE7349;
    const QRgb hair = 0x2E211A;

    // Shoulders and arms.
    QPainterPath shoulders;
    shoulders.moveTo(14, 200);
    shoulders.cubicTo(14, 160, 26, 146, 48, 142);
    shoulders.lineTo(82, 142);
    shoulders.cubicTo(104, 146, 116, 160, 116, 200);
    shoulders.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(rgb(skin));
    p.drawPath(shoulders);

    // Neck, with a shadow under the chin.
    p.setBrush(rgb(skin));
    p.drawRoundedRect(QRectF(55, 112, 20, 36), 6, 6);
    p.setBrush(rgba(skinShade, 200));
    p.drawEllipse(QRectF(55, 114, 20, 12));

    // The jersey: a blue tank top with white trim and the number.
    QPainterPath jersey;
    jersey.moveTo(30, 200);
    jersey.lineTo(33, 160);
    jersey.cubicTo(34, 150, 38, 144, 44, 142);
    jersey.lineTo(50, 142);
    jersey.cubicTo(52, 154, 58, 160, 65, 160);
    jersey.cubicTo(72, 160, 78, 154, 80, 142);
    jersey.lineTo(86, 142);
    jersey.cubicTo(92, 144, 96, 150, 97, 160);
    jersey.lineTo(100, 200);
    jersey.closeSubpath();
    QLinearGradient cloth(QPointF(30, 0), QPointF(100, 0));
    cloth.setColorAt(0.0, rgb(0x22497F));
    cloth.setColorAt(0.5, rgb(0x2F62A8));
    cloth.setColorAt(1.0, rgb(0x22497F));
    p.setBrush(cloth);
    p.drawPath(jersey);

    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(rgb(0xFFFFFF), 2.2));
    QPainterPath collar;
    collar.moveTo(50, 142.5);
    collar.cubicTo(52, 154, 58, 160, 65, 160);
    collar.cubicTo(72, 160, 78, 154, 80, 142.5);
    p.drawPath(collar);
    QPainterPath armholeLeft;
    armholeLeft.moveTo(44, 142.5);
    armholeLeft.cubicTo(38, 144, 34, 150, 33, 160);
    armholeLeft.lineTo(31.5, 200);
    p.drawPath(armholeLeft);
    QPainterPath armholeRight;
    armholeRight.moveTo(86, 142.5);
    armholeRight.cubicTo(92, 144, 96, 150, 97, 160);
    armholeRight.lineTo(98.5, 200);
    p.drawPath(armholeRight);

    QFont number = font(20, true);
    p.setFont(number);
    p.setPen(rgb(0xF39A43));
    p.drawText(QRectF(40, 163, 50, 26).translated(1, 1), Qt::AlignCenter, QStringLiteral("00"));
    p.setPen(rgb(0xFFFFFF));
    p.drawText(QRectF(40, 163, 50, 26), Qt::AlignCenter, QStringLiteral("00"));

    // Ears.
    p.setPen(Qt::NoPen);
    p.setBrush(rgb(skin));
    p.drawEllipse(QRectF(37, 88, 10, 16));
    p.drawEllipse(QRectF(83, 88, 10, 16));
    p.setBrush(rgb(skinShade));
    p.drawEllipse(QRectF(39.5, 92, 5, 8));
    p.drawEllipse(QRectF(85.5, 92, 5, 8));

    // Head.
    p.setBrush(rgb(skin));
    p.drawEllipse(QRectF(41, 64, 48, 60));

    // Short hair on top, with a rounded hairline.
    QPainterPath hairPath;
    hairPath.moveTo(41.5, 92);
    hairPath.cubicTo(36, 54, 94, 54, 88.5, 92);
    hairPath.cubicTo(87, 84, 84, 80, 80, 78);
    hairPath.cubicTo(72, 81, 58, 81, 50, 78);
    hairPath.cubicTo(46, 80, 43, 84, 41.5, 92);
    hairPath.closeSubpath();
    p.setBrush(rgb(hair));
    p.drawPath(hairPath);

    // A headband across the forehead.
    QPainterPath band;
    band.moveTo(41.2, 84);
    band.cubicTo(52, 78.5, 78, 78.5, 88.8, 84);
    band.lineTo(89, 89.5);
    band.cubicTo(78, 84, 52, 84, 41, 89.5);
    band.closeSubpath();
    p.setBrush(rgb(0xFFFFFF));
    p.drawPath(band);
    p.setPen(QPen(rgb(kOrange), 1.6));
    p.setBrush(Qt::NoBrush);
    QPainterPath stripe;
    stripe.moveTo(41.2, 86.8);
    stripe.cubicTo(52, 81.3, 78, 81.3, 88.8, 86.8);
    p.drawPath(stripe);

    // Eyebrows, eyes, nose, smile and cheeks.
    p.setPen(QPen(rgb(hair), 1.8, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(51, 92.5), QPointF(59, 91.5));
    p.drawLine(QPointF(71, 91.5), QPointF(79, 92.5));
    p.setPen(Qt::NoPen);
    p.setBrush(rgb(0xFFFFFF));
    p.drawEllipse(QPointF(55.5, 98.5), 3.6, 3.2);
    p.drawEllipse(QPointF(74.5, 98.5), 3.6, 3.2);
    p.setBrush(rgb(0x2B1A12));
    p.drawEllipse(QPointF(56, 98.8), 2.1, 2.4);
    p.drawEllipse(QPointF(74, 98.8), 2.1, 2.4);
    p.setBrush(rgb(0xFFFFFF));
    p.drawEllipse(QPointF(56.7, 98), 0.7, 0.7);
    p.drawEllipse(QPointF(74.7, 98), 0.7, 0.7);

    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(rgb(skinShade), 1.4, Qt::SolidLine, Qt::RoundCap));
    QPainterPath nose;
    nose.moveTo(65, 101);
    nose.cubicTo(64, 105, 62, 107, 63, 108.5);
    nose.cubicTo(64, 109.3, 66, 109.3, 67.5, 108.5);
    p.drawPath(nose);

    p.setPen(QPen(rgb(0x7A3B25), 1.6, Qt::SolidLine, Qt::RoundCap));
    QPainterPath smile;
    smile.moveTo(57.5, 112.5);
    smile.cubicTo(61, 117, 69, 117, 72.5, 112.5);
    p.drawPath(smile);

    p.setPen(Qt::NoPen);
    p.setBrush(rgba(0xE0705A, 55));
    p.drawEllipse(QPointF(50.5, 107), 4, 2.6);
    p.drawEllipse(QPointF(79.5, 107), 4, 2.6);

    p.restore();

    // The frame itself, drawn last so it stays crisp over the figure.
    p.save();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(rgb(0xE2B48A), 1.0));
    p.drawPath(framePath);
    p.restore();

    // The ball badge at the portrait's lower right corner, in a white ring.
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(rgba(0x000000, 40));
    p.drawEllipse(QPointF(109, 183.5), 13.5, 13.5);
    p.setBrush(rgb(0xFFFFFF));
    p.drawEllipse(QPointF(108, 182), 13.5, 13.5);
    p.restore();
    drawBasketball(p, QPointF(108, 182), 11, 1.1);
}

// An empty picture of the given size in its own pixels, drawn on at the scale.
QImage blankPicture(int width, int height, int scale)
{
    QImage image(width * scale, height * scale, QImage::Format_RGB32);
    image.setDevicePixelRatio(scale);
    image.fill(rgb(0xFFFFFF));
    return image;
}

QImage drawPlayerCard(int scale)
{
    QImage image = blankPicture(kCardWidth, kCardHeight, scale);

    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);

    const QRectF outer(1, 1, kCardWidth - 2, kCardHeight - 2);
    QPainterPath card;
    card.addRoundedRect(outer, 7, 7);

    // Paper.
    p.setPen(Qt::NoPen);
    p.setBrush(rgb(kCardPaper));
    p.drawPath(card);

    // Header bar.
    p.save();
    p.setClipPath(card);
    QLinearGradient header(QPointF(0, 0), QPointF(0, kHeaderHeight));
    header.setColorAt(0.0, rgb(kOrangeLight));
    header.setColorAt(1.0, rgb(kOrange));
    p.setBrush(header);
    p.drawRect(QRectF(0, 0, kCardWidth, kHeaderHeight));
    p.setBrush(rgb(kOrangeDark));
    p.drawRect(QRectF(0, kHeaderHeight - 1, kCardWidth, 1));
    // A faint shadow under the bar.
    QLinearGradient shadow(QPointF(0, kHeaderHeight), QPointF(0, kHeaderHeight + 4));
    shadow.setColorAt(0.0, rgba(0xB8560C, 45));
    shadow.setColorAt(1.0, rgba(0xB8560C, 0));
    p.setBrush(shadow);
    p.drawRect(QRectF(0, kHeaderHeight, kCardWidth, 4));
    p.restore();

    drawHeaderBadge(p);

    // Player name and number, white on the bar with a soft shadow.
    p.save();
    p.setFont(font(13, true));
    const QRectF nameBox(30, 0, 300, kHeaderHeight - 1);
    const QString name = QStringLiteral("Player Name  #00");
    p.setPen(rgba(kOrangeDark, 170));
    p.drawText(nameBox.translated(0.8, 0.8), Qt::AlignLeft | Qt::AlignVCenter, name);
    p.setPen(rgb(0xFFFFFF));
    p.drawText(nameBox, Qt::AlignLeft | Qt::AlignVCenter, name);
    p.restore();

    // A plain plate for the position name, reaching below the bar so the
    // bold caption on it (x 440, y 12, about 14 px high) reads clearly.
    p.save();
    p.setPen(QPen(rgb(kOrangeDark), 1.0));
    p.setBrush(rgb(0xFFF7EE));
    p.drawRoundedRect(QRectF(436.5, 6.5, 139, 23), 4, 4);
    p.restore();

    drawPortrait(p);

    // The salary: a green dollar sign just left of the number, and a calm
    // white field where the number itself will stand (x 146, y 60, 81 x 17).
    p.save();
    p.setPen(QPen(rgb(0xE8D9CA), 1.0));
    p.setBrush(rgb(0xFFFFFF));
    p.drawRoundedRect(QRectF(143.5, 59.5, 88, 19), 3, 3);
    p.setFont(font(19, true));
    p.setPen(rgba(0x1E5E30, 90));
    p.drawText(QRectF(127, 57, 15, 22).translated(0.8, 0.8), Qt::AlignCenter, QStringLiteral("$"));
    p.setPen(rgb(0x2E8B45));
    p.drawText(QRectF(127, 57, 15, 22), Qt::AlignCenter, QStringLiteral("$"));
    p.restore();

    // A thin rule between the salary area and the skills.
    p.save();
    p.setPen(QPen(rgb(0xF1DCC8), 1.0));
    p.drawLine(QPointF(246.5, 40), QPointF(246.5, 192));
    p.restore();

    // The skill bands.
    p.save();
    for (std::size_t i = 0; i < kSkillRowTops.size(); ++i) {
        const bool darker = (i % 2) == 0;
        drawSkillBand(p, kLeftBandX, kLeftBandRight, kSkillRowTops[i], darker);
        drawSkillBand(p, kRightBandX, kRightBandRight, kSkillRowTops[i], darker);
    }
    drawSkillBand(p, kLeftBandX, kLeftBandRight, kLastLeftRowTop, true);
    p.restore();

    // A very faint ball as a watermark in the free corner under the right column.
    p.save();
    p.setOpacity(0.07);
    drawBasketball(p, QPointF(540, 176), 40, 3.0);
    p.restore();

    // The orange frame.
    p.save();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(rgb(kOrange), 2.0));
    p.drawPath(card);
    p.restore();

    p.end();
    return image;
}

// ---------------------------------------------------------------------------
// screenshot.jpg
// ---------------------------------------------------------------------------

constexpr int kShotWidth = 278;
constexpr int kShotHeight = 129;

constexpr QRgb kSelection = 0x3874D8;
constexpr QRgb kChromeGrey = 0xDEE1E6;
constexpr QRgb kChromeText = 0x3C4043;

void drawTabStrip(QPainter &p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(rgb(kChromeGrey));
    p.drawRect(QRectF(0, 0, kShotWidth, 17));

    // The active tab, joined to the toolbar below it.
    QPainterPath tab;
    tab.moveTo(4, 17);
    tab.quadTo(7, 17, 7, 14);
    tab.lineTo(7, 6.5);
    tab.quadTo(7, 3.5, 10, 3.5);
    tab.lineTo(118, 3.5);
    tab.quadTo(121, 3.5, 121, 6.5);
    tab.lineTo(121, 14);
    tab.quadTo(121, 17, 124, 17);
    tab.closeSubpath();
    p.setBrush(rgb(0xFFFFFF));
    p.drawPath(tab);

    drawBasketball(p, QPointF(15, 10.5), 3.6, 0.5);

    p.setFont(font(7));
    p.setPen(rgb(kChromeText));
    p.drawText(QRectF(22, 3.5, 88, 13.5), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Courtlore \u2013 Player Name"));

    QPen thin(rgb(0x5F6368), 0.9, Qt::SolidLine, Qt::RoundCap);
    p.setPen(thin);
    p.drawLine(QPointF(111.5, 8.5), QPointF(115.5, 12.5));
    p.drawLine(QPointF(115.5, 8.5), QPointF(111.5, 12.5));
    // New tab.
    p.drawLine(QPointF(128, 10.5), QPointF(134, 10.5));
    p.drawLine(QPointF(131, 7.5), QPointF(131, 13.5));

    // Window buttons.
    p.drawLine(QPointF(240, 9.5), QPointF(246, 9.5));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(253.5, 6.5, 6, 6));
    p.drawLine(QPointF(267, 6.5), QPointF(273, 12.5));
    p.drawLine(QPointF(273, 6.5), QPointF(267, 12.5));
}

void drawToolbar(QPainter &p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(rgb(0xFFFFFF));
    p.drawRect(QRectF(0, 17, kShotWidth, 16));

    QPen arrow(rgb(0x5F6368), 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(arrow);
    p.setBrush(Qt::NoBrush);
    // Back.
    p.drawLine(QPointF(5, 25), QPointF(12, 25));
    p.drawPolyline(QPolygonF({QPointF(8, 22), QPointF(5, 25), QPointF(8, 28)}));
    // Forward, greyed out.
    p.setPen(QPen(rgb(0xBDC1C6), 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(QPointF(17, 25), QPointF(24, 25));
    p.drawPolyline(QPolygonF({QPointF(21, 22), QPointF(24, 25), QPointF(21, 28)}));
    // Reload.
    p.setPen(arrow);
    p.drawArc(QRectF(29.5, 21.5, 7, 7), 60 * 16, 290 * 16);
    p.drawPolyline(QPolygonF({QPointF(34.5, 20.8), QPointF(36.2, 22.6), QPointF(34, 23.8)}));

    // Address field.
    p.setPen(Qt::NoPen);
    p.setBrush(rgb(0xF1F3F4));
    p.drawRoundedRect(QRectF(42, 19.5, 231, 11.5), 5.75, 5.75);
    // Padlock.
    p.setBrush(rgb(0x5F6368));
    p.drawRoundedRect(QRectF(47.5, 25, 5, 3.8), 0.6, 0.6);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(rgb(0x5F6368), 0.8));
    p.drawArc(QRectF(48.4, 22.2, 3.2, 5), 0, 180 * 16);

    p.setFont(font(7));
    p.setPen(rgb(0x202124));
    p.drawText(QRectF(56, 19.5, 200, 11.5), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("courtlore.example/player"));

    p.setPen(Qt::NoPen);
    p.setBrush(rgb(0xDADCE0));
    p.drawRect(QRectF(0, 32.5, kShotWidth, 0.8));
}

// The player shown on the page: his position and the levels of his first
// eight skills, written in each language as the catalogue writes them.
constexpr int kShownPosition = 2; // Shooting Guard
constexpr std::array<int, 8> kShownLevels = {8, 9, 7, 10, 6, 8, 5, 7};

// The game's player page, its skill list selected from the first line to the last.
void drawPage(QPainter &p, const wagecourt::LanguageEntry &language)
{
    p.setPen(Qt::NoPen);
    p.setBrush(rgb(0xFFFFFF));
    p.drawRect(QRectF(0, 33.3, kShotWidth, kShotHeight - 33.3));

    // The site's orange bar with its name and menu.
    QLinearGradient bar(QPointF(0, 34), QPointF(0, 44));
    bar.setColorAt(0.0, rgb(kOrangeLight));
    bar.setColorAt(1.0, rgb(kOrange));
    p.setBrush(bar);
    p.drawRect(QRectF(0, 33.3, kShotWidth, 10.7));
    drawBasketball(p, QPointF(8, 38.7), 3.2, 0.5);
    p.setFont(font(7, true));
    p.setPen(rgb(0xFFFFFF));
    p.drawText(QRectF(14, 33.3, 60, 10.7), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Courtlore"));
    p.setFont(font(6));
    p.setPen(rgba(0xFFFFFF, 225));
    p.drawText(QRectF(140, 33.3, 132, 10.7), Qt::AlignRight | Qt::AlignVCenter,
               QStringLiteral("Team    Players    Market    Forum"));

    // Player heading.
    p.setFont(font(7, true));
    p.setPen(rgb(0x222222));
    p.drawText(QRectF(8, 46, 160, 10), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Player Name  #00"));
    p.setFont(font(6));
    p.setPen(rgb(0x888888));
    p.drawText(QRectF(90, 46, 80, 10), Qt::AlignLeft | Qt::AlignVCenter, language.positionName(kShownPosition));

    // The skill list, selected from the first line to the last.
    QStringList lines;
    for (std::size_t i = 0; i < kShownLevels.size(); ++i)
        lines << language.skillCaption(int(i) + 1) + QLatin1Char(' ') + language.levelName(kShownLevels[i]);
    const QFont text = font(7);
    const QFontMetricsF metrics(text);
    p.setFont(text);
    const qreal lineHeight = 8.7;
    const qreal left = 8;
    qreal top = 57.5;
    for (const QString &line : lines) {
        const qreal width = metrics.horizontalAdvance(line) + 2;
        p.setPen(Qt::NoPen);
        p.setBrush(rgb(kSelection));
        p.drawRect(QRectF(left - 1, top, width, lineHeight));
        p.setPen(rgb(0xFFFFFF));
        p.drawText(QRectF(left, top, 200, lineHeight), Qt::AlignLeft | Qt::AlignVCenter, line);
        top += lineHeight;
    }
}

struct MenuEntry
{
    const char *text;
    const char *shortcut;
    bool enabled;
};

using Menu = std::array<MenuEntry, 7>;

// The browser's menu in the language of a user who reads the game in it, and
// the picture's name, in the catalogue's order of languages.
struct PictureLanguage
{
    const char *suffix;
    Menu menu;
};

const std::array<PictureLanguage, wagecourt::kLanguageCount> kPictureLanguages = {{
    {"", {{{"Back", nullptr, true}, {"Reload", "Ctrl+R", true}, {nullptr, nullptr, false}, {"Copy", "Ctrl+C", true},
            {"Select All", "Ctrl+A", true}, {"Print\u2026", "Ctrl+P", true}, {"Inspect", nullptr, true}}}},
    {"_tr", {{{"Geri", nullptr, true}, {"Yeniden y\u00fckle", "Ctrl+R", true}, {nullptr, nullptr, false},
               {"Kopyala", "Ctrl+C", true}, {"T\u00fcm\u00fcn\u00fc se\u00e7", "Ctrl+A", true},
               {"Yazd\u0131r\u2026", "Ctrl+P", true}, {"\u0130ncele", nullptr, true}}}},
    {"_es", {{{"Atr\u00e1s", nullptr, true}, {"Volver a cargar", "Ctrl+R", true}, {nullptr, nullptr, false},
               {"Copiar", "Ctrl+C", true}, {"Seleccionar todo", "Ctrl+A", true}, {"Imprimir\u2026", "Ctrl+P", true},
               {"Inspeccionar", nullptr, true}}}},
    {"_it", {{{"Indietro", nullptr, true}, {"Ricarica", "Ctrl+R", true}, {nullptr, nullptr, false},
               {"Copia", "Ctrl+C", true}, {"Seleziona tutto", "Ctrl+A", true}, {"Stampa\u2026", "Ctrl+P", true},
               {"Ispeziona", nullptr, true}}}},
    {"_fr", {{{"Pr\u00e9c\u00e9dent", nullptr, true}, {"Actualiser", "Ctrl+R", true}, {nullptr, nullptr, false},
               {"Copier", "Ctrl+C", true}, {"Tout s\u00e9lectionner", "Ctrl+A", true},
               {"Imprimer\u2026", "Ctrl+P", true}, {"Inspecter", nullptr, true}}}},
    {"_de", {{{"Zur\u00fcck", nullptr, true}, {"Neu laden", "Strg+R", true}, {nullptr, nullptr, false},
               {"Kopieren", "Strg+C", true}, {"Alles ausw\u00e4hlen", "Strg+A", true},
               {"Drucken\u2026", "Strg+P", true}, {"Untersuchen", nullptr, true}}}},
    {"_pl", {{{"Wstecz", nullptr, true}, {"Od\u015bwie\u017c", "Ctrl+R", true}, {nullptr, nullptr, false},
               {"Kopiuj", "Ctrl+C", true}, {"Zaznacz wszystko", "Ctrl+A", true}, {"Drukuj\u2026", "Ctrl+P", true},
               {"Zbadaj", nullptr, true}}}},
    {"_pt", {{{"Voltar", nullptr, true}, {"Recarregar", "Ctrl+R", true}, {nullptr, nullptr, false},
               {"Copiar", "Ctrl+C", true}, {"Selecionar tudo", "Ctrl+A", true}, {"Imprimir\u2026", "Ctrl+P", true},
               {"Inspecionar", nullptr, true}}}},
}};

void drawContextMenu(QPainter &p, const Menu &entries)
{
    const int highlighted = 3;
    const qreal entryHeight = 10;
    const qreal separatorHeight = 5;

    qreal height = 4;
    for (const MenuEntry &e : entries)
        height += e.text ? entryHeight : separatorHeight;
    // Wide enough for the longest entry beside the widest shortcut.
    const QFontMetricsF metrics(font(7));
    qreal textWidth = 0, shortcutWidth = 0;
    for (const MenuEntry &e : entries) {
        if (e.text)
            textWidth = std::max(textWidth, metrics.horizontalAdvance(QString::fromUtf8(e.text)));
        if (e.shortcut)
            shortcutWidth = std::max(shortcutWidth, metrics.horizontalAdvance(QString::fromUtf8(e.shortcut)));
    }
    const qreal width = std::max<qreal>(96, std::ceil(1.5 + 8 + textWidth + 8 + shortcutWidth + 6 + 1.5));
    const QRectF menu(118.5, 55.5, width, height);

    // Soft shadow.
    p.save();
    p.setPen(Qt::NoPen);
    for (int i = 4; i >= 1; --i) {
        p.setBrush(rgba(0x000000, 14));
        p.drawRoundedRect(menu.adjusted(-i + 1.5, -i + 2.5, i + 1.5, i + 2.5), 2 + i, 2 + i);
    }
    p.setPen(QPen(rgb(0xC4C7CC), 1.0));
    p.setBrush(rgb(0xFFFFFF));
    p.drawRoundedRect(menu, 2.5, 2.5);
    p.restore();

    const QFont text = font(7);
    p.setFont(text);
    qreal y = menu.top() + 2;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const MenuEntry &e = entries[i];
        if (!e.text) {
            p.setPen(QPen(rgb(0xE0E0E0), 1.0));
            p.drawLine(QPointF(menu.left() + 1, y + 2.5), QPointF(menu.right() - 1, y + 2.5));
            y += separatorHeight;
            continue;
        }
        const QRectF row(menu.left() + 1.5, y, menu.width() - 3, entryHeight);
        const bool isHighlighted = int(i) == highlighted;
        if (isHighlighted) {
            p.setPen(Qt::NoPen);
            p.setBrush(rgb(kSelection));
            p.drawRect(row);
        }
        p.setPen(isHighlighted ? rgb(0xFFFFFF) : rgb(e.enabled ? 0x202124 : 0xA0A0A0));
        p.drawText(row.adjusted(8, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, QString::fromUtf8(e.text));
        if (e.shortcut) {
            p.setPen(isHighlighted ? rgba(0xFFFFFF, 220) : rgb(0x80868B));
            p.drawText(row.adjusted(0, 0, -6, 0), Qt::AlignRight | Qt::AlignVCenter,
                       QString::fromUtf8(e.shortcut));
        }
        y += entryHeight;
    }
}

// The ordinary arrow pointer, tip at the given point.
void drawPointer(QPainter &p, QPointF tip)
{
    const QPolygonF arrow = QPolygonF({
        QPointF(0, 0), QPointF(0, 11.5), QPointF(2.9, 8.8), QPointF(4.9, 13.2),
        QPointF(6.7, 12.4), QPointF(4.8, 8.1), QPointF(8.6, 8.1),
    }).translated(tip);
    p.save();
    p.setPen(QPen(rgb(0x000000), 0.9, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    p.setBrush(rgb(0xFFFFFF));
    p.drawPolygon(arrow);
    p.restore();
}

QImage drawScreenshot(int scale, const wagecourt::LanguageEntry &language, const Menu &menu)
{
    QImage image = blankPicture(kShotWidth, kShotHeight, scale);

    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    drawTabStrip(p);
    drawToolbar(p);
    drawPage(p, language);
    drawContextMenu(p, menu);
    drawPointer(p, QPointF(167, 84));

    // Window border.
    p.setPen(QPen(rgb(0x9AA0A6), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(0.5, 0.5, kShotWidth - 1, kShotHeight - 1));

    p.end();
    return image;
}

bool save(const QImage &image, const QDir &folder, const QString &name)
{
    const QString path = folder.filePath(name);
    if (!image.save(path, "JPG", 90)) {
        std::fprintf(stderr, "drawpictures: could not write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s  %d x %d\n", qPrintable(path), image.width(), image.height());
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);

    const QStringList args = QGuiApplication::arguments();
    // The window's icon as a small PNG, drawn from the installed SVG, so the
    // program need not load an SVG reader at start.
    if (args.size() == 4 && args.at(1) == QLatin1String("--icon")) {
        const QImage icon = QImage(args.at(2)).scaled(64, 64, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        return !icon.isNull() && icon.save(args.at(3), "PNG") ? 0 : 1;
    }
    // The desktop theme's icon sizes, each drawn from the vectors at its own
    // size rather than scaled from another picture.
    if (args.size() == 5 && args.at(1) == QLatin1String("--icon")) {
        const int size = args.at(4).toInt();
        QImageReader reader(args.at(2));
        reader.setScaledSize(QSize(size, size));
        const QImage icon = reader.read();
        if (icon.isNull() || icon.size() != QSize(size, size) || !icon.save(args.at(3), "PNG")) {
            std::fprintf(stderr, "drawpictures: could not draw %s at %d px\n", qPrintable(args.at(3)), size);
            return 1;
        }
        return 0;
    }
    // An icon a phone may cut to a circle or a rounded square: the picture
    // drawn smaller, inside the circle of four fifths of the side that every
    // such shape keeps, on a white square that fills the whole.
    if (args.size() == 5 && args.at(1) == QLatin1String("--maskable")) {
        const int size = args.at(4).toInt();
        const int inner = size * 5 / 8;
        QImageReader reader(args.at(2));
        reader.setScaledSize(QSize(inner, inner));
        const QImage picture = reader.read();
        QImage icon(size, size, QImage::Format_ARGB32);
        icon.fill(Qt::white);
        QPainter painter(&icon);
        painter.drawImage((size - inner) / 2, (size - inner) / 2, picture);
        painter.end();
        if (picture.isNull() || size <= 0 || !icon.save(args.at(3), "PNG")) {
            std::fprintf(stderr, "drawpictures: could not draw %s at %d px\n", qPrintable(args.at(3)), size);
            return 1;
        }
        return 0;
    }
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: drawpictures <output folder>\n");
        return 2;
    }
    QDir folder(args.at(1));
    if (!folder.exists() && !QDir().mkpath(folder.path())) {
        std::fprintf(stderr, "drawpictures: could not create %s\n", qPrintable(folder.path()));
        return 1;
    }

    bool ok = true;
    for (int scale : {1, 2}) {
        const QString suffix = scale == 1 ? QString() : QStringLiteral("@%1x").arg(scale);
        ok = save(drawPlayerCard(scale), folder, QStringLiteral("playercard%1.jpg").arg(suffix)) && ok;
        for (std::size_t i = 0; i < kPictureLanguages.size(); ++i) {
            const PictureLanguage &picture = kPictureLanguages[i];
            ok = save(drawScreenshot(scale, wagecourt::languages()[i], picture.menu), folder,
                      QStringLiteral("screenshot%1%2.jpg").arg(QLatin1String(picture.suffix), suffix))
                    && ok;
        }
    }
    return ok ? 0 : 1;
}
