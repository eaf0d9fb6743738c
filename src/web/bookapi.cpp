// The page's player book. The page keeps the snapshots in the browser's
// IndexedDB, one record each ({name, date, note, tags, language, levels}, the
// exchange format's fields that are not worked out); the book itself, every
// salary, change, comparison and word the page shows of it, lives here, in
// the same book model and use cases the window and the command line use. At
// start the page hands over its records as JSON Lines (wc_book_load); each
// change answers with the records the page is to store, so both stay in step.
// Every text the page hands over is in NFC already (the book would put names
// and notes in it).

#include "web/moduleapi.h"

#include "book/book.h"
#include "book/bookwriter.h"
#include "catalogue/catalogue.h"
#include "presentation/bookcopytext.h"
#include "presentation/booktext.h"
#include "presentation/bookwindowtext.h"
#include "presentation/salarytext.h"
#include "presentation/plantext.h"
#include "usecases/bookcases.h"
#include "usecases/links.h"
#include "usecases/planning.h"
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
book::MemoryWriter g_writer(g_book);
std::optional<book::Player> g_removed; // the last player deleted, for an undo
std::vector<book::Player> g_linked;    // the players of the link read last, until they are added
// The players' rows as last sorted, which the page fetches a screenful at a
// time; pointers into g_book, so every change drops them.
std::vector<book::LatestRow> g_rows;
bool g_rowsCurrent = false;

void dropSortedRows()
{
    g_rows.clear();
    g_rowsCurrent = false;
}

const LanguageEntry *languageOf(const char *name)
{
    return findLanguage(QString::fromUtf8(name), LanguageMatch::NameOrCode);
}

QJsonArray levelArray(const book::SnapshotLevels &levels)
{
    QJsonArray array;
    for (const qint16 level : levels)
        array.append(int(level));
    return array;
}

// The levels as a person reads them: numbers, and "—" for an unknown one.
QJsonArray levelTexts(const book::SnapshotLevels &levels)
{
    QJsonArray array;
    for (const qint16 level : levels)
        array.append(booktext::levelNumberText(level));
    return array;
}

// A record as the page keeps it: one line of the exchange's JSON Lines
// without the salary and position, which are worked out on every reading.
QJsonObject record(const QString &name, const QString &note, const QStringList &tags, const book::Snapshot &snapshot)
{
    return QJsonObject{{u"name"_s, name},
                       {u"date"_s, book::dayText(snapshot.date)},
                       {u"note"_s, note},
                       {u"tags"_s, QJsonArray::fromStringList(tags)},
                       {u"language"_s, snapshot.language->name.toString()},
                       {u"levels"_s, levelArray(snapshot.levels)}};
}

// A player's records, each with his note and tags as they now stand: the page
// puts them in place of those it holds of him.
QJsonArray records(const book::Player &player)
{
    QJsonArray all;
    for (const book::Snapshot &snapshot : player.snapshots)
        all.append(record(player.name, player.note, player.tags, snapshot));
    return all;
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

QJsonArray textArray(const QStringList &texts)
{
    return QJsonArray::fromStringList(texts);
}

// Lines for a person, as a window shows a message.
QJsonArray sentences(const QStringList &lines)
{
    QJsonArray array;
    for (const QString &line : lines)
        array.append(booktext::sentence(line));
    return array;
}

QJsonArray lineArray(const std::vector<qint64> &lines)
{
    QJsonArray array;
    for (const qint64 line : lines)
        array.append(line);
    return array;
}

} // namespace

extern "C" {

// Replaces the module's book with the page's records, as JSON Lines, oldest
// first. {"players":..,"snapshots":..,"refused":[..],"refused_at":[..]}:
// records that no longer read (none, unless the browser's storage was
// tampered with or a later version wrote them) are named, with their lines
// (from 1), for the page to leave them stored as they are.
const char *wc_book_load(const char *records)
{
    dropSortedRows();
    g_book = book::Book();
    g_removed.reset();
    const QByteArrayView text(records);
    const usecase::ImportAnswer read = usecase::importExchange(g_writer, text, text.size(), {}, QDate::currentDate());
    return answer(QJsonObject{{u"players"_s, qint64(g_book.players().size())},
                              {u"snapshots"_s, qint64(g_book.snapshotCount())},
                              {u"refused"_s, sentences(read.refusedLines)},
                              {u"refused_at"_s, lineArray(read.refusedAt)}});
}

// Keeps thirteen levels ("8,7,...,s,f,e") read in a language under a name,
// with a note (as typed: an empty one clears the player's) and tags (words
// separated by spaces or commas, added to his), on a day (YYYY-MM-DD, the
// page's own). {"kept":true,"status":..,"name":..,"records":[..]}: the
// player's records, to put in place of those the page holds of him; or
// {"kept":false,"error":..}.
const char *wc_book_keep(const char *name, const char *note, const char *tags, const char *levelText,
                         const char *languageName, const char *day)
{
    const LanguageEntry *language = languageOf(languageName);
    const QStringList parts = QString::fromUtf8(levelText).split(u',');
    const std::optional<QDate> date = book::parseDay(QString::fromUtf8(day));
    if (!language || parts.size() != book::kSnapshotLevelCount || !date)
        return answer(QByteArray());
    book::SnapshotLevels levels{};
    for (int k = 0; k < book::kSnapshotLevelCount; ++k)
        levels[std::size_t(k)] = qint16(parts[k].toInt());
    const usecase::KeepRequest request{QString::fromUtf8(name), QString::fromUtf8(note), QString::fromUtf8(tags),
                                       *date};
    dropSortedRows();
    const usecase::KeepAnswer kept = usecase::keepLevels(g_writer, request, levels, *language);
    if (!kept.ok())
        return answer(QJsonObject{{u"kept"_s, false}, {u"error"_s, booktext::sentence(kept.problemText)}});
    return answer(QJsonObject{{u"kept"_s, true},
                              {u"status"_s, webtext::kKept.translated().arg(kept.player->name)},
                              {u"name"_s, kept.player->name},
                              {u"records"_s, records(*kept.player)}});
}

// One player's note and tags, to fill the keep's fields when his name is
// typed: {"found":true,"note":..,"tags":".."} or {"found":false}.
const char *wc_book_player(const char *name)
{
    const book::Player *player = g_book.find(book::cleanedText(QString::fromUtf8(name)));
    if (!player)
        return answer(QJsonObject{{u"found"_s, false}});
    const QString tags = player->tags.join(u' ');
    return answer(
            QJsonObject{{u"found"_s, true},
                        {u"note"_s, player->note},
                        {u"tags"_s, tags},
                        {u"hint"_s, bookwindowtext::kAddsSnapshot.translated()},
                        {u"tags_text"_s, tags.isEmpty() ? QString() : webtext::kTagsGiven.translated().arg(tags)}});
}

// What the page says under the book of its safety: the day of the last
// export ("" for none) and how many snapshots were kept since, as the page
// counts them; reminded says whether it has reminded the manager since that
// export. {"text":..,"reminder":..}: the reminder is empty but once, when
// enough snapshots would be lost with the browser's storage.
const char *wc_book_backup(const char *exportDay, int keptSince, int reminded)
{
    // A season's weekly keeps of two or three players: more is worth a copy.
    constexpr int kRemindAfter = 20;
    const QString day = QString::fromUtf8(exportDay);
    const QString count = QString::number(std::max(keptSince, 0));
    QString text;
    if (!day.isEmpty())
        text = webtext::kLastExported.translated().arg(day, count);
    else if (!g_book.players().empty())
        text = webtext::kNeverExported.translated().arg(count);
    const bool remind = keptSince >= kRemindAfter && !reminded;
    return answer(QJsonObject{
            {u"text"_s, text},
            {u"reminder"_s,
             remind ? webtext::kExportReminder.translated(keptSince).arg(bookwindowtext::kExport.translated())
                    : QString()}});
}

// The players' table: each player's latest snapshot, sorted, with the
// salary's change since his previous one, in the language's words; only
// those with the tag given (none: all); count rows from the place from (0
// sorts them afresh), and how many there are.
const char *wc_book_list(const char *sort, const char *languageName, int from, int count, const char *tag)
{
    const LanguageEntry *language = languageOf(languageName);
    if (!language || from < 0 || count < 0)
        return answer(QByteArray());
    if (from == 0 || !g_rowsCurrent) {
        const auto [key, order] = sortOf(QByteArrayView(sort));
        g_rows = book::latestRows(g_book, key, order);
        const QString wanted = book::cleanedText(QString::fromUtf8(tag));
        if (!wanted.isEmpty())
            std::erase_if(g_rows, [&](const book::LatestRow &row) { return !book::hasTag(row.player->tags, wanted); });
        g_rowsCurrent = true;
    }
    QJsonArray rows;
    const std::size_t end = std::min(g_rows.size(), std::size_t(from) + std::size_t(count));
    for (std::size_t i = std::min(g_rows.size(), std::size_t(from)); i < end; ++i) {
        const book::LatestRow &row = g_rows[i];
        rows.append(QJsonObject{{u"name"_s, row.player->name},
                                {u"note"_s, row.player->note},
                                {u"tags"_s, textArray(row.player->tags)},
                                {u"date"_s, book::dayText(row.latest->date)},
                                {u"levels"_s, levelArray(row.latest->levels)},
                                {u"level_texts"_s, levelTexts(row.latest->levels)},
                                {u"salary_text"_s, salaryImportText(row.result.salary, DigitSpace::NoBreak)},
                                {u"position_name"_s, language->positionName(row.result.position)},
                                {u"change_text"_s, booktext::changeText(row.salaryChange, !row.previous)}});
    }
    QJsonArray headings, colors, tags;
    for (int skill = 1; skill <= kSalarySkillCount; ++skill)
        headings.append(bookcopytext::skillHeading(*language, skill));
    for (int level = kLowestLevel; level <= kHighestLevel; ++level)
        colors.append(web::colorText(usecase::levelColors()[level]));
    QStringList allTags;
    for (const book::Player &player : g_book.players())
        book::joinTags(allTags, player.tags);
    allTags.sort(Qt::CaseInsensitive);
    return answer(QJsonObject{
            {u"total"_s, qint64(g_rows.size())},
            {u"count_text"_s, bookwindowtext::kPlayerCount.translated().arg(QString::number(g_rows.size()))},
            {u"empty_text"_s, bookwindowtext::kEmptyBook.translated()},
            {u"skill_headings"_s, headings},
            {u"level_colors"_s, colors},
            {u"tags"_s, textArray(allTags)},
            {u"unreadable"_s, textArray(usecase::unreadableLines(g_book))},
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
    for (const book::HistoryRow &row : book::history(*player)) {
        rows.append(QJsonObject{{u"date"_s, book::dayText(row.snapshot->date)},
                                {u"levels"_s, levelArray(row.snapshot->levels)},
                                {u"level_texts"_s, levelTexts(row.snapshot->levels)},
                                {u"salary_text"_s, salaryImportText(row.result.salary, DigitSpace::NoBreak)},
                                {u"position_name"_s, language->positionName(row.result.position)},
                                {u"change_text"_s, booktext::changeText(row.salaryChange, rows.isEmpty())}});
    }
    return answer(
            QJsonObject{{u"title"_s, bookwindowtext::kHistoryOf.translated().arg(player->name)}, {u"rows"_s, rows}});
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
        return answer(QJsonObject{
                {u"error"_s, booktext::sentence(booktext::compareProblemText(comparison.problem, comparison.name))}});
    QJsonArray columns, shownNames;
    for (const book::ComparedPlayer &compared : comparison.players) {
        shownNames.append(compared.player->name);
        columns.append(textArray(bookcopytext::comparisonColumn(compared, columns.isEmpty(), *language)));
    }
    return answer(QJsonObject{{u"title"_s, bookwindowtext::kCompareTitle.translated()},
                              {u"names"_s, shownNames},
                              {u"headings"_s, textArray(bookcopytext::comparisonHeadings(*language))},
                              {u"columns"_s, columns}});
}

// The whole book in the exchange format: "csv" or "jsonl". Plain text, not JSON.
const char *wc_book_export(const char *form)
{
    return answer(usecase::exportBook(
            g_book, qstrcmp(form, "csv") == 0 ? book::ExchangeForm::Csv : book::ExchangeForm::JsonLines));
}

// Reads an exchange file's text (either form, or a batch CSV) into the book;
// a file larger than the book reads is refused unread (its text empty).
// {"message":..,"errors":[..],"records":[..],"snapshots":..}: the summary,
// each refused line, the records the page is to add, and how many snapshots
// the book did not hold before.
const char *wc_book_import(const char *fileName, const char *text, double size)
{
    dropSortedRows();
    const QByteArrayView bytes(text);
    const usecase::ImportAnswer read = usecase::importExchange(g_writer, bytes, qint64(size),
                                                               QString::fromUtf8(fileName), QDate::currentDate());
    QJsonArray added;
    for (const book::Keep &keep : read.taken) {
        const book::Player *player = g_book.find(keep.name);
        added.append(record(player->name, keep.note.value_or(QString()), keep.tags, keep.snapshot));
    }
    return answer(QJsonObject{{u"message"_s, booktext::sentence(read.ok() ? read.summary : read.problemText)},
                              {u"errors"_s, sentences(read.refusedLines)},
                              {u"records"_s, added},
                              {u"snapshots"_s, qint64(read.counts.added)}});
}

// Takes a player out of the book; wc_book_restore gives him back.
// {"removed":true,"status":..} or {"removed":false}.
const char *wc_book_remove(const char *name)
{
    dropSortedRows();
    usecase::ChangeAnswer removed = usecase::removePlayer(g_writer, QString::fromUtf8(name));
    if (!removed.ok())
        return answer(QJsonObject{{u"removed"_s, false}});
    g_removed = std::move(removed.player);
    return answer(
            QJsonObject{{u"removed"_s, true}, {u"status"_s, bookwindowtext::deletedText({g_removed->name}, false)}});
}

// The player deleted last, back in the book: {"restored":true,"records":[..]}.
const char *wc_book_restore()
{
    if (!g_removed)
        return answer(QJsonObject{{u"restored"_s, false}});
    dropSortedRows();
    const usecase::ChangeAnswer restored = usecase::restorePlayer(g_writer, *g_removed);
    g_removed.reset();
    if (!restored.ok() || !restored.player)
        return answer(QJsonObject{{u"restored"_s, false}});
    return answer(QJsonObject{
            {u"restored"_s, true}, {u"name"_s, restored.player->name}, {u"records"_s, records(*restored.player)}});
}

// Where a player's own pace leads in weeks: {"title","rests_on","headings",
// "rows":[{name,level,gained,per_week,then}],"salary_text","levels"} or {"error"}.
const char *wc_book_forecast(const char *name, const char *languageName, int weeks)
{
    const LanguageEntry *language = languageOf(languageName);
    const book::Player *player = g_book.find(book::cleanedText(QString::fromUtf8(name)));
    if (!language || !player || weeks < 1)
        return answer(QByteArray());
    const usecase::ForecastAnswer forecast = usecase::forecastPlayer(*player, weeks);
    if (!forecast.ok())
        return answer(QJsonObject{{u"error"_s, booktext::sentence(forecast.problemText)}});
    QJsonArray rows, levels;
    for (int skill = 1; skill <= kSalarySkillCount; ++skill) {
        const int gained = forecast.pace.gained[skill];
        rows.append(QJsonObject{{u"name"_s, plantext::skillName(*language, skill)},
                                {u"level"_s, int(forecast.pace.current.levels[skill])},
                                {u"gained"_s, (gained > 0 ? u"+"_s : QString()) + QString::number(gained)},
                                {u"per_week"_s, QString::number(forecast.pace.perWeek[skill], 'f', 2)},
                                {u"then"_s, int(forecast.forecast->end.levels[skill])}});
        levels.append(int(forecast.forecast->end.levels[skill]));
    }
    const planner::Standing &end = forecast.forecast->end;
    return answer(QJsonObject{
            {u"title"_s, plantext::kForecastTitle.translated(weeks).arg(player->name)},
            {u"rests_on"_s, plantext::kRestsOn.translated(int(forecast.pace.days))
                                    .arg(book::dayText(forecast.pace.first), book::dayText(forecast.pace.last))},
            {u"headings"_s, QJsonArray{QString(), plantext::kLevel.translated(), plantext::kGained.translated(),
                                       plantext::kPerWeek.translated(), plantext::kThen.translated()}},
            {u"rows"_s, rows},
            {u"levels"_s, levels},
            {u"salary_text"_s, plantext::kForecastSalary.translated().arg(
                                       salaryImportText(end.salary, DigitSpace::NoBreak),
                                       language->positionName(end.position),
                                       plantext::changeText(forecast.forecast->change))}});
}

// A text pasted or opened as a link: {"is_link":false} for anything else (a
// skill list, read as one); {"is_link":true,"error":..} for a link that adds
// nothing; or {"is_link":true,"holds":..,"question":..,"names":[..]}, the
// players kept for wc_link_add.
const char *wc_link_read(const char *text)
{
    usecase::LinkRead read = usecase::readLink(QString::fromUtf8(text));
    g_linked.clear();
    if (!read.isLink)
        return answer(QJsonObject{{u"is_link"_s, false}});
    if (!read.ok())
        return answer(QJsonObject{{u"is_link"_s, true}, {u"error"_s, booktext::sentence(read.problemText)}});
    QJsonArray names;
    for (const book::Player &player : read.players)
        names.append(player.name);
    g_linked = std::move(read.players);
    return answer(QJsonObject{{u"is_link"_s, true},
                              {u"holds"_s, read.holdsText},
                              {u"question"_s, booktext::kAddLinked.translated()},
                              {u"names"_s, names}});
}

// Adds the players of the link read last, as a union: {"message":..,
// "errors":[..],"players":[{"name":..,"records":[..]}]}, each player's records
// to put in place of those the page holds of him.
const char *wc_link_add()
{
    dropSortedRows();
    const usecase::ImportAnswer added = usecase::addLinked(g_writer, g_linked);
    QStringList names;
    for (const book::Keep &keep : added.taken)
        if (!names.contains(keep.name))
            names << keep.name;
    QJsonArray players;
    for (const QString &name : names)
        if (const book::Player *player = g_book.find(name))
            players.append(QJsonObject{{u"name"_s, player->name}, {u"records"_s, records(*player)}});
    QStringList errors;
    for (const QString &line : added.refusedLines)
        errors << booktext::sentence(line);
    g_linked.clear();
    return answer(QJsonObject{{u"message"_s, booktext::sentence(added.ok() ? added.summary : added.problemText)},
                              {u"errors"_s, textArray(errors)},
                              {u"players"_s, players}});
}

// A link to the players named in a JSON array (the whole book for none), to
// the page at the address given: {"link":..,"holds":..,"fits_qr":..} or
// {"error":..}; with fits_qr, the QR code's size in modules, its dark modules
// as an SVG path in a viewBox of that size and its name (qr_label); without,
// what to do instead (qr_text), naming Share where the browser shares, else
// Copy Link.
const char *wc_link_make(const char *namesJson, const char *address, int shares)
{
    QStringList names;
    for (const QJsonValue name : QJsonDocument::fromJson(QByteArray(namesJson)).array())
        names << name.toString();
    const usecase::LinkMade made = usecase::makeLink(g_book, names, QString::fromUtf8(address));
    if (!made.ok())
        return answer(QJsonObject{{u"error"_s, booktext::sentence(made.problemText)}});
    QJsonObject link{{u"link"_s, made.link}, {u"holds"_s, made.holdsText}, {u"fits_qr"_s, made.qrCode.has_value()}};
    if (made.qrCode) {
        link.insert(u"qr_size"_s, made.qrCode->size);
        link.insert(u"qr_path"_s, qr::svgPath(*made.qrCode));
        link.insert(u"qr_label"_s, webtext::kLinkQrCode.translated());
    } else {
        link.insert(u"qr_text"_s, webtext::kLinkTooLong.translated().arg(
                (shares ? webtext::kShareLink : webtext::kCopyLink).translated()));
    }
    return answer(link);
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
