#pragma once

#include "book/book.h"

#include <QString>

#include <memory>
#include <optional>
#include <vector>

namespace wagecourt::book {

// How long a change waits for another program's change to the same file. The
// window must never wait for the book longer than 100 ms, so it waits far
// less and tries again later (as its settings do); the command line, which
// has no one to keep responsive, waits longer.
inline constexpr int kWindowBusyMilliseconds = 50;
inline constexpr int kCommandLineBusyMilliseconds = 5000;

enum class StoreStatus {
    Ok,
    Busy,        // another program holds the file: nothing changed, try again later
    Failed,      // the file cannot be read or written (detail says why)
};

struct StoreResult
{
    StoreStatus status = StoreStatus::Ok;
    QString detail; // the system's or SQLite's reason, untranslated

    bool ok() const { return status == StoreStatus::Ok; }
};

// What open() found.
enum class OpenOutcome {
    Opened,          // an existing book, or a new empty one
    MovedAside,      // not a book, or of a later version: moved to movedTo, and a new book begun
    Busy,            // another program is setting the file up: try again
    Failed,          // cannot be opened or made (detail says why); nothing was moved
};

struct OpenResult
{
    OpenOutcome outcome = OpenOutcome::Failed;
    QString movedTo; // with MovedAside
    bool laterVersion = false; // with MovedAside: a book of a later version rather than no book
    QString detail;

    bool ok() const { return outcome == OpenOutcome::Opened || outcome == OpenOutcome::MovedAside; }
};

// Counts from one keep or import.
struct KeepCounts
{
    qsizetype newPlayers = 0;
    qsizetype added = 0;
    qsizetype alreadyKept = 0;
    qsizetype refused = 0;
};

// The book in one SQLite file. Every change is one transaction, so a program
// killed at any moment loses at most the change it was making. Several
// windows and command lines may hold the same file at once and see each
// other's changes: changedSinceLoad() tells a view to load again.
//
// Not thread-safe: use one store from the thread that made it.
class BookStore
{
public:
    // book.sqlite in the application's data folder (QStandardPaths::AppDataLocation).
    static QString defaultPath();

    explicit BookStore(QString path, int busyMilliseconds = kWindowBusyMilliseconds);
    ~BookStore();
    BookStore(const BookStore &) = delete;
    BookStore &operator=(const BookStore &) = delete;

    // Makes the folder and the file as needed, brings an older book up to this
    // version, and sets a file that is not a book, or a book of a later
    // version, aside (to ".bad", or ".bad.2" and on when that is taken: nothing
    // is ever overwritten) and begins a new one.
    OpenResult open();
    bool isOpen() const;
    const QString &path() const { return m_path; }

    // The whole book.
    std::optional<Book> load(StoreResult *result = nullptr);
    // One player, or none when he is not in the book.
    std::optional<Player> loadPlayer(QStringView name, StoreResult *result = nullptr);
    // Whether any program changed the file since this store last loaded it.
    bool changedSinceLoad();

    // Checked as Book::keep checks it; a refused keep changes nothing and is Ok.
    StoreResult keep(const Keep &change, KeepOutcome *outcome = nullptr);
    // All in one transaction: either every good keep is made, or none.
    StoreResult keepAll(const std::vector<Keep> &changes, KeepCounts *counts = nullptr);
    StoreResult setNote(QStringView name, const QString &note, bool *found = nullptr);
    StoreResult remove(QStringView name, bool *found = nullptr);
    // Puts a removed player back as he was, for an undo.
    StoreResult restore(const Player &player);

    // The schema this program writes, in PRAGMA user_version.
    static int schemaVersion();

private:
    struct Connection;
    QString m_path;
    int m_busyMilliseconds;
    std::unique_ptr<Connection> m_connection;
};

} // namespace wagecourt::book
