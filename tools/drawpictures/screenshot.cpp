#include "screenshot.h"

#include "drawing.h"
#include "catalogue/catalogue.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QPolygonF>
#include <QRectF>
#include <QStringList>

#include <algorithm>
#include <array>
#include <cmath>

using namespace drawing;

namespace {

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

} // namespace

QString screenshotName(std::size_t language)
{
    return QStringLiteral("screenshot%1").arg(QLatin1String(kPictureLanguages.at(language).suffix));
}

QImage drawScreenshot(int scale, std::size_t language)
{
    QImage image = blankPicture(kShotWidth, kShotHeight, scale);

    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    drawTabStrip(p);
    drawToolbar(p);
    drawPage(p, wagecourt::languages()[language]);
    drawContextMenu(p, kPictureLanguages.at(language).menu);
    drawPointer(p, QPointF(167, 84));

    // Window border.
    p.setPen(QPen(rgb(0x9AA0A6), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(0.5, 0.5, kShotWidth - 1, kShotHeight - 1));

    p.end();
    return image;
}
