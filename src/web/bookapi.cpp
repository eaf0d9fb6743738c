// The page's player book. The page keeps the snapshots in the browser's
// IndexedDB, one record each ({name, date, note, language, levels}, the
// exchange format's fields that are not worked out); the book itself, every
// salary, change, comparison and word the page shows of it, lives here, in
// the same book model the window and the command line use. At start the page
// hands over its records as JSON Lines (wc_book_load); each change answers
// with the records the page is to add, so both stay in step. Every text the
// page hands over is in NFC already (the book would put names and notes in it).

#include "web/moduleapi.h"

#include "book/book.h"
#include "book/exchange.h"
#include "catalogue/catalogue.h"
#include "presentation/bookcopytext.h"
#include "presentation/booktext.h"
#include "presentation/bookwindowtext.h"
#include "presentation/salarytext.h"
#include "usecases/playerview.h"
#include "web/webtexts.h"

#include <QJsonArray>
#include <QJsonDocument>

using namespace wagecourt;
using namespace Qt::StringLiterals;
using web::answer;

// Numbers go into texts as QString::number() writes them: arg() with a number
// would bring the locale database (for its %L form) into the module.

namespace {

book::Book g_book;
std::optional<book::Player> g_removed; // the last player deleted, for an undo
// The players' rows as last sorted, which the page fetches a screenful at a
// time; pointers into g_book, so every change drops them.
std::vector<book::LatestRow> g_rows;
bool g_rowsCurrent = false;

void changed()
{
    g_rows.clear();
    g_rowsCurrent = false;
}

const LanguageEntry *languageOf(const char *name)
{
    return usecase::languageNamed(QString::fromUtf8(name));
}

QJsonArray levelArray(const book::SnapshotLevels &levels)
{
    QJsonArray array;
    for (const qint16 level : levels)
        array.append(int(level));
    return array;
}

// A record as the page keeps it: one line of the exchange's JSON Lines
// without the salary and position, which are worked out on every reading.
QJsonObject record(const QString &name, const QString &note, const book::Snapshot &snapshot)
{
    return QJsonObject{{u"name"_s, name},
                       {u"date"_s, book::dayText(snapshot.date)},
                       {u"note"_s, note},
                       {u"language"_s, snapshot.language->name.toString()},
                       {u"levels"_s, levelArray(snapshot.levels)}};
}

// "name", "salary", "position", "change" or "date", "-" before it for the
// other way round.
std::pair<book::SortKey, book::SortOrder> sortOf(QByteArrayView text)
{
    const bool descending = text.startsWith('-');
    if (descending)
        text = text.sliced(1);
    const book::SortOrder order = descending ? book::SortOrder::Descending : book::SortOrder::Ascending;
    for (const auto &[word, key] : {std::pair{"salary", book::SortKey::Salary},
                                    {"position", book::SortKey::Position},
                                    {"change", book::SortKey::Change},
                                    {"date", book::SortKey::Date}})
        if (text == word)
            return {key, order};
    return {book::SortKey::Name, order};
}

// Applies the keeps read from a text and says which records to store.
QJsonArray applyKeeps(const std::vector<book::Keep> &keeps, int &added, int &newPlayers, int &already)
{
    changed();
    QJsonArray records;
    for (const book::Keep &keep : keeps) {
        const book::KeepOutcome outcome = g_book.keep(keep);
        if (outcome == book::KeepOutcome::Refused)
            continue;
        if (outcome == book::KeepOutcome::AlreadyKept) {
            ++already;
            if (!keep.note)
                continue; // nothing new to store
        } else {
            ++added;
            newPlayers += outcome == book::KeepOutcome::NewPlayer;
        }
        const book::Player *player = g_book.find(keep.name);
        records.append(record(player->name, keep.note.value_or(QString()), keep.snapshot));
    }
    return records;
}

} // namespace

extern "C" {

// Replaces the module's book with the page's records, as JSON Lines, oldest
// first. {"players":..,"snapshots":..,"refused":..}: records that no longer
// read (none, unless the browser's storage was tampered with) are left out.
const char *wc_book_load(const char *records)
{
    changed();
    g_book = book::Book();
    g_removed.reset();
    const book::ExchangeRead read = book::readExchange(QByteArrayView(records), QDate::currentDate());
    for (const book::Keep &keep : read.keeps)
        g_book.keep(keep);
    return answer(QJsonObject{{u"players"_s, qint64(g_book.players().size())},
                              {u"snapshots"_s, qint64(g_book.snapshotCount())},
                              {u"refused"_s, qint64(read.errors.size())}});
}

// Keeps thirteen levels ("8,7,...,s,f,e") read in a language under a name,
// on a day (YYYY-MM-DD, the page's own). An empty note leaves the player's.
// {"kept":true,"status":..,"record":{..} or null} or {"kept":false,"error":..}.
const char *wc_book_keep(const char *name, const char *note, const char *levelText, const char *languageName,
                         const char *day)
{
    const LanguageEntry *language = languageOf(languageName);
    const QStringList parts = QString::fromUtf8(levelText).split(u',');
    const std::optional<QDate> date = book::parseDay(QString::fromUtf8(day));
    if (!language || parts.size() != book::kSnapshotLevelCount || !date)
        return answer(QByteArray());
    book::Keep keep;
    keep.name = book::cleanedText(QString::fromUtf8(name));
    const QString cleanedNote = book::cleanedText(QString::fromUtf8(note));
    if (!cleanedNote.isEmpty())
        keep.note = cleanedNote;
    keep.snapshot.date = *date;
    keep.snapshot.language = language;
    for (int k = 0; k < book::kSnapshotLevelCount; ++k)
        keep.snapshot.levels[std::size_t(k)] = qint16(parts[k].toInt());
    if (const auto problem = book::checkName(keep.name); problem != book::TextProblem::None)
        return answer(QJsonObject{{u"kept"_s, false}, {u"error"_s, booktext::nameProblemText(problem)}});
    if (const auto problem = book::checkNote(cleanedNote); problem != book::TextProblem::None)
        return answer(QJsonObject{{u"kept"_s, false}, {u"error"_s, booktext::noteProblemText(problem)}});
    int added = 0, newPlayers = 0, already = 0;
    const QJsonArray records = applyKeeps({keep}, added, newPlayers, already);
    if (added + already == 0) // levels outside the book's ranges
        return answer(QByteArray());
    return answer(QJsonObject{
            {u"kept"_s, true},
            {u"status"_s, webtext::kKept.translated().arg(g_book.find(keep.name)->name)},
            {u"record"_s, records.isEmpty() ? QJsonValue() : QJsonValue(records[0])}});
}

// The players' table: each player's latest snapshot, sorted, with the
// salary's change since his previous one, in the language's words; count rows
// from the place from (0 sorts them afresh), and how many there are.
const char *wc_book_list(const char *sort, const char *languageName, int from, int count)
{
    const LanguageEntry *language = languageOf(languageName);
    if (!language || from < 0 || count < 0)
        return answer(QByteArray());
    if (from == 0 || !g_rowsCurrent) {
        const auto [key, order] = sortOf(QByteArrayView(sort));
        g_rows = book::latestRows(g_book, key, order);
        g_rowsCurrent = true;
    }
    QJsonArray rows;
    const std::size_t end = std::min(g_rows.size(), std::size_t(from) + std::size_t(count));
    for (std::size_t i = std::min(g_rows.size(), std::size_t(from)); i < end; ++i) {
        const book::LatestRow &row = g_rows[i];
        rows.append(QJsonObject{{u"name"_s, row.player->name},
                                {u"note"_s, row.player->note},
                                {u"date"_s, book::dayText(row.latest->date)},
                                {u"levels"_s, levelArray(row.latest->levels)},
                                {u"salary_text"_s, salaryImportText(row.result.salary, DigitSpace::NoBreak)},
                                {u"position_name"_s, language->positionName(row.result.position)},
                                {u"change_text"_s, row.previous ? booktext::changeText(row.salaryChange) : QString()}});
    }
    QJsonArray headings, colors;
    for (int skill = 1; skill <= kSalarySkillCount; ++skill)
        headings.append(bookcopytext::skillHeading(*language, skill));
    for (int level = kLowestLevel; level <= kHighestLevel; ++level)
        colors.append(web::colorText(usecase::levelColors()[level]));
    return answer(QJsonObject{
            {u"total"_s, qint64(g_rows.size())},
            {u"count_text"_s, bookwindowtext::kPlayerCount.translated().arg(QString::number(g_rows.size()))},
            {u"empty_text"_s, bookwindowtext::kEmptyBook.translated()},
            {u"skill_headings"_s, headings},
            {u"level_colors"_s, colors},
            {u"rows"_s, rows}});
}

// Every player's name, in the book's order of names, for the keep's suggestions.
const char *wc_book_names()
{
    QJsonArray names;
    for (const book::LatestRow &row : book::latestRows(g_book))
        names.append(row.player->name);
    return answer(QJsonObject{{u"names"_s, names}});
}

// One player's snapshots, oldest first.
const char *wc_book_history(const char *name, const char *languageName)
{
    const LanguageEntry *language = languageOf(languageName);
    const book::Player *player = g_book.find(book::cleanedText(QString::fromUtf8(name)));
    if (!language || !player)
        return answer(QByteArray());
    QJsonArray rows;
    bool first = true;
    for (const book::HistoryRow &row : book::history(*player)) {
        rows.append(QJsonObject{{u"date"_s, book::dayText(row.snapshot->date)},
                                {u"levels"_s, levelArray(row.snapshot->levels)},
                                {u"salary_text"_s, salaryImportText(row.result.salary, DigitSpace::NoBreak)},
                                {u"position_name"_s, language->positionName(row.result.position)},
                                {u"change_text"_s, first ? QString() : booktext::changeText(row.salaryChange)}});
        first = false;
    }
    return answer(QJsonObject{{u"title"_s, bookwindowtext::kHistoryOf.translated().arg(player->name)},
                              {u"rows"_s, rows}});
}

// 2 to 4 players, named in a JSON array, the first the one the others are
// measured against: {"names":[..],"headings":[..],"columns":[[cells],..]}, or
// {"error":..} when they cannot be compared.
const char *wc_book_compare(const char *namesJson, const char *languageName)
{
    const LanguageEntry *language = languageOf(languageName);
    if (!language)
        return answer(QByteArray());
    QStringList names;
    for (const QJsonValue name : QJsonDocument::fromJson(QByteArray(namesJson)).array())
        names << book::cleanedText(name.toString());
    const book::Comparison comparison = book::compare(g_book, names);
    if (comparison.problem != book::CompareProblem::None)
        return answer(QJsonObject{{u"error"_s, booktext::compareProblemText(comparison.problem, comparison.name)}});
    QJsonArray columns, shownNames;
    for (const book::ComparedPlayer &compared : comparison.players) {
        shownNames.append(compared.player->name);
        columns.append(QJsonArray::fromStringList(
                bookcopytext::comparisonColumn(compared, columns.isEmpty(), *language)));
    }
    return answer(QJsonObject{{u"title"_s, bookwindowtext::kCompareTitle.translated()},
                              {u"names"_s, shownNames},
                              {u"headings"_s, QJsonArray::fromStringList(bookcopytext::comparisonHeadings(*language))},
                              {u"columns"_s, columns}});
}

// The whole book in the exchange format: "csv" or "jsonl". Plain text, not JSON.
const char *wc_book_export(const char *form)
{
    return answer(book::exportBook(g_book, qstrcmp(form, "csv") == 0 ? book::ExchangeForm::Csv
                                                                      : book::ExchangeForm::JsonLines));
}

// Reads an exchange file's text (either form, or a batch CSV) into the book;
// a file of more than the largest size given is refused unread (its text
// empty). {"message":..,"errors":[..],"records":[..]}: the summary, each
// refused line, and the records the page is to store.
const char *wc_book_import(const char *fileName, const char *text, double size)
{
    if (size > double(book::kLargestExchangeFile))
        return answer(QJsonObject{
                {u"message"_s, booktext::kFileTooLarge.translated().arg(
                                       QString::fromUtf8(fileName), QString::number(book::kLargestExchangeFile / (1024 * 1024)))},
                {u"errors"_s, QJsonArray()},
                {u"records"_s, QJsonArray()}});
    const book::ExchangeRead read = book::readExchange(QByteArrayView(text), QDate::currentDate());
    int added = 0, newPlayers = 0, already = 0;
    const QJsonArray records = applyKeeps(read.keeps, added, newPlayers, already);
    QJsonArray errors;
    for (const book::RowError &error : read.errors)
        errors.append(booktext::rowErrorText(error));
    return answer(QJsonObject{
            {u"message"_s, booktext::importedText(added, newPlayers, already, qsizetype(read.errors.size()))},
            {u"errors"_s, errors},
            {u"records"_s, records}});
}

// Takes a player out of the book; wc_book_restore gives him back.
// {"removed":true,"status":..} or {"removed":false}.
const char *wc_book_remove(const char *name)
{
    changed();
    std::optional<book::Player> removed = g_book.remove(book::cleanedText(QString::fromUtf8(name)));
    if (!removed)
        return answer(QJsonObject{{u"removed"_s, false}});
    g_removed = std::move(removed);
    return answer(QJsonObject{{u"removed"_s, true},
                              {u"status"_s, bookwindowtext::kDeleted.translated().arg(g_removed->name)}});
}

// The player deleted last, back in the book: {"restored":true,"records":[..]}.
const char *wc_book_restore()
{
    if (!g_removed)
        return answer(QJsonObject{{u"restored"_s, false}});
    QJsonArray records;
    for (const book::Snapshot &snapshot : g_removed->snapshots)
        records.append(record(g_removed->name, g_removed->note, snapshot));
    changed();
    g_book.restore(std::move(*g_removed));
    g_removed.reset();
    return answer(QJsonObject{{u"restored"_s, true}, {u"records"_s, records}});
}

// The players' table, sorted as the page shows it, tab-separated with its
// header row, for a spreadsheet. Plain text, not JSON.
const char *wc_book_table(const char *sort, const char *languageName)
{
    const LanguageEntry *language = languageOf(languageName);
    if (!language)
        return answer(QByteArray());
    const auto [key, order] = sortOf(QByteArrayView(sort));
    return answer(bookcopytext::tableText(book::latestRows(g_book, key, order), *language).toUtf8());
}

} // extern "C"
