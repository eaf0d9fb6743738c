#include "book/book.h"
#include "book/exchange.h"
#include "catalogue/catalogue.h"

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

// What one check of a made book gives, as a short text.
QString view(const Made &made, const QString &check)
{
    const QString what = check.section(u':', 0, 0);
    const QString argument = check.section(u':', 1);
    if (what == u"errors") {
        QStringList parts;
        for (const RowError &error : made.read.errors)
            parts << u"%1 %2 %3 %4"_s.arg(error.line)
                             .arg(int(error.problem))
                             .arg(int(error.textProblem))
                             .arg(error.column);
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
            return u"problem %1 %2"_s.arg(int(comparison.problem)).arg(comparison.name);
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

} // namespace

class BookTest : public QObject
{
    Q_OBJECT

private slots:
    void cases_data();
    void cases();

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
    QTest::newRow("compare one") << three << u"compare:Ann"_s << u"problem 1 "_s;
    QTest::newRow("compare five") << three << u"compare:Ann,Bob,Ann,Bob,Ann"_s << u"problem 2 "_s;
    QTest::newRow("compare an unknown") << three << u"compare:Ann,Zed"_s << u"problem 3 Zed"_s;
    QTest::newRow("compare one twice") << three << u"compare:Ann,Bob, Ann"_s << u"problem 4 Ann"_s;

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
            << u"errors"_s << u"3 5 0 ; 4 6 0 jump_shot; 5 6 0 stamina; 7 1 0 ; 8 2 0 ; 9 0 0 ; 10 4 3 "_s;
    QTest::newRow("names refused") << csv(",2026-12-01,1,1,1,1,1,1,1,1,1,1,0,0,0,0,0,x,\n"
                                          "A\x1b[2J,2026-12-01,1,1,1,1,1,1,1,1,1,1,0,0,0,0,0,x,\n"
                                          "\""
                                          + QByteArray(81, 'n') + "\",2026-12-01,1,1,1,1,1,1,1,1,1,1,0,0,0,0,0,x,\n"
                                          + QByteArray(80, 'n') + ",2026-12-01,1,1,1,1,1,1,1,1,1,1,0,0,0,0,0,x,\n")
                                   << u"errors"_s << u"2 3 1 ; 3 3 3 ; 4 3 2 "_s;
    QTest::newRow("no header") << QByteArray("Ann,1,1,1,1,1,1,1,1,1,1\n") << u"errors"_s << u"1 11 0 "_s;
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
            << u"errors"_s << u"2 7 0 ; 3 8 0 ; 4 9 0 ; 5 5 0 ; 6 2 0 levels; 7 6 0 shot_blocking; 8 3 1 "_s;
    QTest::newRow("batch --header's CSV: today, three levels unknown")
            << QByteArray("name,jump_shot,jump_range,outside_def,handling,driving,passing,inside_shot,inside_def,"
                          "rebounding,shot_blocking,salary,position,position_name\n"
                          "Ann,1,1,1,1,1,1,1,1,1,1,504,3,Kısa Forvet\n")
            << u"json"_s
            << u"{\"name\":\"Ann\",\"date\":\"2026-12-09\",\"note\":\"\",\"language\":\"Türkçe\",\"levels\":"
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
            << QString::fromUtf8(csv("Ann,2026-12-01,1,1,1,1,1,1,1,1,1,1,0,0,0,504,3,Small Forward,scout him\n"
                                     "Ann,2026-12-02,1,1,1,1,1,1,1,1,1,1,0,0,0,504,3,Small Forward,scout him\n"));
}

void BookTest::cases()
{
    QFETCH(QByteArray, input);
    QFETCH(QString, check);
    QFETCH(QString, expected);
    QCOMPARE(view(make(input), check), expected);
}

QTEST_GUILESS_MAIN(BookTest)
#include "tst_book.moc"
