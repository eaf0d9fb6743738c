#include "engine/salary.h"
#include "i18n/catalogue.h"
#include "import/skilllist.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryFile>
#include <QTest>

#include <cstring>

using namespace wagecourt;
using namespace Qt::StringLiterals;

namespace {

struct Run
{
    int status = -1;
    QString out;
    QString err;

    QJsonObject json() const { return QJsonDocument::fromJson(out.toUtf8()).object(); }
};

// The real binary, so exit statuses and streams are what a script sees.
Run cli(const QStringList &arguments, const QByteArray &input = {})
{
    QProcess process;
    process.start(QStringLiteral(WAGECOURT_CLI_PATH), arguments);
    if (!process.waitForStarted())
        return {};
    process.write(input);
    process.closeWriteChannel();
    process.waitForFinished(60000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()), QString::fromUtf8(process.readAllStandardError())};
}

QString skillList(const LanguageEntry &entry, const QList<int> &levels)
{
    QStringList lines;
    for (int skill = 1; skill <= kSkillCaptionCount; ++skill)
        lines << entry.skillCaption(skill) + u' ' + entry.levelName(levels.value(skill - 1, 1));
    return lines.join(u'\n') + u'\n';
}

const QList<int> kSample{8, 7, 9, 10, 8, 11, 3, 3, 5, 2, 12, 12, 12};
const QStringList kSampleArguments{u"8"_s, u"7"_s, u"9"_s, u"10"_s, u"8"_s,
                                   u"11"_s, u"3"_s, u"3"_s, u"5"_s, u"2"_s};

} // namespace

class CliTest : public QObject
{
    Q_OBJECT

private slots:
    void calcJsonHasEveryFieldExactly();
    void calcTableUsesTheLanguage();
    void usageErrorsNameTheBadArgument_data();
    void usageErrorsNameTheBadArgument();
    void importAcceptsWhatTheWindowAccepts();
    void importAutoTakesTheFirstLanguageThatReadsTheList();
    void importReadsTheWindowsCopy();
    void importRejectionSaysWhatFailed_data();
    void importRejectionSaysWhatFailed();
    void batchKeepsGoingPastABadLine();
    void batchJsonIsOneObjectPerLine();
    void languagesAndVersion();
};

void CliTest::calcJsonHasEveryFieldExactly()
{
    const Run run = cli(QStringList{u"calc"_s} + kSampleArguments + QStringList{u"--json"_s});
    QCOMPARE(run.status, 0);
    QVERIFY(run.out.endsWith(u'\n'));
    const QJsonObject object = run.json();
    QCOMPARE(object.keys(), (QStringList{u"language"_s, u"levels"_s, u"position"_s, u"position_name"_s,
                                         u"salary"_s, u"salary_text"_s, u"values"_s}));
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
    const Run run = cli({u"calc"_s, u"3"_s, u"11"_s, u"4"_s, u"16"_s, u"12"_s, u"6"_s, u"1"_s, u"14"_s, u"9"_s,
                         u"10"_s, u"--lang"_s, u"Deutsch"_s});
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
    QTest::newRow("eleven levels") << QStringList{u"calc"_s} + kSampleArguments + QStringList{u"4"_s}
                                   << u"11 given"_s;
    QTest::newRow("21") << QStringList{u"calc"_s} + nine + QStringList{u"21"_s} << u"'21'"_s;
    QTest::newRow("0") << QStringList{u"calc"_s, u"0"_s} + nine << u"'0'"_s;
    QTest::newRow("fraction") << QStringList{u"calc"_s} + nine + QStringList{u"1.5"_s} << u"'1.5'"_s;
    QTest::newRow("word") << QStringList{u"calc"_s, u"strong"_s} + nine << u"'strong'"_s;
    QTest::newRow("negative") << QStringList{u"calc"_s, u"-3"_s} + nine << u"'-3'"_s;
    QTest::newRow("unknown language") << QStringList{u"calc"_s} + kSampleArguments
                    + QStringList{u"--lang"_s, u"english"_s} << u"'english'"_s;
    QTest::newRow("auto only for import") << QStringList{u"batch"_s, u"--lang"_s, u"auto"_s} << u"'auto'"_s;
    QTest::newRow("unknown option") << QStringList{u"calc"_s, u"--fast"_s} << u"'--fast'"_s;
    QTest::newRow("unknown command") << QStringList{u"salary"_s} << u"'salary'"_s;
    QTest::newRow("no command") << QStringList{} << u"no command"_s;
    QTest::newRow("two files") << QStringList{u"import"_s, u"a"_s, u"b"_s} << u"2 files"_s;
    QTest::newRow("missing file") << QStringList{u"import"_s, u"/nonexistent/list.txt"_s}
                                  << u"'/nonexistent/list.txt'"_s;
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

void CliTest::importAcceptsWhatTheWindowAccepts()
{
    const LanguageEntry &english = *findLanguage(u"English");
    const QByteArray list = skillList(english, kSample).toUtf8();

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
              skillList(*findLanguage(u"Polski"), kSample).toUtf8());
    QCOMPARE(run.status, 0);
    QCOMPARE(run.json()[u"language"].toString(), u"Polski"_s);
    QCOMPARE(run.json()[u"salary"].toInteger(), 16736);
}

void CliTest::importAutoTakesTheFirstLanguageThatReadsTheList()
{
    for (const LanguageEntry &entry : languages()) {
        const Run run = cli({u"import"_s, u"--lang"_s, u"auto"_s, u"--json"_s}, skillList(entry, kSample).toUtf8());
        QCOMPARE(run.status, 0);
        // Français shares "Jump " with English; English is tried first and cannot read it.
        QCOMPARE(run.json()[u"language"].toString(), entry.name.toString());
        QCOMPARE(run.json()[u"salary"].toInteger(), 16736);
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

    const QString english = skillList(*findLanguage(u"English"), kSample);
    QTest::newRow("wrong language") << QStringList{u"--lang"_s, u"Deutsch"_s} << english << u"check"_s
                                    << u"Deutsch"_s << u"\"Sprun\""_s;
    QTest::newRow("too many colons") << QStringList{} << english + u"Age: 20\n"_s << u"check"_s << u"English"_s
                                     << u"14 colons"_s;
    QTest::newRow("English read as French") << QStringList{u"--lang"_s, u"Français"_s} << english << u"level"_s
                                            << u"Français"_s << u"skill 1"_s;
    QString bad = english;
    bad.replace(u"Passing: prolific"_s, u"Passing: brilliant"_s);
    QTest::newRow("unknown level name") << QStringList{} << bad << u"level"_s << u"English"_s
                                        << u"Passing (skill 6)"_s;
    QTest::newRow("over a megabyte") << QStringList{} << english + QString(1 << 20, u'x') << u"check"_s
                                     << u"English"_s << u"1048576"_s;
    QTest::newRow("auto, nothing fits") << QStringList{u"--lang"_s, u"auto"_s} << u"hello"_s << u"check"_s
                                        << QString() << u"any of the game languages"_s;
    QTest::newRow("auto, a level unreadable") << QStringList{u"--lang"_s, u"auto"_s} << bad << u"level"_s
                                              << u"English"_s << u"Passing (skill 6)"_s;
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
    QCOMPARE(lines[0], kImportErrorText.toString());
    QVERIFY2(lines[1].contains(detail), qPrintable(lines[1]));

    run = cli(QStringList{u"import"_s, u"--json"_s} + arguments, text.toUtf8());
    QCOMPARE(run.status, 1);
    const QJsonObject object = run.json();
    QCOMPARE(object[u"accepted"], QJsonValue(false));
    QCOMPARE(object[u"reason"].toString(), reason);
    QCOMPARE(object[u"error"].toString(), kImportErrorText.toString());
    QCOMPARE(object[u"language"], language.isEmpty() ? QJsonValue(QJsonValue::Null) : QJsonValue(language));
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
    QCOMPARE(run.out, u"1,1,1,1,1,1,1,1,1,1,504,3,Small Forward\n"
                      u"20,20,20,20,20,20,20,20,20,20,4009568,4,Power Forward\n"
                      u"5,4,3,6,5,3,12,13,14,9,68131,5,Center\n"
                      u"6,3,5,9,1,14,2,18,8,11,21399,5,Center\n"_s);
    const QStringList errors = run.err.split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(errors.size(), 2);
    QVERIFY2(errors[0].startsWith(u"line 6: "_s) && errors[0].contains(u"found 3"_s), qPrintable(errors[0]));
    QVERIFY2(errors[1].startsWith(u"line 8: "_s) && errors[1].contains(u"'21'"_s), qPrintable(errors[1]));

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

void CliTest::languagesAndVersion()
{
    Run run = cli({u"languages"_s});
    QCOMPARE(run.status, 0);
    QCOMPARE(run.out, languageNames().join(u'\n') + u'\n');

    run = cli({u"--version"_s});
    QCOMPARE(run.status, 0);
    QCOMPARE(run.out, u"1.00\n"_s);

    run = cli({u"--help"_s});
    QCOMPARE(run.status, 0);
    QVERIFY(run.out.contains(u"wagecourt-cli calc L1 ... L10"_s));
}

QTEST_GUILESS_MAIN(CliTest)
#include "tst_cli.moc"
