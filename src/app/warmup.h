#pragma once

#include <thread>

namespace wagecourt::app {

// Start-up work moved off the window's path to its first frame, onto a second
// core. Construct it first thing in main(): while QApplication connects to the
// display, the font configuration is read and the pictures are decoded. Call
// applicationReady() right after QApplication exists: the session bus, which
// the screen-reader bridge needs as soon as the first caption is set, is then
// connected while the window is being built, and on a screen that takes the
// pictures' larger versions these are decoded meanwhile too.
class StartupWarmup
{
public:
    StartupWarmup();
    ~StartupWarmup();
    StartupWarmup(const StartupWarmup &) = delete;
    StartupWarmup &operator=(const StartupWarmup &) = delete;

    void applicationReady();

private:
    std::thread m_worker;
    std::thread m_largePictures;
};

} // namespace wagecourt::app
