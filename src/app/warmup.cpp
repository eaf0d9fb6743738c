#include "app/warmup.h"

#include "ui/picturecache.h"

#include <QGuiApplication>
#include <QScreen>

#ifdef WAGECOURT_HAVE_DBUS
#include <QDBusConnection>
#endif
#ifdef WAGECOURT_HAVE_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

namespace wagecourt::app {

using ui::kWindowIcon;
using ui::pictureResource;
using ui::picturePixelRatio;
using ui::resourcePicture;

namespace {

// The player card, seen in the first frame. Not the instruction picture: it is
// seen only under Show Info, and in the language the window starts in, which
// is not known here; decoding the English one for a start in another language
// would cost its memory for nothing.
const QString kPictures[] = {QStringLiteral(":/pictures/playercard.jpg")};

} // namespace

StartupWarmup::StartupWarmup()
{
#ifndef Q_OS_WIN
    // Not on Windows: the image plugins sit beside the program there, so they
    // cannot be found before the application object exists, and a std::thread
    // that has searched a plugin folder (matching "*.dll" with Qt's regular
    // expressions) faults as it ends, in MinGW's clean-up of Qt's thread-local
    // expression stack: MinGW-w64 frees emulated thread-local storage before
    // running its destructors (msys2/MINGW-packages issue 7096, mingw-w64 bug 859).
    m_worker = std::thread([this] {
#ifdef WAGECOURT_HAVE_FONTCONFIG
        // Reading the font configuration is the dearest part of the first
        // text; done here it overlaps with the display connection.
        FcInit();
#endif
        m_fontConfigurationRead.count_down();
        // In the order the start asks for them.
        resourcePicture(kWindowIcon);
        for (const QString &picture : kPictures)
            resourcePicture(picture);
    });
#endif
}

StartupWarmup::~StartupWarmup()
{
    for (std::thread *thread : {&m_worker, &m_sessionBus, &m_largePictures})
        if (thread->joinable())
            thread->join();
}

void StartupWarmup::applicationReady()
{
    if (m_worker.joinable())
        m_fontConfigurationRead.wait();
    // The larger pictures only for a screen that shows them; at 1× they would
    // cost a core's time for nothing.
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (screen && picturePixelRatio(screen->devicePixelRatio()) == 2) {
        m_largePictures = std::thread([] {
            for (const QString &picture : kPictures)
                resourcePicture(pictureResource(picture, 2));
        });
    }
#ifdef WAGECOURT_HAVE_DBUS
    m_sessionBus = std::thread([] { QDBusConnection::sessionBus(); });
#endif
}

} // namespace wagecourt::app
