#include "ui/platform/settingsfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSettings>
#include <QTemporaryDir>

#include <condition_variable>
#include <cstdio>
#include <mutex>

namespace wagecourt::ui {

using namespace std::chrono_literals;
using namespace Qt::StringLiterals;

namespace {

// Ours holds three keys in well under a kilobyte: past this it is not ours, and
// reading it could hold the window.
constexpr qint64 kLargestFile = 64 * 1024;
// A write holds the lock for milliseconds; one older than this was left behind.
constexpr int kStaleLockMilliseconds = 1000;
constexpr int kLockWaitMilliseconds = 200;
// What a close waits for the last writes, the attempt under way included.
constexpr auto kCloseWait = 750ms;
constexpr auto kRetryPause = 50ms;

bool readable(const QFileInfo &file)
{
    return file.isFile() && file.size() <= kLargestFile;
}

bool renameOver(const QString &from, const QString &to)
{
    // Replaces the target in one step, so a reader sees the old file or the new one.
    return std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
}

} // namespace

struct SettingsFile::Shared
{
    const QString path;
    std::mutex mutex;
    std::condition_variable wake;    // a write is asked for, or the end
    std::condition_variable written; // a write was tried
    QVariantMap pending;             // chosen, not yet in the file
    bool moveAside = false;
    bool asked = false;
    bool closing = false;
    bool stopped = false;
    QString failure; // why the last write failed

    void writeWhenAsked();
    QString write(const QVariantMap &values, bool setAside); // empty when done
};

void SettingsFile::Shared::writeWhenAsked()
{
    std::unique_lock lock(mutex);
    for (;;) {
        wake.wait(lock, [&] { return asked || stopped; });
        if (stopped)
            return;
        asked = false;
        if (pending.isEmpty() && !moveAside)
            continue;
        const QVariantMap values = pending;
        const bool setAside = moveAside;
        lock.unlock();
        const QString why = write(values, setAside);
        lock.lock();
        failure = why;
        if (why.isEmpty()) {
            for (auto it = values.cbegin(); it != values.cend(); ++it)
                if (pending.value(it.key()) == it.value()) // a newer choice stays
                    pending.remove(it.key());
            if (setAside)
                moveAside = false;
        } else if (closing && !wake.wait_for(lock, kRetryPause, [&] { return stopped; })) {
            asked = true; // a close keeps trying for as long as it waits
        }
        written.notify_all();
    }
}

QString SettingsFile::Shared::write(const QVariantMap &values, bool setAside)
{
    const QString folder = QFileInfo(path).path();
    if (!QDir().mkpath(folder))
        return u"cannot make the folder %1"_s.arg(folder);
    QLockFile lock(path + u".lock"_s);
    lock.setStaleLockTime(kStaleLockMilliseconds);
    if (!lock.tryLock(kLockWaitMilliseconds))
        return u"cannot take the lock %1.lock"_s.arg(path);

    QFileInfo current(path);
    if (current.isFile() && (setAside || current.size() > kLargestFile)) {
        if (!renameOver(path, path + u".bad"_s))
            return u"cannot move it aside to %1.bad"_s.arg(path);
        current.refresh();
    }
    // Written beside it and renamed over it: a write cut short leaves the old file whole.
    QTemporaryDir scratch(folder + u"/.Wagecourt-XXXXXX"_s);
    if (!scratch.isValid())
        return u"cannot write in %1"_s.arg(folder);
    const QString fresh = scratch.filePath(u"Wagecourt.conf"_s);
    if (current.isFile() && !QFile::copy(path, fresh))
        return u"cannot read it"_s;
    {
        QSettings settings(fresh, QSettings::IniFormat);
        for (auto it = values.cbegin(); it != values.cend(); ++it)
            settings.setValue(it.key(), it.value());
        settings.sync();
        if (settings.status() != QSettings::NoError)
            return u"cannot write in %1"_s.arg(folder);
    }
    if (!renameOver(fresh, path))
        return u"cannot replace it"_s;
    return {};
}

SettingsFile::SettingsFile(QString path) : m_shared(std::make_shared<Shared>(std::move(path)))
{
    m_writer = std::thread([shared = m_shared] { shared->writeWhenAsked(); });
}

SettingsFile::~SettingsFile()
{
    Shared &shared = *m_shared;
    std::unique_lock lock(shared.mutex);
    shared.closing = true;
    shared.asked = true;
    shared.wake.notify_all();
    const bool done = shared.written.wait_for(lock, kCloseWait,
                                              [&] { return shared.pending.isEmpty() && !shared.moveAside; });
    shared.stopped = true;
    shared.wake.notify_all();
    if (!done) {
        const QString why = shared.failure.isEmpty() ? u"it took too long"_s : shared.failure;
        std::fprintf(stderr, "wagecourt: the settings were not saved in %s: %s\n",
                     QFile::encodeName(shared.path).constData(), why.toLocal8Bit().constData());
    }
    lock.unlock();
    m_writer.join(); // an attempt under way ends within its lock wait
}

QVariant SettingsFile::value(const QString &key)
{
    {
        const std::lock_guard lock(m_shared->mutex);
        const auto chosen = m_shared->pending.constFind(key);
        if (chosen != m_shared->pending.cend())
            return *chosen;
    }
    if (!readable(QFileInfo(m_shared->path)))
        return {};
    return QSettings(m_shared->path, QSettings::IniFormat).value(key);
}

void SettingsFile::setValue(const QString &key, const QVariant &value)
{
    const std::lock_guard lock(m_shared->mutex);
    m_shared->pending.insert(key, value);
    m_shared->asked = true;
    m_shared->wake.notify_all();
}

bool SettingsFile::setAside()
{
    const QFileInfo file(m_shared->path);
    if (!file.isFile() || file.size() == 0)
        return false;
    const std::lock_guard lock(m_shared->mutex);
    m_shared->moveAside = true;
    m_shared->asked = true;
    m_shared->wake.notify_all();
    return true;
}

} // namespace wagecourt::ui
