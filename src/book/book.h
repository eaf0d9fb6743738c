#pragma once

#include "engine/playerstate.h"
#include "engine/salary.h"

#include <QDate>
#include <QHash>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <array>
#include <optional>
#include <vector>

namespace wagecourt {

struct LanguageEntry;

namespace book {

// The thirteen levels as the window shows them: the ten salary skills, then
// Stamina, Free Throw and Experience. Index 0 is Jump Shot.
inline constexpr int kSnapshotLevelCount = kSkillCaptionCount;
using SnapshotLevels = std::array<qint16, kSnapshotLevelCount>;

inline constexpr int kLongestName = 80; // in characters (code points)
inline constexpr int kLongestNote = 500;
inline constexpr int kLongestTag = 32; // in characters (code points)
inline constexpr int kFewestCompared = 2;
inline constexpr int kMostCompared = 4;

// One reading of a player: what the window showed on one day. Salary and
// position are never kept: they are worked out from the levels every time, so
// a book can never disagree with the engine.
struct Snapshot
{
    QDate date;
    SnapshotLevels levels{}; // salary skills 1 to 20; the other three 0 (unknown) to 20
    const LanguageEntry *language = nullptr; // the catalogue's entry it was read in; never null

    SkillLevels salaryLevels() const;
    // Always present for levels the book accepts.
    SalaryResult result() const;
    // Kept twice on one day with these levels, it is one snapshot.
    bool sameReading(const Snapshot &other) const { return date == other.date && levels == other.levels; }
    bool operator==(const Snapshot &) const = default;
};

// What the window holds after a paste, on that day.
Snapshot snapshotOf(const SkillLevels &levels, const OtherSkillLevels &others, const LanguageEntry &language,
                    QDate date);

// A day as YYYY-MM-DD, and such a text back: exactly ten characters naming a
// valid day. Written out here rather than through QDate's formats, whose
// other forms would bring the locale database into the web module.
QString dayText(QDate date);
std::optional<QDate> parseDay(QStringView text);

// Whether a snapshot's levels can be kept: salary skills 1 to 20, the rest 0 to 20, a valid date, a language.
bool isValidSnapshot(const Snapshot &snapshot);

struct Player
{
    QString name;
    QString note;                    // one line, may be empty
    QStringList tags;                // the manager's own words, in the order first given; none twice
    std::vector<Snapshot> snapshots; // oldest first; never empty in a book

    const Snapshot &latest() const { return snapshots.back(); }
};

// Why a name or a note cannot be kept.
enum class TextProblem {
    None,
    Empty,            // a name of nothing but spaces
    TooLong,          // over kLongestName (a name) or kLongestNote (a note) characters
    ControlCharacter, // a line break, tab or other control character: a name and a note are one line
    NotText,          // not valid Unicode (a lone surrogate)
    Space,            // a space or comma inside a tag, which is one word
};

// Spaces around a name or a note mean nothing, and one name written in two
// Unicode forms is one player: both are trimmed and put in NFC before use.
QString cleanedText(QStringView text);
// Checked after cleanedText().
TextProblem checkName(QStringView name);
TextProblem checkNote(QStringView note);
// A tag is one word: no spaces (a CSV joins them with spaces), no commas,
// at most kLongestTag characters, and otherwise as a name is checked.
TextProblem checkTag(QStringView tag);
// A text of tags as a person types them, separated by spaces or commas, each
// cleaned; what follows the first bad one is not read.
QStringList splitTags(QStringView text, TextProblem *problem = nullptr);
// Adds the tags that are not there yet, letter case aside; true when any was.
bool joinTags(QStringList &tags, const QStringList &more);
bool hasTag(const QStringList &tags, QStringView tag);

enum class KeepOutcome {
    NewPlayer,     // the name was not in the book
    Added,         // a new snapshot for a player already there
    AlreadyKept,   // the same day and levels were kept before: nothing added (a given note still applies)
    Refused,       // a bad name, note or snapshot: nothing changed
};

// A change to a book, as kept by the window, the command line and an import.
struct Keep
{
    QString name;
    Snapshot snapshot;
    std::optional<QString> note; // none: the player's note stays as it is
    QStringList tags;            // joined to the player's
    // A note that arrives with records from elsewhere fills an empty one and
    // never overwrites the manager's own.
    bool noteFillsEmptyOnly = false;
};

// A player some of whose stored snapshots could not be read back: they are
// neither shown nor dropped, and the player is named wherever the book is.
struct UnreadablePlayer
{
    QString name;
    qsizetype snapshots = 0; // how many could not be read
    bool operator==(const UnreadablePlayer &) const = default;
};

// The players and their snapshots, in memory. Pointers and references into a
// book stay valid until it next changes.
class Book
{
public:
    // In the order they first came; views sort them.
    const std::vector<Player> &players() const { return m_players; }
    const Player *find(QStringView name) const; // the name as cleanedText() leaves it
    qsizetype snapshotCount() const;
    bool isEmpty() const { return m_players.empty(); }

    // Cleans and checks the name and note, then adds the snapshot in date
    // order (after any others of that day).
    KeepOutcome keep(const Keep &change);
    bool setNote(QStringView name, const QString &note); // false for an unknown player or a bad note
    bool setTags(QStringView name, const QStringList &tags); // false for an unknown player or a bad tag
    // Takes a player out whole and gives him back, for an undo.
    std::optional<Player> remove(QStringView name);
    void restore(Player player);

    // What a store could not read back, in the store's order.
    const std::vector<UnreadablePlayer> &unreadable() const { return m_unreadable; }
    void addUnreadable(UnreadablePlayer player) { m_unreadable.push_back(std::move(player)); }

private:
    std::vector<Player> m_players;
    QHash<QString, qsizetype> m_index; // name to place in m_players
    std::vector<UnreadablePlayer> m_unreadable;
};

// --- Views. Each reads a book as it stands and changes nothing.

enum class SortKey { Name, Salary, Position, Change, Date };
enum class SortOrder { Ascending, Descending };

// A player's latest snapshot and what changed since the one before.
struct LatestRow
{
    const Player *player = nullptr;
    const Snapshot *latest = nullptr;
    const Snapshot *previous = nullptr; // null for a first snapshot
    SalaryResult result;
    qint32 salaryChange = 0;     // 0 for a first snapshot
    SnapshotLevels levelChange{}; // each level minus the previous one's, 0 for a first snapshot
};

// One row per player. Names sort as the user's language orders them, letter
// case aside; ties fall back to the name, then to the exact name, so the order
// never depends on the book's own order.
std::vector<LatestRow> latestRows(const Book &book, SortKey key = SortKey::Name,
                                  SortOrder order = SortOrder::Ascending);
void sortRows(std::vector<LatestRow> &rows, SortKey key, SortOrder order);

struct HistoryRow
{
    const Snapshot *snapshot = nullptr;
    SalaryResult result;
    qint32 salaryChange = 0; // since the snapshot before, 0 for the first
};

// Oldest first.
std::vector<HistoryRow> history(const Player &player);

struct ComparedPlayer
{
    const Player *player = nullptr;
    const Snapshot *latest = nullptr;
    SalaryResult result;
    OneBased<qint32, kPositionCount> positionSalaries; // each position's salary, as advise gives them
    qint32 difference = 0; // his salary minus the first player's
};

enum class CompareProblem { None, TooFew, TooMany, UnknownName, NameTwice };

struct Comparison
{
    CompareProblem problem = CompareProblem::None;
    QString name;                         // the unknown or repeated name, when that is the problem
    std::vector<ComparedPlayer> players;  // in the order asked, only without a problem
};

// 2 to 4 players by name, the first being the one the others are measured against.
Comparison compare(const Book &book, const QStringList &names);

} // namespace book
} // namespace wagecourt
