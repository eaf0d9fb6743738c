#pragma once

#include "book/book.h"
#include "book/bookwriter.h"
#include "book/exchange.h"
#include "catalogue/catalogue.h"
#include "import/skilllist.h"
#include "usecases/readlist.h"

#include <QByteArrayView>
#include <QDate>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace wagecourt::usecase {

// What the window, the command line and the page ask of the player book, put
// together once. Each case checks the name, the note, the tags and the size
// once, makes its change through the front-end's book::BookWriter, and
// answers what the front-end shows: the records the book took, the counts,
// the summary in the user's words and every refused line by name.

enum class BookProblem {
    None,
    BadName, // the name cannot be kept (problem says why)
    BadNote,
    BadTags,
    ListRefused, // the pasted text is no skill list (refusal says why)
    BadLevels, // levels outside the book's ranges
    TooLarge, // the text of an import is larger than the book reads
    UnknownPlayer,
    Unreadable, // the player's stored snapshots do not all read: he is left as he is
    Store, // the book could not take the change (store says why)
};

// What a person typed into a keep: the name, the note (none leaves the
// player's own) and the tags, separated by spaces or commas.
struct KeepRequest
{
    QString name;
    std::optional<QString> note;
    QString tags;
    QDate day;
};

struct KeepAnswer
{
    BookProblem problem = BookProblem::None;
    QString problemText; // for a person; empty without a problem
    std::optional<Refusal> refusal; // with ListRefused
    book::StoreResult store;
    book::KeepOutcome outcome = book::KeepOutcome::Refused;
    book::Keep kept; // the record as the book took it: what the page stores
    std::optional<book::Player> player; // as the book holds him afterwards
    QString summary; // "Ann kept: 16 736 (Point Guard), a new player"

    bool ok() const { return problem == BookProblem::None; }
};

// Checks the name, the note and the tags of a keep as the two keeps below
// check them first, for a front-end that asks before it reads anything else.
KeepAnswer checkKeep(const KeepRequest &request);

// Keeps the levels a front-end shows (ten salary skills, then the three others).
KeepAnswer keepLevels(book::BookWriter &book, const KeepRequest &request, const book::SnapshotLevels &levels,
                      const LanguageEntry &language);

// The same for the levels a window holds.
KeepAnswer keepLevels(book::BookWriter &book, const KeepRequest &request, const SkillLevels &levels,
                      const OtherSkillLevels &others, const LanguageEntry &language);

// Keeps a pasted skill list, read in the language given or, without one, in
// the first that reads it. Bytes as a file or standard input holds them.
KeepAnswer keepPasted(book::BookWriter &book, const KeepRequest &request, QByteArrayView pastedUtf8,
                      const LanguageEntry *language);

// The largest exchange text the book reads; a larger one is refused unread.
inline constexpr qint64 kLargestImport = 64 * 1024 * 1024;

struct ImportAnswer
{
    BookProblem problem = BookProblem::None; // TooLarge or Store: nothing was added
    QString problemText;
    book::StoreResult store;
    book::KeepCounts counts;
    QString summary; // the same words in every front-end
    QStringList refusedLines; // each refused line, named: "line 7: ..."
    std::vector<qint64> refusedAt; // the line of each, from 1: what a caller holding the lines sets aside
    std::vector<book::Keep> taken; // the records the book took, in the file's order

    bool ok() const { return problem == BookProblem::None; }
    bool whole() const { return ok() && refusedLines.isEmpty(); }
};

// Adds an exchange text (the book's CSV or JSON Lines, or a batch's CSV);
// size is the file's, which may be told before its bytes are read, and the
// file's name names it in a refusal.
ImportAnswer importExchange(book::BookWriter &book, QByteArrayView bytes, qint64 size, const QString &fileName,
                            QDate today);
// Refuses a text of size bytes before it is read, or says nothing.
std::optional<ImportAnswer> refuseUnread(qint64 size, const QString &fileName);

struct ChangeAnswer
{
    BookProblem problem = BookProblem::None;
    QString problemText;
    book::StoreResult store;
    std::optional<book::Player> player; // the player as removed, or as he now stands
    QString summary;

    bool ok() const { return problem == BookProblem::None; }
};

ChangeAnswer removePlayer(book::BookWriter &book, const QString &name);
ChangeAnswer restorePlayer(book::BookWriter &book, const book::Player &player);
ChangeAnswer setNote(book::BookWriter &book, const QString &name, const QString &note);
// The tags as typed, separated by spaces or commas; they replace the player's.
ChangeAnswer setTags(book::BookWriter &book, const QString &name, const QString &tags);

// The whole book in the exchange form its file's name asks for: JSON Lines
// for ".jsonl", ".ndjson" and ".json", CSV for any other.
QByteArray exportBook(const book::Book &book, QStringView fileName);
QByteArray exportBook(const book::Book &book, book::ExchangeForm form);

// The names of the players whose stored snapshots do not all read, and how
// many did not, for a person: one line each; none for a whole book.
QStringList unreadableLines(const book::Book &book);

} // namespace wagecourt::usecase
