#include "playercard.h"

#include "drawing.h"
#include "ui/cardgeometry.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QRadialGradient>
#include <QRectF>
#include <QString>

#include <cstddef>

using namespace drawing;
namespace card = wagecourt::ui::card;

namespace {

constexpr int kHeaderHeight = 25;
constexpr QRgb kCardPaper = 0xFFFCF8;

constexpr QRgb kSkin = 0xC98B5F;
constexpr QRgb kSkinShade = 0xAE7349;
constexpr QRgb kHair = 0x2E211A;

// The skill bands reach from just before their captions to these edges.
constexpr qreal kLeftBandX = card::pixels(card::kLeftColumn) - card::kBandLead;
constexpr qreal kLeftBandRight = 400;
constexpr qreal kRightBandX = card::kRightBandX;
constexpr qreal kRightBandRight = 576;

// A place of the window's layout in the picture's pixels.
QRectF onCard(const wagecourt::ui::Place &place)
{
    return QRectF(card::pixels(place.left), card::pixelsFromTop(place.top), card::pixels(place.width),
                  card::pixels(place.height));
}

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

// ---------------------------------------------------------------------------
// The portrait, left of the salary
// ---------------------------------------------------------------------------

// An arena sky fading into the floor, a light behind the head and a faint
// backboard up in the corner; everything after this is clipped to the frame.
void drawPortraitBackdrop(QPainter &p, const QRectF &frame, const QPainterPath &framePath)
{
    QLinearGradient sky(frame.topLeft(), frame.bottomLeft());
    sky.setColorAt(0.0, rgb(0xE4EFF9));
    sky.setColorAt(0.7, rgb(0xC7DCEF));
    sky.setColorAt(1.0, rgb(0xB3CDE6));
    p.setPen(Qt::NoPen);
    p.setBrush(sky);
    p.drawPath(framePath);
    p.setClipPath(framePath);

    QRadialGradient glow(QPointF(65, 92), 52);
    glow.setColorAt(0.0, rgba(0xFFFFFF, 200));
    glow.setColorAt(1.0, rgba(0xFFFFFF, 0));
    p.setBrush(glow);
    p.drawEllipse(QPointF(65, 92), 52, 52);

    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(rgba(0x6F90B3, 90), 1.5));
    p.drawRoundedRect(QRectF(84, 40, 30, 20), 2, 2);
    p.drawRect(QRectF(94, 48, 10, 8));
    p.setPen(QPen(rgba(0xE0651A, 120), 1.5));
    p.drawLine(QPointF(92, 61), QPointF(106, 61));
}

// Shoulders and arms, and the neck with a shadow under the chin.
void drawShoulders(QPainter &p)
{
    QPainterPath shoulders;
    shoulders.moveTo(14, 200);
    shoulders.cubicTo(14, 160, 26, 146, 48, 142);
    shoulders.lineTo(82, 142);
    shoulders.cubicTo(104, 146, 116, 160, 116, 200);
    shoulders.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(rgb(kSkin));
    p.drawPath(shoulders);

    p.setBrush(rgb(kSkin));
    p.drawRoundedRect(QRectF(55, 112, 20, 36), 6, 6);
    p.setBrush(rgba(kSkinShade, 200));
    p.drawEllipse(QRectF(55, 114, 20, 12));
}

// A blue tank top with white trim and the number.
void drawJersey(QPainter &p)
{
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

    p.setFont(font(20, true));
    p.setPen(rgb(0xF39A43));
    p.drawText(QRectF(40, 163, 50, 26).translated(1, 1), Qt::AlignCenter, QStringLiteral("00"));
    p.setPen(rgb(0xFFFFFF));
    p.drawText(QRectF(40, 163, 50, 26), Qt::AlignCenter, QStringLiteral("00"));
}

// Ears, head, short hair with a rounded hairline, and a headband across the forehead.
void drawHead(QPainter &p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(rgb(kSkin));
    p.drawEllipse(QRectF(37, 88, 10, 16));
    p.drawEllipse(QRectF(83, 88, 10, 16));
    p.setBrush(rgb(kSkinShade));
    p.drawEllipse(QRectF(39.5, 92, 5, 8));
    p.drawEllipse(QRectF(85.5, 92, 5, 8));

    p.setBrush(rgb(kSkin));
    p.drawEllipse(QRectF(41, 64, 48, 60));

    QPainterPath hairPath;
    hairPath.moveTo(41.5, 92);
    hairPath.cubicTo(36, 54, 94, 54, 88.5, 92);
    hairPath.cubicTo(87, 84, 84, 80, 80, 78);
    hairPath.cubicTo(72, 81, 58, 81, 50, 78);
    hairPath.cubicTo(46, 80, 43, 84, 41.5, 92);
    hairPath.closeSubpath();
    p.setBrush(rgb(kHair));
    p.drawPath(hairPath);

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
}

// Eyebrows, eyes, nose, smile and cheeks.
void drawFace(QPainter &p)
{
    p.setPen(QPen(rgb(kHair), 1.8, Qt::SolidLine, Qt::RoundCap));
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
    p.setPen(QPen(rgb(kSkinShade), 1.4, Qt::SolidLine, Qt::RoundCap));
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
}

void drawPortrait(QPainter &p)
{
    const QRectF frame(10.5, 32.5, 109, 162);
    QPainterPath framePath;
    framePath.addRoundedRect(frame, 6, 6);

    p.save();
    drawPortraitBackdrop(p, frame, framePath);
    drawShoulders(p);
    drawJersey(p);
    drawHead(p);
    drawFace(p);
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

// ---------------------------------------------------------------------------
// The card around it
// ---------------------------------------------------------------------------

// The card's outline, inside the frame's line at every edge.
QPainterPath cardOutline()
{
    constexpr qreal inset = card::kFrameWidth / 2.0;
    QPainterPath outline;
    outline.addRoundedRect(QRectF(inset, inset, card::kWidth - card::kFrameWidth, card::kHeight - card::kFrameWidth),
                           7, 7);
    return outline;
}

// The paper, and the orange header bar with a faint shadow under it.
void drawPaperAndHeader(QPainter &p, const QPainterPath &outline)
{
    p.setPen(Qt::NoPen);
    p.setBrush(rgb(kCardPaper));
    p.drawPath(outline);

    p.save();
    p.setClipPath(outline);
    QLinearGradient header(QPointF(0, 0), QPointF(0, kHeaderHeight));
    header.setColorAt(0.0, rgb(kOrangeLight));
    header.setColorAt(1.0, rgb(kOrange));
    p.setBrush(header);
    p.drawRect(QRectF(0, 0, card::kWidth, kHeaderHeight));
    p.setBrush(rgb(kOrangeDark));
    p.drawRect(QRectF(0, kHeaderHeight - 1, card::kWidth, 1));
    QLinearGradient shadow(QPointF(0, kHeaderHeight), QPointF(0, kHeaderHeight + 4));
    shadow.setColorAt(0.0, rgba(kOrangeDark, 45));
    shadow.setColorAt(1.0, rgba(kOrangeDark, 0));
    p.setBrush(shadow);
    p.drawRect(QRectF(0, kHeaderHeight, card::kWidth, 4));
    p.restore();
}

// The player's name and number, white on the bar with a soft shadow; and a
// plain plate for the position's name, reaching below the bar so that its
// bold caption reads clearly, and to the right for the longest names.
void drawNameAndPosition(QPainter &p)
{
    p.save();
    p.setFont(font(13, true));
    const QRectF nameBox(30, 0, 300, kHeaderHeight - 1);
    const QString name = QStringLiteral("Player Name  #00");
    p.setPen(rgba(kOrangeDark, 170));
    p.drawText(nameBox.translated(0.8, 0.8), Qt::AlignLeft | Qt::AlignVCenter, name);
    p.setPen(rgb(0xFFFFFF));
    p.drawText(nameBox, Qt::AlignLeft | Qt::AlignVCenter, name);
    p.restore();

    const QRectF position = onCard(card::kPosition);
    p.save();
    p.setPen(QPen(rgb(kOrangeDark), 1.0));
    p.setBrush(rgb(0xFFF7EE));
    p.drawRoundedRect(QRectF(position.left() - 3.5, position.top() - 5.5, 139, 23), 4, 4);
    p.restore();
}

// A calm white field a little larger than the salary's number, with a green
// dollar sign just left of it.
void drawSalaryField(QPainter &p)
{
    const QRectF number = onCard(card::kSalary);
    const QRectF dollar(number.left() - 19, number.top() - 3, 15, 22);
    p.save();
    p.setPen(QPen(rgb(0xE8D9CA), 1.0));
    p.setBrush(rgb(0xFFFFFF));
    p.drawRoundedRect(number.adjusted(-2.5, -0.5, 4.5, 1.5), 3, 3);
    p.setFont(font(19, true));
    p.setPen(rgba(0x1E5E30, 90));
    p.drawText(dollar.translated(0.8, 0.8), Qt::AlignCenter, QStringLiteral("$"));
    p.setPen(rgb(0x2E8B45));
    p.drawText(dollar, Qt::AlignCenter, QStringLiteral("$"));
    p.restore();
}

// A thin rule between the salary and the skills, and a band behind each row
// of skill captions.
void drawSkillArea(QPainter &p)
{
    p.save();
    p.setPen(QPen(rgb(0xF1DCC8), 1.0));
    p.drawLine(QPointF(card::kRuleX + 0.5, 40), QPointF(card::kRuleX + 0.5, 192));
    p.restore();

    p.save();
    for (std::size_t i = 0; i < card::kSkillRowTops.size(); ++i) {
        const int top = card::pixelsFromTop(card::kSkillRowTops[i]);
        const bool darker = (i % 2) == 0;
        drawSkillBand(p, kLeftBandX, kLeftBandRight, top, darker);
        drawSkillBand(p, kRightBandX, kRightBandRight, top, darker);
    }
    drawSkillBand(p, kLeftBandX, kLeftBandRight, card::pixelsFromTop(card::kLastLeftRowTop), true);
    p.restore();
}

} // namespace

QImage drawPlayerCard(int scale)
{
    QImage image = blankPicture(card::kWidth, card::kHeight, scale);

    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);

    const QPainterPath outline = cardOutline();
    drawPaperAndHeader(p, outline);
    drawHeaderBadge(p);
    drawNameAndPosition(p);
    drawPortrait(p);
    drawSalaryField(p);
    drawSkillArea(p);

    // A very faint ball as a watermark in the free corner under the right column.
    p.save();
    p.setOpacity(0.07);
    drawBasketball(p, QPointF(540, 176), 40, 3.0);
    p.restore();

    // The orange frame.
    p.save();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(rgb(kOrange), card::kFrameWidth));
    p.drawPath(outline);
    p.restore();

    p.end();
    return image;
}
