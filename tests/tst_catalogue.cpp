#include "catalogue/catalogue.h"

#include <QSet>
#include <QTest>

using namespace wagecourt;
using namespace Qt::StringLiterals;

class CatalogueTest : public QObject
{
    Q_OBJECT

private slots:
    void namesInListOrder();
    void lookupIsExact_data();
    void lookupIsExact();
    void comparedBeginnings_data();
    void comparedBeginnings();
    void levelNamesAreDistinctAndNeverInsideAnother();
    void levelNamesSurviveTheImport();
    void captionsEndInOneColon();
    void noTextBeginsOrEndsWithABlank();
    void textsThatLookLikeMistakesStandAsTheGameSpellsThem_data();
    void textsThatLookLikeMistakesStandAsTheGameSpellsThem();
    void longestTexts();
    void nameTablesCopyTheEntry();
};

void CatalogueTest::namesInListOrder()
{
    const QStringList expected{u"English"_s, u"Türkçe"_s, u"Español"_s, u"Italiano"_s,
                               u"Français"_s, u"Deutsch"_s, u"Polski"_s, u"Português"_s};
    QCOMPARE(languageNames(), expected);
    QCOMPARE(QSet<QString>(expected.begin(), expected.end()).size(), kLanguageCount);
    for (int i = 0; i < kLanguageCount; ++i)
        QCOMPARE(findLanguage(expected[i]), &languages()[std::size_t(i)]);
}

void CatalogueTest::lookupIsExact_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("entry"); // 1-based, 0 for none

    QTest::newRow("English") << u"English"_s << 1;
    QTest::newRow("Português") << u"Português"_s << 8;
    QTest::newRow("lower case") << u"english"_s << 0;
    QTest::newRow("capitals") << u"ENGLISH"_s << 0;
    QTest::newRow("missing cedilla") << u"Francais"_s << 0;
    QTest::newRow("missing accent") << u"Espanol"_s << 0;
    QTest::newRow("missing umlaut") << u"Turkce"_s << 0;
    QTest::newRow("trailing blank") << u"Deutsch "_s << 0;
    QTest::newRow("decomposed ç") << u"Franc\u0327ais"_s << 0;
    QTest::newRow("empty") << QString() << 0;
}

void CatalogueTest::lookupIsExact()
{
    QFETCH(QString, name);
    QFETCH(int, entry);
    const LanguageEntry *found = findLanguage(name);
    QCOMPARE(found, entry ? &languages()[std::size_t(entry - 1)] : nullptr);
}

void CatalogueTest::comparedBeginnings_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("beginning");

    QTest::newRow("English") << u"English"_s << u"Jump "_s;
    QTest::newRow("Türkçe") << u"Türkçe"_s << u"Uzakt"_s;
    QTest::newRow("Español") << u"Español"_s << u"Tiro:"_s;
    QTest::newRow("Italiano") << u"Italiano"_s << u"Tiro "_s;
    QTest::newRow("Français") << u"Français"_s << u"Jump "_s;
    QTest::newRow("Deutsch") << u"Deutsch"_s << u"Sprun"_s;
    QTest::newRow("Polski") << u"Polski"_s << u"Rzut "_s;
    QTest::newRow("Português") << u"Português"_s << u"Lança"_s;
}

void CatalogueTest::comparedBeginnings()
{
    QFETCH(QString, language);
    QFETCH(QString, beginning);
    QCOMPARE(findLanguage(language)->skillCaption(1).left(5), beginning);
}

void CatalogueTest::levelNamesAreDistinctAndNeverInsideAnother()
{
    for (const LanguageEntry &entry : languages()) {
        for (int a = 1; a <= kLevelCount; ++a) {
            QVERIFY(!entry.levelName(a).isEmpty());
            for (int b = 1; b <= kLevelCount; ++b) {
                if (a == b)
                    continue;
                QVERIFY2(!entry.levelName(b).contains(entry.levelName(a), Qt::CaseInsensitive),
                         qPrintable(u"%1: '%2' inside '%3'"_s.arg(entry.name, entry.levelName(a), entry.levelName(b))));
            }
        }
    }
}

// Replacing the level names must neither cut a caption apart nor add or remove
// a colon, or the levels would be read behind the wrong colons.
void CatalogueTest::levelNamesSurviveTheImport()
{
    for (const LanguageEntry &entry : languages()) {
        for (int level = 1; level <= kLevelCount; ++level) {
            const QString name = entry.levelName(level);
            QVERIFY(!name.contains(u':'));
            for (QChar c : name)
                QVERIFY2(!c.isDigit(), qPrintable(name));
            for (int skill = 1; skill <= kSkillCaptionCount; ++skill)
                QVERIFY2(!entry.skillCaption(skill).contains(name, Qt::CaseInsensitive),
                         qPrintable(u"%1: '%2' inside a caption"_s.arg(entry.name, name)));
        }
    }
}

void CatalogueTest::captionsEndInOneColon()
{
    for (const LanguageEntry &entry : languages()) {
        for (int skill = 1; skill <= kSkillCaptionCount; ++skill) {
            QVERIFY(entry.skillCaption(skill).endsWith(u':'));
            QCOMPARE(entry.skillCaption(skill).count(u':'), 1);
        }
        QVERIFY(entry.salaryCaption.endsWith(u':'));
        QCOMPARE(entry.salaryCaption.count(u':'), 1);
        QVERIFY(!entry.calculateCaption.contains(u':'));
        QVERIFY(!entry.alwaysOnTopCaption.contains(u':'));
        for (int position = 1; position <= kPositionCount; ++position)
            QVERIFY(!entry.positionName(position).isEmpty());
    }
}

void CatalogueTest::noTextBeginsOrEndsWithABlank()
{
    for (const LanguageEntry &entry : languages()) {
        QList<QStringView> texts{entry.name, entry.calculateCaption, entry.salaryCaption, entry.alwaysOnTopCaption};
        texts << QList<QStringView>(entry.levelNames.begin(), entry.levelNames.end());
        texts << QList<QStringView>(entry.positionNames.begin(), entry.positionNames.end());
        texts << QList<QStringView>(entry.skillCaptions.begin(), entry.skillCaptions.end());
        for (QStringView text : texts) {
            QVERIFY2(text == text.trimmed(), qPrintable(text.toString()));
            // Everything fits the Turkish Windows code page the game's pages use.
            for (QChar c : text)
                QVERIFY2(c.unicode() < 0x180, qPrintable(text.toString()));
        }
    }
}

void CatalogueTest::textsThatLookLikeMistakesStandAsTheGameSpellsThem_data()
{
    QTest::addColumn<QString>("actual");
    QTest::addColumn<QString>("expected");

    auto entry = [](const char16_t *name) { return findLanguage(QStringView(name)); };
    QTest::newRow("Polish without diacritics") << entry(u"Polski")->levelName(2) << u"zalosny"_s;
    QTest::newRow("Polish jump range") << entry(u"Polski")->skillCaption(2) << u"Zasieg rzutu:"_s;
    QTest::newRow("German uses English positions") << entry(u"Deutsch")->positionName(3)
                                                   << u"Small Forward"_s;
    QTest::newRow("French experience without accent") << entry(u"Français")->skillCaption(13)
                                                      << u"Experience:"_s;
    QTest::newRow("Portuguese level 1") << entry(u"Português")->levelName(1) << u"ridículo"_s;
    QTest::newRow("Spanish level 2") << entry(u"Español")->levelName(2) << u"ridículo"_s;
    QTest::newRow("Turkish three letters") << entry(u"Türkçe")->levelName(7) << u"iyi"_s;
    QTest::newRow("Turkish with blank 18") << entry(u"Türkçe")->levelName(18) << u"dünya dışı"_s;
    QTest::newRow("Turkish with blank 4") << entry(u"Türkçe")->levelName(4) << u"işe yaramaz"_s;
    QTest::newRow("Turkish inside shot") << entry(u"Türkçe")->skillCaption(7) << u"İçeriden Şut:"_s;
    QTest::newRow("German level 8") << entry(u"Deutsch")->levelName(8) << u"überzeugend"_s;
    QTest::newRow("Portuguese calculate") << entry(u"Português")->calculateCaption.toString()
                                          << u"Calcular Salário"_s;
    QTest::newRow("German calculate") << entry(u"Deutsch")->calculateCaption.toString() << u"Berechn Gehalt"_s;
    QTest::newRow("Spanish center") << entry(u"Español")->positionName(5) << u"Pívot"_s;
    QTest::newRow("English top") << entry(u"English")->alwaysOnTopCaption.toString() << u"Always on Top"_s;
}

void CatalogueTest::textsThatLookLikeMistakesStandAsTheGameSpellsThem()
{
    QFETCH(QString, actual);
    QFETCH(QString, expected);
    QCOMPARE(actual, expected);
}

void CatalogueTest::longestTexts()
{
    qsizetype longestLevel = 0, longestPosition = 0, longestSalary = 0, longestCheck = 0;
    for (const LanguageEntry &entry : languages()) {
        for (QStringView name : entry.levelNames)
            longestLevel = std::max(longestLevel, name.size());
        for (QStringView name : entry.positionNames)
            longestPosition = std::max(longestPosition, name.size());
        longestSalary = std::max(longestSalary, entry.salaryCaption.size());
        longestCheck = std::max(longestCheck, entry.alwaysOnTopCaption.size());
    }
    QCOMPARE(longestLevel, 15);    // "außergewöhnlich"
    QCOMPARE(longestPosition, 15); // "Ailier shooteur"
    QCOMPARE(longestSalary, 22);   // "Stipendio settimanale:"
    QCOMPARE(longestCheck, 21);    // "Sempre in Primo Piano"
    QCOMPARE(findLanguage(u"Deutsch")->levelName(16), u"außergewöhnlich");
}

void CatalogueTest::nameTablesCopyTheEntry()
{
    const LanguageEntry &italiano = *findLanguage(u"Italiano");
    const LevelNames levels = italiano.levelNameTable();
    const PositionNames positions = italiano.positionNameTable();
    QCOMPARE(levels[1], u"atroce"_s);
    QCOMPARE(levels[20], u"leggendario"_s);
    QCOMPARE(positions[1], u"Playmaker"_s);
    QCOMPARE(positions[5], u"Centro"_s);
}

QTEST_APPLESS_MAIN(CatalogueTest)
#include "tst_catalogue.moc"
