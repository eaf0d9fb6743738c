#pragma once

#include "book/book.h"

#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>
#include <vector>

namespace wagecourt::book {

// Where a book's changes go and how they went: the desktop's file, the
// window's copy of it, or the page's book in memory. The book's use cases
// make every change through this, so that a keep or an import counts and
// checks the same in every front-end.

enum class StoreStatus {
    Ok,
    Busy,    // another program holds the file: nothing changed, try again later
    Failed,  // the file cannot be read or written (detail says why)
    Damaged, // the player's stored snapshots do not all read: he is left as he is (detail names him)
};

struct StoreResult
{
    StoreStatus status = StoreStatus::Ok;
    QString detail; // the system's or SQLite's reason, untranslated; the player's name with Damaged

    bool ok() const { return status == StoreStatus::Ok; }
};

// What opening a book's file found.
enum class OpenOutcome {
    Opened,       // an existing book, or a new empty one
    MovedAside,   // the book's default file was not a book: moved to movedTo, and a new book begun
    NotABook,     // a file named outright that is not a book: left as it is
    LaterVersion, // a book of a later schema version: left as it is, never written
    Busy,         // another program is setting the file up: try again
    Failed,       // cannot be opened or made (detail says why); nothing was moved
};

struct OpenResult
{
    OpenOutcome outcome = OpenOutcome::Failed;
    QString movedTo; // with MovedAside
    QString detail;

    bool ok() const { return outcome == OpenOutcome::Opened || outcome == OpenOutcome::MovedAside; }
};

// The counts of one keep or import. Every keep asked for is counted once, in
// added, alreadyKept or refused; newPlayers counts the players among the
// added snapshots that the book did not hold before (a new player's first
// snapshot is one of the added ones).
struct KeepCounts
{
    qsizetype newPlayers = 0;
    qsizetype added = 0;       // snapshots added
    qsizetype alreadyKept = 0; // snapshots the book held already: the same player, day and levels
    qsizetype refused = 0;     // keeps not taken: a bad name, note, tag or level, or a damaged player

    void count(KeepOutcome outcome);
    bool operator==(const KeepCounts &) const = default;
};

class BookWriter
{
public:
    virtual ~BookWriter() = default;

    // Every good change in one go, or none; each outcome in the changes' order.
    virtual StoreResult keepAll(const std::vector<Keep> &changes, std::vector<KeepOutcome> *outcomes) = 0;
    // found: whether the book holds the player.
    virtual StoreResult setNote(QStringView name, const QString &note, bool *found) = 0;
    virtual StoreResult setTags(QStringView name, const QStringList &tags, bool *found) = 0;
    virtual StoreResult remove(QStringView name, std::optional<Player> *removed) = 0;
    // Puts a removed player back as he was, for an undo.
    virtual StoreResult restore(const Player &player) = 0;
    // The player as the book now holds him; none when it does not.
    virtual std::optional<Player> player(QStringView name, StoreResult *result) = 0;
};

// A book in memory as a writer: the page's book, and the tests'.
class MemoryWriter final : public BookWriter
{
public:
    explicit MemoryWriter(Book &book) : m_book(book) {}

    StoreResult keepAll(const std::vector<Keep> &changes, std::vector<KeepOutcome> *outcomes) override;
    StoreResult setNote(QStringView name, const QString &note, bool *found) override;
    StoreResult setTags(QStringView name, const QStringList &tags, bool *found) override;
    StoreResult remove(QStringView name, std::optional<Player> *removed) override;
    StoreResult restore(const Player &player) override;
    std::optional<Player> player(QStringView name, StoreResult *result) override;

private:
    Book &m_book;
};

} // namespace wagecourt::book
