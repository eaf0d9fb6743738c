#include "ui/picturecache.h"

#include <QHash>
#include <QMutex>

namespace wagecourt::ui {

namespace {

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

} // namespace wagecourt::ui
