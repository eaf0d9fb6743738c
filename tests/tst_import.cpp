#include "catalogue/catalogue.h"
#include "engine/salary.h"
#include "import/skilllist.h"
#include "presentation/resulttext.h"
#include "onelevelatatime.h"

#include <QRandomGenerator>
#include "testlists.h"

#include <QTest>

using namespace wagecourt;
using wagecourt::testing::replaceOneLevelAtATime;
using namespace Qt::StringLiterals;

namespace {

const LanguageEntry &language(QStringView name)
{
    return *findLanguage(name);
}

const LanguageEntry &english()
{
    return language(u"English");
}

// A level name as a list may write it: as listed, in capitals (I for i and ı,
// SS for ß), in Turkish capitals (İ for i, I for ı), or with ss for ß.
QString written(const QString &name, QStringView form)
{
    if (form == u"capitals")
        return name.toUpper();
    if (form == u"Turkish capitals")
        return QString(name).replace(u'i', u'\u0130').toUpper();
    if (form == u"ss for ß")
        return QString(name).replace(u'ß', u"ss"_s);
    return name;
}

// A list as the game's page gives it, its level names written in one form.
QString skillList(const LanguageEntry &entry, const QList<int> &levels, int skills = kSkillCaptionCount,
                  const QString &afterColon = u" "_s, QStringView form = u"as listed")
{
    return test::skillList(entry, levels, skills, afterColon,
                           [form](const QString &name) { return written(name, form); });
}

const QList<int> kSample{20, 3, 10, 1, 8, 6, 5, 14, 2, 19, 4, 9, 7};

// A list as it may arrive: alone, with its line breaks turned into spaces, or
// inside a whole copied page, with colons, numbers, level names, a lone Jump
// Shot line and a second list around it.
QString laidOut(const LanguageEntry &entry, QString list, QStringView form)
{
    if (form == u"on one line")
        return list.replace(u'\n', u' ');
    if (form != u"inside a page")
        return list;
    const QString jumpShot = entry.skillCaption(1);
    return u"Home | Team: Tarvel | Market\nPlayer: Ann Lee, ID: 4711, age: 24\nScouts: "_s + entry.levelName(20)
            + u' ' + jumpShot.chopped(1) + u"!\nBest: "_s + jumpShot + u' ' + entry.levelName(12) + u'\n' + list
            + u"\nForm: "_s + entry.levelName(9) + u"\nWage: 12 345, height: 198 cm\nLast match: 12:30\nA year ago: "_s
            + skillList(entry, QList<int>(kSkillCaptionCount, 1));
}

SkillListImport importAs(const LanguageEntry &entry, const QString &text)
{
    return importSkillList(text, entry.skillCaption(1), entry.levelNameTable());
}

QList<int> levelsOf(const SkillListImport &import)
{
    return QList<int>(import.levels.begin(), import.levels.end());
}

} // namespace

class ImportTest : public QObject
{
    Q_OBJECT

private slots:
    void theCheck_data();
    void theCheck();
    void everyLanguageReadsItsOwnList_data();
    void everyLanguageReadsItsOwnList();
    void levelReading_data();
    void levelReading();
    void trailingSkillsChangeNoLevel_data();
    void trailingSkillsChangeNoLevel();
    void replacedTextKeepsEverythingButTheNames();
    void levelNamesMatchInAnyLetterCase_data();
    void levelNamesMatchInAnyLetterCase();
    void replacementMatchesOneLevelAtATime();
    void aListInAnotherLanguageIsRejectedWhole();
    void misreadShapesAreReadAsWritten_data();
    void misreadShapesAreReadAsWritten();
    void unreadableLevelsRejectTheWholeList_data();
    void unreadableLevelsRejectTheWholeList();
    void longTexts();
    void importIntoThePlayerState();
};

void ImportTest::theCheck_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<int>("colons");

    const QString full = skillList(english(), kSample);
    QTest::newRow("13 colons, through Experience") << u"English"_s << full << true << 13;
    QTest::newRow("10 colons, through Shot Blocking") << u"English"_s << skillList(english(), kSample, 10) << true
                                                      << 10;
    QTest::newRow("9 colons") << u"English"_s << skillList(english(), kSample, 9) << false << 9;
    // A list further into a text counts its own colons only.
    QTest::newRow("a line after Experience") << u"English"_s << full + u"\nAge: 21"_s << true << 13;
    const QString colonInside = QString(full).replace(u"\nInside Shot"_s, u":\nInside Shot"_s);
    QTest::newRow("14 colons, one inside the list") << u"English"_s << colonInside << false << 14;
    QTest::newRow("leading spaces") << u"English"_s << u"   "_s + full << true << 13;
    QTest::newRow("leading tab") << u"English"_s << u"\t"_s + full << true << 13;
    QTest::newRow("leading line break") << u"English"_s << u"\n"_s + full << true << 13;
    QTest::newRow("leading no-break space") << u"English"_s << u"\u00A0"_s + full << true << 13;
    const QString noList = u"Drill: Jump Shot: legendary\n"_s + u"Age: 24\nForm: 19\n"_s.repeated(6);
    QTest::newRow("the only Jump Shot no list") << u"English"_s << noList << false << 14;
    const QString numbers = u"Page\n"_s + replaceLevelNames(full, english().levelNameTable());
    QTest::newRow("numbers, not names, inside a page") << u"English"_s << numbers << false << 13;
    QTest::newRow("line breaks dropped, inside a page") << u"English"_s << u"Page: 1\n"_s + QString(full).remove(u'\n')
                                                        << true << 13;
    QTest::newRow("small letters") << u"English"_s << u"jump shot"_s + full.sliced(9) << false << 13;
    QTest::newRow("empty") << u"English"_s << QString() << false << 0;
    QTest::newRow("only colons") << u"English"_s << u"::::::::::::"_s << false << 12;
    QTest::newRow("shorter than five") << u"English"_s << u"Jump"_s << false << 0;
    QTest::newRow("Español needs the colon") << u"Español"_s << skillList(language(u"Español"), kSample) << true
                                             << 13;
    QTest::newRow("Español without colon") << u"Español"_s
                                           << u"Tiro "_s + skillList(language(u"Español"), kSample).sliced(5)
                                           << false << 12;
    QTest::newRow("English list, Deutsch chosen") << u"Deutsch"_s << full << false << 13;
}

void ImportTest::theCheck()
{
    QFETCH(QString, language);
    QFETCH(QString, text);
    QFETCH(bool, accepted);
    QFETCH(int, colons);

    const SkillListImport import = importAs(*findLanguage(language), text);
    QCOMPARE(import.colonCount, colons);
    QCOMPARE(import.outcome == ImportOutcome::CheckFailed, !accepted);
    QCOMPARE(import.accepted(), accepted);
    if (!accepted)
        QVERIFY(import.replacedText.isEmpty());
}

void ImportTest::everyLanguageReadsItsOwnList_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("form"); // how the level names are written
    for (QStringView name : languageNames())
        for (QStringView form : {u"as listed", u"capitals", u"Turkish capitals", u"on one line", u"inside a page"})
            QTest::newRow((name.toString() + u", "_s + form.toString()).toUtf8().constData()) << name.toString() << form.toString();
    QTest::newRow("Deutsch, ss for ß") << u"Deutsch"_s << u"ss for ß"_s;
}

void ImportTest::everyLanguageReadsItsOwnList()
{
    QFETCH(QString, language);
    QFETCH(QString, form);
    const LanguageEntry &entry = *findLanguage(language);
    QRandomGenerator random(quint32(qHash(language)));
    for (int round = 0; round < 200; ++round) {
        QList<int> levels;
        for (int skill = 1; skill <= kSkillCaptionCount; ++skill)
            levels << random.bounded(1, 21);
        const SkillListImport import
                = importAs(entry, laidOut(entry, skillList(entry, levels, kSkillCaptionCount, u" "_s, form), form));
        QVERIFY(import.accepted());
        QCOMPARE(levelsOf(import), levels.first(kSalarySkillCount));
        QCOMPARE((QList<int>{import.otherLevels[11], import.otherLevels[12], import.otherLevels[13]}), levels.sliced(10));
        // The window's copy of the player, all thirteen skills and the salary line, reads back the same.
        const QString copy = skillListText(entry, import.levels, import.otherLevels);
        const SkillListImport copied = importAs(entry, copy);
        QVERIFY2(copied.accepted(), qPrintable(copy));
        QCOMPARE(copied.colonCount, kSkillCaptionCount);
        QCOMPARE(levelsOf(copied), levels.first(kSalarySkillCount));
        QCOMPARE(copied.otherLevels, import.otherLevels);
    }
    SkillLevels outside;
    outside.fill(0);
    QVERIFY(skillListText(entry, outside).isEmpty());
    // Every level at least once in every skill.
    for (int level = 1; level <= kLevelCount; ++level) {
        const QList<int> same(kSkillCaptionCount, level);
        QCOMPARE(levelsOf(importAs(entry, laidOut(entry, skillList(entry, same, kSkillCaptionCount, u" "_s, form), form))),
                 same.first(kSalarySkillCount));
    }
}

void ImportTest::levelReading_data()
{
    QTest::addColumn<QString>("text"); // names already replaced
    QTest::addColumn<int>("level");

    QTest::newRow("20") << u"x:  20"_s << 20;
    QTest::newRow("10") << u"x:  10\n"_s << 10;
    QTest::newRow("3 and tab") << u"x:  3\t"_s << 3;
    QTest::newRow("3 and line break") << u"x:  3\n"_s << 3;
    QTest::newRow("3 and CR LF") << u"x:  3\r\n"_s << 3;
    QTest::newRow("3 and space") << u"x:  3 "_s << 3;
    QTest::newRow("3 and end") << u"x:  3"_s << 3;
    QTest::newRow("tab after colon") << u"x:\t 7"_s << 7;
    QTest::newRow("digit right behind colon is skipped") << u"x:7"_s << -1;
    QTest::newRow("three digits read as two") << u"x:  205"_s << 20;
    QTest::newRow("colon at end") << u"x:"_s << -1;
    QTest::newRow("one character after colon") << u"x: "_s << -1;
    QTest::newRow("word") << u"x:  great"_s << -1;
    QTest::newRow("no-break spaces") << u"x:\u00A0\u00A012"_s << 12;
    QTest::newRow("full-width digit") << u"x:  \uFF15"_s << -1;
}

void ImportTest::levelReading()
{
    QFETCH(QString, text);
    QFETCH(int, level);
    QCOMPARE(readLevelAfterColon(text, text.indexOf(u':')), level);
}

void ImportTest::trailingSkillsChangeNoLevel_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<int>("skills"); // lines copied, from Jump Shot on
    QTest::addColumn<QList<int>>("tail"); // levels of Stamina, Free Throw, Experience
    QTest::addColumn<QString>("mangle"); // written instead of the level name of this skill's line
    QTest::addColumn<int>("mangled");
    QTest::addColumn<QList<int>>("others"); // what the import gives them, 0 for none

    QTest::newRow("through Experience") << u"English"_s << 13 << QList<int>{4, 9, 7} << QString() << 0
                                        << QList<int>{4, 9, 7};
    QTest::newRow("all three at 20") << u"English"_s << 13 << QList<int>{20, 20, 20} << QString() << 0
                                     << QList<int>{20, 20, 20};
    QTest::newRow("through Free Throw") << u"English"_s << 12 << QList<int>{1, 17, 7} << QString() << 0
                                        << QList<int>{1, 17, 0};
    QTest::newRow("through Stamina") << u"English"_s << 11 << QList<int>{12, 9, 7} << QString() << 0
                                     << QList<int>{12, 0, 0};
    QTest::newRow("through Shot Blocking") << u"English"_s << 10 << QList<int>{4, 9, 7} << QString() << 0
                                           << QList<int>{0, 0, 0};
    QTest::newRow("Stamina unknown name") << u"English"_s << 13 << QList<int>{4, 9, 7} << u"superb"_s << 11
                                          << QList<int>{0, 9, 7};
    QTest::newRow("Free Throw 25") << u"English"_s << 13 << QList<int>{4, 9, 7} << u"25"_s << 12
                                   << QList<int>{4, 0, 7};
    QTest::newRow("Experience 0") << u"English"_s << 13 << QList<int>{4, 9, 7} << u"0"_s << 13
                                  << QList<int>{4, 9, 0};
    QTest::newRow("Experience empty at the end") << u"English"_s << 13 << QList<int>{4, 9, 7} << QString() << 13
                                                 << QList<int>{4, 9, 0};
    QTest::newRow("Türkçe") << u"Türkçe"_s << 13 << QList<int>{18, 2, 10} << QString() << 0
                            << QList<int>{18, 2, 10};
    QTest::newRow("Polski through Free Throw") << u"Polski"_s << 12 << QList<int>{16, 14, 1} << QString() << 0
                                               << QList<int>{16, 14, 0};
    // Lines past the list (mangled behind the last), more than a list's colons: a
    // page's lines of the same shape give no level.
    const QString page = u"Form: strong\nStamina: awful\nAge: 24\nWage: 1 234\nMatch: 12:30"_s;
    QTest::newRow("through Shot Blocking, then a page") << u"English"_s << 10 << QList<int>{4, 9, 7} << page << 11
                                                        << QList<int>{0, 0, 0};
    QTest::newRow("through Stamina, then a page") << u"English"_s << 11 << QList<int>{4, 9, 7} << page << 12
                                                  << QList<int>{4, 0, 0};
    QTest::newRow("through Experience, then a page") << u"Deutsch"_s << 13 << QList<int>{4, 9, 7} << page << 14
                                                     << QList<int>{4, 9, 7};
}

// Stamina, Free Throw and Experience are read for the window to show, never
// into the ten levels, and a list is never refused for them.
void ImportTest::trailingSkillsChangeNoLevel()
{
    QFETCH(QString, language);
    QFETCH(int, skills);
    QFETCH(QList<int>, tail);
    QFETCH(QString, mangle);
    QFETCH(int, mangled);
    QFETCH(QList<int>, others);

    const LanguageEntry &entry = *findLanguage(language);
    const QList<int> levels = kSample.first(kSalarySkillCount) + tail;
    QStringList lines = skillList(entry, levels, skills).split(u'\n');
    if (mangled > skills)
        lines << mangle;
    else if (mangled > 0)
        lines[mangled - 1] = entry.skillCaption(mangled) + u' ' + mangle;
    const SkillListImport import = importAs(entry, lines.join(u'\n'));
    QVERIFY(import.accepted());
    QCOMPARE(levelsOf(import), kSample.first(kSalarySkillCount));
    const QList<int> read{import.otherLevels[11], import.otherLevels[12], import.otherLevels[13]};
    QCOMPARE(read, others);
}

void ImportTest::replacedTextKeepsEverythingButTheNames()
{
    const SkillListImport import = importAs(english(), u"Jump Shot: legendary\nJump Range: awful\t\n"_s
                                                       + skillList(english(), kSample).sliced(39));
    QVERIFY(import.accepted());
    QVERIFY(import.replacedText.startsWith(u"Jump Shot:  20\nJump Range:  3\t\n"_s));
    QVERIFY(import.replacedText.endsWith(u"Experience:  7"_s));
    for (int level = 1; level <= kLevelCount; ++level)
        QVERIFY(!import.replacedText.contains(english().levelName(level), Qt::CaseInsensitive));
}

void ImportTest::levelNamesMatchInAnyLetterCase_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("level"); // -1: not a level name, so skill 1 cannot be read

    QTest::newRow("capitals") << u"English"_s << u"LEGENDARY"_s << 20;
    QTest::newRow("capital first") << u"English"_s << u"Prominent"_s << 10;
    QTest::newRow("mixed") << u"English"_s << u"aTrOcIoUs"_s << 1;
    QTest::newRow("German umlaut capitals") << u"Deutsch"_s << u"ÜBERZEUGEND"_s << 8;
    QTest::newRow("German sharp s") << u"Deutsch"_s << u"AUßERGEWÖHNLICH"_s << 16;
    QTest::newRow("Turkish ç and ü") << u"Türkçe"_s << u"GÜÇLÜ"_s << 8;
    QTest::newRow("Turkish ğ") << u"Türkçe"_s << u"OLAĞANÜSTÜ"_s << 15;
    QTest::newRow("Turkish blank") << u"Türkçe"_s << u"Dünya Dışı"_s << 18;
    QTest::newRow("French accents") << u"Français"_s << u"PHÉNOMÉNAL"_s << 18;
    QTest::newRow("Portuguese tilde") << u"Português"_s << u"LENDÁRIO"_s << 20;
    QTest::newRow("Spanish accent") << u"Español"_s << u"PÉSIMO"_s << 1;
    QTest::newRow("Turkish İ") << u"Türkçe"_s << u"İYİ"_s << 7;
    QTest::newRow("Turkish I for ı") << u"Türkçe"_s << u"ZAYIF"_s << 5;
    QTest::newRow("Turkish İ and Ş") << u"Türkçe"_s << u"İŞE YARAMAZ"_s << 4;
    QTest::newRow("Turkish I for i, English way") << u"Türkçe"_s << u"IŞE YARAMAZ"_s << 4;
    QTest::newRow("Turkish capitals mixed with small") << u"Türkçe"_s << u"dÜnya DIşI"_s << 18;
    QTest::newRow("English name in Turkish capitals") << u"English"_s << u"PRODİGİOUS"_s << 16;
    QTest::newRow("German SS") << u"Deutsch"_s << u"MITTELMÄSSIG"_s << 5;
    QTest::newRow("German ss") << u"Deutsch"_s << u"mittelmässig"_s << 5;
    QTest::newRow("German Ss") << u"Deutsch"_s << u"AUSsergewöhnlich"_s << 16;
    QTest::newRow("German capital sharp s") << u"Deutsch"_s << u"AU\u1E9EERGEWÖHNLICH"_s << 16;
    QTest::newRow("German SS in Turkish capitals") << u"Deutsch"_s << u"MİTTELMÄSSİG"_s << 5;
    // Letters the game tells apart stay apart.
    QTest::newRow("Turkish İ for ı") << u"Türkçe"_s << u"ZAYİF"_s << -1;
    QTest::newRow("Turkish ı for i") << u"Türkçe"_s << u"ıyı"_s << -1;
    QTest::newRow("English ı for i") << u"English"_s << u"prolıfic"_s << -1;
    QTest::newRow("German ß for ss") << u"Deutsch"_s << u"koloßal"_s << -1;
    QTest::newRow("German one S for ß") << u"Deutsch"_s << u"MITTELMÄSIG"_s << -1;
}

void ImportTest::levelNamesMatchInAnyLetterCase()
{
    QFETCH(QString, language);
    QFETCH(QString, name);
    QFETCH(int, level);
    const LanguageEntry &entry = *findLanguage(language);
    QString text = skillList(entry, kSample);
    const qsizetype start = text.indexOf(u':') + 2;
    text.replace(start, entry.levelName(kSample[0]).size(), name);

    const SkillListImport import = importAs(entry, text);
    if (level < 0) {
        QCOMPARE(import.outcome, ImportOutcome::LevelUnreadable);
        QCOMPARE(import.failedSkill, 1);
        QVERIFY(import.replacedText.startsWith(entry.skillCaption(1) + u' ' + name + u'\n'));
        return;
    }
    QVERIFY(import.accepted());
    QCOMPARE(import.levels[1], level);
    QCOMPARE(levelsOf(import).sliced(1), kSample.sliced(1, 9));
    // The whole name is replaced, however long it is written.
    QVERIFY(import.replacedText.startsWith(entry.skillCaption(1) + u"  "_s + QString::number(level) + u'\n'));
}

// The replacement works on the original text once instead of twenty times; it
// must give exactly what replacing one level after the other gives, also for
// names that overlap, sit inside other words, stand in capitals of either
// kind or next to surrogate pairs.
void ImportTest::replacementMatchesOneLevelAtATime()
{
    QRandomGenerator random(35817);
    const QStringList extras{u" "_s, u":"_s, u"\n"_s, u"x"_s, u"É"_s, u"ß"_s, u"İ"_s, u"ı"_s, u"I"_s, u"sS"_s,
                             u"\U0001F3C0"_s, u"\U00010400"_s, QString(QChar(0xD800)), u"12"_s};
    for (const LanguageEntry &entry : languages()) {
        const LevelNames names = entry.levelNameTable();
        for (int round = 0; round < 400; ++round) {
            QString text;
            const int pieces = random.bounded(1, 40);
            for (int i = 0; i < pieces; ++i) {
                QString piece;
                switch (random.bounded(4)) {
                case 0:
                    piece = extras[random.bounded(extras.size())];
                    break;
                case 1:
                    piece = written(names[random.bounded(1, 21)], random.bounded(2) ? u"capitals" : u"Turkish capitals");
                    break;
                default: {
                    // A whole name, or a piece of one, so names overlap and touch.
                    const QString &name = names[random.bounded(1, 21)];
                    const qsizetype from = random.bounded(name.size());
                    piece = random.bounded(2) ? name : name.sliced(from);
                }
                }
                text += piece;
            }
            QCOMPARE(replaceLevelNames(text, names), replaceOneLevelAtATime(text, names));
        }
    }
}

void ImportTest::aListInAnotherLanguageIsRejectedWhole()
{
    // English and Français share "Jump ": the check passes, the levels cannot be read.
    const SkillListImport import = importAs(language(u"Français"), skillList(english(), kSample));
    QCOMPARE(import.outcome, ImportOutcome::LevelUnreadable);
    QCOMPARE(import.failedSkill, 1);
    QCOMPARE(import.levels, SkillLevels());

    // Only the names both languages spell alike were replaced.
    QList<int> shared(kSkillCaptionCount, 7);
    shared[1] = 19;
    const SkillListImport alike = importAs(language(u"Français"), skillList(english(), shared));
    QVERIFY(alike.accepted());
    QCOMPARE(alike.levels[2], 19);
}

void ImportTest::misreadShapesAreReadAsWritten_data()
{
    QTest::addColumn<QString>("afterColon");
    QTest::newRow("two spaces") << u"  "_s;
    QTest::newRow("nothing") << QString();
    QTest::newRow("tab and space") << u"\t "_s;
    QTest::newRow("line break") << u"\n"_s;
    QTest::newRow("no-break space and spaces") << u"\u00A0   "_s;
}

void ImportTest::misreadShapesAreReadAsWritten()
{
    QFETCH(QString, afterColon);
    const SkillListImport import = importAs(english(), skillList(english(), kSample, 13, afterColon));
    QVERIFY(import.accepted());
    QCOMPARE(levelsOf(import), kSample.first(kSalarySkillCount));
}

void ImportTest::unreadableLevelsRejectTheWholeList_data()
{
    QTest::addColumn<QString>("level"); // written behind the colon of skill 6
    QTest::addColumn<int>("numberRead");

    QTest::newRow("unknown name") << u"superb"_s << -1;
    QTest::newRow("misspelt name") << u"averge"_s << -1;
    QTest::newRow("0") << u"0"_s << 0;
    QTest::newRow("21") << u"21"_s << 21;
    QTest::newRow("99") << u"99"_s << 99;
    QTest::newRow("negative") << u"-5"_s << -1;
    QTest::newRow("nothing") << QString() << -1;
}

void ImportTest::unreadableLevelsRejectTheWholeList()
{
    QFETCH(QString, level);
    QFETCH(int, numberRead);
    QString text = skillList(english(), kSample);
    const QString passing = english().skillCaption(6) + u' ' + english().levelName(kSample[5]);
    QVERIFY(text.contains(passing));
    text.replace(passing, english().skillCaption(6) + u' ' + level);

    const SkillListImport import = importAs(english(), text);
    QCOMPARE(import.outcome, ImportOutcome::LevelUnreadable);
    QCOMPARE(import.failedSkill, 6);
    QCOMPARE(import.numberRead, numberRead);
    QCOMPARE(import.levels, SkillLevels()); // nothing of the first five comes back
}

void ImportTest::longTexts()
{
    // Positions past 32,767 characters: a list of about 40,000 characters.
    const QString padding(40000, u' ');
    QString spaced = skillList(english(), kSample, 13, u" "_s + padding);
    QVERIFY(spaced.size() > 40000 * 13);
    SkillListImport import = importAs(english(), spaced);
    QVERIFY(import.accepted());
    QCOMPARE(levelsOf(import), kSample.first(kSalarySkillCount));

    QString notes = skillList(english(), kSample) + u'\n';
    while (notes.size() < 40000)
        notes += u"A strong, prolific shooter; legendary range. "_s;
    import = importAs(english(), notes);
    QVERIFY(import.accepted());
    QCOMPARE(levelsOf(import), kSample.first(kSalarySkillCount));
    QVERIFY(import.replacedText.contains(u"A  8,  11 shooter;  20 range."_s));

    // Ten megabytes: accepted when it is a list with a long tail, rejected when
    // it is anything else, and never quadratic.
    QString huge = skillList(english(), kSample) + u'\n';
    const QString filler = u"prominent mediocre awful "_s;
    huge.reserve(5 * 1024 * 1024 + filler.size());
    while (huge.size() < 5 * 1024 * 1024) // 5 Mi UTF-16 units, 10 MB
        huge += filler;
    import = importAs(english(), huge);
    QVERIFY(import.accepted());
    QCOMPARE(levelsOf(import), kSample.first(kSalarySkillCount));

    huge[0] = u'X';
    QCOMPARE(importAs(english(), huge).outcome, ImportOutcome::CheckFailed);

    // A megabyte of Jump Shot captions, colons and level names that never make
    // ten lines, then a list: read, and never quadratic.
    QString captions;
    while (captions.size() < kMaxPastedCharacters)
        captions += u"Jump Shot: legendary\nJump Range: awful\nJump Shot:: strong Jump \n"_s;
    QCOMPARE(importAs(english(), captions).outcome, ImportOutcome::CheckFailed);
    QCOMPARE(levelsOf(importAs(english(), captions + skillList(english(), kSample))), kSample.first(kSalarySkillCount));
}

void ImportTest::importIntoThePlayerState()
{
    PlayerState state;
    state.LevelName = english().levelNameTable();
    state.SkillLevel.fill(4);
    state.Salary = 777;
    state.BestPosition = 2;
    const SkillLevels before = state.SkillLevel;

    state.OtherSkillLevel[12] = 5;
    const OtherSkillLevels othersBefore = state.OtherSkillLevel;

    // Rejected by the check: the text stays as pasted, nothing else moves.
    state.PastedText = u"hello: world"_s;
    QCOMPARE(importPastedText(state, english().skillCaption(1)), ImportOutcome::CheckFailed);
    QCOMPARE(state.PastedText, u"hello: world"_s);
    QCOMPARE(state.SkillLevel, before);
    QCOMPARE(state.Salary, 777);
    QCOMPARE(state.BestPosition, 2);

    // Rejected at the sixth level: the first five are not stored either.
    QString text = skillList(english(), kSample);
    text.replace(u"Passing: average"_s, u"Passing: 42"_s);
    state.PastedText = text;
    QCOMPARE(importPastedText(state, english().skillCaption(1)), ImportOutcome::LevelUnreadable);
    QVERIFY(state.PastedText.startsWith(u"Jump Shot:  20\n"_s)); // the names were already replaced
    QCOMPARE(state.SkillLevel, before);
    QCOMPARE(state.OtherSkillLevel, othersBefore);
    QCOMPARE(state.Salary, 777);

    // Accepted: all ten levels, the other three and the calculated result.
    state.PastedText = skillList(english(), kSample);
    QCOMPARE(importPastedText(state, english().skillCaption(1)), ImportOutcome::Accepted);
    QCOMPARE(QList<int>(state.SkillLevel.begin(), state.SkillLevel.end()), kSample.first(kSalarySkillCount));
    QCOMPARE(state.OtherSkillLevel[11], kSample[10]);
    QCOMPARE(state.OtherSkillLevel[13], kSample[12]);
    const auto expected = computeSalary(state.SkillLevel);
    QCOMPARE(state.Salary, expected->salary);
    QCOMPARE(state.BestPosition, expected->position);

    // A list that stops at Shot Blocking leaves none of the three from before.
    state.PastedText = skillList(english(), kSample, 10);
    QCOMPARE(importPastedText(state, english().skillCaption(1)), ImportOutcome::Accepted);
    QCOMPARE(state.OtherSkillLevel, OtherSkillLevels());
}

QTEST_APPLESS_MAIN(ImportTest)
#include "tst_import.moc"
