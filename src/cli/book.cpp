#include "cli/book.h"

#include "book/bookstore.h"
#include "book/exchange.h"
#include "book/shortlist.h"
#include "catalogue/catalogue.h"
#include "cli/batch.h"
#include "cli/commands.h"
#include "cli/session.h"
#include "format/resultformat.h"
#include "format/writers.h"
#include "presentation/booktext.h"
#include "presentation/clitexts.h"
#include "presentation/plantext.h"
#include "usecases/bookcases.h"
#include "usecases/links.h"
#include "usecases/planning.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonObject>

#include <optional>

namespace wagecourt::cli {

using namespace Qt::StringLiterals;
using namespace wagecourt::book;

namespace {

// The book's words for the command line itself: its usage and its own errors.
//: The command and option names stay as they are. The book's file (%1), the option list (%2).
//: Every line at most 79 characters once %1 is filled in; the commands after "Usage:" and "or:" start in one column.
constexpr Text kBookUsage{"BookCli", QT_TRANSLATE_NOOP("BookCli",
        "Usage: wagecourt-cli book keep NAME [--note TEXT] [--tag WORD]... [--date DAY]\n"
        "                               [FILE|-]\n"
        "  or:  wagecourt-cli book list [--sort KEY] [--tag WORD] [--json]\n"
        "  or:  wagecourt-cli book history NAME [--json]\n"
        "  or:  wagecourt-cli book compare NAME NAME [NAME...] [--lang NAME] [--json]\n"
        "  or:  wagecourt-cli book forecast NAME [--weeks W] [--lang NAME] [--json]\n"
        "  or:  wagecourt-cli book export [--json | --link [NAME...]]\n"
        "  or:  wagecourt-cli book import FILE|- | --link TEXT\n"
        "  or:  wagecourt-cli book note NAME TEXT\n"
        "  or:  wagecourt-cli book tags NAME [WORD...]\n"
        "  or:  wagecourt-cli book remove NAME\n"
        "Players kept with the history of their levels, as in the window's Player Book.\n"
        "\n"
        "Commands:\n"
        "  keep     read one copied skill list from FILE or standard input, in any game\n"
        "           language (or the one --lang names), and keep it under NAME, dated\n"
        "           today or DAY (YYYY-MM-DD); the same levels on one day are kept once\n"
        "  list     each player's latest snapshot and the salary's change since the one\n"
        "           before; --sort name, salary, position, change or date\n"
        "  history  one player's snapshots, oldest first\n"
        "  compare  two to four players side by side, each measured against the first\n"
        "  forecast where a player's own pace leads in W weeks (8 unless --weeks says),\n"
        "           from his snapshots, which must span 14 days at least\n"
        "  export   the whole book as CSV, or with --json as JSON lines; with --link\n"
        "           the players named (all without a name) as one link to share\n"
        "  import   a file written by export or by 'wagecourt-cli batch --header';\n"
        "           bad lines are named on standard error and every good one is kept;\n"
        "           a link (or a file holding one) adds what the book lacks\n"
        "  note     set a player's note (an empty TEXT clears it)\n"
        "  tags     set a player's tags, short words of your own (none clears them)\n"
        "  remove   a player and all his snapshots\n"
        "\n"
        "The book is %1\n"
        "unless --book names another file.\n"
        "\n"
        "%2\n"
        "Exit status:\n"
        "  0  done\n"
        "  1  a list rejected, a line of an import bad, an unknown player, or a book\n"
        "     that could not be read or written whole\n"
        "  2  a usage error\n")};
constexpr Text kBookOption{"BookCli", QT_TRANSLATE_NOOP("BookCli", "The book's file, instead of the window's.")};
constexpr Text kNoteOption{"BookCli", QT_TRANSLATE_NOOP("BookCli", "keep: a note of one line for the player.")};
constexpr Text kDateOption{"BookCli", QT_TRANSLATE_NOOP("BookCli", "keep: the day of the snapshot, YYYY-MM-DD.")};
constexpr Text kSortOption{"BookCli", QT_TRANSLATE_NOOP("BookCli",
        "list: sort by name, salary, position, change or date.")};
//: A tag is a short word of the user's own, such as "target" or "U21".
constexpr Text kTagOption{"BookCli", QT_TRANSLATE_NOOP("BookCli",
        "keep: add a tag to the player (again for more); list: only players with this tag.")};
constexpr Text kBookLangOption{"BookCli", QT_TRANSLATE_NOOP("BookCli",
        "Game language: a name or code. keep reads the list in it; compare names the skills in it.")};
constexpr Text kWeeksOption{"BookCli", QT_TRANSLATE_NOOP("BookCli", "forecast: how many weeks ahead (8 unless given).")};
//: What the user wrote.
constexpr Text kBadWeeks{"BookCli", QT_TRANSLATE_NOOP("BookCli", "'%1' is not a number of weeks: write a whole number from 1 to 520")};
constexpr Text kLinkOption{"BookCli", QT_TRANSLATE_NOOP("BookCli",
        "export: a link to the players named instead of a file; import: such a link instead of a file.")};
constexpr Text kBookJsonOption{"BookCli", QT_TRANSLATE_NOOP("BookCli", "Print JSON, one object per line.")};
constexpr Text kNoBookCommand{"BookCli", QT_TRANSLATE_NOOP("BookCli",
        "book needs a command: keep, list, history, compare, forecast, export, import, note, tags or remove")};
// What each command takes, as whole sentences: %n is how many arguments were given.
//: The command name stays as it is.
constexpr CountText kTakesNothing{"BookCli", QT_TRANSLATE_N_NOOP("BookCli",
        "book %1 takes no arguments, but %n were given")};
//: The command name stays as it is.
constexpr CountText kTakesOneName{"BookCli", QT_TRANSLATE_N_NOOP("BookCli",
        "book %1 takes one name, but %n were given")};
constexpr CountText kTakesNameAndFile{"BookCli", QT_TRANSLATE_N_NOOP("BookCli",
        "book keep takes a name and at most one file, but %n were given")};
constexpr CountText kTakesOneFile{"BookCli", QT_TRANSLATE_N_NOOP("BookCli",
        "book import takes one file, but %n were given")};
constexpr CountText kTakesNameAndNote{"BookCli", QT_TRANSLATE_N_NOOP("BookCli",
        "book note takes a name and a note, but %n were given")};
constexpr Text kTakesNameAndTags{"BookCli", QT_TRANSLATE_NOOP("BookCli",
        "book tags takes a name and its tags, but no name was given")};
//: What the user wrote.
constexpr Text kBadDay{"BookCli", QT_TRANSLATE_NOOP("BookCli", "'%1' is not a date in the format YYYY-MM-DD")};
//: The sort keys stay in English: they are what the user types.
constexpr Text kBadSort{"BookCli", QT_TRANSLATE_NOOP("BookCli",
        "'%1' is not a sort: name, salary, position, change or date")};
//: The option, then the command it is for.
constexpr Text kOptionNotFor{"BookCli", QT_TRANSLATE_NOOP("BookCli", "%1 is for book %2 only")};

class BookCommands : public CommandSession
{
public:
    BookCommands(QIODevice &in, QIODevice &out, QIODevice &err) : CommandSession(in, out, err) {}

    int run(const QStringList &arguments);

private:
    bool json() const { return m_parser.isSet(m_json); }
    bool namedBook() const { return m_parser.isSet(m_book); }
    QString bookPath() const { return namedBook() ? m_parser.value(m_book) : BookStore::defaultPath(); }
    BookStore store() const
    {
        // Only the book's own place holds a file that may be set aside: one
        // the user named is his.
        return BookStore(bookPath(), kCommandLineBusyMilliseconds,
                         namedBook() ? ForeignFile::Refuse : ForeignFile::SetAside);
    }
    // The store, opened; false after a message.
    bool opened(BookStore &store);
    // The whole book; none after a message. A missing book is an empty one, left unmade.
    std::optional<Book> loaded(BookStore &store);
    // Names each player whose stored snapshots do not all read; whether there was any.
    bool sayUnreadable(const Book &book);
    int bookFailed(const StoreResult &result, const BookStore &store, bool reading = false);
    int wrongCount(const CountText &text, const QString &command, qsizetype given)
    {
        return usageError(text.translated(int(given)).arg(command));
    }
    std::optional<const LanguageEntry *> languageOption();
    QByteArray rowJson(const Player &player, const Snapshot &snapshot, qint32 change) const;

    int keep(const QStringList &arguments);
    int list(const QStringList &arguments);
    int history(const QStringList &arguments);
    int compare(const QStringList &arguments);
    int forecast(const QStringList &arguments);
    int exportBook(const QStringList &arguments);
    int importBook(const QStringList &arguments);
    int importLink(const usecase::LinkRead &link);
    int note(const QStringList &arguments);
    int tags(const QStringList &arguments);
    int remove(const QStringList &arguments);
    int changed(const usecase::ChangeAnswer &answer, const BookStore &store);

    QCommandLineParser m_parser;
    QCommandLineOption m_book{u"book"_s, kBookOption.translated(), u"FILE"_s};
    QCommandLineOption m_note{u"note"_s, kNoteOption.translated(), u"TEXT"_s};
    QCommandLineOption m_tag{u"tag"_s, kTagOption.translated(), u"WORD"_s};
    QCommandLineOption m_date{u"date"_s, kDateOption.translated(), u"DAY"_s};
    QCommandLineOption m_lang{u"lang"_s, kBookLangOption.translated(), u"NAME"_s};
    QCommandLineOption m_sort{u"sort"_s, kSortOption.translated(), u"KEY"_s};
    QCommandLineOption m_weeks{u"weeks"_s, kWeeksOption.translated(), u"W"_s};
    QCommandLineOption m_link{u"link"_s, kLinkOption.translated()};
    QCommandLineOption m_json{u"json"_s, kBookJsonOption.translated()};
    QCommandLineOption m_help{{u"h"_s, u"help"_s}, clitext::kHelpOption.translated()};
};

bool BookCommands::opened(BookStore &store)
{
    const OpenResult result = store.open();
    const QString message = booktext::openText(result, store.path());
    if (!message.isEmpty())
        writeErr(u"wagecourt-cli: "_s + message + u'\n');
    return result.ok();
}

std::optional<Book> BookCommands::loaded(BookStore &store)
{
    if (!QFileInfo::exists(store.path()))
        return Book{};
    if (!opened(store))
        return std::nullopt;
    StoreResult result;
    std::optional<Book> book = store.load(&result);
    if (!book)
        bookFailed(result, store, true);
    return book;
}

bool BookCommands::sayUnreadable(const Book &book)
{
    for (const QString &line : usecase::unreadableLines(book))
        failed(line);
    return !book.unreadable().empty();
}

int BookCommands::bookFailed(const StoreResult &result, const BookStore &store, bool reading)
{
    return failed(reading ? booktext::loadFailureText(result, store.path())
                          : booktext::storeFailureText(result, store.path()));
}

std::optional<const LanguageEntry *> BookCommands::languageOption()
{
    if (!m_parser.isSet(m_lang))
        return nullptr;
    if (const LanguageEntry *language = findLanguage(m_parser.value(m_lang), LanguageMatch::Loose))
        return language;
    QStringList known;
    for (const LanguageEntry &entry : languages())
        known << u"%1 (%2)"_s.arg(entry.name, languageCode(entry));
    usageError(clitext::kUnknownLanguage.translated().arg(m_parser.value(m_lang), known.join(u", "_s)));
    return std::nullopt;
}

QByteArray BookCommands::rowJson(const Player &player, const Snapshot &snapshot, qint32 change) const
{
    QByteArray line;
    appendJsonSnapshot(line, player, snapshot);
    line.chop(1);
    line += ",\"change\":" + QByteArray::number(change) + "}\n";
    return line;
}

int BookCommands::keep(const QStringList &arguments)
{
    if (arguments.isEmpty() || arguments.size() > 2)
        return wrongCount(kTakesNameAndFile, u"keep"_s, arguments.size());
    usecase::KeepRequest request{arguments[0], std::nullopt, m_parser.values(m_tag).join(u' '), QDate::currentDate()};
    if (m_parser.isSet(m_note))
        request.note = m_parser.value(m_note);
    if (m_parser.isSet(m_date)) {
        const QString day = m_parser.value(m_date).trimmed();
        request.day = parseDay(day).value_or(QDate());
        if (!request.day.isValid())
            return usageError(kBadDay.translated().arg(day));
    }
    const auto language = languageOption();
    if (!language)
        return ExitUsage;
    // The name, the note and the tags are the user's to mend before any list is read.
    if (const usecase::KeepAnswer checked = usecase::checkKeep(request); !checked.ok())
        return usageError(checked.problemText);
    int status = ExitOk;
    const std::optional<QByteArray> bytes = readInput(arguments.value(1, u"-"_s), usecase::kMostPastedBytes, &status);
    if (!bytes)
        return status;

    BookStore book = store();
    if (!opened(book))
        return ExitRejected;
    const usecase::KeepAnswer answer = usecase::keepPasted(book, request, *bytes, *language);
    if (answer.problem == usecase::BookProblem::ListRefused) {
        writeErr(answer.problemText + u'\n');
        return ExitRejected;
    }
    if (answer.problem == usecase::BookProblem::Store)
        return bookFailed(answer.store, book);
    if (!answer.ok())
        return failed(answer.problemText);
    if (json()) {
        const std::vector<HistoryRow> rows = book::history(*answer.player);
        const auto kept = std::find_if(rows.begin(), rows.end(), [&](const HistoryRow &row) {
            return row.snapshot->sameReading(answer.kept.snapshot);
        });
        QByteArray line = rowJson(*answer.player, *kept->snapshot, kept->salaryChange);
        line.chop(2);
        const char *word = answer.outcome == KeepOutcome::NewPlayer ? "new"
                         : answer.outcome == KeepOutcome::Added     ? "added"
                                                                    : "already";
        m_out.write(line + ",\"kept\":\"" + word + "\"}\n");
    } else {
        writeOut(answer.summary + u'\n');
    }
    return ExitOk;
}

int BookCommands::list(const QStringList &arguments)
{
    if (!arguments.isEmpty())
        return wrongCount(kTakesNothing, u"list"_s, arguments.size());
    SortKey key = SortKey::Name;
    if (m_parser.isSet(m_sort)) {
        static const QHash<QString, SortKey> kKeys{{u"name"_s, SortKey::Name},         {u"salary"_s, SortKey::Salary},
                                                   {u"position"_s, SortKey::Position}, {u"change"_s, SortKey::Change},
                                                   {u"date"_s, SortKey::Date}};
        const QString asked = m_parser.value(m_sort).trimmed().toLower();
        if (!kKeys.contains(asked))
            return usageError(kBadSort.translated().arg(m_parser.value(m_sort)));
        key = kKeys.value(asked);
    }
    BookStore book = store();
    const std::optional<Book> whole = loaded(book);
    if (!whole)
        return ExitRejected;
    // Names and positions read best from the start; salaries, changes and days from the most.
    const SortOrder order = key == SortKey::Name || key == SortKey::Position ? SortOrder::Ascending
                                                                             : SortOrder::Descending;
    std::vector<LatestRow> rows = latestRows(*whole, key, order);
    if (m_parser.isSet(m_tag)) {
        const QString tag = cleanedText(m_parser.value(m_tag));
        std::erase_if(rows, [&](const LatestRow &row) { return !hasTag(row.player->tags, tag); });
    }
    if (json()) {
        QByteArray lines;
        for (const LatestRow &row : rows)
            lines += rowJson(*row.player, *row.latest, row.salaryChange);
        m_out.write(lines);
    } else if (rows.empty() && whole->unreadable().empty()) {
        writeErr(booktext::kEmptyBook.translated() + u'\n');
    } else if (!rows.empty()) {
        writeOut(booktext::playersTable(rows));
    }
    return sayUnreadable(*whole) ? ExitRejected : ExitOk;
}

int BookCommands::history(const QStringList &arguments)
{
    if (arguments.size() != 1)
        return wrongCount(kTakesOneName, u"history"_s, arguments.size());
    BookStore book = store();
    const QString unknown = booktext::kUnknownPlayer.translated().arg(escapedControls(arguments[0]));
    if (!QFileInfo::exists(book.path()))
        return failed(unknown);
    if (!opened(book))
        return ExitRejected;
    StoreResult result;
    qsizetype unreadable = 0;
    const std::optional<Player> player = book.loadPlayer(arguments[0], &result, &unreadable);
    if (!result.ok())
        return bookFailed(result, book, true);
    if (player) {
        const std::vector<HistoryRow> rows = book::history(*player);
        if (json()) {
            QByteArray lines;
            for (const HistoryRow &row : rows)
                lines += rowJson(*player, *row.snapshot, row.salaryChange);
            m_out.write(lines);
        } else {
            writeOut(booktext::historyTable(rows));
        }
    }
    if (unreadable > 0)
        return failed(booktext::unreadableSnapshotsText({cleanedText(arguments[0]), unreadable}));
    return player ? ExitOk : failed(unknown);
}

int BookCommands::compare(const QStringList &arguments)
{
    const auto language = languageOption();
    if (!language)
        return ExitUsage;
    if (arguments.size() < kFewestCompared || arguments.size() > kMostCompared)
        return usageError(booktext::compareProblemText(
                arguments.size() < kFewestCompared ? CompareProblem::TooFew : CompareProblem::TooMany, {}));
    BookStore book = store();
    if (QFileInfo::exists(book.path()) && !opened(book))
        return ExitRejected;
    // Only the players asked for are read.
    Book asked;
    for (const QString &name : arguments) {
        StoreResult result;
        qsizetype unreadable = 0;
        std::optional<Player> player = book.isOpen() ? book.loadPlayer(name, &result, &unreadable) : std::nullopt;
        if (!result.ok())
            return bookFailed(result, book, true);
        if (unreadable > 0)
            return failed(booktext::unreadableSnapshotsText({cleanedText(name), unreadable}));
        if (player)
            asked.restore(std::move(*player));
    }
    const Comparison comparison = book::compare(asked, arguments);
    if (comparison.problem != CompareProblem::None)
        return failed(booktext::compareProblemText(comparison.problem, comparison.name));
    if (!json()) {
        writeOut(booktext::comparisonTable(comparison,
                                           *language ? **language : *comparison.players.front().latest->language));
        return ExitOk;
    }
    QByteArray lines;
    for (const ComparedPlayer &compared : comparison.players) {
        const LanguageEntry &shown = *language ? **language : *compared.latest->language;
        QJsonArray levels;
        for (qint16 level : compared.latest->levels)
            levels.append(level);
        QJsonArray positions;
        for (int p = 1; p <= kPositionCount; ++p)
            positions.append(QJsonObject{{u"position"_s, p}, {u"name"_s, shown.positionName(p)},
                                         {u"salary"_s, compared.positionSalaries[p]}});
        lines += format::jsonLine(QJsonObject{
                {u"name"_s, compared.player->name},
                {u"date"_s, dayText(compared.latest->date)},
                {u"language"_s, shown.name.toString()},
                {u"levels"_s, levels},
                {u"salary"_s, compared.result.salary},
                {u"position"_s, compared.result.position},
                {u"position_name"_s, shown.positionName(compared.result.position)},
                {u"positions"_s, positions},
                {u"difference"_s, compared.difference},
        });
    }
    m_out.write(lines);
    return ExitOk;
}

int BookCommands::forecast(const QStringList &arguments)
{
    if (arguments.size() != 1)
        return wrongCount(kTakesOneName, u"forecast"_s, arguments.size());
    const auto language = languageOption();
    if (!language)
        return ExitUsage;
    int weeks = usecase::kDefaultForecastWeeks;
    if (m_parser.isSet(m_weeks)) {
        bool number = false;
        weeks = m_parser.value(m_weeks).trimmed().toInt(&number);
        if (!number || weeks < 1 || weeks > 520)
            return usageError(kBadWeeks.translated().arg(m_parser.value(m_weeks)));
    }
    BookStore book = store();
    const QString unknown = booktext::kUnknownPlayer.translated().arg(escapedControls(arguments[0]));
    if (!QFileInfo::exists(book.path()))
        return failed(unknown);
    if (!opened(book))
        return ExitRejected;
    StoreResult result;
    qsizetype unreadable = 0;
    const std::optional<Player> player = book.loadPlayer(arguments[0], &result, &unreadable);
    if (!result.ok())
        return bookFailed(result, book, true);
    if (unreadable > 0)
        failed(booktext::unreadableSnapshotsText({cleanedText(arguments[0]), unreadable}));
    if (!player)
        return failed(unknown);
    const usecase::ForecastAnswer answer = usecase::forecastPlayer(*player, weeks);
    if (!answer.ok())
        return failed(answer.problemText);
    if (json())
        m_out.write(format::jsonLine(format::forecastObject(player->name, answer)));
    else
        writeOut(plantext::forecastTable(*language ? **language : *player->latest().language, player->name,
                                         answer.pace, *answer.forecast));
    return unreadable > 0 ? ExitRejected : ExitOk;
}

int BookCommands::exportBook(const QStringList &arguments)
{
    if (!arguments.isEmpty() && !m_parser.isSet(m_link))
        return wrongCount(kTakesNothing, u"export"_s, arguments.size());
    BookStore book = store();
    const std::optional<Book> whole = loaded(book);
    if (!whole)
        return ExitRejected;
    if (m_parser.isSet(m_link)) {
        const usecase::LinkMade made = usecase::makeLink(*whole, arguments, usecase::siteAddress());
        if (!made.ok())
            return failed(made.problemText);
        writeOut(made.link + u'\n');
        return sayUnreadable(*whole) ? failed(booktext::incompleteExportText()) : ExitOk;
    }
    m_out.write(usecase::exportBook(*whole, json() ? ExchangeForm::JsonLines : ExchangeForm::Csv));
    if (!sayUnreadable(*whole))
        return ExitOk;
    return failed(booktext::incompleteExportText());
}

int BookCommands::importBook(const QStringList &arguments)
{
    if (arguments.size() != 1)
        return wrongCount(kTakesOneFile, u"import"_s, arguments.size());
    if (m_parser.isSet(m_link))
        return importLink(usecase::readLink(arguments[0], true));
    const QString path = arguments[0];
    // Refused unread: a book of a hundred thousand snapshots is a tenth of the largest.
    if (path != u"-"_s && QFileInfo(path).isFile())
        if (const auto refused = usecase::refuseUnread(QFileInfo(path).size(), path))
            return failed(refused->problemText);
    int status = ExitOk;
    const std::optional<QByteArray> bytes = readInput(path, usecase::kLargestImport, &status);
    if (!bytes)
        return status;

    // A file or standard input may hold a link rather than a book's file.
    if (const std::optional<usecase::LinkRead> link = usecase::linkInFile(*bytes))
        return importLink(*link);
    BookStore book = store();
    if (!opened(book))
        return ExitRejected;
    const usecase::ImportAnswer answer = usecase::importExchange(book, *bytes, bytes->size(), path, QDate::currentDate());
    for (const QString &line : answer.refusedLines)
        writeErr(line + u'\n');
    if (answer.problem == usecase::BookProblem::Store)
        return bookFailed(answer.store, book);
    if (!answer.ok())
        return failed(answer.problemText);
    writeOut(answer.summary + u'\n');
    return answer.whole() ? ExitOk : ExitRejected;
}

int BookCommands::importLink(const usecase::LinkRead &link)
{
    if (!link.ok())
        return failed(link.problemText);
    BookStore book = store();
    if (!opened(book))
        return ExitRejected;
    // What the link holds, then what it added: a script reads the summary as an import's.
    writeErr(link.holdsText + u'\n');
    const usecase::ImportAnswer answer = usecase::addLinked(book, link.players);
    for (const QString &line : answer.refusedLines)
        writeErr(line + u'\n');
    if (answer.problem == usecase::BookProblem::Store)
        return bookFailed(answer.store, book);
    writeOut(answer.summary + u'\n');
    return answer.whole() ? ExitOk : ExitRejected;
}

int BookCommands::changed(const usecase::ChangeAnswer &answer, const BookStore &store)
{
    if (answer.problem == usecase::BookProblem::BadNote || answer.problem == usecase::BookProblem::BadTags)
        return usageError(answer.problemText);
    if (answer.problem == usecase::BookProblem::Store)
        return bookFailed(answer.store, store);
    if (!answer.ok())
        return failed(answer.problemText);
    if (!answer.summary.isEmpty())
        writeOut(answer.summary + u'\n');
    return ExitOk;
}

int BookCommands::note(const QStringList &arguments)
{
    if (arguments.size() != 2)
        return wrongCount(kTakesNameAndNote, u"note"_s, arguments.size());
    BookStore book = store();
    if (!QFileInfo::exists(book.path()))
        return failed(booktext::kUnknownPlayer.translated().arg(escapedControls(arguments[0])));
    if (!opened(book))
        return ExitRejected;
    return changed(usecase::setNote(book, arguments[0], arguments[1]), book);
}

int BookCommands::tags(const QStringList &arguments)
{
    if (arguments.isEmpty())
        return usageError(kTakesNameAndTags.translated());
    BookStore book = store();
    if (!QFileInfo::exists(book.path()))
        return failed(booktext::kUnknownPlayer.translated().arg(escapedControls(arguments[0])));
    if (!opened(book))
        return ExitRejected;
    return changed(usecase::setTags(book, arguments[0], arguments.mid(1).join(u' ')), book);
}

int BookCommands::remove(const QStringList &arguments)
{
    if (arguments.size() != 1)
        return wrongCount(kTakesOneName, u"remove"_s, arguments.size());
    BookStore book = store();
    if (!QFileInfo::exists(book.path()))
        return failed(booktext::kUnknownPlayer.translated().arg(escapedControls(arguments[0])));
    if (!opened(book))
        return ExitRejected;
    return changed(usecase::removePlayer(book, arguments[0]), book);
}

int BookCommands::run(const QStringList &arguments)
{
    m_parser.addOptions({m_book, m_note, m_tag, m_date, m_lang, m_sort, m_weeks, m_link, m_json, m_help});
    if (!m_parser.parse(arguments))
        return usageError(m_parser.errorText());
    if (m_parser.isSet(m_help)) {
        writeOut(kBookUsage.translated().arg(QDir::toNativeSeparators(BookStore::defaultPath()),
                                             m_parser.helpText().section(u'\n', 2).trimmed() + u'\n'));
        return ExitOk;
    }
    if (const QString twice = givenTwiceText(m_parser, {&m_book, &m_note, &m_date, &m_lang, &m_sort, &m_weeks});
        !twice.isEmpty())
        return usageError(twice);
    QStringList positional = m_parser.positionalArguments();
    positional.removeFirst(); // "book"
    if (positional.isEmpty())
        return usageError(kNoBookCommand.translated());
    const QString command = positional.takeFirst();
    const struct { const QCommandLineOption *option; QStringList commands; } kOnlyFor[] = {
        {&m_note, {u"keep"_s}},
        {&m_date, {u"keep"_s}},
        {&m_tag, {u"keep"_s, u"list"_s}},
        {&m_lang, {u"keep"_s, u"compare"_s, u"forecast"_s}},
        {&m_weeks, {u"forecast"_s}},
        {&m_link, {u"export"_s, u"import"_s}},
        {&m_sort, {u"list"_s}}};
    for (const auto &rule : kOnlyFor)
        if (m_parser.isSet(*rule.option) && !rule.commands.contains(command))
            return usageError(kOptionNotFor.translated().arg(u"--"_s + rule.option->names().front(),
                                                             rule.commands.join(u", "_s)));
    if (command == u"list"_s && m_parser.values(m_tag).size() > 1)
        return usageError(givenTwiceText(m_parser, {&m_tag}));
    const std::pair<const char16_t *, int (BookCommands::*)(const QStringList &)> kCommands[] = {
        {u"keep", &BookCommands::keep},       {u"list", &BookCommands::list},
        {u"history", &BookCommands::history}, {u"compare", &BookCommands::compare},
        {u"forecast", &BookCommands::forecast},
        {u"export", &BookCommands::exportBook}, {u"import", &BookCommands::importBook},
        {u"note", &BookCommands::note},       {u"tags", &BookCommands::tags},
        {u"remove", &BookCommands::remove}};
    for (const auto &[name, handler] : kCommands)
        if (command == QStringView(name))
            return (this->*handler)(positional);
    return usageError(clitext::kUnknownCommand.translated().arg(u"book "_s + command));
}

} // namespace

bool isBookCommand(const QStringList &arguments)
{
    static const QStringList kValued{u"--book"_s, u"--note"_s, u"--tag"_s,  u"--date"_s,
                                     u"--lang"_s, u"--sort"_s, u"--weeks"_s};
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString &argument = arguments[i];
        if (kValued.contains(argument)) {
            ++i;
            continue;
        }
        if (argument == u"--"_s)
            return arguments.value(i + 1) == u"book"_s;
        if (!argument.startsWith(u'-') || argument == u"-"_s)
            return argument == u"book"_s;
    }
    return false;
}

int runBook(const QStringList &arguments, QIODevice &in, QIODevice &out, QIODevice &err)
{
    BookCommands commands(in, out, err);
    return commands.run(arguments);
}

} // namespace wagecourt::cli
