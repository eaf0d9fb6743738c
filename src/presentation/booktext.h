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
enum class TextProblem;
enum class CompareProblem;
} // namespace book

// The player book's words for people, for the window and the command line
// alike. What programs read (the export, --json) is never translated.
namespace booktext {

// Why a name or a note was refused, for a message box or standard error.
QString nameProblemText(book::TextProblem problem);
QString noteProblemText(book::TextProblem problem);
// A bad line of an import: "line 7: the date '2026-13-01' is not a day (YYYY-MM-DD)".
QString rowErrorText(const book::RowError &error);
// What open() did when it did more than open a book; empty for a plain open.
QString openText(const book::OpenResult &result, const QString &path);
// A change that failed or could not be made now.
QString storeFailureText(const book::StoreResult &result, const QString &path);
// A read that failed or could not be made now.
QString loadFailureText(const book::StoreResult &result, const QString &path);
// After an import: the snapshots kept (new players' among them), those the
// book held already, and the lines refused.
QString importedText(qsizetype kept, qsizetype newPlayers, qsizetype already, qsizetype refused);
// Why a comparison cannot be made.
QString compareProblemText(book::CompareProblem problem, const QString &name);

inline constexpr Text kUnknownPlayer{"Book", QT_TRANSLATE_NOOP("Book", "no player named '%1' in the book")};
//: The file, how many bytes the largest allowed file holds (in MiB).
inline constexpr Text kFileTooLarge{"Book", QT_TRANSLATE_NOOP("Book",
        "'%1' is larger than %2 MiB and was not read")};
//: How many snapshots were added, how many of them were new players', how many were in the book already, how
//: many lines were refused.
inline constexpr Text kImported{"Book", QT_TRANSLATE_NOOP("Book",
        "snapshots kept: %1 (new players: %2), already in the book: %3, lines refused: %4")};
inline constexpr Text kEmptyBook{"Book", QT_TRANSLATE_NOOP("Book", "the book holds no player yet")};

// Column headings of the players' table, their history and a comparison.
inline constexpr Text kNameColumn{"Book", QT_TRANSLATE_NOOP("Book", "Name")};
inline constexpr Text kSalaryColumn{"Book", QT_TRANSLATE_NOOP("Book", "Salary")};
inline constexpr Text kPositionColumn{"Book", QT_TRANSLATE_NOOP("Book", "Position")};
//: The salary's change since the player's previous snapshot.
inline constexpr Text kChangeColumn{"Book", QT_TRANSLATE_NOOP("Book", "Change")};
inline constexpr Text kDateColumn{"Book", QT_TRANSLATE_NOOP("Book", "Date")};
inline constexpr Text kNoteColumn{"Book", QT_TRANSLATE_NOOP("Book", "Note")};
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

// A salary change with its sign ("+1 200", "-300", "0"), digits grouped as
// the salary is.
QString changeText(qint32 change);

} // namespace booktext

} // namespace wagecourt
