#include "warmup.h"

#include <QHash>
#include <QMutex>

#ifdef WAGECOURT_HAVE_DBUS
#include <QDBusConnection>
#endif
#ifdef WAGECOURT_HAVE_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

namespace wagecourt::ui {

namespace {

const QString kPictures[] = {QStringLiteral(":/pictures/playercard.jpg"), QStringLiteral(":/pictures/screenshot.jpg")};

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
    auto found = pictures().find(resource);
    if (found == pictures().end())
        found = pictures().insert(resource, QImage(resource));
    return *found;
}

StartupWarmup::StartupWarmup()
    : m_worker([] {
#ifdef WAGECOURT_HAVE_FONTCONFIG
          // Reading the font configuration is the dearest part of the first
          // text; done here it overlaps with the display connection.
          FcInit();
#endif
          for (const QString &picture : kPictures)
              resourcePicture(picture);
      })
{
}

StartupWarmup::~StartupWarmup()
{
    if (m_worker.joinable())
        m_worker.join();
}

void StartupWarmup::applicationReady()
{
    if (m_worker.joinable())
        m_worker.join();
#ifdef WAGECOURT_HAVE_DBUS
    m_worker = std::thread([] { QDBusConnection::sessionBus(); });
#endif
}

} // namespace wagecourt::ui
