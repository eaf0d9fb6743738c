#pragma once

#include "book/bookstore.h"

#include <QObject>
#include <QTimer>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace wagecourt::book {
class BookStore;
struct StoreResult;
} // namespace wagecourt::book

namespace wagecourt::ui {

class Platform;

// The window's hold on the player book. It opens the file at the first use and
// keeps a copy of the book in memory, which every change reaches at once; the
// file follows within one short wait. A change the file cannot take now,
// because another program holds it, is tried again until it goes in, as the
// settings are: the window never waits on the file for longer than that one
// wait. Changes other programs make show at the next look at the file.
class BookSession : public QObject
{
    Q_OBJECT

public:
    BookSession(Platform &platform, QString path, QObject *parent = nullptr);
    ~BookSession() override;

    // The book as this window knows it, its own changes not yet written included.
    const book::Book &book();
    // The folder's book.sqlite, where the desktop keeps the book.
    static QString defaultPath();

    book::KeepOutcome keep(const book::Keep &change);
    book::KeepCounts keepAll(std::vector<book::Keep> changes);
    std::optional<book::Player> remove(const QString &name);
    void restore(const book::Player &player);

    // Whether some of this window's changes still wait for the file.
    bool hasPending() const { return !m_pending.empty(); }
    // While something shows the book, other programs' changes are looked for.
    void setWatching(bool watching);
    void lookForChanges();

signals:
    // The book in memory is about to change, and every pointer into it to go
    // stale; changed() always follows.
    void aboutToChange();
    // The book in memory changed: by this window, or as read again from the file.
    void changed();

private:
    using Change = std::function<book::StoreResult(book::BookStore &)>;

    bool ensureOpen();
    void reload();
    void submit(Change change);
    // Writes what waits, oldest first; stops at the first the file cannot take now.
    void flush();
    void report(const QString &text);

    Platform &m_platform;
    QString m_path;
    std::unique_ptr<book::BookStore> m_store;
    bool m_opened = false;
    bool m_failureSaid = false; // a file that cannot be opened is reported once
    bool m_closing = false;
    book::Book m_book;
    // Changes made in memory, not yet in the file, oldest first; applied again
    // to the book as read back from the file until they are in.
    std::vector<Change> m_pending;
    std::vector<std::function<void(book::Book &)>> m_pendingInMemory;
    QTimer m_retry;
    QTimer m_watch;
};

} // namespace wagecourt::ui
