#pragma once

#include "book/bookstore.h"
#include "book/bookwriter.h"

#include <QObject>
#include <QTimer>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace wagecourt::ui {

class Platform;

// The window's hold on the player book. It opens the file at the first use and
// keeps a copy of the book in memory, which every change reaches at once; the
// file follows within one short wait. A change the file cannot take now,
// because another program holds it, is tried again until it goes in, as the
// settings are: the window never waits on the file for longer than that one
// wait. Changes other programs make show at the next look at the file.
//
// The book's use cases make their changes through it, as through any book.
class WindowBook : public QObject, public book::BookWriter
{
    Q_OBJECT

public:
    WindowBook(Platform &platform, QString path, QObject *parent = nullptr);
    ~WindowBook() override;

    // The book as this window knows it, its own changes not yet written included.
    const book::Book &book();
    // The folder's book.sqlite, where the desktop keeps the book.
    static QString defaultPath();
    // Why the book cannot be used at all (a later version's), for a person; empty when it can.
    QString unusableText();

    // book::BookWriter: each change reaches the book in memory at once and the file soon after.
    book::StoreResult keepAll(const std::vector<book::Keep> &changes, std::vector<book::KeepOutcome> *outcomes) override;
    book::StoreResult setNote(QStringView name, const QString &note, bool *found) override;
    book::StoreResult setTags(QStringView name, const QStringList &tags, bool *found) override;
    book::StoreResult remove(QStringView name, std::optional<book::Player> *removed) override;
    book::StoreResult restore(const book::Player &player) override;
    std::optional<book::Player> player(QStringView name, book::StoreResult *result) override;

    // Whether some of this window's changes still wait for the file, and how
    // many players they are about.
    bool hasPending() const { return !m_pending.empty(); }
    qsizetype pendingPlayers() const;
    // Tries to write what waits, for at most the time given; whether all of it went in.
    bool writePending(int milliseconds);
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
    // A change to the file, and the same change to a book in memory; the
    // players it is about.
    struct Change
    {
        std::function<book::StoreResult(book::BookStore &)> toFile;
        std::function<void(book::Book &)> inMemory;
        QStringList players;
    };

    bool ensureOpen();
    void reload();
    // Applies a change to the book in memory and queues it for the file.
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
    std::optional<book::OpenResult> m_unusable; // a later version's book: never written
    book::Book m_book;
    // Changes made in memory, not yet in the file, oldest first; applied again
    // to the book as read back from the file until they are in.
    std::vector<Change> m_pending;
    QTimer m_retry;
    QTimer m_watch;
};

} // namespace wagecourt::ui
