#include "book.h"

#include "batch.h"
#include "commands.h"
#include "book/bookstore.h"
#include "book/exchange.h"
#include "catalogue/catalogue.h"
#include "format/resultformat.h"
#include "import/skilllist.h"
#include "presentation/booktext.h"
#include "presentation/clitexts.h"
#include "presentation/salarytext.h"
#include "presentation/windowtexts.h"
#include "usecases/playerview.h"
#include "usecases/readlist.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFile>
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
constexpr Text kBookUsage{"BookCli", QT_TRANSLATE_NOOP("BookCli",
        "Usage: wagecourt-cli book keep NAME [--note TEXT] [--date DAY] [FILE|-]\n"
        "  or:  wagecourt-cli book list [--sort KEY] [--json]\n"
        "  or:  wagecourt-cli book history NAME [--json]\n"
        "  or:  wagecourt-cli book compare NAME NAME [NAME...] [--lang NAME] [--json]\n"
        "  or:  wagecourt-cli book export [--json]\n"
        "  or:  wagecourt-cli book import FILE|-\n"
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
        "  export   the whole book as CSV, or with --json as JSON lines\n"
        "  import   a file written by export or by 'wagecourt-cli batch --header';\n"
        "           bad lines are named on standard error and every good one is kept\n"
        "  remove   a player and all his snapshots\n"
        "\n"
        "The book is %1 unless --book names another file.\n"
        "\n"
        "%2\n"
        "Exit status:\n"
        "  0  done\n"
        "  1  a list rejected, a line of an import bad, an unknown player, or a book\n"
        "     that could not be read or written\n"
        "  2  a usage error\n")};
constexpr Text kBookOption{"BookCli", QT_TRANSLATE_NOOP("BookCli", "The book's file, instead of the window's.")};
constexpr Text kNoteOption{"BookCli", QT_TRANSLATE_NOOP("BookCli", "keep: a note of one line for the player.")};
constexpr Text kDateOption{"BookCli", QT_TRANSLATE_NOOP("BookCli", "keep: the day of the snapshot, YYYY-MM-DD.")};
constexpr Text kSortOption{"BookCli", QT_TRANSLATE_NOOP("BookCli",
        "list: sort by name, salary, position, change or date.")};
constexpr Text kBookLangOption{"BookCli", QT_TRANSLATE_NOOP("BookCli",
        "Game language: a name or code. keep reads the list in it; compare names the skills in it.")};
constexpr Text kBookJsonOption{"BookCli", QT_TRANSLATE_NOOP("BookCli", "Print JSON, one object per line.")};
constexpr Text kNoBookCommand{"BookCli", QT_TRANSLATE_NOOP("BookCli",
        "book needs a command: keep, list, history, compare, export, import or remove")};
//: The command (untranslated), then what it takes (one of the next four texts), then the count of arguments given.
constexpr Text kNamesWanted{"BookCli", QT_TRANSLATE_NOOP("BookCli", "book %1 takes %2, %3 given")};
constexpr Text kOneName{"BookCli", QT_TRANSLATE_NOOP("BookCli", "one name")};
constexpr Text kNameAndFile{"BookCli", QT_TRANSLATE_NOOP("BookCli", "a name and at most one file")};
constexpr Text kOneFile{"BookCli", QT_TRANSLATE_NOOP("BookCli", "one file")};
constexpr Text kNothing{"BookCli", QT_TRANSLATE_NOOP("BookCli", "no arguments")};
//: What the user wrote.
constexpr Text kBadDay{"BookCli", QT_TRANSLATE_NOOP("BookCli", "'%1' is not a day written YYYY-MM-DD")};
//: The sort keys stay in English: they are what the user types.
constexpr Text kBadSort{"BookCli", QT_TRANSLATE_NOOP("BookCli",
        "'%1' is not a sort: name, salary, position, change or date")};
//: The option, then the command it is for.
constexpr Text kOptionNotFor{"BookCli", QT_TRANSLATE_NOOP("BookCli", "%1 is for book %2 only")};
//: The player's name, the salary, the position.
constexpr Text kKeptNew{"BookCli", QT_TRANSLATE_NOOP("BookCli", "%1 kept: %2 (%3), a new player")};
//: The player's name, the salary, the position: a snapshot dated before all his others.
constexpr Text kKeptEarliest{"BookCli", QT_TRANSLATE_NOOP("BookCli", "%1 kept: %2 (%3), his earliest snapshot")};
//: The player's name, the salary, the position, the salary's change, the day of the snapshot before.
constexpr Text kKeptAdded{"BookCli", QT_TRANSLATE_NOOP("BookCli", "%1 kept: %2 (%3), %4 since %5")};
//: The player's name, the day.
constexpr Text kKeptAlready{"BookCli", QT_TRANSLATE_NOOP("BookCli",
        "%1 was kept on %2 with these levels already; nothing added")};
//: The player's name, how many snapshots went with him.
constexpr Text kRemoved{"BookCli", QT_TRANSLATE_NOOP("BookCli", "%1 removed (snapshots: %2)")};

constexpr qint64 kReadChunk = 1 << 16;

// At most limit + 1 bytes, so that more than the limit can be told; none on a read error.
std::optional<QByteArray> readAtMost(QIODevice &device, qint64 limit)
{
    QByteArray bytes;
    while (bytes.size() <= limit) {
        const qsizetype kept = bytes.size();
        bytes.resize(kept + qsizetype(std::min<qint64>(std::max<qint64>(kReadChunk, kept), limit + 1 - kept)));
        const qint64 got = device.read(bytes.data() + kept, bytes.size() - kept);
        if (got < 0)
            return std::nullopt;
        bytes.resize(kept + qsizetype(got));
        if (got == 0)
            break;
    }
    return bytes;
}

class BookSession
{
public:
    BookSession(QIODevice &in, QIODevice &out, QIODevice &err) : m_in(in), m_out(out), m_err(err) {}

    int run(const QStringList &arguments);

private:
    int usageError(const QString &message)
    {
        writeErr(clitext::usageErrorText(escapedControls(message)));
        return ExitUsage;
    }
    int failed(const QString &message)
    {
        writeErr(u"wagecourt-cli: "_s + message + u'\n');
        return ExitRejected;
    }
    void writeOut(const QString &text) { m_out.write(text.toUtf8()); }
    void writeErr(const QString &text) { m_err.write(text.toUtf8()); }
    bool json() const { return m_parser.isSet(m_json); }
    QString bookPath() const { return m_parser.isSet(m_book) ? m_parser.value(m_book) : BookStore::defaultPath(); }
    // The store, opened; none after a message. Reading commands leave a missing book unmade.
    std::optional<Book> loaded(BookStore &store, bool reading);
    bool opened(BookStore &store);
    std::optional<QString> checkedName(const QString &name);
    std::optional<QByteArray> readList(const QStringList &arguments);

    int keep(const QStringList &arguments);
    int list(const QStringList &arguments);
    int history(const QStringList &arguments);
    int compare(const QStringList &arguments);
    int exportBook(const QStringList &arguments);
    int importBook(const QStringList &arguments);
    int remove(const QStringList &arguments);
    QByteArray rowJson(const Player &player, const Snapshot &snapshot, qint32 change) const;

    QIODevice &m_in;
    QIODevice &m_out;
    QIODevice &m_err;
    QCommandLineParser m_parser;
    QCommandLineOption m_book{u"book"_s, kBookOption.translated(), u"FILE"_s};
    QCommandLineOption m_note{u"note"_s, kNoteOption.translated(), u"TEXT"_s};
    QCommandLineOption m_date{u"date"_s, kDateOption.translated(), u"DAY"_s};
    QCommandLineOption m_lang{u"lang"_s, kBookLangOption.translated(), u"NAME"_s};
    QCommandLineOption m_sort{u"sort"_s, kSortOption.translated(), u"KEY"_s};
    QCommandLineOption m_json{u"json"_s, kBookJsonOption.translated()};
    QCommandLineOption m_help{{u"h"_s, u"help"_s}, clitext::kHelpOption.translated()};
};

bool BookSession::opened(BookStore &store)
{
    const OpenResult result = store.open();
    const QString message = booktext::openText(result, store.path());
    if (!message.isEmpty())
        writeErr(u"wagecourt-cli: "_s + message + u'\n');
    return result.ok();
}

std::optional<Book> BookSession::loaded(BookStore &store, bool reading)
{
    if (reading && !QFileInfo::exists(store.path()))
        return Book{};
    if (!opened(store))
        return std::nullopt;
    StoreResult result;
    std::optional<Book> book = store.load(&result);
    if (!book)
        failed(booktext::loadFailureText(result, store.path()));
    return book;
}

std::optional<QString> BookSession::checkedName(const QString &name)
{
    const QString cleaned = cleanedText(name);
    const TextProblem problem = checkName(cleaned);
    if (problem == TextProblem::None)
        return cleaned;
    usageError(booktext::nameProblemText(problem));
    return std::nullopt;
}

QByteArray BookSession::rowJson(const Player &player, const Snapshot &snapshot, qint32 change) const
{
    QByteArray line;
    appendJsonSnapshot(line, player, snapshot);
    line.chop(1);
    line += ",\"change\":" + QByteArray::number(change) + "}\n";
    return line;
}

std::optional<QByteArray> BookSession::readList(const QStringList &arguments)
{
    const QString path = arguments.value(1, u"-"_s);
    QFile file(path);
    if (path != u"-"_s && !file.open(QIODevice::ReadOnly)) {
        usageError(clitext::kCannotRead.translated().arg(path, file.errorString()));
        return std::nullopt;
    }
    QIODevice &input = path == u"-"_s ? m_in : file;
    std::optional<QByteArray> bytes = readAtMost(input, usecase::kMostPastedBytes);
    if (!bytes)
        writeErr(clitext::cannotReadInputText(input.errorString()));
    return bytes;
}

int BookSession::keep(const QStringList &arguments)
{
    if (arguments.isEmpty() || arguments.size() > 2)
        return usageError(kNamesWanted.translated().arg(u"keep"_s, kNameAndFile.translated(),
                                                        QString::number(arguments.size())));
    const auto name = checkedName(arguments[0]);
    if (!name)
        return ExitUsage;
    std::optional<QString> note;
    if (m_parser.isSet(m_note)) {
        note = cleanedText(m_parser.value(m_note));
        if (const TextProblem problem = checkNote(*note); problem != TextProblem::None)
            return usageError(booktext::noteProblemText(problem));
    }
    QDate date = QDate::currentDate();
    if (m_parser.isSet(m_date)) {
        const QString day = m_parser.value(m_date).trimmed();
        date = parseDay(day).value_or(QDate());
        if (!date.isValid())
            return usageError(kBadDay.translated().arg(day));
    }
    const LanguageEntry *language = nullptr;
    if (m_parser.isSet(m_lang) && !(language = usecase::languageByName(m_parser.value(m_lang)))) {
        QStringList known;
        for (const LanguageEntry &entry : languages())
            known << u"%1 (%2)"_s.arg(entry.name, languageCode(entry));
        return usageError(clitext::kUnknownLanguage.translated().arg(m_parser.value(m_lang), known.join(u", "_s)));
    }
    const std::optional<QByteArray> bytes = readList(arguments);
    if (!bytes)
        return ExitRejected;
    const usecase::ReadOutcome read =
            usecase::readPastedBytes(*bytes, language, language ? LanguageSearch::OnlyFirst : LanguageSearch::AnyLanguage);
    if (!read.accepted()) {
        writeErr(windowtext::kErrorText.translated() + u'\n' + read.refusal.detail(Reader::Person) + u'\n');
        return ExitRejected;
    }

    const Snapshot snapshot = snapshotOf(read.list->levels, read.list->others, *read.list->language, date);
    BookStore store(bookPath(), kCommandLineBusyMilliseconds);
    if (!opened(store))
        return ExitRejected;
    KeepOutcome outcome = KeepOutcome::Refused;
    StoreResult result = store.keep(Keep{*name, snapshot, note, {}}, &outcome);
    const std::optional<Player> player = result.ok() ? store.loadPlayer(*name, &result) : std::nullopt;
    if (!player)
        return failed(booktext::storeFailureText(result, store.path()));

    const std::vector<HistoryRow> rows = book::history(*player);
    const auto kept = std::find_if(rows.begin(), rows.end(),
                                   [&](const HistoryRow &row) { return row.snapshot->sameReading(snapshot); });
    Q_ASSERT(kept != rows.end());
    if (json()) {
        QByteArray line = rowJson(*player, *kept->snapshot, kept->salaryChange);
        line.chop(2);
        const char *word = outcome == KeepOutcome::NewPlayer ? "new" : outcome == KeepOutcome::Added ? "added" : "already";
        m_out.write(line + ",\"kept\":\"" + word + "\"}\n");
        return ExitOk;
    }
    const QString salary = salaryImportText(kept->result.salary);
    const QString position = kept->snapshot->language->positionName(kept->result.position);
    if (outcome == KeepOutcome::AlreadyKept)
        writeOut(kKeptAlready.translated().arg(player->name, dayText(date)) + u'\n');
    else if (outcome == KeepOutcome::NewPlayer)
        writeOut(kKeptNew.translated().arg(player->name, salary, position) + u'\n');
    else if (kept == rows.begin())
        writeOut(kKeptEarliest.translated().arg(player->name, salary, position) + u'\n');
    else
        writeOut(kKeptAdded.translated().arg(player->name, salary, position, booktext::changeText(kept->salaryChange),
                                            dayText((kept - 1)->snapshot->date))
                 + u'\n');
    return ExitOk;
}

int BookSession::list(const QStringList &arguments)
{
    if (!arguments.isEmpty())
        return usageError(kNamesWanted.translated().arg(u"list"_s, kNothing.translated(),
                                                        QString::number(arguments.size())));
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
    BookStore store(bookPath(), kCommandLineBusyMilliseconds);
    const std::optional<Book> book = loaded(store, true);
    if (!book)
        return ExitRejected;
    // Names and positions read best from the start; salaries, changes and days from the most.
    const SortOrder order = key == SortKey::Name || key == SortKey::Position ? SortOrder::Ascending
                                                                             : SortOrder::Descending;
    const std::vector<LatestRow> rows = latestRows(*book, key, order);
    if (json()) {
        QByteArray lines;
        for (const LatestRow &row : rows)
            lines += rowJson(*row.player, *row.latest, row.salaryChange);
        m_out.write(lines);
    } else if (rows.empty()) {
        writeErr(booktext::kEmptyBook.translated() + u'\n');
    } else {
        writeOut(booktext::playersTable(rows));
    }
    return ExitOk;
}

int BookSession::history(const QStringList &arguments)
{
    if (arguments.size() != 1)
        return usageError(kNamesWanted.translated().arg(u"history"_s, kOneName.translated(),
                                                        QString::number(arguments.size())));
    BookStore store(bookPath(), kCommandLineBusyMilliseconds);
    if (!QFileInfo::exists(store.path()))
        return failed(booktext::kUnknownPlayer.translated().arg(escapedControls(arguments[0])));
    if (!opened(store))
        return ExitRejected;
    StoreResult result;
    const std::optional<Player> player = store.loadPlayer(arguments[0], &result);
    if (!result.ok())
        return failed(booktext::loadFailureText(result, store.path()));
    if (!player)
        return failed(booktext::kUnknownPlayer.translated().arg(escapedControls(arguments[0])));
    const std::vector<HistoryRow> rows = book::history(*player);
    if (json()) {
        QByteArray lines;
        for (const HistoryRow &row : rows)
            lines += rowJson(*player, *row.snapshot, row.salaryChange);
        m_out.write(lines);
    } else {
        writeOut(booktext::historyTable(rows));
    }
    return ExitOk;
}

int BookSession::compare(const QStringList &arguments)
{
    const LanguageEntry *language = nullptr;
    if (m_parser.isSet(m_lang) && !(language = usecase::languageByName(m_parser.value(m_lang))))
        return usageError(clitext::kUnknownLanguage.translated().arg(m_parser.value(m_lang), languageNames().join(u", "_s)));
    if (arguments.size() < kFewestCompared || arguments.size() > kMostCompared)
        return usageError(booktext::compareProblemText(
                arguments.size() < kFewestCompared ? CompareProblem::TooFew : CompareProblem::TooMany, {}));
    BookStore store(bookPath(), kCommandLineBusyMilliseconds);
    if (QFileInfo::exists(store.path()) && !opened(store))
        return ExitRejected;
    // Only the players asked for are read.
    Book book;
    for (const QString &name : arguments) {
        StoreResult result;
        std::optional<Player> player = store.isOpen() ? store.loadPlayer(name, &result) : std::nullopt;
        if (!result.ok())
            return failed(booktext::loadFailureText(result, store.path()));
        if (player)
            book.restore(std::move(*player));
    }
    const Comparison comparison = book::compare(book, arguments);
    if (comparison.problem != CompareProblem::None)
        return failed(booktext::compareProblemText(comparison.problem, comparison.name));
    if (!json()) {
        writeOut(booktext::comparisonTable(comparison, language ? *language : *comparison.players.front().latest->language));
        return ExitOk;
    }
    QByteArray lines;
    for (const ComparedPlayer &compared : comparison.players) {
        const LanguageEntry &shown = language ? *language : *compared.latest->language;
        QJsonArray levels;
        for (qint16 level : compared.latest->levels)
            levels.append(level);
        QJsonArray positions;
        for (int p = 1; p <= kPositionCount; ++p)
            positions.append(QJsonObject{{u"position"_s, p}, {u"name"_s, shown.positionName(p)},
                                         {u"salary"_s, compared.positionSalaries[p]}});
        lines += jsonLine(QJsonObject{
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

int BookSession::exportBook(const QStringList &arguments)
{
    if (!arguments.isEmpty())
        return usageError(kNamesWanted.translated().arg(u"export"_s, kNothing.translated(),
                                                        QString::number(arguments.size())));
    BookStore store(bookPath(), kCommandLineBusyMilliseconds);
    const std::optional<Book> book = loaded(store, true);
    if (!book)
        return ExitRejected;
    m_out.write(book::exportBook(*book, json() ? ExchangeForm::JsonLines : ExchangeForm::Csv));
    return ExitOk;
}

int BookSession::importBook(const QStringList &arguments)
{
    if (arguments.size() != 1)
        return usageError(kNamesWanted.translated().arg(u"import"_s, kOneFile.translated(),
                                                        QString::number(arguments.size())));
    const QString path = arguments[0];
    QFile file(path);
    const QString megabytes = QString::number(kLargestExchangeFile >> 20);
    if (path != u"-"_s) {
        // Refused unread: a book of a hundred thousand snapshots is a tenth of this.
        if (QFileInfo(path).isFile() && QFileInfo(path).size() > kLargestExchangeFile)
            return failed(booktext::kFileTooLarge.translated().arg(path, megabytes));
        if (!file.open(QIODevice::ReadOnly))
            return usageError(clitext::kCannotRead.translated().arg(path, file.errorString()));
    }
    QIODevice &input = path == u"-"_s ? m_in : file;
    const std::optional<QByteArray> bytes = readAtMost(input, kLargestExchangeFile);
    if (!bytes) {
        writeErr(clitext::cannotReadInputText(input.errorString()));
        return ExitRejected;
    }
    if (bytes->size() > kLargestExchangeFile)
        return failed(booktext::kFileTooLarge.translated().arg(path, megabytes));

    const ExchangeRead read = readExchange(*bytes, QDate::currentDate());
    for (const RowError &error : read.errors)
        writeErr(booktext::rowErrorText(error) + u'\n');
    BookStore store(bookPath(), kCommandLineBusyMilliseconds);
    if (!opened(store))
        return ExitRejected;
    KeepCounts counts;
    const StoreResult result = store.keepAll(read.keeps, &counts);
    if (!result.ok())
        return failed(booktext::storeFailureText(result, store.path()));
    writeOut(booktext::importedText(counts.newPlayers + counts.added, counts.newPlayers, counts.alreadyKept,
                                    qsizetype(read.errors.size()) + counts.refused)
             + u'\n');
    return read.errors.empty() && counts.refused == 0 ? ExitOk : ExitRejected;
}

int BookSession::remove(const QStringList &arguments)
{
    if (arguments.size() != 1)
        return usageError(kNamesWanted.translated().arg(u"remove"_s, kOneName.translated(),
                                                        QString::number(arguments.size())));
    BookStore store(bookPath(), kCommandLineBusyMilliseconds);
    if (!QFileInfo::exists(store.path()))
        return failed(booktext::kUnknownPlayer.translated().arg(escapedControls(arguments[0])));
    if (!opened(store))
        return ExitRejected;
    StoreResult result;
    const std::optional<Player> player = store.loadPlayer(arguments[0], &result);
    bool found = false;
    if (result.ok())
        result = store.remove(arguments[0], &found);
    if (!result.ok())
        return failed(booktext::storeFailureText(result, store.path()));
    if (!found || !player)
        return failed(booktext::kUnknownPlayer.translated().arg(escapedControls(arguments[0])));
    writeOut(kRemoved.translated().arg(player->name, QString::number(player->snapshots.size())) + u'\n');
    return ExitOk;
}

int BookSession::run(const QStringList &arguments)
{
    m_parser.addOptions({m_book, m_note, m_date, m_lang, m_sort, m_json, m_help});
    if (!m_parser.parse(arguments))
        return usageError(m_parser.errorText());
    if (m_parser.isSet(m_help)) {
        writeOut(kBookUsage.translated().arg(QDir::toNativeSeparators(BookStore::defaultPath()),
                                             m_parser.helpText().section(u'\n', 2).trimmed() + u'\n'));
        return ExitOk;
    }
    for (const QCommandLineOption *option : {&m_book, &m_note, &m_date, &m_lang, &m_sort})
        if (m_parser.values(*option).size() > 1)
            return usageError(clitext::kLangGivenTwice.translated(int(m_parser.values(*option).size()))
                                      .replace(u"--lang"_s, u"--"_s + option->names().front()));
    QStringList positional = m_parser.positionalArguments();
    positional.removeFirst(); // "book"
    if (positional.isEmpty())
        return usageError(kNoBookCommand.translated());
    const QString command = positional.takeFirst();
    const struct { const QCommandLineOption *option; QStringList commands; } kOnlyFor[] = {
        {&m_note, {u"keep"_s}}, {&m_date, {u"keep"_s}}, {&m_lang, {u"keep"_s, u"compare"_s}}, {&m_sort, {u"list"_s}}};
    for (const auto &rule : kOnlyFor)
        if (m_parser.isSet(*rule.option) && !rule.commands.contains(command))
            return usageError(kOptionNotFor.translated().arg(u"--"_s + rule.option->names().front(),
                                                             rule.commands.join(u", "_s)));
    if (command == u"keep"_s)
        return keep(positional);
    if (command == u"list"_s)
        return list(positional);
    if (command == u"history"_s)
        return history(positional);
    if (command == u"compare"_s)
        return compare(positional);
    if (command == u"export"_s)
        return exportBook(positional);
    if (command == u"import"_s)
        return importBook(positional);
    if (command == u"remove"_s)
        return remove(positional);
    return usageError(clitext::kUnknownCommand.translated().arg(u"book "_s + command));
}

} // namespace

bool isBookCommand(const QStringList &arguments)
{
    static const QStringList kValued{u"--book"_s, u"--note"_s, u"--date"_s, u"--lang"_s, u"--sort"_s};
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
    BookSession session(in, out, err);
    return session.run(arguments);
}

} // namespace wagecourt::cli
