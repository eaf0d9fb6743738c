#pragma once

#include <latch>
#include <thread>

namespace wagecourt::app {

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

} // namespace wagecourt::app
