#pragma once

#include <QImage>
#include <QString>

#include <thread>

namespace wagecourt::ui {

// Start-up work that needs no application object: the font configuration is
// read and the pictures decoded on a second core while QApplication connects
// to the display. Construct it first thing in main(); call finish() once the
// application exists, before the window is built.
class StartupWarmup
{
public:
    StartupWarmup();
    ~StartupWarmup();
    StartupWarmup(const StartupWarmup &) = delete;
    StartupWarmup &operator=(const StartupWarmup &) = delete;

    void finish();

private:
    std::thread m_worker;
};

// A picture from the resources, decoded by the warm-up when it ran, else now.
// Each picture is decoded once; later calls return the same image.
QImage resourcePicture(const QString &resource);

} // namespace wagecourt::ui
