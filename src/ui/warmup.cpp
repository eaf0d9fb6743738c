#include "warmup.h"

#include <QGuiApplication>
#include <QHash>
#include <QMutex>
#include <QScreen>

#ifdef WAGECOURT_HAVE_DBUS
#include <QDBusConnection>
#endif
#ifdef WAGECOURT_HAVE_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

namespace wagecourt::ui {

namespace {

const QString kPictures[] = {QStringLiteral(":/pictures/screenshot.jpg"), QStringLiteral(":/pictures/playercard.jpg")};

QMutex &picturesMutex()
{
    static QMutex mutex;
    return mutex;
}

QHash<QString, QImage> &pictures()
{
    static QHash<QString, QImage> decoded;
    return decoded;
}

} // namespace

QImage resourcePicture(const QString &resource)
{
    QMutexLocker lock(&picturesMutex());
    const auto found = pictures().constFind(resource);
    if (found != pictures().cend())
        return *found;
    // A failed decode is not kept: the decoder may only be found once the
    // application object has added the program's folder to the plugin path.
    const QImage decoded(resource);
    if (!decoded.isNull())
        pictures().insert(resource, decoded);
    return decoded;
}

int picturePixelRatio(qreal devicePixelRatio)
{
    return devicePixelRatio >= 1.5 ? 2 : 1;
}

QString pictureResource(const QString &resource, int pixelRatio)
{
    if (pixelRatio == 1)
        return resource;
    const qsizetype dot = resource.lastIndexOf(u'.');
    return resource.first(dot) + QStringLiteral("@%1x").arg(pixelRatio) + resource.sliced(dot);
}

StartupWarmup::StartupWarmup()
{
#ifndef Q_OS_WIN
    // Not on Windows: the image plugins sit beside the program there, so they
    // cannot be found before the application object exists, and a std::thread
    // that has searched a plugin folder (matching "*.dll" with Qt's regular
    // expressions) faults as it ends, in MinGW's clean-up of Qt's thread-local
    // expression stack.
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

} // namespace wagecourt::ui
