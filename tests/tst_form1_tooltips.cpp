// The levels' and the position's tooltips, and the three skills the salary leaves out.
#include "form1fixture.h"

class Form1TooltipsTest : public Form1Fixture
{
    Q_OBJECT

private slots:
    // Tooltips and the other three skills.
    void otherSkillsShowTheirListedLevels();
    void levelTooltips_data();
    void levelTooltips();
    void levelTooltipFollowsClicksLanguageAndImport();
    void positionTooltipCharts_data();
    void positionTooltipCharts();
};

void Form1TooltipsTest::otherSkillsShowTheirListedLevels()
{
    const Form1Controls &ui = m_form->controls();
    m_platform->clipboard = skillList(*findLanguage(u"English"), QList<int>{8, 7, 9, 10, 8, 11, 3, 3, 5, 2, 20, 12, 1});
    m_form->Command1_Click();
    QCOMPARE(ui.LevelText[11]->text(), u"legendary"_s);
    QCOMPARE(colorOf(ui.LevelText[11]), levelColor(20));
    QCOMPARE(ui.LevelText[12]->text(), u"sensational"_s);
    QCOMPARE(colorOf(ui.LevelText[12]), levelColor(12));
    QCOMPARE(ui.LevelText[13]->text(), u"atrocious"_s);
    QCOMPARE(m_form->state().SkillLevel, levelsOf(kSample)); // no salary level moved
    QCOMPARE(m_form->state().Salary, computeSalary(levelsOf(kSample))->salary);

    pickLanguage(*m_form, u"Türkçe"_s);
    QCOMPARE(ui.LevelText[11]->text(), u"efsanevi"_s);
    QCOMPARE(colorOf(ui.LevelText[11]), levelColor(20));
    QCOMPARE(ui.LevelText[12]->text(), u"sansasyonel"_s);
    QCOMPARE(ui.LevelText[13]->text(), u"korkunç"_s);

    // A refused list leaves them; a list that stops at Shot Blocking gives them no level.
    m_platform->clipboard = u"nothing"_s;
    m_form->Command1_Click();
    QCOMPARE(ui.LevelText[11]->text(), u"efsanevi"_s);
    m_platform->clipboard = skillList(*findLanguage(u"Türkçe"), kSample).section(u'\n', 0, 9);
    m_form->Command1_Click();
    for (int i = 11; i <= 13; ++i) {
        QCOMPARE(ui.LevelText[i]->text(), u"korkunç"_s);
        QCOMPARE(colorOf(ui.LevelText[i]), QColor(Qt::black));
    }

    // Only the salary skills answer a click, and only they show the pointing hand.
    for (int i = 1; i <= kSkillCaptionCount; ++i)
        QCOMPARE(ui.LevelText[i]->cursor().shape(), i <= 10 ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

void Form1TooltipsTest::levelTooltips_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QList<int>>("levels"); // imported first; none: as at start
    QTest::addColumn<int>("index");
    // {up} and {down}: the salary after the step; {upChange}, {downChange}: by how much it moves.
    QTest::addColumn<QString>("expected");

    const QList<int> moving{4, 7, 19, 9, 10, 4, 3, 16, 16, 3}; // one step in Jump Range leaves Small Forward
    QTest::newRow("middle level") << u"English"_s << kSample << 4
                                  << u"Handling: 10 of 20, prominent\n+1: {up} (+{upChange})\n"
                                     u"-1: {down} (-{downChange})"_s;
    QTest::newRow("skill not counted at the best position")
            << u"English"_s << kSample << 8 << u"Inside Def.: 3 of 20, awful\n+1: 16\u00a0736 (±0)\n-1: 16\u00a0736 (±0)"_s;
    QTest::newRow("at 1, before any list") << u"English"_s << QList<int>() << 1
                                           << u"Jump Shot: 1 of 20, atrocious\n+1: {up} (+{upChange})\n"
                                              u"-1: lowest level"_s;
    QTest::newRow("at 20") << u"English"_s << QList<int>{3, 20, 5, 5, 5, 5, 5, 5, 5, 5} << 2
                           << u"Jump Range: 20 of 20, legendary\n+1: highest level\n-1: {down} (-{downChange})"_s;
    QTest::newRow("steps that change the position")
            << u"English"_s << moving << 2
            << u"Jump Range: 7 of 20, respectable\n+1: {up} (+{upChange}) as Shooting Guard\n"
               u"-1: {down} (-{downChange}) as Center"_s;
    QTest::newRow("Türkçe names") << u"Türkçe"_s << moving << 2
                                  << u"Şut Menzili: 20 üzerinden 7, iyi\n+1: {up} (+{upChange}), Şutör Gard olarak\n"
                                     u"-1: {down} (-{downChange}), Pivot olarak"_s;
    QTest::newRow("Stamina from the list") << u"English"_s << kSample << 11
                                           << u"Stamina: 20 of 20, legendary\nThis skill sets no salary."_s;
    QTest::newRow("Experience, no list") << u"Polski"_s << QList<int>() << 13
                                         << u"Doswiadczenie: nie odczytano poziomu\nTa umiejętność nie wpływa na pensję."_s;
}

void Form1TooltipsTest::levelTooltips()
{
    QFETCH(QString, language);
    QFETCH(QList<int>, levels);
    QFETCH(int, index);
    QFETCH(QString, expected);

    pickLanguage(*m_form, language);
    if (!levels.isEmpty()) {
        m_platform->clipboard = skillList(*findLanguage(language), levels);
        m_form->Command1_Click();
        QVERIFY(m_platform->messageTitles.isEmpty());
    }
    if (index <= kSalarySkillCount) {
        const SkillLevels now = m_form->state().SkillLevel;
        const qint32 salary = computeSalary(now)->salary;
        auto stepped = [&](int step) {
            SkillLevels moved = now;
            moved[index] = qint16(moved[index] + step);
            return computeSalary(moved)->salary;
        };
        if (now[index] < 20) {
            expected.replace(u"{up}"_s, salaryImportText(stepped(1), DigitSpace::NoBreak));
            expected.replace(u"{upChange}"_s, salaryImportText(stepped(1) - salary, DigitSpace::NoBreak));
        }
        if (now[index] > 1) {
            expected.replace(u"{down}"_s, salaryImportText(stepped(-1), DigitSpace::NoBreak));
            expected.replace(u"{downChange}"_s, salaryImportText(salary - stepped(-1), DigitSpace::NoBreak));
        }
    }
    TipWindow *tip = hover(*m_form, m_form->controls().LevelText[index]);
    QVERIFY(tip && tip->isVisible());
    QCOMPARE(tip->text(), expected);
    QVERIFY(tip->bars().isEmpty());
}

void Form1TooltipsTest::levelTooltipFollowsClicksLanguageAndImport()
{
    const Form1Controls &ui = m_form->controls();
    TipWindow *tip = hover(*m_form, ui.LevelText[1]);
    QVERIFY(tip->isVisible());
    QVERIFY(tip->text().startsWith(u"Jump Shot: 1 of 20, atrocious\n"_s));

    // A click on the label keeps its tip up and shows the new level.
    clickLevel(*m_form, 1, Qt::LeftButton);
    QVERIFY(tip->isVisible());
    QCOMPARE(tip->owner(), ui.LevelText[1]);
    QVERIFY(tip->text().startsWith(u"Jump Shot: 2 of 20, pitiful\n"_s));
    QVERIFY(tip->text().endsWith(u"\n-1: 504 (-"_s + salaryImportText(m_form->state().Salary - 504, DigitSpace::NoBreak) + u')'));

    pickLanguage(*m_form, u"Deutsch"_s);
    QVERIFY(tip->text().startsWith(u"Sprungwurf: 2 von 20, kläglich\n"_s));
    m_platform->clipboard = skillList(*findLanguage(u"Deutsch"), kSample);
    m_form->Command1_Click();
    QVERIFY(tip->text().startsWith(u"Sprungwurf: 8 von 20, überzeugend\n"_s));

    // Like any tooltip it goes at a click elsewhere, and at one on a label that is not stepped.
    clickLevel(*m_form, 2, Qt::LeftButton);
    QVERIFY(!tip->isVisible());
    hover(*m_form, ui.LevelText[12]);
    QVERIFY(tip->isVisible());
    clickLevel(*m_form, 12, Qt::LeftButton);
    QVERIFY(!tip->isVisible());
    hover(*m_form, ui.LevelText[3]);
    QTest::mouseClick(ui.Image1, Qt::LeftButton, {}, QPoint(1, 1));
    QVERIFY(!tip->isVisible());
}

void Form1TooltipsTest::positionTooltipCharts_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QList<int>>("levels"); // none: as at start

    QTest::newRow("before any list") << u"English"_s << QList<int>();
    QTest::newRow("Point Guard") << u"English"_s << kSample;
    QTest::newRow("Türkçe, Small Forward") << u"Türkçe"_s << QList<int>{4, 7, 19, 9, 10, 4, 3, 16, 16, 3};
    QTest::newRow("highest levels") << u"Español"_s << QList<int>(13, 20);
}

void Form1TooltipsTest::positionTooltipCharts()
{
    QFETCH(QString, language);
    QFETCH(QList<int>, levels);
    const LanguageEntry &entry = *findLanguage(language);
    const Form1Controls &ui = m_form->controls();
    pickLanguage(*m_form, language);
    if (!levels.isEmpty()) {
        m_platform->clipboard = skillList(entry, levels);
        m_form->Command1_Click();
    }
    const auto expected = computeSalary(m_form->state().SkillLevel);

    for (QWidget *owner : {static_cast<QWidget *>(ui.SalaryText), static_cast<QWidget *>(ui.PosText)}) {
        TipWindow *tip = hover(*m_form, owner);
        QVERIFY(tip->isVisible());
        const QList<PositionBar> bars = tip->bars();
        QCOMPARE(bars.size(), 5);
        QStringList lines{QCoreApplication::translate("Advice", "Weekly salary at each position")};
        for (int p = 1; p <= 5; ++p) {
            const PositionBar &bar = bars[p - 1];
            QCOMPARE(bar.position, p);
            QCOMPARE(bar.name, entry.positionName(p));
            QCOMPARE(bar.salary, p == 5 ? expected->roundedCenter : qint32(roundHalfEven(expected->values[p])));
            QCOMPARE(bar.best, p == expected->position);
            lines << QCoreApplication::translate("Advice", bar.best ? "%1: %2 (best)" : "%1: %2")
                             .arg(bar.name, salaryImportText(bar.salary, DigitSpace::NoBreak));
        }
        // The best bar carries what the window shows.
        QCOMPARE(salaryImportText(bars[expected->position - 1].salary), ui.SalaryText->text().trimmed());
        QCOMPARE(bars[expected->position - 1].name, ui.PosText->text());
        QCOMPARE(tip->text(), lines.join(u'\n'));

        // Drawn as a chart: a small one, the best bar in the highlight colour.
        QVERIFY2(tip->width() < m_form->width() && tip->height() < 2 * m_form->height(),
                 qPrintable(u"%1 x %2"_s.arg(tip->width()).arg(tip->height())));
        const QImage picture = tip->grab().toImage();
        const QRgb highlight = tip->palette().color(QPalette::Highlight).rgb();
        int longest = 0;
        for (int y = 0; y < picture.height(); ++y) {
            int run = 0;
            for (int x = 0; x < picture.width(); ++x) {
                run = picture.pixel(x, y) == highlight ? run + 1 : 0;
                longest = std::max(longest, run);
            }
        }
        QVERIFY2(longest >= tip->fontMetrics().horizontalAdvance(u'0') * 8, qPrintable(QString::number(longest)));
    }
}

WAGECOURT_FORM1_TEST_MAIN(Form1TooltipsTest)

#include "tst_form1_tooltips.moc"
