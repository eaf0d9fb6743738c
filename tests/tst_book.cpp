#include "book/book.h"
#include "book/exchange.h"
#include "book/shortlist.h"
#include "catalogue/catalogue.h"

#include <QRandomGenerator>
#include <QTest>

using namespace wagecourt;
using namespace wagecourt::book;
using namespace Qt::StringLiterals;

namespace {

constexpr QByteArrayView kHeader = "name,date,jump_shot,jump_range,outside_def,handling,driving,passing,inside_shot,"
                                   "inside_def,rebounding,shot_blocking,stamina,free_throw,experience,salary,position,"
                                   "position_name,note\n";
const QDate kToday(2026, 12, 9);

// A book made by keeping every good line of an exchange file, in order.
struct Made
{
    Book book;
    ExchangeRead read;
    QStringList outcomes; // one letter per keep: New, Added, Kept already, Refused
};

Made make(const QByteArray &input)
{
    Made made;
    made.read = readExchange(input, kToday);
    for (const Keep &keep : made.read.keeps)
        made.outcomes << QString(u"NAKR"_s[int(made.book.keep(keep))]);
    return made;
}

QString describe(const std::vector<LatestRow> &rows)
{
    QStringList parts;
    for (const LatestRow &row : rows)
        parts << u"%1 %2 %3"_s.arg(row.player->name).arg(row.result.salary).arg(row.salaryChange);
    return parts.join(u"; "_s);
}

// The problems by name, in their enums' order.
const QString kRowProblems[] = {u"NotUtf8"_s,   u"UnclosedQuote"_s, u"FieldCount"_s,  u"BadName"_s, u"BadNote"_s,
                                u"BadDate"_s,   u"BadLevel"_s,      u"NotAnObject"_s, u"MissingKey"_s,
                                u"BadLanguage"_s, u"LineTooLong"_s, u"NoHeader"_s,    u"BadTag"_s};
const QString kTextProblems[] = {u"None"_s, u"Empty"_s, u"TooLong"_s, u"ControlCharacter"_s, u"NotText"_s, u"Space"_s};
const QString kCompareProblems[] = {u"None"_s, u"TooFew"_s, u"TooMany"_s, u"UnknownName"_s, u"NameTwice"_s};

// What one check of a made book gives, as a short text.
QString view(const Made &made, const QString &check)
{
    const QString what = check.section(u':', 0, 0);
    const QString argument = check.section(u':', 1);
    if (what == u"errors") {
        QStringList parts;
        for (const RowError &error : made.read.errors)
            parts << u"%1 %2 %3 %4"_s.arg(error.line)
                             .arg(kRowProblems[int(error.problem)], kTextProblems[int(error.textProblem)],
                                  error.column);
        return parts.join(u"; "_s);
    }
    if (what == u"keeps")
        return made.outcomes.join(QString());
    if (what == u"csv" || what == u"json")
        return QString::fromUtf8(exportBook(made.book, what == u"csv" ? ExchangeForm::Csv : ExchangeForm::JsonLines));
    if (what == u"roundtrip") {
        // Exported, read and exported again in either form, and read across
        // from the other form, the same bytes; what differs is shown.
        for (ExchangeForm form : {ExchangeForm::Csv, ExchangeForm::JsonLines}) {
            const ExchangeForm other = form == ExchangeForm::Csv ? ExchangeForm::JsonLines : ExchangeForm::Csv;
            const QByteArray exported = exportBook(made.book, form);
            for (const QByteArray &again :
                 {exportBook(make(exported).book, form), exportBook(make(exportBook(made.book, other)).book, form)})
                if (again != exported)
                    return QString::fromUtf8(again);
        }
        return u"same"_s;
    }
    if (what == u"latest") {
        static const QStringList keys{u"name"_s, u"salary"_s, u"position"_s, u"change"_s, u"date"_s};
        const auto key = SortKey(keys.indexOf(argument.section(u' ', 0, 0)));
        const auto order = argument.endsWith(u" desc") ? SortOrder::Descending : SortOrder::Ascending;
        return describe(latestRows(made.book, key, order));
    }
    if (what == u"levelchange") {
        for (const LatestRow &row : latestRows(made.book))
            if (row.player->name == argument) {
                QStringList changes;
                for (qint16 change : row.levelChange)
                    changes << QString::number(change);
                return changes.join(u' ');
            }
        return {};
    }
    if (what == u"history") {
        QStringList parts;
        for (const HistoryRow &row : history(*made.book.find(argument)))
            parts << u"%1 %2"_s.arg(row.snapshot->date.toString(Qt::ISODate)).arg(row.salaryChange);
        return parts.join(u"; "_s);
    }
    if (what == u"compare") {
        const Comparison comparison = compare(made.book, argument.split(u','));
        if (comparison.problem != CompareProblem::None)
            return u"problem %1 %2"_s.arg(kCompareProblems[int(comparison.problem)], comparison.name);
        QStringList parts;
        for (const ComparedPlayer &player : comparison.players)
            parts << u"%1 %2 %3"_s.arg(player.player->name).arg(player.positionSalaries[5]).arg(player.difference);
        return parts.join(u"; "_s);
    }
    return u"unknown check"_s;
}

QByteArray csv(const char *rows)
{
    return kHeader.toByteArray() + rows;
}

// The same with the tags' column, as the book now writes it.
QByteArray tagged(const QByteArray &rows)
{
    return kHeader.toByteArray().chopped(1) + ",tags\n" + rows;
}

// Thirteen levels from a text such as "12 11 10 ..", in the language of that code.
Snapshot snapshot(const char *day, const LanguageEntry &language, const char *levels)
{
    Snapshot made{parseDay(QString::fromLatin1(day)).value_or(QDate()), {}, &language};
    const QStringList values = QString::fromLatin1(levels).split(u' ');
    for (std::size_t k = 0; k < made.levels.size(); ++k)
        made.levels[k] = qint16(values.value(qsizetype(k), u"1"_s).toInt());
    return made;
}

const LanguageEntry &language(int index)
{
    return languages()[std::size_t(index)];
}

// A hundred players of ten weekly snapshots, as a manager's book holds them:
// a few levels a week changed by one.
std::vector<Player> weeklyPlayers()
{
    QRandomGenerator random(4009568);
    std::vector<Player> players(100);
    for (std::size_t p = 0; p < players.size(); ++p) {
        Player &player = players[p];
        player.name = u"Antoine Dupo %1"_s.arg(p, 3, 10, QChar(u'0'));
        player.note = p % 3 ? QString() : u"scouted in week %1, watch him"_s.arg(p % 52);
        player.tags = p % 4 ? QStringList() : QStringList{u"scout"_s, u"u21"_s};
        Snapshot week = snapshot("2026-01-05", language(int(p % kLanguageCount)), "");
        for (std::size_t k = 0; k < week.levels.size(); ++k)
            week.levels[k] = qint16(random.bounded(k < kSalarySkillCount ? 1 : 0, 21));
        for (int w = 0; w < 10; ++w, week.date = week.date.addDays(7)) {
            for (int change = random.bounded(4); change > 0; --change) {
                qint16 &level = week.levels[std::size_t(random.bounded(kSnapshotLevelCount))];
                level = qint16(std::clamp(level + (random.bounded(2) ? 1 : -1), 1, 20));
            }
            player.snapshots.push_back(week);
        }
    }
    return players;
}

QString dump(const std::vector<Player> &players)
{
    QStringList lines;
    for (const Player &player : players) {
        QStringList snapshots;
        for (const Snapshot &s : player.snapshots) {
            QStringList levels;
            for (qint16 level : s.levels)
                levels << QString::number(level);
            snapshots << dayText(s.date) + u' ' + languageCode(*s.language).toString() + u' ' + levels.join(u' ');
        }
        lines << QStringList{player.name, player.note, player.tags.join(u','), snapshots.join(u';')}.join(u'|');
    }
    return lines.join(u'\n');
}

QString describe(const ShortlistRead &read)
{
    if (read.ok())
        return dump(read.players);
    static const QStringList problems{u""_s,         u"no link"_s,       u"too large"_s, u"cut off"_s,
                                      u"checksum"_s, u"later version"_s, u"bad record"_s};
    static const QStringList records{u""_s,         u"name"_s,      u"name twice"_s,   u"note"_s,
                                     u"tag"_s,      u"tag twice"_s, u"no snapshots"_s, u"date"_s,
                                     u"language"_s, u"level"_s,     u"layout"_s};
    const ShortlistError &e = read.error;
    return u"%1 %2 %3, player %4 %5, snapshot %6, skill %7 value %8, '%9', kept %10"_s.arg(
            problems[int(e.problem)], records[int(e.record)], QString::number(int(e.textProblem)),
            QString::number(e.player), e.playerName, QString::number(e.snapshot), QString::number(e.skill),
            QString::number(e.value), e.detail, QString::number(read.players.size()));
}

} // namespace

class BookTest : public QObject
{
    Q_OBJECT

private slots:
    void cases_data();
    void cases();
    void shortlist_data();
    void shortlist();

private:
    static void addExchangeRows();
};

void BookTest::cases_data()
{
    QTest::addColumn<QByteArray>("input"); // an exchange file, whose good lines are kept in turn
    QTest::addColumn<QString>("check");
    QTest::addColumn<QString>("expected");

    const QByteArray three = csv("Ann,2026-12-01,1,1,1,1,1,1,1,1,1,1,0,0,0,504,3,Small Forward,\n"
                                 "Bob,2026-12-02,20,20,20,20,20,20,20,20,20,20,20,20,20,0,0,x,\n"
                                 "Ann,2026-12-05,2,1,1,1,1,1,1,1,1,1,5,0,0,0,0,x,\n");
    // The salaries: Ann 504 then 594 (a Jump Shot more), Bob 4 009 568 at Power Forward.
    QTest::newRow("a first snapshot has no change") << three << u"latest:name"_s << u"Ann 594 90; Bob 4009568 0"_s;
    QTest::newRow("each level's change") << three << u"levelchange:Ann"_s << u"1 0 0 0 0 0 0 0 0 0 5 0 0"_s;
    QTest::newRow("by salary, most first") << three << u"latest:salary desc"_s << u"Bob 4009568 0; Ann 594 90"_s;
    QTest::newRow("by change") << three << u"latest:change"_s << u"Bob 4009568 0; Ann 594 90"_s;
    QTest::newRow("by date, newest first") << three << u"latest:date desc"_s << u"Ann 594 90; Bob 4009568 0"_s;
    QTest::newRow("by position, then most paid") << three << u"latest:position"_s << u"Ann 594 90; Bob 4009568 0"_s;
    QTest::newRow("names sort without letter case")
            << csv("bea,2026-12-01,1,1,1,1,1,1,1,1,1,1,0,0,0,0,0,x,\nAnn,2026-12-01,1,1,1,1,1,1,1,1,1,1,0,0,0,0,0,x,\n"
                   "Carl,2026-12-01,1,1,1,1,1,1,1,1,1,1,0,0,0,0,0,x,\n")
            << u"latest:name"_s << u"Ann 504 0; bea 504 0; Carl 504 0"_s;
    QTest::newRow("history oldest first, kept in any order")
            << csv("Ann,2026-12-05,2,1,1,1,1,1,1,1,1,1,0,0,0,0,0,x,\nAnn,2026-11-01,1,1,1,1,1,1,1,1,1,1,0,0,0,0,0,x,\n")
            << u"history:Ann"_s << u"2026-11-01 0; 2026-12-05 90"_s;
    QTest::newRow("one day and the same levels are one snapshot")
            << csv("Ann,2026-12-01,1,1,1,1,1,1,1,1,1,1,0,0,0,0,0,x,\nAnn,2026-12-01,1,1,1,1,1,1,1,1,1,1,0,0,0,0,0,x,\n"
                   "Ann,2026-12-01,2,1,1,1,1,1,1,1,1,1,0,0,0,0,0,x,\n")
            << u"keeps"_s << u"NKA"_s;
    QTest::newRow("a name in another Unicode form is the same player")
            << csv("Jos\xc3\xa9,2026-12-01,1,1,1,1,1,1,1,1,1,1,0,0,0,0,0,x,\n"
                   " Jose\xcc\x81 ,2026-12-02,1,1,1,1,1,1,1,1,1,1,0,0,0,0,0,x,\n")
            << u"keeps"_s << u"NA"_s;
    // Center's salary (2 184 859 and 465) and the salary's difference.
    QTest::newRow("compare against the first") << three << u"compare:Bob,Ann"_s << u"Bob 2184859 0; Ann 465 -4008974"_s;
    QTest::newRow("compare one") << three << u"compare:Ann"_s << u"problem TooFew "_s;
    QTest::newRow("compare five") << three << u"compare:Ann,Bob,Ann,Bob,Ann"_s << u"problem TooMany "_s;
    QTest::newRow("compare an unknown") << three << u"compare:Ann,Zed"_s << u"problem UnknownName Zed"_s;
    QTest::newRow("compare one twice") << three << u"compare:Ann,Bob, Ann"_s << u"problem NameTwice Ann"_s;

    addExchangeRows();
}

// The exchange files' rows: bad lines each named with its number and why, the
// good ones all kept, and what reads back byte for byte.
void BookTest::addExchangeRows()
{
    QTest::newRow("bad lines are named, the rest kept")
            << csv("Ann,2026-12-01,1,1,1,1,1,1,1,1,1,1,0,0,0,0,0,x,\n"
                   "Bob,2026-13-01,1,1,1,1,1,1,1,1,1,1,0,0,0,0,0,x,\n"
                   "Cid,2026-12-01,0,1,1,1,1,1,1,1,1,1,0,0,0,0,0,x,\n"
                   "Dan,2026-12-01,1,1,1,1,1,1,1,1,1,1,21,0,0,0,0,x,\n"
                   "\n"
                   "\"Eve,2026-12-01,1,1,1,1,1,1,1,1,1,1,0,0,0,0,0,x,\n"
                   "Fay,2026-12-01,1,1,1,1,1,1,1,1,1,1,0,0,0,0,0,x\n"
                   "\xff,2026-12-01,1,1,1,1,1,1,1,1,1,1,0,0,0,0,0,x,\n"
                   "Gil,2026-12-01,1,1,1,1,1,1,1,1,1,1,0,0,0,0,0,x,\"a\tb\"\n"
                   "Hal,2026-12-01,1,1,1,1,1,1,1,1,1,1,0,0,0,0,0,x,\n")
            << u"errors"_s << u"3 BadDate None ; 4 BadLevel None jump_shot; 5 BadLevel None stamina; 7 UnclosedQuote None ; 8 FieldCount None ; 9 NotUtf8 None ; 10 BadNote ControlCharacter "_s;
    QTest::newRow("names refused") << csv(",2026-12-01,1,1,1,1,1,1,1,1,1,1,0,0,0,0,0,x,\n"
                                          "A\x1b[2J,2026-12-01,1,1,1,1,1,1,1,1,1,1,0,0,0,0,0,x,\n"
                                          "\""
                                          + QByteArray(81, 'n') + "\",2026-12-01,1,1,1,1,1,1,1,1,1,1,0,0,0,0,0,x,\n"
                                          + QByteArray(80, 'n') + ",2026-12-01,1,1,1,1,1,1,1,1,1,1,0,0,0,0,0,x,\n")
                                   << u"errors"_s << u"2 BadName Empty ; 3 BadName ControlCharacter ; 4 BadName TooLong "_s;
    QTest::newRow("no header") << QByteArray("Ann,1,1,1,1,1,1,1,1,1,1\n") << u"errors"_s << u"1 NoHeader None "_s;
    QTest::newRow("JSON lines' bad lines")
            << QByteArray(
                       "{\"name\":\"Ann\",\"date\":\"2026-12-01\",\"language\":\"de\",\"levels\":[1,1,1,1,1,1,1,1,1,1]}"
                       "\n"
                       "[1]\n"
                       "{\"name\":\"Bob\",\"date\":\"2026-12-01\",\"levels\":[1,1,1,1,1,1,1,1,1,1]}\n"
                       "{\"name\":\"Cid\",\"date\":\"2026-12-01\",\"language\":\"xx\",\"levels\":[1,1,1,1,1,1,1,1,1,1]}"
                       "\n"
                       "{\"name\":\"Dan\",\"date\":\"1.12.2026\",\"language\":\"en\",\"levels\":[1,1,1,1,1,1,1,1,1,1]}"
                       "\n"
                       "{\"name\":\"Eve\",\"date\":\"2026-12-01\",\"language\":\"en\",\"levels\":[1,1,1,1,1,1,1,1,1]}\n"
                       "{\"name\":\"Fay\",\"date\":\"2026-12-01\",\"language\":\"en\",\"levels\":[1,1,1,1,1,1,1,1,1,1."
                       "5]}\n"
                       "{\"name\":7,\"date\":\"2026-12-01\",\"language\":\"en\",\"levels\":[1,1,1,1,1,1,1,1,1,1]}\n")
            << u"errors"_s << u"2 NotAnObject None ; 3 MissingKey None ; 4 BadLanguage None ; 5 BadDate None ; 6 FieldCount None levels; 7 BadLevel None shot_blocking; 8 BadName Empty "_s;
    QTest::newRow("batch --header's CSV: today, three levels unknown")
            << QByteArray("name,jump_shot,jump_range,outside_def,handling,driving,passing,inside_shot,inside_def,"
                          "rebounding,shot_blocking,salary,position,position_name\n"
                          "Ann,1,1,1,1,1,1,1,1,1,1,504,3,Kısa Forvet\n")
            << u"json"_s
            << u"{\"name\":\"Ann\",\"date\":\"2026-12-09\",\"note\":\"\",\"tags\":[],\"language\":\"Türkçe\",\"levels\":"
               "[1,1,1,1,1,1,1,1,1,1,0,0,0],\"salary\":504,\"position\":3,\"position_name\":\"Kısa Forvet\"}\n"_s;
    QTest::newRow("quotes, commas and other scripts read back byte for byte")
            << csv("\"Ann, the \"\"Wall\"\"\",2026-12-01,1,2,3,4,5,6,7,8,9,10,11,12,13,0,0,Poste,"
                   "\"left, \"\"weak\"\" foot\"\n"
                   "Åukasz Å»Ã³ÅÄ,2026-11-30,20,19,18,17,16,15,14,13,12,11,0,0,20,0,0,Center,Ã©\n"
                   "ZoÃ«,2026-12-01,5,5,5,5,5,5,5,5,5,5,1,1,1,0,0,Pivot,\n"
                   "\"Ann, the \"\"Wall\"\"\",2026-11-01,1,2,3,4,5,6,7,8,9,9,11,12,13,0,0,Pivot,\n")
            << u"roundtrip"_s << u"same"_s;
    QTest::newRow("an empty note keeps the note there")
            << csv("Ann,2026-12-01,1,1,1,1,1,1,1,1,1,1,0,0,0,0,0,x,scout him\n"
                   "Ann,2026-12-02,1,1,1,1,1,1,1,1,1,1,0,0,0,0,0,x,\n")
            << u"csv"_s
            << QString::fromUtf8(tagged("Ann,2026-12-01,1,1,1,1,1,1,1,1,1,1,0,0,0,504,3,Small Forward,scout him,\n"
                                        "Ann,2026-12-02,1,1,1,1,1,1,1,1,1,1,0,0,0,504,3,Small Forward,scout him,\n"));
    const QByteArray withTags = tagged("Ann,2026-12-01,1,1,1,1,1,1,1,1,1,1,0,0,0,504,3,Small Forward,,target U21\n"
                                       "Bob,2026-12-01,1,1,1,1,1,1,1,1,1,1,0,0,0,504,3,Small Forward,,\n");
    QTest::newRow("tags join and read back byte for byte")
            << tagged("Ann,2026-12-01,1,1,1,1,1,1,1,1,1,1,0,0,0,0,0,x,,target\n"
                      "Ann,2026-12-01,1,1,1,1,1,1,1,1,1,1,0,0,0,0,0,x,,TARGET U21\n"
                      "Bob,2026-12-01,1,1,1,1,1,1,1,1,1,1,0,0,0,0,0,x,,\n")
            << u"csv"_s << QString::fromUtf8(withTags);
    QTest::newRow("tags in both forms") << withTags << u"roundtrip"_s << u"same"_s;
    QTest::newRow("a bad tag") << tagged("Ann,2026-12-01,1,1,1,1,1,1,1,1,1,1,0,0,0,0,0,x,,ok " + QByteArray(33, 't')
                                         + "\n" "Bob,2026-12-01,1,1,1,1,1,1,1,1,1,1,0,0,0,0,0,x,,\"a\x01\"\n")
                               << u"errors"_s << u"2 BadTag TooLong ; 3 BadTag ControlCharacter "_s;
    // As spreadsheets save a CSV in the languages that write a decimal comma.
    QByteArray semicolons = withTags;
    semicolons.replace(',', ';');
    QTest::newRow("semicolons, with sep=;") << QByteArray("sep=;\r\n") + semicolons << u"csv"_s
                                            << QString::fromUtf8(withTags);
    QTest::newRow("semicolons alone") << semicolons << u"csv"_s << QString::fromUtf8(withTags);
    QTest::newRow("\"sep=;\" quoted, a batch's columns")
            << QByteArray("\"sep=;\"\nname;jump_shot;jump_range;outside_def;handling;driving;passing;inside_shot;"
                          "inside_def;rebounding;shot_blocking;salary;position;position_name\n"
                          "\"Ann; Lee\";1;1;1;1;1;1;1;1;1;1;504;3;x\n")
            << u"keeps"_s << u"N"_s;
}

void BookTest::cases()
{
    QFETCH(QByteArray, input);
    QFETCH(QString, check);
    QFETCH(QString, expected);
    QCOMPARE(view(make(input), check), expected);
}

// Links written and read back in every shape, and every way a link can be
// bad: what reads, or the problem and where it lies.
void BookTest::shortlist_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("longest"); // characters, where a size is promised

    const std::vector<Player> one{
            {u"Antoine Dupont"_s, {}, {}, {snapshot("2026-12-07", language(4), "12 11 9 14 20 1 7 8 3 5 0 13 2")}}};
    QTest::newRow("one player") << shortlistText(one)
                                << u"Antoine Dupont|||2026-12-07 fr 12 11 9 14 20 1 7 8 3 5 0 13 2"_s << 60;
    // Links already shared must read for ever: this one's bytes were checked against zlib's CRC-32.
    QTest::newRow("a link of version 1, as first written")
            << u"ASMOQW50b2luZSBEdXBvbnQAAdqZAWZyDAsJDhQBBwgDBQANAjk4EGA"_s
            << u"Antoine Dupont|||2026-12-07 fr 12 11 9 14 20 1 7 8 3 5 0 13 2"_s << 0;
    const Snapshot good = one[0].snapshots[0];
    std::vector<Player> several{{u"Łukasz Żółć 李"_s, u"left foot, \"weak\""_s, {u"scout"_s, u"Ü21"_s}, {}},
                                {u"Zoë"_s, {}, {u"x"_s}, {snapshot("0001-01-01", language(0), "20 20 20 20 20 20")}}};
    several[1].snapshots.push_back(snapshot("9999-12-31", language(0), "1 1 1 1 1 1 1 1 1 1 0 0 0"));
    for (int l = 0; l < kLanguageCount; ++l) // every language, each kept twice on one day
        for (const char *levels : {"1 2 3 4 5 6 7 8 9 10 0 0 0", "1 2 3 4 5 6 7 8 9 10 0 0 20"})
            several[0].snapshots.push_back(snapshot("2026-11-02", language(l), levels));
    const QString text = shortlistText(several);
    QTest::newRow("notes, tags, unknown levels, every language") << text << dump(several) << 0;
    QTest::newRow("page link, its old fragment dropped")
            << shortlistPageLink(u" https://example.org/wagecourt/?p=2#book="_s + shortlistText(one), text)
            << dump(several) << 0;
    QTest::newRow("desktop link") << shortlistDesktopLink(text) << dump(several) << 0;
    QTest::newRow("white space around") << u"\n\t "_s + text + u"  \r\n"_s << dump(several) << 0;
    const QString chat = u"look:\n<"_s + shortlistPageLink(u"http://x.org/"_s, text) + u">, then "_s;
    QTest::newRow("page link in a chat message")
            << chat + shortlistDesktopLink(shortlistText(one)) << dump(several) << 0;
    QTest::newRow("desktop link in a chat message, scheme in capitals")
            << u"try WageCourt:book?"_s + text + u". thanks"_s << dump(several) << 0;
    const Snapshot later = snapshot("2026-12-09", language(1), "2");
    QTest::newRow("snapshots sorted oldest first")
            << shortlistText(std::vector<Player>{{u"Ann"_s, {}, {}, {later, snapshot("2026-01-01", language(1), "3")}}})
            << u"Ann|||2026-01-01 tr 3 1 1 1 1 1 1 1 1 1 1 1 1;2026-12-09 tr 2 1 1 1 1 1 1 1 1 1 1 1 1"_s << 0;
    const std::vector<Player> hundred = weeklyPlayers();
    QTest::newRow("100 players x 10 weeks") << shortlistText(hundred) << dump(hundred) << 24 * 1024;

    const QString none = u"  0, player 0 , snapshot 0, skill 0 value 0, '', kept 0"_s;
    for (int cut : {1, 5, 9, 30})
        QTest::addRow("cut to %d characters", cut) << text.left(cut) << u"cut off"_s + none << 0;
    QTest::newRow("cut by one") << text.chopped(1) << u"cut off"_s + none << 0;
    QTest::newRow("nothing after the mark") << u"https://example.org/#book="_s << u"cut off"_s + none << 0;
    QString changed = text;
    changed[40] = changed[40] == u'A' ? u'B' : u'A';
    QTest::newRow("a character changed") << changed << u"checksum"_s + none << 0;
    QTest::newRow("a character added") << text + u'A' << u"checksum"_s + none << 0;
    // Its last character's two spare bits: set, they would change no byte.
    QTest::newRow("last character changed") << shortlistText(one).chopped(1) + u'B' << u"checksum"_s + none << 0;
    QTest::newRow("over 1 MiB, mostly space")
            << text + QString(kLargestShortlistText, u' ') << u"too large"_s + none << 0;
    QTest::newRow("no link") << u"see #page=1 or wagecourt:list?x"_s << u"no link"_s + none << 0;
    QTest::newRow("a later version") << shortlistEnvelope(2, "whatever")
                                     << u"later version  0, player 0 , snapshot 0, skill 0 value 2, '', kept 0"_s << 0;
    QTest::newRow("a record past the body's end")
            << shortlistEnvelope(1, "\x05Ann")
            << u"bad record layout 0, player 1 , snapshot 0, skill 0 value 0, '', kept 0"_s << 0;
    QTest::newRow("a name not UTF-8") << shortlistEnvelope(
            1,
            "\x02\xc3\x28\x00\x00") << u"bad record name 4, player 1 , snapshot 0, skill 0 value 0, '\xfffd(', kept 0"_s
                                      << 0;

    // Each bad record after a good player: none of them read.
    const auto bad = [&](const char *name, Player player, const QString &expected) {
        QTest::newRow(name) << shortlistText(std::vector<Player>{one[0], std::move(player)})
                            << u"bad record "_s + expected + u", kept 0"_s << 0;
    };
    const LanguageEntry unknown{u"X"_s, u"xx"_s, {}, {}, {}, {}, {}, {}};
    Snapshot jump = good, experience = good, driving = good, future = good, unknownLanguage = good;
    jump.levels[0] = 21;
    experience.levels[12] = 21;
    driving.levels[4] = 0;
    future.date = QDate(10000, 1, 1);
    unknownLanguage.language = &unknown;
    bad("a level over 20", {u"Bo"_s, {}, {}, {jump}}, u"level 0, player 2 Bo, snapshot 1, skill 1 value 21, ''"_s);
    bad("Experience over 20", {u"Bo"_s, {}, {}, {experience}},
        u"level 0, player 2 Bo, snapshot 1, skill 13 value 21, ''"_s);
    bad("a salary level 0, later", {u"Bo"_s, {}, {}, {good, driving}},
        u"level 0, player 2 Bo, snapshot 2, skill 5 value 0, ''"_s);
    bad("a name with control characters", {u"A\x1b[2J"_s, {}, {}, {good}},
        u"name 3, player 2 , snapshot 0, skill 0 value 0, 'A\x1b[2J'"_s);
    bad("a name of spaces", {u" "_s, {}, {}, {good}}, u"name 1, player 2 , snapshot 0, skill 0 value 0, ''"_s);
    bad("a name too long", {QString(81, u'n'), {}, {}, {good}},
        u"name 2, player 2 , snapshot 0, skill 0 value 0, '"_s + QString(80, u'n') + u'\'');
    bad("a name twice", {u" Antoine Dupont"_s, {}, {}, {good}},
        u"name twice 0, player 2 Antoine Dupont, snapshot 0, skill 0 value 0, 'Antoine Dupont'"_s);
    bad("a note of two lines", {u"Bo"_s, u"a\nb"_s, {}, {good}},
        u"note 3, player 2 Bo, snapshot 0, skill 0 value 0, ''"_s);
    bad("a tag of two words", {u"Bo"_s, {}, {u"two words"_s}, {good}},
        u"tag 5, player 2 Bo, snapshot 0, skill 0 value 0, 'two words'"_s);
    bad("a tag twice", {u"Bo"_s, {}, {u"fast"_s, u"FAST"_s}, {good}},
        u"tag twice 0, player 2 Bo, snapshot 0, skill 0 value 0, 'FAST'"_s);
    bad("an unknown language", {u"Bo"_s, {}, {}, {good, unknownLanguage}},
        u"language 0, player 2 Bo, snapshot 2, skill 0 value 0, 'xx'"_s);
    bad("a date after 9999", {u"Bo"_s, {}, {}, {good, future}},
        u"date 0, player 2 Bo, snapshot 2, skill 0 value 0, '10000-01-01'"_s);
    bad("no date", {u"Bo"_s, {}, {}, {Snapshot{QDate(), good.levels, good.language}}},
        u"date 0, player 2 Bo, snapshot 1, skill 0 value 0, ''"_s);
    bad("no snapshots", {u"Bo"_s, {}, {}, {}}, u"no snapshots 0, player 2 Bo, snapshot 0, skill 0 value 0, ''"_s);
}

void BookTest::shortlist()
{
    QFETCH(QString, input);
    QFETCH(QString, expected);
    QFETCH(int, longest);
    if (longest > 0)
        QVERIFY2(input.size() <= longest, qPrintable(QString::number(input.size())));
    QCOMPARE(describe(readShortlist(input)), expected);
}

QTEST_GUILESS_MAIN(BookTest)
#include "tst_book.moc"
