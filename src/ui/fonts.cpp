#include "ui/fonts.h"

#include <QFile>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QRawFont>
#include <QScreen>
#include <QStringList>
#include <QWidget>
#include <QWindow>

namespace wagecourt::ui {

using namespace Qt::StringLiterals;

namespace {

// Free faces with the metrics of the layout's fonts (Debian: fonts-wine).
QStringList &fontFolders()
{
    static QStringList folders{u"/usr/share/wine/fonts"_s, u"/usr/local/share/wine/fonts"_s};
    return folders;
}
const QString kFallbackFamily = u"DejaVu Sans"_s;

struct LoadedFaces
{
    bool tahoma = false;
    bool tahomaBold = false;
    bool msSansSerif = false;
};

bool addFont(const QString &fileName, const QString &family)
{
    for (const QString &folder : fontFolders()) {
        const QString path = folder + u'/' + fileName;
        if (QFile::exists(path)
            && QFontDatabase::applicationFontFamilies(QFontDatabase::addApplicationFont(path)).contains(family))
            return true;
    }
    return false;
}

// Windows carries both faces itself, and macOS Tahoma; there they are taken
// as the system has them. Elsewhere only the free files count, so that a
// system's look-alike under the same name is never taken for them.
bool systemHas(const QString &family)
{
#if defined(Q_OS_WIN) || defined(Q_OS_MACOS)
    return fontFolders().isEmpty() ? false : QFontDatabase::hasFamily(family);
#else
    Q_UNUSED(family);
    return false;
#endif
}

const LoadedFaces &loadedFaces()
{
    static const LoadedFaces faces = [] {
        LoadedFaces loaded;
        loaded.tahoma = addFont(u"tahoma.ttf"_s, u"Tahoma"_s);
        loaded.tahomaBold = loaded.tahoma && addFont(u"tahomabd.ttf"_s, u"Tahoma"_s);
        loaded.msSansSerif = addFont(u"ms_sans_serif.ttf"_s, u"MS Sans Serif"_s);
        if (!loaded.tahoma && systemHas(u"Tahoma"_s))
            loaded.tahoma = loaded.tahomaBold = true;
        if (!loaded.msSansSerif)
            loaded.msSansSerif = systemHas(u"MS Sans Serif"_s);
        return loaded;
    }();
    return faces;
}

} // namespace

TextScale TextScale::of(const QScreen *screen)
{
    if (!screen)
        return {};
    return {screen->logicalDotsPerInchY(), screen->devicePixelRatio()};
}

TextScale TextScale::of(const QWidget *widget)
{
    // A window that exists knows its screen; one not yet shown opens on the widget's.
    if (const QWindow *window = widget->window()->windowHandle(); window && window->screen())
        return {window->screen()->logicalDotsPerInchY(), widget->window()->devicePixelRatioF()};
    return of(widget->screen() ? widget->screen() : QGuiApplication::primaryScreen());
}

bool TextScale::isNative() const
{
    return qFuzzyCompare(logicalDpi * devicePixelRatio, 96.0);
}

void setLayoutFontFolders(const QStringList &folders)
{
    fontFolders() = folders;
}

void loadLayoutFonts()
{
    loadedFaces();
}

bool drawsTunedBitmaps(const TextScale &scale)
{
    return scale.isNative() && loadedFaces().tahoma;
}

namespace {

struct Choice
{
    QString family; // empty: the stand-in
    bool overstruck = false;
};

Choice choose(Face face, qreal points, bool bold, const TextScale &scale)
{
    // The free faces draw bold as hand-tuned pixels for small text at the native
    // scale only; their bold outlines are as thin as the regular ones.
    constexpr qreal kLargestTunedBold = 9.0;
    const LoadedFaces &faces = loadedFaces();
    if (scale.isNative()) {
        const bool tunedBold = bold && points <= kLargestTunedBold && faces.tahomaBold;
        if (face == Face::Tahoma && faces.tahoma && (!bold || tunedBold))
            return {u"Tahoma"_s};
        if (face == Face::MsSansSerif && faces.msSansSerif && !bold)
            return {u"MS Sans Serif"_s};
        if (face == Face::MsSansSerif && tunedBold)
            return {u"Tahoma"_s}; // the free MS Sans Serif has no bold; Tahoma's is its close cousin
        if (face == Face::MsSansSerif && !faces.msSansSerif && faces.tahoma && !bold)
            return {u"Tahoma"_s}; // a system without MS Sans Serif (macOS)
        return {};
    }
    // MS Sans Serif is bitmaps of three sizes only; the scalable Tahoma is
    // metrically close to the outline face later systems draw for that name.
    // Its bold keeps the bold face's letter widths and is struck twice.
    if (faces.tahoma && !bold)
        return {u"Tahoma"_s};
    if (faces.tahomaBold && bold)
        return {u"Tahoma"_s, true};
    return {};
}

} // namespace

QFont layoutFont(Face face, qreal points, bool bold, bool underline, const TextScale &scale)
{
    const Choice choice = choose(face, points, bold, scale);
    QFont font(choice.family.isEmpty() ? kFallbackFamily : choice.family);
    font.setPointSizeF(points);
    font.setBold(bold);
    font.setUnderline(underline);
    if (choice.family.isEmpty()) {
        // Narrowed to about the layout faces' width.
        font.setStretch(90);
    } else if (scale.isNative()) {
        // Hinted for crisp black-and-white pixels, as they were designed.
        font.setStyleStrategy(QFont::NoAntialias);
        font.setHintingPreference(QFont::PreferFullHinting);
    }
    return font;
}

qreal boldOverstrike(Face face, qreal points, bool bold, const TextScale &scale)
{
    // About the difference between a bold stem and a regular one.
    constexpr qreal kOfTheEm = 0.09;
    if (!choose(face, points, bold, scale).overstruck)
        return 0;
    return points * scale.logicalDpi / 72.0 * kOfTheEm;
}

qreal faceLineSpacing(const QFont &font)
{
    const QRawFont raw = QRawFont::fromFont(font);
    const QByteArray header = raw.fontTable("hhea");
    const QByteArray head = raw.fontTable("head");
    if (header.size() < 10 || head.size() < 20)
        return 0;
    auto int16At = [](const QByteArray &table, int at) {
        return qint16(quint16(uchar(table[at])) << 8 | uchar(table[at + 1])); // big-endian
    };
    const int unitsPerEm = quint16(int16At(head, 18));
    if (unitsPerEm == 0)
        return 0;
    const int units = int16At(header, 4) - int16At(header, 6) + int16At(header, 8); // ascender - descender + gap
    return units * raw.pixelSize() / unitsPerEm;
}

qreal wrappedLineSpacing(const QFont &font)
{
    if (font.styleStrategy() & QFont::NoAntialias)
        return 0;
    const qreal own = faceLineSpacing(font);
    return own > QFontMetricsF(font).lineSpacing() ? own : 0;
}

QFont defaultFont(const TextScale &scale)
{
    return layoutFont(Face::MsSansSerif, 8, false, false, scale);
}

} // namespace wagecourt::ui
