#include "presentation/booktext.h"

#include "book/book.h"
#include "book/bookwriter.h"
#include "book/exchange.h"
#include "book/shortlist.h"
#include "format/writers.h"
#include "catalogue/catalogue.h"
#include "presentation/advicetext.h"
#include "presentation/salarytext.h"

#include <QDir>

#include <algorithm>

namespace wagecourt::booktext {

using namespace Qt::StringLiterals;
using book::RowProblem;
using book::TextProblem;

namespace {

constexpr Text kNameEmpty{"Book", QT_TRANSLATE_NOOP("Book", "the name is empty")};
//: The most characters a name may hold.
constexpr Text kNameTooLong{"Book", QT_TRANSLATE_NOOP("Book", "the name is longer than %1 characters")};
constexpr Text kNameControl{"Book", QT_TRANSLATE_NOOP("Book",
        "the name holds a line break, a tab or another control character")};
constexpr Text kNameNotText{"Book", QT_TRANSLATE_NOOP("Book", "the name is not valid text")};
//: The most characters a note may hold.
constexpr Text kNoteTooLong{"Book", QT_TRANSLATE_NOOP("Book", "the note is longer than %1 characters")};
constexpr Text kNoteControl{"Book", QT_TRANSLATE_NOOP("Book",
        "the note holds a line break, a tab or another control character: it is one line")};
constexpr Text kNoteNotText{"Book", QT_TRANSLATE_NOOP("Book", "the note is not valid text")};

//: The line's number in the file, the reason.
constexpr Text kBadLine{"Book", QT_TRANSLATE_NOOP("Book", "line %1: %2")};
constexpr Text kNotUtf8{"Book", QT_TRANSLATE_NOOP("Book", "not UTF-8 text")};
constexpr Text kUnclosedQuote{"Book", QT_TRANSLATE_NOOP("Book", "a quoted field has no closing quote")};
//: The count of fields found.
constexpr CountText kFieldCount{"Book", QT_TRANSLATE_N_NOOP("Book", "%n field(s), not as many as the column names")};
//: The count of numbers found.
constexpr CountText kLevelCount{"Book", QT_TRANSLATE_N_NOOP("Book", "\"levels\" holds %n number(s), not 10 or 13")};
//: What stood where the date belongs.
constexpr Text kBadDate{"Book", QT_TRANSLATE_NOOP("Book", "'%1' is not a date in the format YYYY-MM-DD")};
//: The column's name as the file names it, what stood there.
constexpr Text kBadLevel{"Book", QT_TRANSLATE_NOOP("Book",
        "%1 '%2' is not a level (1 to 20, or 0 for an unknown stamina, free throw or experience)")};
constexpr Text kNotAnObject{"Book", QT_TRANSLATE_NOOP("Book", "not a JSON object")};
//: The key's name.
constexpr Text kMissingKey{"Book", QT_TRANSLATE_NOOP("Book", "the key \"%1\" is missing")};
//: What stood where the language belongs.
constexpr Text kBadLanguage{"Book", QT_TRANSLATE_NOOP("Book", "'%1' is not a game language")};
//: The most bytes a line may hold.
constexpr Text kLineTooLong{"Book", QT_TRANSLATE_NOOP("Book", "longer than %1 bytes")};
constexpr Text kNoHeader{"Book", QT_TRANSLATE_NOOP("Book",
        "the first line names neither the book's columns nor those of 'wagecourt-cli batch --header'; "
        "nothing was read")};

//: The book's file, the name it was moved to.
constexpr Text kSetAside{"Book", QT_TRANSLATE_NOOP("Book",
        "%1 is not a player book; it was set aside as %2 and a new book begun")};
//: The book's file.
constexpr Text kLaterVersion{"Book", QT_TRANSLATE_NOOP("Book",
        "the book %1 was written by a later version of Wagecourt and needs that version; it was left as it is")};
//: The file the user named.
constexpr Text kNotABook{"Book", QT_TRANSLATE_NOOP("Book",
        "%1 is not a player book; it was left as it is")};
//: The book's file.
constexpr Text kBusy{"Book", QT_TRANSLATE_NOOP("Book",
        "the book %1 is in use by another program; nothing was changed, try again")};
//: The book's file, the system's reason.
constexpr Text kCannotOpen{"Book", QT_TRANSLATE_NOOP("Book", "the book %1 cannot be opened: %2")};
constexpr Text kCannotChange{"Book", QT_TRANSLATE_NOOP("Book", "the book %1 cannot be changed: %2")};
constexpr Text kCannotReadBook{"Book", QT_TRANSLATE_NOOP("Book", "the book %1 cannot be read: %2")};
//: The book's file.
constexpr Text kBusyReading{"Book", QT_TRANSLATE_NOOP("Book", "the book %1 is in use by another program; try again")};

//: The player's name.
constexpr Text kUnreadablePlayer{"Book", QT_TRANSLATE_NOOP("Book",
        "the stored snapshots of '%1' cannot all be read, so nothing is added to him")};
//: The player's name; %n how many of his stored snapshots cannot be read.
constexpr CountText kUnreadableSnapshots{"Book", QT_TRANSLATE_N_NOOP("Book",
        "%1: %n stored snapshot(s) cannot be read")};
constexpr Text kIncompleteExport{"Book", QT_TRANSLATE_NOOP("Book",
        "the export is incomplete: it leaves out the snapshots that cannot be read")};
//: %n how many players' changes were lost; %1 the book's file.
constexpr CountText kUnsaved{"Book", QT_TRANSLATE_N_NOOP("Book",
        "the changes to %n player(s) could not be saved in %1: another program held the book")};
// A shortlist link that adds nothing, and why.
constexpr Text kLinkCutOff{"Book", QT_TRANSLATE_NOOP("Book",
        "the link is cut off: copy it again, whole")};
constexpr Text kLinkChecksum{"Book", QT_TRANSLATE_NOOP("Book",
        "the link was changed on its way (its checksum fails): copy it again")};
//: The version that made the link.
constexpr Text kLinkLater{"Book", QT_TRANSLATE_NOOP("Book",
        "the link was made by a later version of Wagecourt (link version %1): update Wagecourt to add it")};
constexpr Text kLinkTooLarge{"Book", QT_TRANSLATE_NOOP("Book", "the link is larger than 1 MiB and was not read")};
constexpr Text kLinkNoLink{"Book", QT_TRANSLATE_NOOP("Book", "the text holds no player book link")};
//: The player's place in the link (1 for the first), then why he cannot be kept.
constexpr Text kLinkBadPlayer{"Book", QT_TRANSLATE_NOOP("Book", "the link's player %1 cannot be kept: %2")};
//: The name that stands twice.
constexpr Text kLinkNameTwice{"Book", QT_TRANSLATE_NOOP("Book", "'%1' stands in the link twice")};
//: The tag that stands twice.
constexpr Text kLinkTagTwice{"Book", QT_TRANSLATE_NOOP("Book", "his tag '%1' stands twice")};
constexpr Text kLinkNoSnapshots{"Book", QT_TRANSLATE_NOOP("Book", "he has no snapshot")};
//: The snapshot's place among the player's, oldest first.
constexpr Text kLinkBadDate{"Book", QT_TRANSLATE_NOOP("Book", "the date of his snapshot %1 is not a valid date")};
//: The snapshot's place, then what stood for the language.
constexpr Text kLinkBadLanguage{"Book", QT_TRANSLATE_NOOP("Book",
        "his snapshot %1 names '%2', which is not a game language")};
//: The snapshot's place, the skill's name in the game's language, the level that stood there.
constexpr Text kLinkBadLevel{"Book", QT_TRANSLATE_NOOP("Book",
        "his snapshot %1 gives %2 the level %3, which does not exist")};
//: A skill by its number in the game's order: 1 is Jump Shot, 13 Experience.
constexpr Text kSkillNumber{"Book", QT_TRANSLATE_NOOP("Book", "skill %1")};
constexpr Text kLinkLayout{"Book", QT_TRANSLATE_NOOP("Book", "the link's records cannot be read")};
//: How many players a link holds.
constexpr CountText kLinkPlayers{"Book", QT_TRANSLATE_N_NOOP("Book", "%n player(s)")};
//: How many snapshots a link holds.
constexpr CountText kLinkSnapshots{"Book", QT_TRANSLATE_N_NOOP("Book", "%n snapshot(s)")};
//: The two counts above: "3 players", "12 snapshots".
constexpr Text kLinkHolds{"Book", QT_TRANSLATE_NOOP("Book", "The link holds %1 and %2.")};
constexpr Text kNothingImported{"Book", QT_TRANSLATE_NOOP("Book", "nothing was imported")};
//: A tag is a short word of the user's own, such as "target" or "U21".
constexpr Text kTagSpace{"Book", QT_TRANSLATE_NOOP("Book",
        "a tag is one word: separate tags with spaces or commas")};
//: The most characters a tag may hold.
constexpr Text kTagTooLong{"Book", QT_TRANSLATE_NOOP("Book", "a tag is longer than %1 characters")};
constexpr Text kTagControl{"Book", QT_TRANSLATE_NOOP("Book", "a tag holds a control character")};
constexpr Text kTagNotText{"Book", QT_TRANSLATE_NOOP("Book", "a tag is not valid text")};
constexpr Text kBadLevels{"Book", QT_TRANSLATE_NOOP("Book", "these levels cannot be kept")};

// After an import; each a whole sentence with its own count.
//: How many snapshots the import added.
constexpr CountText kImportAdded{"Book", QT_TRANSLATE_N_NOOP("Book", "%n snapshot(s) added")};
//: How many players the book did not hold before the import.
constexpr CountText kImportNewPlayers{"Book", QT_TRANSLATE_N_NOOP("Book", "%n new player(s)")};
//: How many snapshots of the import the book held already.
constexpr CountText kImportAlready{"Book", QT_TRANSLATE_N_NOOP("Book", "%n snapshot(s) already in the book")};
//: How many lines of the import were refused.
constexpr CountText kImportRefused{"Book", QT_TRANSLATE_N_NOOP("Book", "%n line(s) refused")};
//: The four counts above, in this order, each with its own count: "2 snapshots added", "1 new player", ...
constexpr Text kImportSummary{"Book", QT_TRANSLATE_NOOP("Book", "Imported: %1, %2, %3, %4.")};

//: The player's name, the salary, the position.
constexpr Text kKeptNew{"Book", QT_TRANSLATE_NOOP("Book", "%1 kept: %2 (%3), a new player")};
//: The player's name, the salary, the position: a snapshot dated before all his others.
constexpr Text kKeptEarliest{"Book", QT_TRANSLATE_NOOP("Book", "%1 kept: %2 (%3), his earliest snapshot")};
//: The player's name, the salary, the position, the salary's change, the day of the snapshot before.
constexpr Text kKeptAdded{"Book", QT_TRANSLATE_NOOP("Book", "%1 kept: %2 (%3), %4 since %5")};
//: The player's name, the day.
constexpr Text kKeptAlready{"Book", QT_TRANSLATE_NOOP("Book",
        "%1 was kept on %2 with these levels already; nothing added")};
//: The player's name, how many snapshots went with him.
constexpr Text kRemoved{"Book", QT_TRANSLATE_NOOP("Book", "%1 removed (snapshots: %2)")};

constexpr Text kTooFew{"Book", QT_TRANSLATE_NOOP("Book", "compare at least two players")};
constexpr Text kTooMany{"Book", QT_TRANSLATE_NOOP("Book", "compare at most four players")};
//: The player's name.
constexpr Text kNamedTwice{"Book", QT_TRANSLATE_NOOP("Book", "'%1' is named twice")};

QString lineProblem(TextProblem problem, const Text &tooLong, qsizetype longest, const Text &control,
                    const Text &notText)
{
    switch (problem) {
    case TextProblem::None: return {};
    case TextProblem::Empty: return kNameEmpty.translated();
    case TextProblem::TooLong: return tooLong.translated().arg(QString::number(longest));
    case TextProblem::ControlCharacter: return control.translated();
    case TextProblem::NotText: return notText.translated();
    case TextProblem::Space: return kTagSpace.translated(); // names and notes take spaces; only a tag refuses them
    }
    return {};
}

QString rowReason(const book::RowError &error)
{
    switch (error.problem) {
    case RowProblem::NotUtf8: return kNotUtf8.translated();
    case RowProblem::UnclosedQuote: return kUnclosedQuote.translated();
    case RowProblem::FieldCount:
        return (error.column.isEmpty() ? kFieldCount : kLevelCount).translated(error.detail.toInt());
    case RowProblem::BadName: return nameProblemText(error.textProblem);
    case RowProblem::BadNote: return noteProblemText(error.textProblem);
    case RowProblem::BadTag: return tagProblemText(error.textProblem);
    case RowProblem::BadDate: return kBadDate.translated().arg(error.detail);
    case RowProblem::BadLevel: return kBadLevel.translated().arg(error.column, error.detail);
    case RowProblem::NotAnObject: return kNotAnObject.translated();
    case RowProblem::MissingKey: return kMissingKey.translated().arg(error.detail);
    case RowProblem::BadLanguage: return kBadLanguage.translated().arg(error.detail);
    case RowProblem::LineTooLong: return kLineTooLong.translated().arg(QString::number(64 * 1024));
    case RowProblem::NoHeader: return kNoHeader.translated();
    }
    return {};
}

// Columns padded to their widest cell, numbers to the right; the last column
// unpadded, so no line ends in spaces.
QString alignedTable(const std::vector<QStringList> &rows, const std::vector<bool> &rightAligned)
{
    std::vector<qsizetype> widths(rightAligned.size(), 0);
    for (const QStringList &row : rows)
        for (qsizetype c = 0; c < row.size(); ++c)
            widths[std::size_t(c)] = std::max(widths[std::size_t(c)], row[c].size());
    QString table;
    for (const QStringList &row : rows) {
        QString line;
        for (qsizetype c = 0; c < row.size(); ++c) {
            const bool last = c + 1 == row.size();
            const qsizetype width = widths[std::size_t(c)];
            if (c > 0)
                line += u"  "_s;
            line += rightAligned[std::size_t(c)] ? row[c].rightJustified(width) : last ? row[c] : row[c].leftJustified(width);
        }
        while (line.endsWith(u' '))
            line.chop(1);
        table += line + u'\n';
    }
    return table;
}

QString levelsText(const book::SnapshotLevels &levels)
{
    QStringList numbers;
    for (qint16 level : levels)
        numbers << levelNumberText(level).rightJustified(2);
    return numbers.join(u' ');
}

} // namespace

QString playersTable(const std::vector<book::LatestRow> &rows)
{
    std::vector<QStringList> cells{{kNameColumn.translated(), kSalaryColumn.translated(),
                                    kPositionColumn.translated(), kChangeColumn.translated(),
                                    kDateColumn.translated(), kTagsColumn.translated(), kNoteColumn.translated()}};
    for (const book::LatestRow &row : rows)
        cells.push_back({visible(row.player->name), salaryImportText(row.result.salary),
                         row.latest->language->positionName(row.result.position),
                         changeText(row.salaryChange, !row.previous), book::dayText(row.latest->date),
                         visible(row.player->tags.join(u' ')), visible(row.player->note)});
    return alignedTable(cells, {false, true, false, true, false, false, false});
}

QString historyTable(const std::vector<book::HistoryRow> &rows)
{
    std::vector<QStringList> cells{{kDateColumn.translated(), kSalaryColumn.translated(),
                                    kPositionColumn.translated(), kChangeColumn.translated(),
                                    kLevelsColumn.translated()}};
    for (const book::HistoryRow &row : rows)
        cells.push_back({book::dayText(row.snapshot->date), salaryImportText(row.result.salary),
                         row.snapshot->language->positionName(row.result.position),
                         changeText(row.salaryChange, cells.size() == 1), levelsText(row.snapshot->levels)});
    return alignedTable(cells, {false, true, false, true, false});
}

QString comparisonTable(const book::Comparison &comparison, const LanguageEntry &language)
{
    QStringList head{QString()};
    for (const book::ComparedPlayer &player : comparison.players)
        head << visible(player.player->name);
    std::vector<QStringList> cells{head};
    auto addRow = [&](const QString &title, auto cell) {
        QStringList row{title};
        for (const book::ComparedPlayer &player : comparison.players)
            row << cell(player);
        cells.push_back(row);
    };
    for (int k = 1; k <= book::kSnapshotLevelCount; ++k)
        addRow(skillNameOf(language.skillCaption(k)),
               [&](const book::ComparedPlayer &p) { return levelNumberText(p.latest->levels[std::size_t(k - 1)]); });
    addRow(kSalaryColumn.translated(), [](const book::ComparedPlayer &p) { return salaryImportText(p.result.salary); });
    addRow(kPositionColumn.translated(),
           [&](const book::ComparedPlayer &p) { return language.positionName(p.result.position); });
    for (int position = 1; position <= kPositionCount; ++position)
        addRow(language.positionName(position),
               [&](const book::ComparedPlayer &p) { return salaryImportText(p.positionSalaries[position]); });
    addRow(kDifferenceRow.translated(), [](const book::ComparedPlayer &p) { return changeText(p.difference); });
    std::vector<bool> right(head.size(), true);
    right.front() = false;
    return alignedTable(cells, right);
}

QString visible(QString text)
{
    for (QChar &c : text)
        if (c.category() == QChar::Other_Control)
            c = QChar::ReplacementCharacter;
    return text;
}

QString nameProblemText(TextProblem problem)
{
    return lineProblem(problem, kNameTooLong, book::kLongestName, kNameControl, kNameNotText);
}

QString noteProblemText(TextProblem problem)
{
    return lineProblem(problem, kNoteTooLong, book::kLongestNote, kNoteControl, kNoteNotText);
}

QString tagProblemText(TextProblem problem)
{
    return lineProblem(problem, kTagTooLong, book::kLongestTag, kTagControl, kTagNotText);
}

QString badLevelsText()
{
    return kBadLevels.translated();
}

QString lineText(qint64 line, const QString &reason)
{
    return kBadLine.translated().arg(QString::number(line), reason);
}

QString rowErrorText(const book::RowError &error)
{
    book::RowError shown = error;
    shown.detail = visible(error.detail);
    return lineText(error.line, rowReason(shown));
}

QString openText(const book::OpenResult &result, const QString &path)
{
    const QString file = QDir::toNativeSeparators(path);
    switch (result.outcome) {
    case book::OpenOutcome::Opened: return {};
    case book::OpenOutcome::MovedAside:
        return kSetAside.translated().arg(file, QDir::toNativeSeparators(result.movedTo));
    case book::OpenOutcome::NotABook: return kNotABook.translated().arg(file);
    case book::OpenOutcome::LaterVersion: return kLaterVersion.translated().arg(file);
    case book::OpenOutcome::Busy: return kBusy.translated().arg(file);
    case book::OpenOutcome::Failed: return kCannotOpen.translated().arg(file, result.detail);
    }
    return {};
}

QString storeFailureText(const book::StoreResult &result, const QString &path)
{
    const QString file = QDir::toNativeSeparators(path);
    switch (result.status) {
    case book::StoreStatus::Ok: return {};
    case book::StoreStatus::Busy: return kBusy.translated().arg(file);
    case book::StoreStatus::Failed: return kCannotChange.translated().arg(file, result.detail);
    case book::StoreStatus::Damaged: return unreadablePlayerText(result.detail);
    }
    return {};
}

QString loadFailureText(const book::StoreResult &result, const QString &path)
{
    const QString file = QDir::toNativeSeparators(path);
    switch (result.status) {
    case book::StoreStatus::Ok: return {};
    case book::StoreStatus::Busy: return kBusyReading.translated().arg(file);
    case book::StoreStatus::Failed: return kCannotReadBook.translated().arg(file, result.detail);
    case book::StoreStatus::Damaged: return unreadablePlayerText(result.detail);
    }
    return {};
}

QString importedText(const book::KeepCounts &counts)
{
    return kImportSummary.translated().arg(kImportAdded.translated(int(counts.added)),
                                           kImportNewPlayers.translated(int(counts.newPlayers)),
                                           kImportAlready.translated(int(counts.alreadyKept)),
                                           kImportRefused.translated(int(counts.refused)));
}

QString nothingImportedText()
{
    return kNothingImported.translated();
}

QString fileTooLargeText(const QString &fileName, qint64 bytes)
{
    return kFileTooLarge.translated().arg(visible(fileName), QString::number(bytes / (1024 * 1024)));
}

QString keptText(book::KeepOutcome outcome, const book::Player &player, const book::Snapshot &snapshot)
{
    const std::vector<book::HistoryRow> rows = book::history(player);
    const auto kept = std::find_if(rows.begin(), rows.end(),
                                   [&](const book::HistoryRow &row) { return row.snapshot->sameReading(snapshot); });
    if (kept == rows.end())
        return {};
    const QString name = visible(player.name);
    const QString salary = salaryImportText(kept->result.salary);
    const QString position = kept->snapshot->language->positionName(kept->result.position);
    if (outcome == book::KeepOutcome::AlreadyKept)
        return kKeptAlready.translated().arg(name, book::dayText(snapshot.date));
    if (outcome == book::KeepOutcome::NewPlayer)
        return kKeptNew.translated().arg(name, salary, position);
    if (kept == rows.begin())
        return kKeptEarliest.translated().arg(name, salary, position);
    return kKeptAdded.translated().arg(name, salary, position, changeText(kept->salaryChange),
                                       book::dayText((kept - 1)->snapshot->date));
}

QString removedText(const book::Player &player)
{
    return kRemoved.translated().arg(visible(player.name), QString::number(player.snapshots.size()));
}

QString unreadablePlayerText(const QString &name)
{
    return kUnreadablePlayer.translated().arg(visible(name));
}

QString unreadableSnapshotsText(const book::UnreadablePlayer &player)
{
    return kUnreadableSnapshots.translated(int(player.snapshots)).arg(visible(player.name));
}

QString unsavedText(int players, const QString &path)
{
    return kUnsaved.translated(players).arg(QDir::toNativeSeparators(path));
}

QString linkProblemText(const book::ShortlistError &error)
{
    using book::ShortlistProblem;
    using book::ShortlistRecord;
    switch (error.problem) {
    case ShortlistProblem::None: return {};
    case ShortlistProblem::NoLink: return kLinkNoLink.translated();
    case ShortlistProblem::TooLarge: return kLinkTooLarge.translated();
    case ShortlistProblem::CutOff: return kLinkCutOff.translated();
    case ShortlistProblem::Checksum: return kLinkChecksum.translated();
    case ShortlistProblem::LaterVersion: return kLinkLater.translated().arg(QString::number(error.value));
    case ShortlistProblem::BadRecord: break;
    }
    const QString snapshot = QString::number(error.snapshot);
    QString why;
    switch (error.record) {
    case ShortlistRecord::Name: why = nameProblemText(error.textProblem); break;
    case ShortlistRecord::NameTwice: why = kLinkNameTwice.translated().arg(visible(error.detail)); break;
    case ShortlistRecord::Note: why = noteProblemText(error.textProblem); break;
    case ShortlistRecord::Tag: why = tagProblemText(error.textProblem); break;
    case ShortlistRecord::TagTwice: why = kLinkTagTwice.translated().arg(visible(error.detail)); break;
    case ShortlistRecord::NoSnapshots: why = kLinkNoSnapshots.translated(); break;
    case ShortlistRecord::Date: why = kLinkBadDate.translated().arg(snapshot); break;
    case ShortlistRecord::Language: why = kLinkBadLanguage.translated().arg(snapshot, visible(error.detail)); break;
    case ShortlistRecord::Level:
        why = kLinkBadLevel.translated().arg(snapshot, kSkillNumber.translated().arg(QString::number(error.skill)),
                                              QString::number(error.value));
        break;
    case ShortlistRecord::None:
    case ShortlistRecord::Layout: return kLinkLayout.translated();
    }
    return kLinkBadPlayer.translated().arg(QString::number(error.player), why);
}

QString linkHoldsText(qsizetype players, qsizetype snapshots)
{
    return kLinkHolds.translated().arg(kLinkPlayers.translated(int(players)), kLinkSnapshots.translated(int(snapshots)));
}

QString incompleteExportText()
{
    return kIncompleteExport.translated();
}

QString compareProblemText(book::CompareProblem problem, const QString &name)
{
    switch (problem) {
    case book::CompareProblem::None: return {};
    case book::CompareProblem::TooFew: return kTooFew.translated();
    case book::CompareProblem::TooMany: return kTooMany.translated();
    case book::CompareProblem::UnknownName: return kUnknownPlayer.translated().arg(visible(name));
    case book::CompareProblem::NameTwice: return kNamedTwice.translated().arg(visible(name));
    }
    return {};
}

QString changeText(qint32 change)
{
    return change == 0 ? u"0"_s : salaryChangeText(change);
}

QString sentence(const QString &message)
{
    if (message.isEmpty())
        return message;
    QString text = message;
    text[0] = text[0].toUpper();
    if (!text.endsWith(u'.') && !text.endsWith(u'?') && !text.endsWith(u'!'))
        text += u'.';
    return text;
}

QString noValueText()
{
    return u"\u2014"_s;
}

QString changeText(qint32 change, bool first)
{
    return first ? noValueText() : changeText(change);
}

QString levelNumberText(int level)
{
    return level == kUnknownLevel ? noValueText() : QString::number(level);
}

} // namespace wagecourt::booktext
