#pragma once

#include <QImage>
#include <QString>

#include <latch>
#include <thread>

namespace wagecourt::ui {

// Start-up work moved off the window's path to its first frame, onto a second
// core. Construct it first thing in main(): while QApplication connects to the
// display, the font configuration is read, and then the pictures are decoded.
// Call applicationReady() right after QApplication exists: it waits for the
// font configuration only, so the pictures go on decoding while the window is
// being built (a picture asked for meanwhile waits for its own decoding); the
// session bus, which the screen-reader bridge needs as soon as the first
// caption is set, is connected meanwhile too, and on a screen that takes the
// pictures' larger versions these are decoded as well.
class StartupWarmup
{
public:
    StartupWarmup();
    ~StartupWarmup();
    StartupWarmup(const StartupWarmup &) = delete;
    StartupWarmup &operator=(const StartupWarmup &) = delete;

    void applicationReady();

private:
    std::latch m_fontConfigurationRead{1};
    std::thread m_worker;
    std::thread m_sessionBus;
    std::thread m_largePictures;
};

// The window's icon, a PNG: no SVG module to load for it.
inline const QString kWindowIcon = QStringLiteral(":/pictures/icon.png");

// A picture from the resources, decoded by the warm-up when it ran, else now.
// Each picture is decoded once; later calls return the same image. A picture
// that could not be decoded is tried again on the next call.
QImage resourcePicture(const QString &resource);

// Which version of a picture a screen takes: 2, the one drawn at twice the
// size, from a device pixel ratio of 1.5 on; else 1.
int picturePixelRatio(qreal devicePixelRatio);

// The resource of a picture's version: ":/pictures/card.jpg" at 2 is
// ":/pictures/card@2x.jpg".
QString pictureResource(const QString &resource, int pixelRatio);

} // namespace wagecourt::ui
