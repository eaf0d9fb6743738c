#pragma once

#include "book/book.h"
#include "book/bookwriter.h"

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

// What is done with a file at the book's place that is not a book at all.
enum class ForeignFile {
    SetAside, // the book's own default place: the file is moved aside and a new book begun
    Refuse,   // a file the user named: it is his, and left as it is
};

// The book in one SQLite file. Every change is one transaction, so a program
// killed at any moment loses at most the change it was making. Several
// windows and command lines may hold the same file at once and see each
// other's changes: changedSinceLoad() tells a view to load again.
//
// A book of a later schema version is never changed: open() says so and
// leaves it. A player whose stored snapshots do not all read back is named in
// the loaded book's unreadable() and never written to, so nothing of his is
// lost; he can still be removed outright.
//
// Not thread-safe: use one store from the thread that made it.
class BookStore final : public BookWriter
{
public:
    // book.sqlite in the application's data folder (QStandardPaths::AppDataLocation).
    static QString defaultPath();

    explicit BookStore(QString path, int busyMilliseconds = kWindowBusyMilliseconds,
                       ForeignFile foreign = ForeignFile::Refuse);
    ~BookStore() override;
    BookStore(const BookStore &) = delete;
    BookStore &operator=(const BookStore &) = delete;

    // Makes the folder and the file as needed and brings an older book up to
    // this version. A file that is not a book is set aside (to ".bad", or
    // ".bad.2" and on when that is taken: nothing is ever overwritten) or
    // refused, as the store was made to; a later version's book is refused.
    OpenResult open();
    bool isOpen() const;
    const QString &path() const { return m_path; }

    // The whole book, with the players whose snapshots did not all read in unreadable().
    std::optional<Book> load(StoreResult *result = nullptr);
    // One player, or none when he is not in the book; unreadable (when given)
    // counts his snapshots that did not read.
    std::optional<Player> loadPlayer(QStringView name, StoreResult *result = nullptr, qsizetype *unreadable = nullptr);
    // Whether any program changed the file since this store last loaded it.
    bool changedSinceLoad();

    // Checked as Book::keep checks it; a refused keep changes nothing and is
    // Ok; a keep for a player whose snapshots do not all read is refused.
    StoreResult keep(const Keep &change, KeepOutcome *outcome = nullptr);
    // All in one transaction: either every good keep is made, or none.
    StoreResult keepAll(const std::vector<Keep> &changes, KeepCounts *counts = nullptr);
    StoreResult keepAll(const std::vector<Keep> &changes, std::vector<KeepOutcome> *outcomes) override;
    StoreResult setNote(QStringView name, const QString &note, bool *found = nullptr) override;
    StoreResult setTags(QStringView name, const QStringList &tags, bool *found = nullptr) override;
    StoreResult remove(QStringView name, bool *found = nullptr);
    StoreResult remove(QStringView name, std::optional<Player> *removed) override;
    StoreResult restore(const Player &player) override;
    std::optional<Player> player(QStringView name, StoreResult *result) override;

    // The schema this program writes, in PRAGMA user_version.
    static int schemaVersion();

private:
    struct Connection;
    QString m_path;
    int m_busyMilliseconds;
    ForeignFile m_foreign;
    std::unique_ptr<Connection> m_connection;
};

} // namespace wagecourt::book
