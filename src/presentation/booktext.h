#pragma once

#include "presentation/text.h"

#include <QString>

#include <vector>

namespace wagecourt {

struct LanguageEntry;

namespace book {
struct Player;
struct LatestRow;
struct HistoryRow;
struct Comparison;
struct RowError;
struct OpenResult;
struct StoreResult;
struct KeepCounts;
struct Player;
struct Snapshot;
struct UnreadablePlayer;
struct ShortlistError;
enum class TextProblem;
enum class CompareProblem;
enum class KeepOutcome;
} // namespace book

// The player book's words for people, for the window and the command line
// alike. What programs read (the export, --json) is never translated.
namespace booktext {

// Why a name, a note or a tag was refused, for a message box or standard error.
QString nameProblemText(book::TextProblem problem);
QString noteProblemText(book::TextProblem problem);
QString tagProblemText(book::TextProblem problem);
// Levels a keep cannot take (none of a front-end's own making should be).
QString badLevelsText();
// What a person quoted from a file or typed must not move the cursor or hide
// what follows: its control characters shown as replacement characters.
QString visible(QString text);
// "line 7: " and the reason.
QString lineText(qint64 line, const QString &reason);
// A bad line of an import: "line 7: the date '2026-13-01' is not a day (YYYY-MM-DD)".
QString rowErrorText(const book::RowError &error);
// What open() did when it did more than open a book; empty for a plain open.
QString openText(const book::OpenResult &result, const QString &path);
// A change that failed or could not be made now.
QString storeFailureText(const book::StoreResult &result, const QString &path);
// A read that failed or could not be made now.
QString loadFailureText(const book::StoreResult &result, const QString &path);
// After an import, the same words in every front-end: the snapshots added
// and the new players among them, those the book held already, and the
// lines refused.
QString importedText(const book::KeepCounts &counts);
// An import that could not be written: nothing of it went in.
QString nothingImportedText();
// A file larger than the book reads; bytes is the largest it reads.
QString fileTooLargeText(const QString &fileName, qint64 bytes);
// After a keep: "Ann kept: 16 736 (Point Guard), a new player", "... +1 200
// since 2026-11-02", "... his earliest snapshot", or that the same levels of
// that day were kept already.
QString keptText(book::KeepOutcome outcome, const book::Player &player, const book::Snapshot &snapshot);
// After a removal: the name and how many snapshots went with him.
QString removedText(const book::Player &player);
// A player whose stored snapshots do not all read back: a keep to him is
// refused (what cannot be read would be lost), and each view names him.
QString unreadablePlayerText(const QString &name);
QString unreadableSnapshotsText(const book::UnreadablePlayer &player);
// Why a shortlist link adds nothing, for a person.
QString linkProblemText(const book::ShortlistError &error);
// What a link holds: "The link holds 3 players and 12 snapshots."
QString linkHoldsText(qsizetype players, qsizetype snapshots);
//: The question before a link's players are added.
inline constexpr Text kAddLinked{"Book", QT_TRANSLATE_NOOP("Book", "Add them to the player book?")};

// An export that leaves out what could not be read.
QString incompleteExportText();
// Changes the window could not write into the book's file before it ended:
// how many players they were about.
QString unsavedText(int players, const QString &path);
// Why a comparison cannot be made.
QString compareProblemText(book::CompareProblem problem, const QString &name);

inline constexpr Text kUnknownPlayer{"Book", QT_TRANSLATE_NOOP("Book", "no player named '%1' in the book")};
//: The file, how many bytes the largest allowed file holds (in MiB).
inline constexpr Text kFileTooLarge{"Book", QT_TRANSLATE_NOOP("Book",
        "'%1' is larger than %2 MiB and was not read")};
inline constexpr Text kEmptyBook{"Book", QT_TRANSLATE_NOOP("Book", "the book holds no player yet")};

// Column headings of the players' table, their history and a comparison.
inline constexpr Text kNameColumn{"Book", QT_TRANSLATE_NOOP("Book", "Name")};
inline constexpr Text kSalaryColumn{"Book", QT_TRANSLATE_NOOP("Book", "Salary")};
inline constexpr Text kPositionColumn{"Book", QT_TRANSLATE_NOOP("Book", "Position")};
//: The salary's change since the player's previous snapshot.
inline constexpr Text kChangeColumn{"Book", QT_TRANSLATE_NOOP("Book", "Change")};
inline constexpr Text kDateColumn{"Book", QT_TRANSLATE_NOOP("Book", "Date")};
inline constexpr Text kNoteColumn{"Book", QT_TRANSLATE_NOOP("Book", "Note")};
//: The column of the players' tags: short words of the user's own, such as "target" or "U21".
inline constexpr Text kTagsColumn{"Book", QT_TRANSLATE_NOOP("Book", "Tags")};
//: A player's salary minus the first compared player's.
inline constexpr Text kDifferenceRow{"Book", QT_TRANSLATE_NOOP("Book", "Difference")};

//: The thirteen levels of a snapshot, as numbers.
inline constexpr Text kLevelsColumn{"Book", QT_TRANSLATE_NOOP("Book", "Levels")};

// The command line's tables for people, columns aligned. The players: name,
// salary, position, change, date, note; a history: date, salary, position,
// change and the thirteen levels; a comparison: one column per player, a row
// per skill (in the catalogue's words of the language given), then the
// salary, the position, each position's salary and the difference.
QString playersTable(const std::vector<book::LatestRow> &rows);
QString historyTable(const std::vector<book::HistoryRow> &rows);
QString comparisonTable(const book::Comparison &comparison, const LanguageEntry &language);

// A message made for "wagecourt-cli: ..." as a window or a page shows it:
// its first letter a capital, and a full stop at its end.
QString sentence(const QString &message);

// A salary change with its sign ("+1 200", "-300", "0"), digits grouped as
// the salary is.
QString changeText(qint32 change);
// What stands for a change that is none, a first snapshot's, and for an
// unknown Stamina, Free Throw or Experience: "—".
QString noValueText();
// A snapshot's change for a person: changeText(), or noValueText() for a first one.
QString changeText(qint32 change, bool first);
// A level as a number for a person; an unknown one (0) as noValueText().
QString levelNumberText(int level);

} // namespace booktext

} // namespace wagecourt
