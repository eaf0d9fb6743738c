#include "app/linkinbox.h"

#include "book/bookstore.h"
#include "book/shortlist.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QUuid>

namespace wagecourt::app {

using namespace Qt::StringLiterals;

namespace {

const QString kLockName = u"window.lock"_s;
const QString kInboxName = u"links"_s;
const QString kSuffix = u".link"_s;

QString inboxOf(const QString &folder) { return folder + u'/' + kInboxName; }

} // namespace

LinkInbox::LinkInbox(const QString &folder, QObject *parent)
    : QObject(parent), m_folder(folder), m_lock(folder + u'/' + kLockName)
{
    // Held for as long as the window lives: only a dead process's lock is stale.
    m_lock.setStaleLockTime(0);
}

LinkInbox::~LinkInbox() = default;

QString LinkInbox::defaultFolder()
{
    return QFileInfo(book::BookStore::defaultPath()).absolutePath();
}

bool LinkInbox::claim()
{
    if (!QDir().mkpath(inboxOf(m_folder)) || !m_lock.tryLock(0))
        return false;
    m_watcher = new QFileSystemWatcher(this);
    m_watcher->addPath(inboxOf(m_folder));
    connect(m_watcher, &QFileSystemWatcher::directoryChanged, this, &LinkInbox::takeWaiting);
    // Those left while no window was open, or before the watch began.
    takeWaiting();
    return true;
}

bool LinkInbox::handOver(const QString &folder, const QString &link)
{
    QLockFile lock(folder + u'/' + kLockName);
    lock.setStaleLockTime(0);
    if (lock.tryLock(0)) {
        lock.unlock();
        return false; // no window holds it
    }
    if (lock.error() != QLockFile::LockFailedError || !QDir().mkpath(inboxOf(folder)))
        return false;
    // Written whole under another name and then renamed, so the window never
    // reads half a link.
    QSaveFile file(inboxOf(folder) + u'/' + QUuid::createUuid().toString(QUuid::WithoutBraces) + kSuffix);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(link.toUtf8());
    return file.commit();
}

void LinkInbox::takeWaiting()
{
    const QDir inbox(inboxOf(m_folder));
    const QFileInfoList waiting =
            inbox.entryInfoList({u"*"_s + kSuffix}, QDir::Files | QDir::NoDotAndDotDot, QDir::Time | QDir::Reversed);
    for (const QFileInfo &entry : waiting) {
        const QString path = entry.absoluteFilePath();
        if (m_unremovable.contains(path))
            continue;
        // A link is at most a mebibyte; a larger file is read that far and
        // then refused as a link too large.
        QFile file(path);
        QByteArray bytes;
        if (file.open(QIODevice::ReadOnly))
            bytes = file.read(book::kLargestShortlistText + 1);
        file.close();
        if (!QFile::remove(path))
            m_unremovable.insert(path);
        if (!bytes.isEmpty())
            emit linkArrived(QString::fromUtf8(bytes));
    }
}

} // namespace wagecourt::app
