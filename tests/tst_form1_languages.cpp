// The language switch, and a skill list read in every language.
#include "form1fixture.h"

#include "presentation/plantext.h"
#include "ui/plan/trainingplanwindow.h"

#include <QTableWidget>

class Form1LanguagesTest : public Form1Fixture
{
    Q_OBJECT

private slots:
    // The language switch.
    void switchKeepsLevelsSalaryAndColours();
    void switchMovesLevelLabelsBesideTheirCaptions();
    void pickingTheSameLanguageChangesNothing();
    void qtTextsPictureAndInfoStateFollowTheSwitch_data() { importInEveryLanguage_data(); }
    void qtTextsPictureAndInfoStateFollowTheSwitch();

    // Calculate Salary in every language.
    void importInEveryLanguage_data();
    void importInEveryLanguage();
};

void Form1LanguagesTest::switchKeepsLevelsSalaryAndColours()
{
    m_platform->clipboard = skillList(*findLanguage(u"English"), kSample);
    m_form->Command1_Click();
    const View before = viewOf(*m_form);
    const qint32 salary = m_form->state().Salary;

    pickLanguage(*m_form, u"Deutsch"_s);
    const View after = viewOf(*m_form);
    QCOMPARE(m_form->controls().LevelText[1]->text(), u"überzeugend"_s); // level 8
    QCOMPARE(m_form->controls().LevelText[4]->text(), u"herausragend"_s); // level 10
    QCOMPARE(after.position, u"Point Guard"_s); // Deutsch uses the English position names
    QCOMPARE(after.salary, before.salary);
    QCOMPARE(after.colors, before.colors);
    QCOMPARE(m_form->state().Salary, salary);
    QCOMPARE(m_form->state().SkillLevel, levelsOf(kSample));
    QCOMPARE(m_form->controls().Command1->text(), u"Berechn Gehalt"_s);
    QCOMPARE(m_form->controls().Label_Salary->text(), u"Gehalt:"_s);
    QCOMPARE(m_form->controls().Check1->text(), u"Immer im Vordergrund"_s);
    QCOMPARE(m_form->controls().Command2->text(), u"Info ein"_s);
    QCOMPARE(m_form->windowTitle(), u"Wagecourt v1.0 - von Tarvel (58203)"_s);
    QCOMPARE(m_form->state().LevelColor[20], 6730510u);
    QCOMPARE(m_platform->topMost, QList<bool>{true}); // the switch leaves the window alone
}

void Form1LanguagesTest::switchMovesLevelLabelsBesideTheirCaptions()
{
    const Form1Controls &ui = m_form->controls();
    const int gap = m_form->twips()(45);
    const int englishLeft = ui.LevelText[1]->x();
    const int englishCaptionWidth = ui.SkillCaption[1]->width();

    pickLanguage(*m_form, u"Italiano"_s);
    QCOMPARE(ui.SkillCaption[1]->text(), u"Tiro in sosp.:"_s);
    QVERIFY(ui.SkillCaption[1]->width() > englishCaptionWidth); // read right after the write
    QVERIFY(ui.SkillCaption[1]->width() >= ui.SkillCaption[1]->fontMetrics().horizontalAdvance(u"Tiro in sosp.:"_s));
    for (const QString &language : languageNames()) {
        pickLanguage(*m_form, language);
        for (int i = 1; i <= kSkillCaptionCount; ++i)
            QCOMPARE(ui.LevelText[i]->x(), ui.SkillCaption[i]->geometry().right() + 1 + gap);
    }
    pickLanguage(*m_form, u"Español"_s);
    QVERIFY(ui.LevelText[1]->x() < englishLeft);
    pickLanguage(*m_form, u"English"_s);
    QCOMPARE(ui.LevelText[1]->x(), englishLeft);
}

void Form1LanguagesTest::pickingTheSameLanguageChangesNothing()
{
    m_platform->clipboard = skillList(*findLanguage(u"English"), kSample);
    m_form->Command1_Click();
    pickLanguage(*m_form, u"Polski"_s);
    const View before = viewOf(*m_form);
    const LevelNames names = m_form->state().LevelName;

    QSignalSpy clicks(m_form->controls().Combo1, &LanguageList::clicked);
    pickLanguage(*m_form, u"Polski"_s);
    QCOMPARE(clicks.count(), 1); // the switch ran again
    QCOMPARE(viewOf(*m_form), before);
    QCOMPARE(m_form->state().LevelName, names);
}

// The window's own words, Qt's (a text field's menu) and the browser picture
// come in the language picked, and the info area stays as it was; English
// needs no translation.
void Form1LanguagesTest::qtTextsPictureAndInfoStateFollowTheSwitch()
{
    QFETCH(QString, language);
    const Form1Controls &ui = m_form->controls();
    const QImage englishPicture = ui.Image2->pixmap().toImage();
    const QStringList englishWords = windowWords(*m_form, *m_platform);
    m_form->Command2_Click();
    const int expandedHeight = m_form->height();

    pickLanguage(*m_form, language);
    const bool english = language == u"English"_s;
    QCOMPARE(QCoreApplication::translate("QLineEdit", "&Copy") == u"&Copy"_s, english);
    QCOMPARE(ui.Image2->pixmap().toImage() == englishPicture, english);
    QCOMPARE(ui.Image2->size(), QSize(278, 129));
    m_form->Command2_Click();
    QCOMPARE(m_form->height(), m_form->twips()(kCompactClientHeight)); // it was read as shown
    QVERIFY(m_form->height() < expandedHeight);
    // Not one of the window's own words is left in English.
    const QStringList words = windowWords(*m_form, *m_platform);
    QCOMPARE(words.size(), englishWords.size());
    for (qsizetype i = 0; i < words.size(); ++i)
        QVERIFY2((words[i] == englishWords[i]) == english, qPrintable(words[i]));

    pickLanguage(*m_form, u"English"_s);
    QCOMPARE(windowWords(*m_form, *m_platform), englishWords);
    QCOMPARE(QCoreApplication::translate("QLineEdit", "&Copy"), u"&Copy"_s);
    QCOMPARE(ui.Image2->pixmap().toImage(), englishPicture);
}

void Form1LanguagesTest::importInEveryLanguage_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("chosen"); // before the press
    const QStringList names = languageNames();
    for (qsizetype i = 0; i < names.size(); ++i) {
        QTest::newRow(names[i].toUtf8().constData()) << names[i] << names[i];
        // A list in another language switches the window to it, Français
        // behind English (the same five characters) and English behind it.
        const QString other = names[(i + 1) % names.size()];
        QTest::newRow((names[i] + u" while "_s + other + u" is chosen"_s).toUtf8().constData()) << names[i] << other;
    }
}

void Form1LanguagesTest::importInEveryLanguage()
{
    QFETCH(QString, language);
    QFETCH(QString, chosen);
    const LanguageEntry &entry = *findLanguage(language);
    pickLanguage(*m_form, chosen);
    const QList<int> levels{20, 1, 14, 6, 9, 17, 3, 12, 5, 10, 2, 2, 2};
    // Alone where its language is chosen, else on one line inside a copied page.
    const QString list = skillList(entry, levels);
    m_platform->clipboard = language == chosen ? list
                                               : u"Player: Ann\n"_s + QString(list).replace(u'\n', u' ') + u"\nAge: 24"_s;
    m_form->Command1_Click();

    QVERIFY(m_platform->messageTitles.isEmpty());
    const auto expected = computeSalary(levelsOf(levels));
    const Form1Controls &ui = m_form->controls();
    for (int k = 1; k <= kSalarySkillCount; ++k) {
        QCOMPARE(ui.LevelText[k]->text(), entry.levelName(levels[k - 1]));
        QCOMPARE(colorOf(ui.LevelText[k]), levelColor(levels[k - 1]));
    }
    for (int i = 11; i <= 13; ++i) {
        QCOMPARE(ui.LevelText[i]->text(), entry.levelName(2));
        QCOMPARE(colorOf(ui.LevelText[i]), levelColor(2));
    }
    QCOMPARE(ui.SalaryText->text(), salaryImportText(expected->salary));
    QCOMPARE(ui.PosText->text(), entry.positionName(expected->position));
    QCOMPARE(m_form->state().Salary, expected->salary);
    QCOMPARE(m_form->state().BestPosition, expected->position);
    // The working copy holds the list with the names turned into numbers.
    QVERIFY(m_form->state().PastedText.contains(entry.skillCaption(1) + u"  20"_s));
    // In the list's language, remembered as a pick is.
    QCOMPARE(ui.Combo1->currentText(), language);
    // Ctrl+T plans him in that language, his skills named as the game names them.
    showActive(*m_form);
    QTest::keySequence(m_form, QKeySequence(Qt::CTRL | Qt::Key_T));
    QVERIFY(m_form->trainingPlan() && m_form->trainingPlan()->isVisible());
    QCOMPARE(m_form->trainingPlan()->worthGrid()->horizontalHeaderItem(0)->text(), plantext::skillName(entry, 1));
    m_form->trainingPlan()->close();
    QCOMPARE(m_platform->settings.value(kLanguageSetting).toString(), language);
}

WAGECOURT_FORM1_TEST_MAIN(Form1LanguagesTest)

#include "tst_form1_languages.moc"
