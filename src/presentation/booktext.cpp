#include "presentation/booktext.h"

#include "book/book.h"
#include "book/bookstore.h"
#include "book/exchange.h"
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
constexpr Text kFieldCount{"Book", QT_TRANSLATE_NOOP("Book", "%1 fields, not as many as the column names")};
//: The count of numbers found.
constexpr Text kLevelCount{"Book", QT_TRANSLATE_NOOP("Book", "\"levels\" holds %1 numbers, not 13")};
//: What stood where the date belongs.
constexpr Text kBadDate{"Book", QT_TRANSLATE_NOOP("Book", "'%1' is not a day written YYYY-MM-DD")};
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
constexpr Text kLaterSetAside{"Book", QT_TRANSLATE_NOOP("Book",
        "%1 was written by a later version of Wagecourt; it was set aside as %2 and a new book begun")};
//: The book's file.
constexpr Text kBusy{"Book", QT_TRANSLATE_NOOP("Book",
        "the book %1 is in use by another program; nothing was changed, try again")};
//: The book's file, the system's reason.
constexpr Text kCannotOpen{"Book", QT_TRANSLATE_NOOP("Book", "the book %1 cannot be opened: %2")};
constexpr Text kCannotChange{"Book", QT_TRANSLATE_NOOP("Book", "the book %1 cannot be changed: %2")};
constexpr Text kCannotReadBook{"Book", QT_TRANSLATE_NOOP("Book", "the book %1 cannot be read: %2")};
//: The book's file.
constexpr Text kBusyReading{"Book", QT_TRANSLATE_NOOP("Book", "the book %1 is in use by another program; try again")};

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
    case TextProblem::Space: return control.translated(); // names and notes take spaces; only a tag refuses them
    }
    return {};
}

QString rowReason(const book::RowError &error)
{
    switch (error.problem) {
    case RowProblem::NotUtf8: return kNotUtf8.translated();
    case RowProblem::UnclosedQuote: return kUnclosedQuote.translated();
    case RowProblem::FieldCount:
        return (error.column.isEmpty() ? kFieldCount : kLevelCount).translated().arg(error.detail);
    case RowProblem::BadName: return nameProblemText(error.textProblem);
    case RowProblem::BadNote: return noteProblemText(error.textProblem);
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

// What a person quoted from a file must not move the cursor or hide what follows.
QString visible(QString text)
{
    for (QChar &c : text)
        if (c.category() == QChar::Other_Control)
            c = QChar::ReplacementCharacter;
    return text;
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
        numbers << QString::number(level).rightJustified(2);
    return numbers.join(u' ');
}

} // namespace

QString playersTable(const std::vector<book::LatestRow> &rows)
{
    std::vector<QStringList> cells{{kNameColumn.translated(), kSalaryColumn.translated(),
                                    kPositionColumn.translated(), kChangeColumn.translated(),
                                    kDateColumn.translated(), kNoteColumn.translated()}};
    for (const book::LatestRow &row : rows)
        cells.push_back({visible(row.player->name), salaryImportText(row.result.salary),
                         row.latest->language->positionName(row.result.position), changeText(row.salaryChange),
                         book::dayText(row.latest->date), visible(row.player->note)});
    return alignedTable(cells, {false, true, false, true, false, false});
}

QString historyTable(const std::vector<book::HistoryRow> &rows)
{
    std::vector<QStringList> cells{{kDateColumn.translated(), kSalaryColumn.translated(),
                                    kPositionColumn.translated(), kChangeColumn.translated(),
                                    kLevelsColumn.translated()}};
    for (const book::HistoryRow &row : rows)
        cells.push_back({book::dayText(row.snapshot->date), salaryImportText(row.result.salary),
                         row.snapshot->language->positionName(row.result.position), changeText(row.salaryChange),
                         levelsText(row.snapshot->levels)});
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
               [&](const book::ComparedPlayer &p) { return QString::number(p.latest->levels[std::size_t(k - 1)]); });
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

QString nameProblemText(TextProblem problem)
{
    return lineProblem(problem, kNameTooLong, book::kLongestName, kNameControl, kNameNotText);
}

QString noteProblemText(TextProblem problem)
{
    return lineProblem(problem, kNoteTooLong, book::kLongestNote, kNoteControl, kNoteNotText);
}

QString rowErrorText(const book::RowError &error)
{
    book::RowError shown = error;
    shown.detail = visible(error.detail);
    return kBadLine.translated().arg(QString::number(error.line), rowReason(shown));
}

QString openText(const book::OpenResult &result, const QString &path)
{
    const QString file = QDir::toNativeSeparators(path);
    switch (result.outcome) {
    case book::OpenOutcome::Opened: return {};
    case book::OpenOutcome::MovedAside:
        return (result.laterVersion ? kLaterSetAside : kSetAside)
                .translated()
                .arg(file, QDir::toNativeSeparators(result.movedTo));
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
    }
    return {};
}

QString importedText(qsizetype kept, qsizetype newPlayers, qsizetype already, qsizetype refused)
{
    return kImported.translated().arg(QString::number(kept), QString::number(newPlayers), QString::number(already),
                                      QString::number(refused));
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

} // namespace wagecourt::booktext
