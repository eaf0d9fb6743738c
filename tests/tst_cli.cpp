#include "catalogue/catalogue.h"
#include "cli/batch.h"
#include "engine/salary.h"
#include "format/resultformat.h"
#include "import/skilllist.h"
#include "presentation/resulttext.h"
#include "presentation/salarytext.h"
#include "presentation/windowtexts.h"

#include "bookcases.h"
#include "testlists.h"

#include <QBuffer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QTest>

#include <cmath>
#include <cstring>
#include <functional>
#include <limits>

using namespace wagecourt;
using namespace Qt::StringLiterals;
namespace commands = wagecourt::cli; // the library the binary runs, for in-process checks

namespace {

struct Run
{
    int status = -1;
    QString out;
    QString err;

    QJsonObject json() const { return QJsonDocument::fromJson(out.toUtf8()).object(); }
};

// A Windows build ends every line with CR LF; any other CR or LF is a fault.
QString fromCrLf(QByteArray bytes, const char *stream)
{
    const qsizetype breaks = bytes.count("\r\n");
    QTest::qVerify(bytes.count('\n') == breaks && bytes.count('\r') == breaks, "CR LF line ends", stream, __FILE__,
                   __LINE__);
    return QString::fromUtf8(bytes.replace("\r\n", "\n"));
}

// The real binary, so exit statuses and streams are what a script sees. The
// same cases check another build of it: WAGECOURT_CLI_PROGRAM names it,
// WAGECOURT_CLI_RUNNER starts it (wine) and WAGECOURT_CLI_NEWLINE=crlf says
// that it writes CR LF. Its messages are English unless locale (NAME=value
// each) names another language: the tester's own locale never reaches it.
Run runProgram(const QStringList &arguments, const QByteArray &input, const QStringList &locale = {})
{
    static const QString program = qEnvironmentVariable("WAGECOURT_CLI_PROGRAM", QStringLiteral(WAGECOURT_CLI_PATH));
    static const QString runner = qEnvironmentVariable("WAGECOURT_CLI_RUNNER");
    static const bool crLf = qEnvironmentVariable("WAGECOURT_CLI_NEWLINE") == u"crlf";
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const QString &name : {u"LANGUAGE"_s, u"LC_ALL"_s, u"LC_MESSAGES"_s, u"LANG"_s})
        environment.remove(name);
    for (const QString &setting : locale)
        environment.insert(setting.section(u'=', 0, 0), setting.section(u'=', 1));
    // Wine hands a Windows program its arguments as the Unix locale's
    // character set reads them: UTF-8 says nothing of the language.
    if (!runner.isEmpty() && !environment.contains(u"LC_ALL"_s))
        environment.insert(u"LC_CTYPE"_s, u"C.UTF-8"_s);
    QProcess process;
    process.setProcessEnvironment(environment);
    if (runner.isEmpty())
        process.start(program, arguments);
    else
        process.start(runner, QStringList{program} + arguments);
    if (!process.waitForStarted())
        return {};
    process.write(input);
    process.closeWriteChannel();
    process.waitForFinished(60000);
    const int status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    if (crLf)
        return {status, fromCrLf(process.readAllStandardOutput(), "standard output"),
                fromCrLf(process.readAllStandardError(), "standard error")};
    return {status, QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

const QList<int> kSample{8, 7, 9, 10, 8, 11, 3, 3, 5, 2, 12, 12, 12};
const QStringList kSampleArguments{u"8"_s, u"7"_s, u"9"_s, u"10"_s, u"8"_s, u"11"_s, u"3"_s, u"3"_s, u"5"_s, u"2"_s};

QStringList argumentsOf(const QList<int> &list)
{
    QStringList arguments;
    for (int k = 0; k < kSalarySkillCount; ++k)
        arguments << QString::number(list[k]);
    return arguments;
}

bool sameBits(double a, double b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

// One step's JSON against the calculation itself: null beyond the scale.
bool stepMatches(const QJsonValue &step, SkillLevels levels, int skill, int level, qint32 salary)
{
    if (level < kLowestLevel || level > kHighestLevel)
        return step.isNull();
    levels[skill] = qint16(level);
    const auto result = computeSalary(levels);
    const QJsonObject object = step.toObject();
    return object.keys() == QStringList{u"change"_s, u"level"_s, u"position"_s, u"salary"_s}
    && object[u"level"].toInteger() == level && object[u"salary"].toInteger() == result->salary
            && object[u"position"].toInteger() == result->position
            && object[u"change"].toInteger() == result->salary - salary;
}

} // namespace

class CliTest : public QObject
{
    Q_OBJECT

    // A member, so that it hides the library's namespace of the same name.
    static Run cli(const QStringList &arguments, const QByteArray &input = {}, const QStringList &locale = {})
    {
        return runProgram(arguments, input, locale);
    }

private slots:
    void calcJsonHasEveryFieldExactly();
    void calcTableUsesTheLanguage();
    void usageErrorsNameTheBadArgument_data();
    void usageErrorsNameTheBadArgument();
    void languageOptionTakesNamesAndCodes_data();
    void languageOptionTakesNamesAndCodes();
    void adviseStepsAreWhatCalcGives_data();
    void adviseStepsAreWhatCalcGives();
    void importAcceptsWhatTheWindowAccepts();
    void importAutoTakesTheFirstLanguageThatReadsTheList();
    void importReadsTheWindowsCopy();
    void importRejectionSaysWhatFailed_data();
    void importRejectionSaysWhatFailed();
    void batchKeepsGoingPastABadLine();
    void batchJsonIsOneObjectPerLine();
    void batchReadsRosters_data();
    void batchReadsRosters();
    void batchJsonIsTheDocumentFormExactly();
    void jsonNumbersAsTheDocumentWritesThem_data();
    void jsonNumbersAsTheDocumentWritesThem();
    void outputFailures_data();
    void outputFailures();
    void hostileInputIsRefused_data();
    void hostileInputIsRefused();
    void languagesAndVersion();
    void messagesFollowTheLocale_data();
    void messagesFollowTheLocale();
    void whatScriptsReadIsTheSameInEveryLocale_data();
    void whatScriptsReadIsTheSameInEveryLocale();
    void helpFitsEightyColumnsInEveryLanguage_data();
    void helpFitsEightyColumnsInEveryLanguage();
    void bookRoundTripsByteForByte_data();
    void bookRoundTripsByteForByte();
    void bookCases_data() { wagecourt::test::bookCaseRows(); }
    void bookCases();
    void planIsWhatCalcGives_data();
    void planIsWhatCalcGives();
};

void CliTest::calcJsonHasEveryFieldExactly()
{
    const Run run = cli(QStringList{u"calc"_s} + kSampleArguments + QStringList{u"--json"_s});
    QCOMPARE(run.status, 0);
    QVERIFY(run.out.endsWith(u'\n'));
    const QJsonObject object = run.json();
    QCOMPARE(object.keys(),
             (QStringList{u"language"_s, u"levels"_s, u"position"_s, u"position_name"_s, u"salary"_s, u"salary_text"_s,
                          u"values"_s}));
    QCOMPARE(object[u"language"].toString(), u"English"_s);
    QCOMPARE(object[u"levels"].toArray(), QJsonArray({8, 7, 9, 10, 8, 11, 3, 3, 5, 2}));
    QCOMPARE(object[u"salary"].toInteger(), 16736);
    QCOMPARE(object[u"position"].toInteger(), 1);
    QCOMPARE(object[u"position_name"].toString(), u"Point Guard"_s);
    QCOMPARE(object[u"salary_text"].toString(), u"16 736"_s);

    // The printed values read back to the very doubles the engine computed.
    SkillLevels levels;
    for (int k = 1; k <= kSalarySkillCount; ++k)
        levels[k] = qint16(kSample[k - 1]);
    const auto expected = computeSalary(levels);
    const QJsonArray values = object[u"values"].toArray();
    QCOMPARE(values.size(), kPositionCount);
    for (int p = 1; p <= kPositionCount; ++p) {
        const double read = values[p - 1].toDouble();
        QVERIFY2(std::memcmp(&read, &expected->values[p], sizeof read) == 0, qPrintable(QString::number(p)));
    }
}

void CliTest::calcTableUsesTheLanguage()
{
    const Run run = cli({u"calc"_s, u"3"_s, u"11"_s, u"4"_s, u"16"_s, u"12"_s, u"6"_s, u"1"_s, u"14"_s, u"9"_s, u"10"_s,
                         u"--lang"_s, u"Deutsch"_s});
    QCOMPARE(run.status, 0);
    const QStringList lines = run.out.split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 6);
    QCOMPARE(lines[0], u"Gehalt: 12 277 (Point Guard)"_s);
    QVERIFY(lines[1].startsWith(u"* 1 Point Guard"_s));
    QVERIFY(lines[1].endsWith(u" 12277"_s));
    QVERIFY(lines[5].startsWith(u"  5 Center"_s)); // V5 is largest, but R5 does not beat V1
    QVERIFY(lines[5].endsWith(u" 12277"_s));

    const Run turkish = cli(QStringList{u"calc"_s} + kSampleArguments + QStringList{u"--lang=Türkçe"_s});
    QCOMPARE(turkish.status, 0);
    QVERIFY2(turkish.out.startsWith(u"Haftalık Maaş: 16 736 (Oyunkurucu)\n"_s), qPrintable(turkish.out));
}

void CliTest::usageErrorsNameTheBadArgument_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("named");

    const QStringList nine = kSampleArguments.first(9);
    QTest::newRow("nine levels") << QStringList{u"calc"_s} + nine << u"9 given"_s;
    QTest::newRow("eleven levels") << QStringList{u"calc"_s} + kSampleArguments + QStringList{u"4"_s} << u"11 given"_s;
    QTest::newRow("21") << QStringList{u"calc"_s} + nine + QStringList{u"21"_s} << u"'21'"_s;
    QTest::newRow("0") << QStringList{u"calc"_s, u"0"_s} + nine << u"'0'"_s;
    QTest::newRow("fraction") << QStringList{u"calc"_s} + nine + QStringList{u"1.5"_s} << u"'1.5'"_s;
    QTest::newRow("word") << QStringList{u"calc"_s, u"strong"_s} + nine << u"'strong'"_s;
    QTest::newRow("negative") << QStringList{u"calc"_s, u"-3"_s} + nine << u"'-3'"_s;
    QTest::newRow("unknown language") << QStringList{u"calc"_s} + kSampleArguments
                    + QStringList{u"--lang"_s, u"Klingon"_s}
                                      << u"'Klingon'"_s;
    QTest::newRow("advise, nine levels") << QStringList{u"advise"_s} + nine << u"9 given"_s;
    QTest::newRow("advise, 21") << QStringList{u"advise"_s} + nine + QStringList{u"21"_s} << u"'21'"_s;
    QTest::newRow("advise, negative") << QStringList{u"advise"_s, u"-3"_s} + nine << u"'-3'"_s;
    QTest::newRow("advise, unknown language")
            << QStringList{u"advise"_s, u"--lang=xx"_s} + kSampleArguments << u"'xx'"_s;
    const QStringList plan = QStringList{u"plan"_s} + kSampleArguments;
    QTest::newRow("plan, unknown skill") << plan + QStringList{u"--to"_s, u"XY=4"_s} << u"'XY' is not a skill"_s;
    QTest::newRow("plan, level 21") << plan + QStringList{u"--to"_s, u"is=21"_s} << u"'is=21'"_s;
    QTest::newRow("plan, 21 raises") << plan + QStringList{u"--cheapest"_s, u"21"_s} << u"'21'"_s;
    QTest::newRow("plan, limit not whole") << plan + QStringList{u"--limit"_s, u"40k"_s} << u"'40k'"_s;
    QTest::newRow("plan, limit grouped wrong") << plan + QStringList{u"--limit"_s, u"1,00"_s} << u"'1,00'"_s;
    QTest::newRow("plan, unknown skill listed") << plan + QStringList{u"--skills"_s, u"IS,QQ"_s} << u"'QQ'"_s;
    QTest::newRow("--to is for plan") << QStringList{u"calc"_s, u"--to"_s, u"IS=4"_s} + kSampleArguments
                                      << u"--to is for plan only"_s;
    QTest::newRow("calc, shown not whole")
            << QStringList{u"calc"_s, u"--shown"_s, u"1.5"_s} + kSampleArguments << u"'1.5'"_s;
    QTest::newRow("auto only for import") << QStringList{u"batch"_s, u"--lang"_s, u"auto"_s} << u"'auto'"_s;
    QTest::newRow("unknown option") << QStringList{u"calc"_s, u"--fast"_s} << u"'--fast'"_s;
    QTest::newRow("unknown command") << QStringList{u"salary"_s} << u"'salary'"_s;
    QTest::newRow("no command") << QStringList{} << u"no command"_s;
    QTest::newRow("two files") << QStringList{u"import"_s, u"a"_s, u"b"_s} << u"2 files"_s;
    QTest::newRow("missing file") << QStringList{u"import"_s, u"/nonexistent/list.txt"_s}
                                  << u"'/nonexistent/list.txt'"_s;
    QTest::newRow("two rosters") << QStringList{u"batch"_s, u"a"_s, u"b"_s} << u"2 files"_s;
    QTest::newRow("missing roster") << QStringList{u"batch"_s, u"/nonexistent/roster.csv"_s}
                                    << u"'/nonexistent/roster.csv'"_s;
    QTest::newRow("header with JSON") << QStringList{u"batch"_s, u"--json"_s, u"--header"_s} << u"--header"_s;
    QTest::newRow("header outside batch") << QStringList{u"calc"_s, u"--header"_s} + kSampleArguments << u"--header"_s;
}

void CliTest::usageErrorsNameTheBadArgument()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, named);
    const Run run = cli(arguments);
    QCOMPARE(run.status, 2);
    QVERIFY(run.out.isEmpty());
    QVERIFY2(run.err.contains(named), qPrintable(run.err));
}

void CliTest::languageOptionTakesNamesAndCodes_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("lang");
    QTest::addColumn<QString>("language");

    QTest::newRow("lower case") << u"calc"_s << u"english"_s << u"English"_s;
    QTest::newRow("no accents") << u"calc"_s << u"Turkce"_s << u"Türkçe"_s;
    QTest::newRow("capitals") << u"calc"_s << u"TÜRKÇE"_s << u"Türkçe"_s;
    QTest::newRow("code tr") << u"calc"_s << u"tr"_s << u"Türkçe"_s;
    QTest::newRow("advise, no accent") << u"advise"_s << u"espanol"_s << u"Español"_s;
    QTest::newRow("advise, code") << u"advise"_s << u"pt"_s << u"Português"_s;
    QTest::newRow("batch, no accents") << u"batch"_s << u"Portugues"_s << u"Português"_s;
    QTest::newRow("batch, capital code") << u"batch"_s << u"DE"_s << u"Deutsch"_s;
    QTest::newRow("batch, code fr") << u"batch"_s << u"fr"_s << u"Français"_s;
    QTest::newRow("import, code") << u"import"_s << u"pl"_s << u"Polski"_s;
    QTest::newRow("import, code it") << u"import"_s << u"it"_s << u"Italiano"_s;
    QTest::newRow("import, no cedilla") << u"import"_s << u"francais"_s << u"Français"_s;
    QTest::newRow("import, code en") << u"import"_s << u"en"_s << u"English"_s;
    QTest::newRow("import, code es") << u"import"_s << u"es"_s << u"Español"_s;
}

void CliTest::languageOptionTakesNamesAndCodes()
{
    QFETCH(QString, command);
    QFETCH(QString, lang);
    QFETCH(QString, language);

    QStringList arguments{command, u"--json"_s, u"--lang"_s, lang};
    QByteArray input;
    if (command == u"import"_s)
        input = (test::skillList(*findLanguage(language), kSample) + u'\n').toUtf8();
    else if (command == u"batch"_s)
        input = kSampleArguments.join(u' ').toUtf8() + '\n';
    else
        arguments += kSampleArguments;
    const Run run = cli(arguments, input);
    QCOMPARE(run.status, 0);
    QCOMPARE(run.json()[u"language"].toString(), language);
    QCOMPARE(run.json()[u"salary"].toInteger(), 16736);
}

void CliTest::adviseStepsAreWhatCalcGives_data()
{
    QTest::addColumn<QList<int>>("levels");
    QTest::addColumn<QString>("language");

    QTest::newRow("sample") << kSample.first(10) << u"English"_s;
    QTest::newRow("a step either way changes the position")
            << QList<int>{12, 10, 10, 10, 10, 13, 10, 10, 10, 10} << u"Deutsch"_s;
    QTest::newRow("both ends of the scale") << QList<int>{20, 1, 20, 1, 20, 1, 20, 1, 20, 1} << u"Türkçe"_s;
    QTest::newRow("all lowest") << QList<int>(10, 1) << u"Polski"_s;
    QTest::newRow("all highest") << QList<int>(10, 20) << u"Português"_s;
}

void CliTest::adviseStepsAreWhatCalcGives()
{
    QFETCH(QList<int>, levels);
    QFETCH(QString, language);
    const LanguageEntry &entry = *findLanguage(language);
    const SkillLevels player = test::levelsOf(levels);
    const auto result = computeSalary(player);
    const QStringList arguments = QStringList{u"--lang"_s, language} + argumentsOf(levels);

    const Run json = cli(QStringList{u"advise"_s, u"--json"_s} + arguments);
    QCOMPARE(json.status, 0);
    const QJsonObject object = json.json();
    QCOMPARE(object.keys(),
             (QStringList{u"language"_s, u"levels"_s, u"position"_s, u"position_name"_s, u"positions"_s, u"salary"_s,
                          u"skills"_s}));
    QCOMPARE(object[u"language"].toString(), language);
    QCOMPARE(object[u"salary"].toInteger(), result->salary);
    QCOMPARE(object[u"position"].toInteger(), result->position);
    QCOMPARE(object[u"position_name"].toString(), entry.positionName(result->position));
    const QJsonArray skills = object[u"skills"].toArray();
    QCOMPARE(skills.size(), kSalarySkillCount);
    for (int k = 1; k <= kSalarySkillCount; ++k) {
        const QJsonObject skill = skills[k - 1].toObject();
        const int level = player[k];
        QCOMPARE(object[u"levels"][k - 1].toInteger(), level);
        QCOMPARE(skill.keys(), (QStringList{u"down"_s, u"level"_s, u"name"_s, u"skill"_s, u"up"_s}));
        QCOMPARE(skill[u"skill"].toInteger(), k);
        QCOMPARE(skill[u"name"].toString() + u':', entry.skillCaption(k));
        QCOMPARE(skill[u"level"].toInteger(), level);
        QVERIFY2(stepMatches(skill[u"up"], player, k, level + 1, result->salary), qPrintable(QString::number(k)));
        QVERIFY2(stepMatches(skill[u"down"], player, k, level - 1, result->salary), qPrintable(QString::number(k)));
    }
    const QJsonArray positions = object[u"positions"].toArray();
    QCOMPARE(positions.size(), kPositionCount);
    for (int p = 1; p <= kPositionCount; ++p) {
        QCOMPARE(positions[p - 1].toObject(),
                 (QJsonObject{{u"position"_s, p},
                              {u"name"_s, entry.positionName(p)},
                              {u"salary"_s, result->roundedValue(p)}}));
    }

    // The table: calc's headline and positions around one row per skill.
    const Run calc = cli(QStringList{u"calc"_s} + arguments);
    const Run text = cli(QStringList{u"advise"_s} + arguments);
    QCOMPARE(text.status, 0);
    const QStringList calcLines = calc.out.split(u'\n', Qt::SkipEmptyParts);
    const QStringList lines = text.out.split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 1 + kSalarySkillCount + kPositionCount);
    QCOMPARE(lines.first(), calcLines.first());
    QCOMPARE(lines.last(kPositionCount), calcLines.last(kPositionCount));
    for (int k = 1; k <= kSalarySkillCount; ++k) {
        const QString &row = lines[k];
        const int level = player[k];
        QVERIFY2(row.startsWith(entry.skillCaption(k).chopped(1) + u' '), qPrintable(row));
        QVERIFY2(row.contains(u' ' + QString::number(level) + u' ' + entry.levelName(level)), qPrintable(row));
        QCOMPARE(row.contains(u"+1: —"_s), level == kHighestLevel);
        QCOMPARE(row.contains(u"-1: —"_s), level == kLowestLevel);
        for (const auto &[step, sign] : {std::pair{1, u"+1: "_s}, std::pair{-1, u"-1: "_s}}) {
            if (level + step < kLowestLevel || level + step > kHighestLevel)
                continue;
            SkillLevels stepped = player;
            stepped[k] = qint16(level + step);
            const auto after = computeSalary(stepped);
            const qint32 change = after->salary - result->salary;
            const QString amount = change == 0 ? u"±0"_s
                                               : (change > 0 ? u"+"_s : u"-"_s) + salaryImportText(std::abs(change));
            QString cell = sign + salaryImportText(after->salary) + u" ("_s + amount + u')';
            if (after->position != result->position)
                cell += u' ' + entry.positionName(after->position);
            QVERIFY2(row.contains(cell), qPrintable(row + u" lacks "_s + cell));
        }
    }
}

void CliTest::importAcceptsWhatTheWindowAccepts()
{
    const LanguageEntry &english = *findLanguage(u"English");
    const QByteArray list = (test::skillList(english, kSample) + u'\n').toUtf8();

    Run run = cli({u"import"_s, u"--json"_s}, list);
    QCOMPARE(run.status, 0);
    QJsonObject object = run.json();
    QCOMPARE(object[u"accepted"].toBool(), true);
    QCOMPARE(object[u"salary"].toInteger(), 16736);
    QCOMPARE(object[u"levels"].toArray(), QJsonArray({8, 7, 9, 10, 8, 11, 3, 3, 5, 2}));

    // From a file, with the byte-order mark an editor may put first.
    QTemporaryFile file;
    QVERIFY(file.open());
    file.write("\xEF\xBB\xBF" + list);
    file.close();
    run = cli({u"import"_s, file.fileName()});
    QCOMPARE(run.status, 0);
    QVERIFY(run.out.startsWith(u"Weekly Salary: 16 736 (Point Guard)\n"_s));

    run = cli({u"import"_s, u"--lang"_s, u"Polski"_s, u"--json"_s, u"-"_s},
              (test::skillList(*findLanguage(u"Polski"), kSample) + u'\n').toUtf8());
    QCOMPARE(run.status, 0);
    QCOMPARE(run.json()[u"language"].toString(), u"Polski"_s);
    QCOMPARE(run.json()[u"salary"].toInteger(), 16736);
}

void CliTest::importAutoTakesTheFirstLanguageThatReadsTheList()
{
    // Without --lang, as with 'auto'; the list alone, and on one line inside a copied page.
    for (const QStringList &any : {QStringList{}, QStringList{u"--lang"_s, u"auto"_s}})
        for (const LanguageEntry &entry : languages()) {
            const QString list = (test::skillList(entry, kSample) + u'\n');
            for (const QString &text :
                 {list, u"Player: Ann Lee\n"_s + QString(list).replace(u'\n', u' ') + u"\nAge: 24"_s}) {
                const Run run = cli(QStringList{u"import"_s, u"--json"_s} + any, text.toUtf8());
                QVERIFY2(run.status == 0,
                         qPrintable(entry.name.toString() + u": exit "_s + QString::number(run.status) + u", "_s
                                    + run.err));
                // Français shares "Jump " with English; English is tried first and cannot read it.
                QCOMPARE(run.json()[u"language"].toString(), entry.name.toString());
                QCOMPARE(run.json()[u"salary"].toInteger(), 16736);
            }
        }
}

void CliTest::importReadsTheWindowsCopy()
{
    QRandomGenerator random(58203);
    for (const LanguageEntry &entry : languages()) {
        SkillLevels levels;
        for (qint16 &level : levels)
            level = qint16(random.bounded(1, 21));
        const auto expected = computeSalary(levels);
        const Run run = cli({u"import"_s, u"--lang"_s, entry.name.toString(), u"--json"_s},
                            skillListText(entry, levels).toUtf8());
        QCOMPARE(run.status, 0);
        QJsonArray read;
        for (qint16 level : levels)
            read.append(int(level));
        QCOMPARE(run.json()[u"levels"].toArray(), read);
        QCOMPARE(run.json()[u"salary"].toInteger(), expected->salary);
        QCOMPARE(run.json()[u"position"].toInteger(), expected->position);
    }
}

void CliTest::importRejectionSaysWhatFailed_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("reason");
    QTest::addColumn<QString>("language"); // empty for none
    QTest::addColumn<QString>("detail");

    const QString english = (test::skillList(*findLanguage(u"English"), kSample) + u'\n');
    QTest::newRow("wrong language") << QStringList{u"--lang"_s, u"Deutsch"_s} << english << u"check"_s << u"Deutsch"_s
                                    << u"\"Sprun\""_s;
    const QString broken = QString(english).replace(u"\nInside Shot"_s, u":\nInside Shot"_s);
    QTest::newRow("too many colons") << QStringList{u"--lang"_s, u"en"_s} << broken << u"check"_s << u"English"_s
                                     << u"14 colons"_s;
    QTest::newRow("English read as French")
            << QStringList{u"--lang"_s, u"Français"_s} << english << u"level"_s << u"Français"_s << u"skill 1"_s;
    QString bad = english;
    bad.replace(u"Passing: prolific"_s, u"Passing: brilliant"_s);
    QTest::newRow("unknown level name") << QStringList{} << bad << u"level"_s << u"English"_s << u"Passing (skill 6)"_s;
    QTest::newRow("over a megabyte") << QStringList{} << english + QString(1 << 20, u'x') << u"check"_s << QString()
                                     << u"1048576"_s;
    QTest::newRow("nothing fits") << QStringList{} << broken << u"check"_s << QString()
                                  << u"any of the game languages"_s;
    QTest::newRow("auto, nothing fits") << QStringList{u"--lang"_s, u"auto"_s} << u"hello"_s << u"check"_s << QString()
                                        << u"any of the game languages"_s;
    QTest::newRow("auto, a level unreadable")
            << QStringList{u"--lang"_s, u"auto"_s} << bad << u"level"_s << u"English"_s << u"Passing (skill 6)"_s;
}

void CliTest::importRejectionSaysWhatFailed()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, text);
    QFETCH(QString, reason);
    QFETCH(QString, language);
    QFETCH(QString, detail);

    Run run = cli(QStringList{u"import"_s} + arguments, text.toUtf8());
    QCOMPARE(run.status, 1);
    QVERIFY(run.out.isEmpty());
    const QStringList lines = run.err.split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 2);
    QCOMPARE(lines[0], windowtext::kErrorText.translated());
    QVERIFY2(lines[1].contains(detail), qPrintable(lines[1]));

    run = cli(QStringList{u"import"_s, u"--json"_s} + arguments, text.toUtf8());
    QCOMPARE(run.status, 1);
    const QJsonObject object = run.json();
    QCOMPARE(object[u"accepted"], QJsonValue(false));
    QCOMPARE(object[u"reason"].toString(), reason);
    QCOMPARE(object[u"error"].toString(), windowtext::kErrorText.translated());
    QCOMPARE(object[u"language"], language.isEmpty() ? QJsonValue(QJsonValue::Null) : QJsonValue(language));
    QVERIFY2(object[u"detail"].toString().contains(detail), qPrintable(object[u"detail"].toString()));
    QCOMPARE(object.keys(), (QStringList{u"accepted"_s, u"detail"_s, u"error"_s, u"language"_s, u"reason"_s}));
}

void CliTest::batchKeepsGoingPastABadLine()
{
    const QByteArray input = "# roster\n"
                             "1 1 1 1 1 1 1 1 1 1\n"
                             "\n"
                             "20,20,20,20,20,20,20,20,20,20\r\n"
                             "5\t4 3 6 5 3 12 13 14 9\n"
                             "1 2 3\n"
                             "   \n"
                             "8, 7, 9, 10, 8, 11, 3, 3, 5, 21\n"
                             "6 3 5 9 1 14 2 18 8 11"; // no final line break
    const Run run = cli({u"batch"_s}, input);
    QCOMPARE(run.status, 1);
    QCOMPARE(run.out,
             u"1,1,1,1,1,1,1,1,1,1,504,3,Small Forward\n"
             u"20,20,20,20,20,20,20,20,20,20,4009568,4,Power Forward\n"
             u"5,4,3,6,5,3,12,13,14,9,68131,5,Center\n"
             u"6,3,5,9,1,14,2,18,8,11,21399,5,Center\n"_s);
    const QStringList errors = run.err.split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(errors.size(), 2);
    QVERIFY2(errors[0].startsWith(u"line 6: "_s) && errors[0].contains(u"found 3"_s), qPrintable(errors[0]));
    QVERIFY2(errors[1].startsWith(u"line 8: "_s) && errors[1].contains(u"'21'"_s), qPrintable(errors[1]));

    // Both streams into one pipe, as with 2>&1: each report stands where its line was.
    QProcess merged;
    merged.setProcessChannelMode(QProcess::MergedChannels);
    merged.start(QStringLiteral(WAGECOURT_CLI_PATH), {u"batch"_s});
    QVERIFY(merged.waitForStarted());
    merged.write(input);
    merged.closeWriteChannel();
    QVERIFY(merged.waitForFinished(60000));
    const QStringList both = QString::fromUtf8(merged.readAll()).split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(both.size(), 6);
    QVERIFY(both[2].startsWith(u"5,4,3,"_s) && both[3].startsWith(u"line 6: "_s) && both[4].startsWith(u"line 8: "_s)
            && both[5].startsWith(u"6,3,5,"_s));

    const Run clean = cli({u"batch"_s, u"--lang"_s, u"Español"_s}, "1 1 1 1 1 1 1 1 1 1\n");
    QCOMPARE(clean.status, 0);
    QCOMPARE(clean.out, u"1,1,1,1,1,1,1,1,1,1,504,3,Alero\n"_s);
    QVERIFY(clean.err.isEmpty());
}

void CliTest::batchJsonIsOneObjectPerLine()
{
    const Run run = cli({u"batch"_s, u"--json"_s, u"--lang"_s, u"Italiano"_s},
                        "8 7 9 10 8 11 3 3 5 2\nx\n20 20 20 20 20 20 20 20 20 20\n");
    QCOMPARE(run.status, 1);
    const QStringList lines = run.out.split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 2);
    const QJsonObject first = QJsonDocument::fromJson(lines[0].toUtf8()).object();
    const QJsonObject second = QJsonDocument::fromJson(lines[1].toUtf8()).object();
    QCOMPARE(first[u"position_name"].toString(), u"Playmaker"_s);
    QCOMPARE(first[u"language"].toString(), u"Italiano"_s);
    QCOMPARE(second[u"salary"].toInteger(), 4009568);
    QCOMPARE(second[u"salary_text"].toString(), u"4009 568"_s);
    QCOMPARE(second[u"position_name"].toString(), u"Ala grande"_s);
    QVERIFY(run.err.startsWith(u"line 2: "_s));
}

void CliTest::batchReadsRosters_data()
{
    QTest::addColumn<QStringList>("arguments"); // "@file" stands for a file holding the input
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QString>("out");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("err"); // a part of it; empty for none at all

    const QByteArray ones = "1 1 1 1 1 1 1 1 1 1";
    const QByteArray twenties = "20,20,20,20,20,20,20,20,20,20";
    const QString onesOut = u"1,1,1,1,1,1,1,1,1,1,504,3,Small Forward\n"_s;
    const QString twentiesOut = u"20,20,20,20,20,20,20,20,20,20,4009568,4,Power Forward\n"_s;
    const QString columns = u"name,jump_shot,jump_range,outside_def,handling,driving,passing,inside_shot,"
                            u"inside_def,rebounding,shot_blocking,salary,position,position_name\n"_s;

    QTest::newRow("byte-order mark") << QStringList{} << "\xEF\xBB\xBF" + ones + "\n" << onesOut << 0 << QString();
    QTest::newRow("from a file, byte-order mark") << QStringList{u"@file"_s} << "\xEF\xBB\xBF" + ones + "\n" + twenties
                                                  << onesOut + twentiesOut << 0 << QString();
    QTest::newRow("'-' is standard input") << QStringList{u"-"_s} << ones + "\n" << onesOut << 0 << QString();
    QTest::newRow("header skipped") << QStringList{} << "Player,JS,JR,OD,HA,DR,PA,IS,ID,RB,SB\n" + ones << onesOut << 0
                                    << QString();
    QTest::newRow("header after a comment, tabs")
            << QStringList{} << "\xEF\xBB\xBF# roster\nName\tJump Shot\tJump Range\n" + ones << onesOut << 0
            << QString();
    QTest::newRow("only the first line can be a header") << QStringList{} << ones + "\nPlayer,JS,JR\n"
                                                         << onesOut << 1 << u"line 2 (Player): "_s;
    QTest::newRow("name and comma") << QStringList{} << "John Smith, " + ones + "\n" + ones
                                    << u"John Smith,"_s + onesOut + onesOut << 0 << QString();
    QTest::newRow("name and tab") << QStringList{} << "Łukasz Nowak\t" + twenties << u"Łukasz Nowak,"_s + twentiesOut
                                  << 0 << QString();
    QTest::newRow("names quoted as RFC 4180 asks")
            << QStringList{} << "\"Doe, \"\"Jr\"\"\"," + ones + "\nO\"Neil\t" + ones + "\n\"Ann\tLee\" " + ones
            << u"\"Doe, \"\"Jr\"\"\","_s + onesOut + u"\"O\"\"Neil\","_s + onesOut + u"\"Ann\tLee\","_s + onesOut << 0
            << QString();
    QTest::newRow("--header: every line has a name field")
            << QStringList{u"--header"_s} << "Ann," + ones + "\n" + twenties
            << columns + u"Ann,"_s + onesOut + u","_s + twentiesOut << 0 << QString();
    QTest::newRow("--header, nothing to read")
            << QStringList{u"--header"_s} << QByteArray() << columns << 1 << u"no player line"_s;
    QTest::newRow("a bad line names its player") << QStringList{} << "Anna, 1 2 3\n" + ones << onesOut << 1
                                                 << u"line 1 (Anna): expected ten levels, found 3"_s;
    QTest::newRow("a quote left open") << QStringList{} << "\"Anna, " + ones + "\n" + ones << onesOut << 1
                                       << u"line 1: the quoted name has no closing quote"_s;
}

void CliTest::batchReadsRosters()
{
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, input);
    QFETCH(QString, out);
    QFETCH(int, status);
    QFETCH(QString, err);

    QTemporaryFile file;
    if (arguments.contains(u"@file"_s)) {
        QVERIFY(file.open());
        file.write(input);
        file.close();
        arguments.replace(arguments.indexOf(u"@file"_s), file.fileName());
        input.clear();
    }
    const Run run = cli(QStringList{u"batch"_s} + arguments, input);
    QCOMPARE(run.out, out);
    QCOMPARE(run.status, status);
    if (err.isEmpty())
        QCOMPARE(run.err, QString());
    else
        QVERIFY2(run.err.contains(err), qPrintable(run.err));
}

// In process, many players: what the batch writes must be what a document of
// the same object writes, and every value must read back to the same double.
void CliTest::batchJsonIsTheDocumentFormExactly()
{
    const QByteArrayList names{"", "Ann \"Bee\" \\ C", "Zoë", "\xff\xfe broken", "/ slash"};
    QRandomGenerator random(16736);
    for (const LanguageEntry &language : languages()) {
        QList<SkillLevels> players(2000);
        QByteArray input;
        for (qsizetype i = 0; i < players.size(); ++i) {
            input += names[i % names.size()] + (names[i % names.size()].isEmpty() ? "" : "\t");
            for (qint16 &level : players[i]) {
                level = qint16(random.bounded(kLowestLevel, kHighestLevel + 1));
                input += QByteArray::number(level) + ' ';
            }
            input += '\n';
        }
        QBuffer in(&input), out, err;
        in.open(QIODevice::ReadOnly);
        out.open(QIODevice::WriteOnly);
        err.open(QIODevice::WriteOnly);
        QCOMPARE(commands::runBatch(in, out, err, language, commands::OutputFormat::Json), 0);

        const QByteArrayList lines = out.data().split('\n');
        QCOMPARE(lines.size(), players.size() + 1); // and the empty rest after the last line break
        for (qsizetype i = 0; i < players.size(); ++i) {
            const auto result = computeSalary(players[i]);
            const QString name = QString::fromUtf8(names[i % names.size()]);
            QCOMPARE(lines[i] + '\n', format::jsonLine(format::resultObject(language, players[i], *result, name)));
            const QJsonArray values = QJsonDocument::fromJson(lines[i]).object()[u"values"].toArray();
            for (int p = 1; p <= kPositionCount; ++p)
                QVERIFY2(sameBits(values[p - 1].toDouble(), result->values[p]), lines[i].constData());
        }
    }
}

void CliTest::jsonNumbersAsTheDocumentWritesThem_data()
{
    QTest::addColumn<double>("value");

    QTest::newRow("a position value") << 16735.68947680661;
    QTest::newRow("seventeen digits") << 2318.8835180192855;
    QTest::newRow("whole") << 320.0;
    QTest::newRow("whole with zeros") << 5e6;
    QTest::newRow("negative") << -1234.5;
    QTest::newRow("one") << 1.0;
    QTest::newRow("just below one") << 0.9999999999999999;
    QTest::newRow("a half") << 0.5;
    QTest::newRow("small") << 1.5e-5;
    QTest::newRow("negative zero") << -0.0;
    QTest::newRow("just below 1e15") << 999999999999999.9;
    QTest::newRow("1e15") << 1e15;
    QTest::newRow("2^53") << 9007199254740992.0;
    QTest::newRow("whole beyond 2^53") << 1e16;
    QTest::newRow("2^63") << 9223372036854775808.0;
    QTest::newRow("huge") << 1.5e300;
    QTest::newRow("tiniest") << std::numeric_limits<double>::denorm_min();
}

void CliTest::jsonNumbersAsTheDocumentWritesThem()
{
    QFETCH(double, value);
    QByteArray written;
    format::appendJsonNumber(written, value);
    const QByteArray document = QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact);
    QCOMPARE(written, document.sliced(1, document.size() - 2));
    QVERIFY(sameBits(written.toDouble(), value) || value == 0);
}

// Through a shell, as a script meets them: a full disk, a closed standard
// output, and a reader that stops early, also when the parent ignores SIGPIPE.
void CliTest::outputFailures_data()
{
    QTest::addColumn<QString>("command"); // $CLI is the program
    QTest::addColumn<bool>("roster"); // a roster of 200 000 lines on standard input
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("err"); // a part of it; empty for none at all

    const QString full = u"cannot write to standard output: "_s;
    QTest::newRow("calc, full disk") << u"\"$CLI\" calc 8 7 9 10 8 11 3 3 5 2 >/dev/full"_s << false << 1 << full;
    QTest::newRow("advise --json, full disk")
            << u"\"$CLI\" advise 8 7 9 10 8 11 3 3 5 2 --json >/dev/full"_s << false << 1 << full;
    QTest::newRow("languages, output closed") << u"\"$CLI\" languages >&-"_s << false << 1 << full;
    QTest::newRow("batch, full disk") << u"\"$CLI\" batch >/dev/full"_s << true << 1 << full;
    QTest::newRow("batch --json, full disk") << u"\"$CLI\" batch --json >/dev/full"_s << true << 1 << full;
    QTest::newRow("batch, reader gone") << u"\"$CLI\" batch | head -n 1 >/dev/null; exit ${PIPESTATUS[0]}"_s << true
                                        << 128 + 13 << QString();
    QTest::newRow("batch --json, reader gone, SIGPIPE ignored")
            << u"trap '' PIPE; \"$CLI\" batch --json | head -n 1 >/dev/null; exit ${PIPESTATUS[0]}"_s << true
            << 128 + 13 << QString();
}

void CliTest::outputFailures()
{
    QFETCH(QString, command);
    QFETCH(bool, roster);
    QFETCH(int, status);
    QFETCH(QString, err);
    const QString bash = QStandardPaths::findExecutable(u"bash"_s);
    if (bash.isEmpty() || !QFile::exists(u"/dev/full"_s))
        QSKIP("needs bash and /dev/full");

    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"CLI"_s, QStringLiteral(WAGECOURT_CLI_PATH));
    process.setProcessEnvironment(environment);
    process.start(bash, {u"-c"_s, command});
    QVERIFY(process.waitForStarted());
    if (roster)
        process.write(QByteArray("1 1 1 1 1 1 1 1 1 1\n").repeated(200000));
    process.closeWriteChannel();
    QVERIFY(process.waitForFinished(60000));
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), status);
    const QString errors = QString::fromUtf8(process.readAllStandardError());
    if (err.isEmpty())
        QCOMPARE(errors, QString());
    else
        QVERIFY2(errors.startsWith(u"wagecourt-cli: "_s + err) && errors.count(u'\n') == 1, qPrintable(errors));
}

// Through a shell, as a script hands them on: each is refused with a message
// and an exit status that says so, the good lines around it still run, and no
// message carries a control character.
void CliTest::hostileInputIsRefused_data()
{
    QTest::addColumn<QString>("command"); // $CLI is the program, $ONES a good line
    QTest::addColumn<int>("status");
    QTest::addColumn<bool>("onesOut"); // the good line's result, or nothing
    QTest::addColumn<QString>("err"); // a part of it

    QTest::newRow("zero bytes are no header")
            << uR"(printf '\0\0\0' | "$CLI" batch)"_s << 1 << false << uR"(line 1: '\x00\x00\x00' is not a level)"_s;
    QTest::newRow("no player line") << uR"(printf '# roster\n\n' | "$CLI" batch)"_s << 1 << false
                                    << u"no player line"_s;
    QTest::newRow("a header alone") << uR"(printf 'Player,JS\n' | "$CLI" batch --json)"_s << 1 << false
                                    << u"no player line"_s;
    QTest::newRow("1 KiB is no header")
            << uR"({ head -c 1024 /dev/zero | tr '\0' x; echo; echo $ONES; } | "$CLI" batch)"_s << 1 << true
            << u"line 1: 'xxx"_s;
    QTest::newRow("a control character in a name")
            << uR"(printf 'A\033[2JB, %s\n' "$ONES" | "$CLI" batch)"_s << 1 << false
            << uR"(line 1 (A\x1B[2JB): the name holds the control character U+001B)"_s;
    QTest::newRow("a line without end") << uR"({ head -c 200000 /dev/zero; echo; echo $ONES; } | "$CLI" batch)"_s << 1
                                        << true << u"line 1: longer than 65536 bytes, skipped"_s;
    QTest::newRow("a long last line") << uR"({ echo $ONES; head -c 70000 /dev/zero; } | "$CLI" batch -)"_s << 1 << true
                                      << u"line 2: longer than 65536 bytes, skipped"_s;
    QTest::newRow("import of a folder") << uR"("$CLI" import < /)"_s << 1 << false << u"cannot read the input: "_s;
    QTest::newRow("import of endless zeros")
            << uR"(head -c 4000000 /dev/zero | "$CLI" import)"_s << 1 << false << u"more than 1048576 characters"_s;
    QTest::newRow("--lang twice") << uR"("$CLI" calc --lang de --lang fr $ONES)"_s << 2 << false
                                  << u"--lang given 2 times"_s;
    QTest::newRow("book: a name with a control character")
            << uR"sh("$CLI" book --book "$BOOK" keep "$(printf 'A\033[2JB')" < /dev/null)sh"_s << 2 << false
            << u"the name holds a line break, a tab or another control character"_s;
    QTest::newRow("book: a name of 81 characters")
            << uR"sh("$CLI" book --book "$BOOK" keep "$(head -c 81 /dev/zero | tr '\0' n)" < /dev/null)sh"_s << 2
            << false << u"the name is longer than 80 characters"_s;
    QTest::newRow("book: an import over 64 MiB")
            << uR"(head -c 67108865 /dev/zero | "$CLI" book --book "$BOOK" import -)"_s << 1 << false
            << u"'-' is larger than 64 MiB and was not read"_s;
    QTest::newRow("book: a file named that is no book")
            << uR"sh(echo junk > "$BOOK"; "$CLI" book --book "$BOOK" keep X < /dev/null; s=$?; test "$(cat "$BOOK")" = junk && test ! -e "$BOOK.bad" && exit $s)sh"_s
            << 1 << false << u"is not a player book; it was left as it is"_s;
    QTest::newRow("book: a later version's book")
            << uR"sh(python3 -c 'import sqlite3, sys; c = sqlite3.connect(sys.argv[1]); c.execute("pragma application_id = 1466385003"); c.execute("create table players(id)"); c.execute("pragma user_version = 99"); c.commit()' "$BOOK"; cp "$BOOK" "$BOOK.was"; "$CLI" book --book "$BOOK" list; s=$?; cmp -s "$BOOK" "$BOOK.was" && test ! -e "$BOOK.bad" && exit $s)sh"_s
            << 1 << false << u"was written by a later version of Wagecourt and needs that version"_s;
    // Ann and Bob kept, then one of Bob's stored snapshots damaged: he is named, Ann listed, nothing changed.
    const QString damaged =
            uR"sh(for p in Ann Bob; do printf 'Jump Shot: strong\nJump Range: awful\nOutside Def.: awful\nHandling: awful\nDriving: awful\nPassing: awful\nInside Shot: awful\nInside Def.: awful\nRebounding: awful\nShot Blocking: awful\n' | "$CLI" book --book "$BOOK" keep $p > /dev/null || exit 9; done; python3 -c 'import sqlite3, sys; c = sqlite3.connect(sys.argv[1]); c.execute("update players set snapshots = cast(snapshots || x%s as blob) where name = %s" % (chr(39) + "00" + chr(39), chr(39) + "Bob" + chr(39))); c.commit()' "$BOOK"; cp "$BOOK" "$BOOK.was"; "$CLI" book --book "$BOOK" )sh"_s;
    QTest::newRow("book: a damaged player, listed") << damaged
                    + uR"sh(list > "$BOOK.out"; s=$?; grep -q '^Ann ' "$BOOK.out" && cmp -s "$BOOK" "$BOOK.was" && exit $s)sh"_s
                                                    << 1 << false << u"Bob: 1 stored snapshot cannot be read"_s;
    QTest::newRow("book: a damaged player, exported")
            << damaged + uR"sh(export > /dev/null; s=$?; cmp -s "$BOOK" "$BOOK.was" && exit $s)sh"_s << 1 << false
            << u"the export is incomplete"_s;
    QTest::newRow("calc, the game shows another salary")
            << uR"("$CLI" calc --shown '16 800' 8 7 9 10 8 11 3 3 5 2 > /dev/null)"_s << 1 << false
            << u"The game shows 16 800, Wagecourt works out 16 736 (Point Guard)."_s;
    QTest::newRow("book: a forecast from one snapshot")
            << damaged + uR"sh(forecast Ann)sh"_s << 1 << false
            << u"Ann has one snapshot in the book: a forecast needs two at least 14 days apart"_s;
    QTest::newRow("book: a forecast for nobody")
            << uR"("$CLI" book --book "$BOOK" forecast Ann)"_s << 1 << false << u"no player named 'Ann' in the book"_s;
    QTest::newRow("book: an unknown player")
            << uR"("$CLI" book --book "$BOOK" history Ann)"_s << 1 << false << u"no player named 'Ann' in the book"_s;
}

void CliTest::hostileInputIsRefused()
{
    QFETCH(QString, command);
    QFETCH(int, status);
    QFETCH(bool, onesOut);
    QFETCH(QString, err);
    const QString bash = QStandardPaths::findExecutable(u"bash"_s);
    if (bash.isEmpty())
        QSKIP("needs bash");

    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"CLI"_s, QStringLiteral(WAGECOURT_CLI_PATH));
    environment.insert(u"ONES"_s, u"1 1 1 1 1 1 1 1 1 1"_s);
    const QTemporaryDir scratch;
    environment.insert(u"BOOK"_s, scratch.filePath(u"book.sqlite"_s));
    process.setProcessEnvironment(environment);
    process.start(bash, {u"-c"_s, command});
    QVERIFY(process.waitForStarted());
    process.closeWriteChannel();
    QVERIFY(process.waitForFinished(60000));
    QCOMPARE(process.exitCode(), status);
    QCOMPARE(process.readAllStandardOutput(), QByteArray(onesOut ? "1,1,1,1,1,1,1,1,1,1,504,3,Small Forward\n" : ""));
    const QString errors = QString::fromUtf8(process.readAllStandardError());
    QVERIFY2(errors.contains(err), qPrintable(errors));
    QVERIFY2(!errors.contains(QRegularExpression(u"[\\x00-\\x09\\x0b-\\x1f\\x7f]"_s)), qPrintable(errors));
}

void CliTest::languagesAndVersion()
{
    Run run = cli({u"languages"_s});
    QCOMPARE(run.status, 0);
    QCOMPARE(run.out, languageNames().join(u'\n') + u'\n');

    run = cli({u"--version"_s});
    QCOMPARE(run.status, 0);
    QCOMPARE(run.out, u"1.00 (formula 1)\n"_s);

    run = cli({u"languages"_s, u"--json"_s});
    QCOMPARE(run.status, 0);
    const QJsonArray list = QJsonDocument::fromJson(run.out.toUtf8()).array();
    const QStringList codes{u"en"_s, u"tr"_s, u"es"_s, u"it"_s, u"fr"_s, u"de"_s, u"pl"_s, u"pt"_s};
    QCOMPARE(list.size(), codes.size());
    for (qsizetype i = 0; i < list.size(); ++i)
        QCOMPARE(list[i].toObject(), (QJsonObject{{u"name"_s, languageNames()[i]}, {u"code"_s, codes[i]}}));

    // Every command has a usage line, every option an entry.
    run = cli({u"--help"_s});
    QCOMPARE(run.status, 0);
    for (const QString &command :
         {u"calc L1 ... L10"_s, u"advise L1 ... L10"_s, u"import"_s, u"batch"_s, u"languages"_s})
        QVERIFY2(run.out.contains(QRegularExpression(u"^(Usage:|  or: ) wagecourt-cli "_s + command,
                                                     QRegularExpression::MultilineOption)),
                 qPrintable(command));
    for (const QString &option : {u"--lang"_s, u"--json"_s, u"--header"_s, u"--help"_s, u"--version"_s})
        QVERIFY2(run.out.contains(QRegularExpression(u"^  (-\\w, )?"_s + option, QRegularExpression::MultilineOption)),
                 qPrintable(option));
}

void CliTest::messagesFollowTheLocale_data()
{
    QTest::addColumn<QStringList>("locale");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QString>("says"); // on standard output or error

    const QString german = u"LANG=de_DE.UTF-8"_s;
    const QStringList calc{u"calc"_s};
    const QStringList twoFiles{u"import"_s, u"a"_s, u"b"_s};
    const QStringList englishImport{u"import"_s, u"--lang"_s, u"en"_s};
    QTest::newRow("LANG German") << QStringList{german} << QStringList{u"--help"_s} << QByteArray()
                                 << u"Aufruf: wagecourt-cli calc L1 ... L10"_s;
    QTest::newRow("LANG C") << QStringList{u"LANG=C"_s} << QStringList{u"--help"_s} << QByteArray()
                            << u"Usage: wagecourt-cli calc L1 ... L10"_s;
    QTest::newRow("nothing set") << QStringList{} << calc << QByteArray() << u"calc takes ten levels, 0 given"_s;
    QTest::newRow("LANGUAGE before LANG") << QStringList{u"LANGUAGE=fr:de"_s, german} << calc << QByteArray()
                                          << u"calc attend dix niveaux, 0 reçu\n"_s;
    QTest::newRow("LANGUAGE past a language of none of ours")
            << QStringList{u"LANGUAGE=ja:it_IT"_s, german} << calc << QByteArray() << u"richiede dieci livelli"_s;
    QTest::newRow("LANGUAGE ignored under C")
            << QStringList{u"LANGUAGE=de"_s, u"LANG=C.UTF-8"_s} << calc << QByteArray() << u"calc takes ten levels"_s;
    QTest::newRow("LANGUAGE ignored under POSIX") << QStringList{u"LANGUAGE=de"_s, u"LC_ALL=POSIX"_s, german} << calc
                                                  << QByteArray() << u"calc takes ten levels"_s;
    QTest::newRow("LC_ALL over LANG") << QStringList{u"LC_ALL=C"_s, german} << calc << QByteArray()
                                      << u"calc takes ten levels"_s;
    QTest::newRow("LC_ALL over LC_MESSAGES") << QStringList{u"LC_ALL=pl_PL.UTF-8"_s, u"LC_MESSAGES=de_DE"_s} << calc
                                             << QByteArray() << u"calc wymaga dziesięciu poziomów, podano 0"_s;
    QTest::newRow("LC_MESSAGES over LANG")
            << QStringList{u"LC_MESSAGES=tr_TR.UTF-8"_s, german} << calc << QByteArray() << u"calc on seviye ister"_s;
    QTest::newRow("Brazil's Portuguese") << QStringList{u"LANG=pt_BR.UTF-8"_s} << twoFiles << QByteArray()
                                         << u"foram indicados 2 ficheiros"_s;
    QTest::newRow("Portugal's Portuguese, none takes the plural")
            << QStringList{u"LANG=pt_PT.UTF-8"_s} << calc << QByteArray() << u"foram indicados 0\n"_s;
    QTest::newRow("a language of none of ours") << QStringList{u"LANG=ja_JP.UTF-8"_s} << twoFiles << QByteArray()
                                                << u"import reads one list, 2 files given"_s;
    QTest::newRow("English, one colon") << QStringList{} << englishImport << QByteArray("a:b\n")
                                        << u"it holds 1 colon, a skill list"_s;
    QTest::newRow("German, one colon") << QStringList{german} << englishImport << QByteArray("a:b\n")
                                       << u"der Text enthält 1 Doppelpunkt, eine"_s;
    QTest::newRow("German, two colons") << QStringList{german} << englishImport << QByteArray("a:b:c\n")
                                        << u"der Text enthält 2 Doppelpunkte, eine"_s;
    QTest::newRow("Polish, few") << QStringList{u"LANG=pl_PL.UTF-8"_s}
                                 << QStringList{u"calc"_s, u"--lang=en"_s, u"--lang=de"_s, u"--lang=fr"_s}
                                 << QByteArray() << u"opcję --lang podano 3 razy"_s;
    QTest::newRow("Qt's own words") << QStringList{german} << QStringList{u"calc"_s, u"--lang"_s} << QByteArray()
                                    << u"Nach '--lang' fehlt der Wert"_s;
}

void CliTest::messagesFollowTheLocale()
{
    QFETCH(QStringList, locale);
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, input);
    QFETCH(QString, says);
    const Run run = cli(arguments, input, locale);
    QVERIFY2((run.out + run.err).contains(says), qPrintable(run.out + run.err));
}

void CliTest::whatScriptsReadIsTheSameInEveryLocale_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("input");

    const QByteArray twoColons = "Jump Shot: a: b\n";
    QTest::newRow("calc --json") << QStringList{u"calc"_s, u"--json"_s} + kSampleArguments << QByteArray();
    QTest::newRow("calc table") << QStringList{u"calc"_s} + kSampleArguments << QByteArray();
    QTest::newRow("advise table") << QStringList{u"advise"_s, u"--lang=fr"_s} + kSampleArguments << QByteArray();
    QTest::newRow("advise --json") << QStringList{u"advise"_s, u"--json"_s} + kSampleArguments << QByteArray();
    QTest::newRow("refused import --json") << QStringList{u"import"_s, u"--json"_s, u"--lang=de"_s} << twoColons;
    QTest::newRow("refused import in any language") << QStringList{u"import"_s, u"--json"_s} << twoColons;
    QTest::newRow("text too long") << QStringList{u"import"_s, u"--json"_s}
                                   << QByteArray(int(kMaxPastedCharacters) + 2, 'x');
    QTest::newRow("batch --header") << QStringList{u"batch"_s, u"--header"_s}
                                    << QByteArray("Ann,8 7 9 10 8 11 3 3 5 2\n");
    QTest::newRow("languages --json") << QStringList{u"languages"_s, u"--json"_s} << QByteArray();
}

void CliTest::whatScriptsReadIsTheSameInEveryLocale()
{
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, input);
    const Run english = cli(arguments, input, {u"LANG=C"_s});
    QVERIFY(!english.out.isEmpty());
    for (const QString &locale : {u"LANG=de_DE.UTF-8"_s, u"LC_ALL=pl_PL.UTF-8"_s, u"LANGUAGE=tr"_s}) {
        const Run translated = cli(arguments, input, {locale, u"LC_MESSAGES=fr_FR.UTF-8"_s});
        QCOMPARE(translated.status, english.status);
        QCOMPARE(translated.out, english.out);
    }
}

void CliTest::helpFitsEightyColumnsInEveryLanguage_data()
{
    QTest::addColumn<QString>("code");
    for (const LanguageEntry &entry : languages())
        QTest::newRow(qPrintable(languageCode(entry).toString())) << languageCode(entry).toString();
}

void CliTest::helpFitsEightyColumnsInEveryLanguage()
{
    QFETCH(QString, code);
    const Run run = cli({u"--help"_s}, {}, {u"LANG=en_US.UTF-8"_s, u"LANGUAGE="_s + code});
    QCOMPARE(run.status, 0);
    QCOMPARE(run.out.startsWith(u"Usage: "_s), code == u"en"_s);
    for (const QString &line : run.out.split(u'\n'))
        QVERIFY2(line.size() <= 80, qPrintable(line));
}

void CliTest::bookRoundTripsByteForByte_data()
{
    QTest::addColumn<QString>("form"); // the export's option
    QTest::newRow("CSV") << QString();
    QTest::newRow("JSON lines") << u"--json"_s;
}

// Kept from pasted lists in two languages, exported, imported into a new book
// and exported again: the same bytes.
void CliTest::bookRoundTripsByteForByte()
{
    QFETCH(QString, form);
    const QTemporaryDir scratch;
    const QString book = scratch.filePath(u"first.sqlite"_s);
    const QStringList inBook{u"book"_s, u"--book"_s, book};
    const LanguageEntry &deutsch = *findLanguage(u"Deutsch");
    const LanguageEntry &turkce = *findLanguage(u"Türkçe");
    QList<int> better = kSample;
    better[0] += 2;
    QCOMPARE(cli(inBook
                         + QStringList{u"keep"_s, u"Józef, \"the Wall\""_s, u"--date"_s, u"2026-11-30"_s, u"--note"_s,
                                       u"left, \"weak\" foot"_s},
                 (test::skillList(deutsch, kSample) + u'\n').toUtf8())
                     .status,
             0);
    QCOMPARE(cli(inBook + QStringList{u"keep"_s, u"Józef, \"the Wall\""_s, u"--date"_s, u"2026-12-07"_s},
                 (test::skillList(deutsch, better) + u'\n').toUtf8())
                     .status,
             0);
    QCOMPARE(cli(inBook + QStringList{u"keep"_s, u"Çağrı"_s, u"-"_s},
                 (test::skillList(turkce, kSample) + u'\n').toUtf8())
                     .status,
             0);

    const Run list = cli(inBook + QStringList{u"list"_s, u"--json"_s});
    QCOMPARE(list.status, 0);
    const QStringList lines = list.out.split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 2);
    const QJsonObject first = QJsonDocument::fromJson(lines[1].toUtf8()).object(); // names sort as case folds them
    QCOMPARE(first[u"name"].toString(), u"Józef, \"the Wall\""_s);
    QCOMPARE(first[u"language"].toString(), u"Deutsch"_s);
    QCOMPARE(first[u"change"].toInteger(),
             computeSalary(test::levelsOf(better))->salary - computeSalary(test::levelsOf(kSample))->salary);

    const Run exported = cli(inBook + QStringList{u"export"_s} + QStringList(form).filter(u"-"_s));
    QCOMPARE(exported.status, 0);
    QTemporaryFile file(scratch.filePath(u"book-XXXXXX"_s));
    QVERIFY(file.open() && file.write(exported.out.toUtf8()) == exported.out.toUtf8().size());
    file.close();
    const QStringList inNewBook{u"book"_s, u"--book"_s, scratch.filePath(u"second.sqlite"_s)};
    const Run imported = cli(inNewBook + QStringList{u"import"_s, file.fileName()});
    QCOMPARE(imported.status, 0);
    QCOMPARE(imported.out,
             u"Imported: 3 snapshots added, 2 new players, 0 snapshots already in the book, 0 lines refused.\n"_s);
    QCOMPARE(cli(inNewBook + QStringList{u"export"_s} + QStringList(form).filter(u"-"_s)).out, exported.out);
}

// The same file into the same book: the summary and every refused line as the
// page and the window say them (tst_webmodule, tst_form1_book).
void CliTest::bookCases()
{
    QFETCH(QByteArray, book);
    QFETCH(QByteArray, file);
    QFETCH(QString, summary);
    QFETCH(QStringList, refused);
    QTemporaryDir scratch;
    const QStringList inBook{u"book"_s, u"--book"_s, scratch.filePath(u"book.sqlite"_s)};
    if (!book.isEmpty())
        QCOMPARE(cli(inBook + QStringList{u"import"_s, u"-"_s}, book).status, 0);
    const Run imported = cli(inBook + QStringList{u"import"_s, u"-"_s}, file);
    QCOMPARE(imported.status, refused.isEmpty() ? 0 : 1);
    QCOMPARE(imported.out, summary + u'\n');
    QCOMPARE(imported.err, refused.isEmpty() ? QString() : refused.join(u'\n') + u'\n');
}

void CliTest::planIsWhatCalcGives_data()
{
    QTest::addColumn<QList<int>>("levels");
    QTest::addColumn<QStringList>("options");
    QTest::newRow("the sample, a plan, a limit, 3 raises")
            << kSample << QStringList{u"--to"_s,    u"IS=6"_s,  u"--to"_s,       u"rb=4"_s,
                                      u"--limit"_s, u"18,000"_s, u"--cheapest"_s, u"3"_s};
    QTest::newRow("a centre, raises among three") << QList<int>{2, 2, 3, 4, 2, 2, 15, 14, 16, 12}
                                                  << QStringList{u"--cheapest"_s, u"4"_s, u"--skills"_s, u"IS,id,RB"_s};
    QTest::newRow("over the limit already")
            << QList<int>{20, 20, 20, 20, 20, 20, 20, 20, 20, 19} << QStringList{u"--limit"_s, u"1000"_s};
}

// Every salary plan --json gives is the one calc gives for those levels; the
// limit's levels are the highest within it, and the cheapest raises the least
// of every way, counted here plainly.
void CliTest::planIsWhatCalcGives()
{
    QFETCH(QList<int>, levels);
    QFETCH(QStringList, options);
    const Run run = cli(QStringList{u"plan"_s} + argumentsOf(levels) + options + QStringList{u"--json"_s});
    QCOMPARE(run.status, 0);
    const QJsonObject plan = run.json();
    const SkillLevels start = test::levelsOf(levels);
    auto salaryOf = [](SkillLevels at) { return computeSalary(at).value(); };
    QCOMPARE(plan[u"salary"_s].toInt(), salaryOf(start).salary);
    for (const QJsonValue skill : plan[u"worth"_s].toArray()) {
        const int k = skill[u"skill"_s].toInt();
        QCOMPARE(skill[u"level"_s].toInt(), int(start[k]));
        QCOMPARE(skill[u"steps"_s].toArray().size(), kHighestLevel - start[k]);
        for (const QJsonValue step : skill[u"steps"_s].toArray()) {
            SkillLevels at = start;
            at[k] = qint16(step[u"level"_s].toInt());
            QCOMPARE(step[u"salary"_s].toInt(), salaryOf(at).salary);
            QCOMPARE(step[u"position"_s].toInt(), salaryOf(at).position);
        }
    }
    SkillLevels at = start;
    for (const QJsonValue step : plan[u"plan"_s].toArray()) {
        at[step[u"skill"_s].toInt()] = qint16(step[u"level"_s].toInt());
        QCOMPARE(step[u"salary"_s].toInt(), salaryOf(at).salary);
    }
    if (plan.contains(u"limit"_s)) {
        const qint32 limit = plan[u"limit"_s][u"salary"_s].toInt();
        for (const QJsonValue highest : plan[u"limit"_s][u"highest"_s].toArray()) {
            const int k = highest[u"skill"_s].toInt();
            SkillLevels moved = start;
            if (highest[u"level"_s].isNull()) {
                QVERIFY(salaryOf(start).salary > limit);
                continue;
            }
            moved[k] = qint16(highest[u"level"_s].toInt());
            QVERIFY(salaryOf(moved).salary <= limit);
            if (moved[k] < kHighestLevel) {
                ++moved[k];
                QVERIFY(salaryOf(moved).salary > limit);
            }
        }
    }
    if (plan.contains(u"cheapest"_s)) {
        const QJsonObject cheapest = plan[u"cheapest"_s].toObject();
        QStringList skills = options.mid(options.indexOf(u"--skills"_s) + 1, 1);
        const QString allowed = options.contains(u"--skills"_s) ? skills.front().toUpper() : QString();
        const QStringList codes{u"JS"_s, u"JR"_s, u"OD"_s, u"HA"_s, u"DR"_s,
                                u"PA"_s, u"IS"_s, u"ID"_s, u"RB"_s, u"SB"_s};
        // Every way to take the raises, one skill after another, never past 20.
        qint32 least = std::numeric_limits<qint32>::max();
        std::function<void(SkillLevels, int, int)> every = [&](SkillLevels tried, int from, int left) {
            if (left == 0) {
                least = std::min(least, salaryOf(tried).salary);
                return;
            }
            for (int k = from; k <= kSalarySkillCount; ++k)
                if (tried[k] < kHighestLevel && (allowed.isEmpty() || allowed.contains(codes[k - 1]))) {
                    ++tried[k];
                    every(tried, k, left - 1);
                    --tried[k];
                }
        };
        every(start, 1, cheapest[u"steps"_s].toInt());
        QCOMPARE(cheapest[u"salary"_s].toInt(), least);
        QCOMPARE(cheapest[u"change"_s].toInt(), least - salaryOf(start).salary);
    }
}

QTEST_GUILESS_MAIN(CliTest)
#include "tst_cli.moc"
