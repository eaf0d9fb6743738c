#pragma once

#include <QFont>
#include <QStringList>

class QScreen;
class QWidget;

namespace wagecourt::ui {

// The two faces the layout names. Where the system lacks them, free faces with
// the same metrics are loaded from the system's font folders, and failing that
// a named free family stands in, so that font matching never has to search.
enum class Face { Tahoma, MsSansSerif };

// What a window's text is drawn at: the logical DPI that turns points and
// twips into pixels, and the device pixels to each of those.
struct TextScale
{
    qreal logicalDpi = 96;
    qreal devicePixelRatio = 1;

    static TextScale of(const QScreen *screen);
    // The scale of the screen the widget's window shows on, or will first show on.
    static TextScale of(const QWidget *widget);

    // 96 device pixels to the inch: the one size the free faces' bitmaps have.
    bool isNative() const;

    bool operator==(const TextScale &) const = default;
};

// Loads the faces once, at start, before any window exists.
void loadLayoutFonts();

// Where the free faces are looked for; only takes effect before the first
// load. An empty list also passes over the system's own Tahoma and MS Sans
// Serif (Windows, macOS): tests use it to see the window with the stand-in.
void setLayoutFontFolders(const QStringList &folders);

// True where the window draws the free faces' hand-tuned bitmaps: at the
// native scale, with the free faces loaded.
bool drawsTunedBitmaps(const TextScale &scale);

// A font of the layout, in the face that draws it sharp at the given scale.
QFont layoutFont(Face face, qreal points, bool bold = false, bool underline = false, const TextScale &scale = {});

// The free Tahoma's bold outlines are no bolder than its regular ones; only its
// small bitmaps, drawn at the native scale, are. Where layoutFont() draws bold
// from those outlines, the text is struck again this far to the right, in
// device-independent pixels, as systems embolden a face without a bold of its
// own. 0 where the face's own bold serves.
qreal boldOverstrike(Face face, qreal points, bool bold, const TextScale &scale);

// The line spacing the face itself asks for, in pixels at the font's size: its
// ascender, descender and line gap as systems that lay out by the face's
// horizontal header read them. The free Tahoma asks the toolkit to take its
// typographic metrics instead, which are a fifth narrower and let two lines
// of text touch. 0 where the face gives no such header.
qreal faceLineSpacing(const QFont &font);

// The spacing of wrapped lines of text in this font: the face's own where it
// is wider than the toolkit's, else 0. Always 0 for the hand-tuned bitmaps,
// which keep the spacing the window was laid out with.
qreal wrappedLineSpacing(const QFont &font);

// The font of every control that the layout gives none, and of the message box.
QFont defaultFont(const TextScale &scale);

} // namespace wagecourt::ui
