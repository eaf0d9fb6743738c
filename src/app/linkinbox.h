#pragma once

#include <QFileSystemWatcher>
#include <QLockFile>
#include <QObject>
#include <QSet>
#include <QString>

namespace wagecourt::app {

// One window takes the links that other programs open: a click on a
// wagecourt: link in a mail starts the program again, and that start hands
// the link to the window already open instead of opening a second one.
//
// The first window holds a lock in the book's data folder and watches an
// inbox beside it; a later start that finds the lock held leaves its link
// there and ends. Files and a lock work alike on every system, need no
// network module, and a window that dies leaves a lock the next start takes.
class LinkInbox : public QObject
{
    Q_OBJECT

public:
    // The folder that holds the lock and the inbox (the book's folder by default).
    explicit LinkInbox(const QString &folder, QObject *parent = nullptr);
    ~LinkInbox() override;

    // Takes the links for this window: true when no other live window has
    // them. Links already waiting are then delivered, and each later one.
    bool claim();

    // Leaves the link for the window that holds the lock; false when no
    // window holds it or the inbox cannot be written, and this start should
    // open a window of its own.
    static bool handOver(const QString &folder, const QString &link);

    // The book's folder, where the inbox lives unless told otherwise.
    static QString defaultFolder();

signals:
    void linkArrived(const QString &link);

private:
    void takeWaiting();

    QString m_folder;
    QLockFile m_lock;
    QFileSystemWatcher *m_watcher = nullptr;
    QSet<QString> m_unremovable; // taken once already; never offered again
};

} // namespace wagecourt::app
