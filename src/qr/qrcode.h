#pragma once

#include <QByteArrayView>
#include <QList>
#include <QRect>
#include <QString>

#include <optional>

namespace wagecourt::qr {

// The largest symbol encodeQr makes: version 25, 117 modules a side, which
// holds 1,273 bytes at the lowest error correction. A larger one is too dense
// for a phone's camera to read off a screen at the size the window shows it.
inline constexpr int kMaxVersion = 25;
inline constexpr int kMaxBytes = 1273;

// A symbol's modules, row by row from the top left: size × size, true where
// dark. The quiet zone around it (four modules wide) is the drawer's to leave.
struct QrCode
{
    int size = 0;
    QList<bool> modules;

    bool isDark(int x, int y) const { return modules[qsizetype(y) * size + x]; }
};

// The text's bytes as they are (8-bit mode, no conversion of their
// character set), at error correction level L, in the smallest version that
// holds them. An empty text and one that needs more than version 25 give none.
std::optional<QrCode> encodeQr(QByteArrayView text);

// The dark modules as horizontal runs, one module high, in module units: what
// a window fills with its QPainter, and what svgPath writes for the page.
QList<QRect> darkRuns(const QrCode &code);

// The same runs as an SVG path's data, for a <path> in a viewBox of
// 0 0 size size (the quiet zone outside it).
QString svgPath(const QrCode &code);

} // namespace wagecourt::qr
