#include "fonts.h"

#include <QFile>
#include <QFontDatabase>
#include <QStringList>

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

const LoadedFaces &loadedFaces()
{
    static const LoadedFaces faces = [] {
        LoadedFaces loaded;
        loaded.tahoma = addFont(u"tahoma.ttf"_s, u"Tahoma"_s);
        loaded.tahomaBold = loaded.tahoma && addFont(u"tahomabd.ttf"_s, u"Tahoma"_s);
        loaded.msSansSerif = addFont(u"ms_sans_serif.ttf"_s, u"MS Sans Serif"_s);
        return loaded;
    }();
    return faces;
}

} // namespace

void setLayoutFontFolders(const QStringList &folders)
{
    fontFolders() = folders;
}

void loadLayoutFonts()
{
    loadedFaces();
}

QFont layoutFont(Face face, qreal points, bool bold, bool underline)
{
    // The free faces draw bold as hand-tuned pixels for small text only; their
    // larger bold outlines are too thin to read as bold.
    constexpr qreal kLargestTunedBold = 9.0;
    const LoadedFaces &faces = loadedFaces();
    const bool tunedBold = bold && points <= kLargestTunedBold && faces.tahomaBold;

    QString family;
    if (face == Face::Tahoma && faces.tahoma && (!bold || tunedBold))
        family = u"Tahoma"_s;
    else if (face == Face::MsSansSerif && faces.msSansSerif && !bold)
        family = u"MS Sans Serif"_s;
    else if (face == Face::MsSansSerif && tunedBold)
        family = u"Tahoma"_s; // the free MS Sans Serif has no bold; Tahoma's is its close cousin

    QFont font(family.isEmpty() ? kFallbackFamily : family);
    font.setPointSizeF(points);
    font.setBold(bold);
    font.setUnderline(underline);
    if (family.isEmpty()) {
        // Narrowed to about the layout faces' width, so every caption still fits.
        font.setStretch(90);
    } else {
        // Hinted for crisp black-and-white pixels, as they were designed.
        font.setStyleStrategy(QFont::NoAntialias);
        font.setHintingPreference(QFont::PreferFullHinting);
    }
    return font;
}

} // namespace wagecourt::ui
