// Draws the pictures the window shows, into a folder:
//
//   playercard.jpg  581 x 206  the backdrop of the salary form (playercard.cpp)
//   screenshot.jpg  278 x 129  how to copy a player's skills from the game's
//                              player page (screenshot.cpp); screenshot_de.jpg
//                              and so on in each other game language
//
// and each again at twice the size, for screens of 150 % and more, under the
// name Qt gives such versions: playercard@2x.jpg and screenshot@2x.jpg.
// With --icon it draws an icon from the SVG instead (icons.cpp).
//
// Everything is drawn with QPainter from simple shapes and the DejaVu Sans
// family, so the output is the same on every run on the same machine; on
// another processor Qt's drawing code may round a few edge pixels the other
// way, so --compare tells pictures apart that differ by more than that.
// Run it with QT_QPA_PLATFORM=offscreen; tools/drawpictures/redraw.sh draws all.

#include "icons.h"
#include "playercard.h"
#include "screenshot.h"

#include "catalogue/catalogue.h"

#include <QCommandLineParser>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QString>
#include <QStringList>

#include <cstdio>
#include <cstdlib>

namespace {

constexpr int kUsageError = 2;
constexpr int kLargestIcon = 1024;
// How far a colour channel may stand from the kept picture's: the last bit of
// an edge's coverage, rounded otherwise on another machine.
constexpr int kChannelTolerance = 1;

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

int drawPictures(const QString &folderPath)
{
    const QDir folder(folderPath);
    if (!folder.exists() && !QDir().mkpath(folder.path())) {
        std::fprintf(stderr, "drawpictures: could not create %s\n", qPrintable(folder.path()));
        return 1;
    }
    bool ok = true;
    for (int scale : {1, 2}) {
        const QString suffix = scale == 1 ? QString() : QStringLiteral("@%1x").arg(scale);
        ok = save(drawPlayerCard(scale), folder, QStringLiteral("playercard%1.jpg").arg(suffix)) && ok;
        for (std::size_t i = 0; i < wagecourt::kLanguageCount; ++i)
            ok = save(drawScreenshot(scale, i), folder, screenshotName(i) + suffix + QLatin1String(".jpg")) && ok;
    }
    return ok ? 0 : 1;
}

int usageError(const QCommandLineParser &parser, const QString &message)
{
    std::fprintf(stderr, "drawpictures: %s\n\n%s", qPrintable(message), qPrintable(parser.helpText()));
    return kUsageError;
}

struct Options
{
    QCommandLineOption icon{QStringLiteral("icon"), QStringLiteral("Draw an icon from <svg> into the file <output>."),
                            QStringLiteral("svg")};
    QCommandLineOption size{
        QStringLiteral("size"),
        QStringLiteral("Draw the icon from its vectors at this size, for the desktop theme; without it, the "
                       "window's 64-pixel icon, scaled down from the SVG's own size."),
        QStringLiteral("pixels")};
    QCommandLineOption compare{QStringLiteral("compare"),
                               QStringLiteral("Compare the picture <output> with <expected> instead of drawing: the "
                                              "same size, and no colour channel more than 1 apart."),
                               QStringLiteral("expected")};
    QCommandLineOption maskable{QStringLiteral("maskable"),
                                QStringLiteral("With --size, draw the icon a phone may cut to its own shape: smaller, "
                                               "on a white square.")};
};

void describe(QCommandLineParser &parser, const Options &options)
{
    parser.setApplicationDescription(QStringLiteral(
        "Draws the window's pictures into a folder: the player card and, in every game language, the picture\n"
        "of how to copy the skills, each also at twice the size. With --icon, draws an icon instead."));
    parser.addHelpOption();
    parser.addOptions({options.icon, options.size, options.maskable, options.compare});
    parser.addPositionalArgument(QStringLiteral("output"), QStringLiteral("The pictures' folder, or the icon's PNG file."));
}

int drawIcon(const QCommandLineParser &parser, const Options &options, const QString &output)
{
    QString failure;
    if (parser.isSet(options.size)) {
        bool number = false;
        const int pixels = parser.value(options.size).toInt(&number);
        if (!number || pixels < 1 || pixels > kLargestIcon)
            return usageError(parser, QStringLiteral("--size takes a number of pixels from 1 to %1, not \"%2\"")
                                          .arg(kLargestIcon)
                                          .arg(parser.value(options.size)));
        failure = parser.isSet(options.maskable) ? drawMaskableIcon(parser.value(options.icon), output, pixels)
                                                 : drawThemeIcon(parser.value(options.icon), output, pixels);
    } else if (parser.isSet(options.maskable)) {
        return usageError(parser, QStringLiteral("--maskable needs the icon's --size"));
    } else {
        failure = drawWindowIcon(parser.value(options.icon), output);
    }
    if (!failure.isEmpty())
        std::fprintf(stderr, "drawpictures: %s\n", qPrintable(failure));
    return failure.isEmpty() ? 0 : 1;
}

int comparePictures(const QString &expectedPath, const QString &actualPath)
{
    const QImage expected = QImage(expectedPath).convertToFormat(QImage::Format_RGBA8888);
    const QImage actual = QImage(actualPath).convertToFormat(QImage::Format_RGBA8888);
    if (expected.isNull() || actual.isNull() || expected.size() != actual.size()) {
        std::fprintf(stderr, "drawpictures: %s and %s are not pictures of one size\n", qPrintable(expectedPath),
                     qPrintable(actualPath));
        return 1;
    }
    for (int y = 0; y < expected.height(); ++y) {
        const uchar *a = expected.constScanLine(y);
        const uchar *b = actual.constScanLine(y);
        for (int x = 0; x < 4 * expected.width(); ++x)
            if (std::abs(a[x] - b[x]) > kChannelTolerance) {
                std::fprintf(stderr, "drawpictures: %s differs from %s at %d, %d\n", qPrintable(actualPath),
                             qPrintable(expectedPath), x / 4, y);
                return 1;
            }
    }
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    QCommandLineParser parser;
    const Options options;
    describe(parser, options);
    if (!parser.parse(QGuiApplication::arguments()))
        return usageError(parser, parser.errorText());
    if (parser.isSet(QStringLiteral("help")))
        parser.showHelp(0);
    const QStringList outputs = parser.positionalArguments();
    if (outputs.size() != 1)
        return usageError(parser, QStringLiteral("give one output: the pictures' folder, or with --icon the icon's file"));
    if (parser.isSet(options.compare))
        return comparePictures(parser.value(options.compare), outputs.front());
    if (parser.isSet(options.icon))
        return drawIcon(parser, options, outputs.front());
    if (parser.isSet(options.size))
        return usageError(parser, QStringLiteral("--size is the size of an icon, drawn with --icon"));
    return drawPictures(outputs.front());
}
