// What Calculate Salary, the level clicks, Always on Top and the info area do.
#include "form1fixture.h"

class Form1BehavioursTest : public Form1Fixture
{
    Q_OBJECT

private slots:
    // Calculate Salary.
    void pressPausesAroundTheClipboardRead();
    void rejectedPasteChangesNothing_data();
    void rejectedPasteChangesNothing();
    void allOnesShowTheStartResultWithoutItsSpace();

    // Level clicks.
    void leftAndRightClicksStepOneLevel();
    void levelsStopAtOneAndTwenty();
    void middleClickRecalculatesOnly();
    void clicksOnTheLastThreeLevelsAreIgnored();

    // Always on top and the info area.
    void surfaceClickTogglesOnTop();
    void checkBoxDrivesOnTop();
    void labelsAndPicturesAreNotTheSurface();
    void infoToggleChangesOnlyTheHeight();
};

void Form1BehavioursTest::pressPausesAroundTheClipboardRead()
{
    m_platform->calls.clear();
    m_platform->clipboard = skillList(*findLanguage(u"English"), kSample);
    m_form->Command1_Click();
    QCOMPARE(m_platform->calls, (QStringList{u"pause 100"_s, u"clipboard"_s, u"pause 100"_s}));

    m_platform->calls.clear();
    m_platform->clipboard = u"nothing to see"_s;
    m_form->Command1_Click();
    QCOMPARE(m_platform->calls, (QStringList{u"pause 100"_s, u"clipboard"_s, u"pause 100"_s, u"message"_s}));

    // A real press of the button runs the same handler.
    m_platform->calls.clear();
    QTest::mouseClick(m_form->controls().Command1, Qt::LeftButton);
    QCOMPARE(m_platform->calls.size(), 4);
}

void Form1BehavioursTest::rejectedPasteChangesNothing_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<QString>("pasted"); // what the working copy holds afterwards

    const QString english = skillList(*findLanguage(u"English"), kSample);
    QTest::newRow("empty clipboard") << u"English"_s << QString() << QString();
    QTest::newRow("nine colons") << u"English"_s << english.section(u'\n', 0, 8) << english.section(u'\n', 0, 8);
    const QString broken = QString(english).replace(u"\nInside Shot"_s, u":\nInside Shot"_s);
    QTest::newRow("fourteen colons, one inside the list") << u"English"_s << broken << broken;
    QTest::newRow("tab inside Jump Shot") << u"English"_s << u"Age: 24\tJump\tShot"_s + english.sliced(9)
                                          << u"Age: 24\tJump\tShot"_s + english.sliced(9);
    QTest::newRow("small letters") << u"English"_s << u"jump shot"_s + english.sliced(9) << u"jump shot"_s + english.sliced(9);
    QString unknown = english;
    unknown.replace(u"Passing: prolific"_s, u"Passing: superb"_s);
    QTest::newRow("unknown level name") << u"English"_s << unknown << QString();
    QTest::newRow("no language reads it") << u"Deutsch"_s << unknown << unknown;
    QTest::newRow("no language reads it, Français chosen") << u"Français"_s << unknown << QString();
    QString outside = english;
    outside.replace(u"Driving: strong"_s, u"Driving: 25"_s);
    QTest::newRow("number outside 1 to 20") << u"English"_s << outside << QString();
    QTest::newRow("over a megabyte") << u"English"_s << english + QString(kMaxPastedCharacters, u'x') << QString();
    QTest::newRow("refused by the reader") << u"English"_s << u"\x01"_s << QString();
}

void Form1BehavioursTest::rejectedPasteChangesNothing()
{
    QFETCH(QString, language);
    QFETCH(QString, clipboard);
    QFETCH(QString, pasted);

    // A result on screen first, so that a change would show.
    m_platform->clipboard = skillList(*findLanguage(u"English"), QList<int>{4, 4, 4, 4, 4, 4, 4, 4, 4, 4});
    m_form->Command1_Click();
    m_form->LevelText_MouseDown(2, 1);
    pickLanguage(*m_form, language);
    const View before = viewOf(*m_form);
    const SkillLevels levels = m_form->state().SkillLevel;
    const qint32 salary = m_form->state().Salary;
    const int position = m_form->state().BestPosition;

    m_platform->clipboard = clipboard;
    m_platform->clipboardTooLong = QByteArrayView(QTest::currentDataTag()) == "refused by the reader";
    m_form->Command1_Click();
    // In the language chosen, which the text was not read in.
    QCOMPARE(m_platform->messageTitles, QStringList{QCoreApplication::translate("ErrorBox", "ERROR")});
    QCOMPARE(m_platform->messageTexts.size(), 1);
    QCOMPARE(viewOf(*m_form), before);
    QCOMPARE(m_form->controls().Combo1->currentText(), language);
    QCOMPARE(m_form->state().SkillLevel, levels);
    QCOMPARE(m_form->state().Salary, salary);
    QCOMPARE(m_form->state().BestPosition, position);
    if (!pasted.isNull())
        QCOMPARE(m_form->state().PastedText, pasted);
}

void Form1BehavioursTest::allOnesShowTheStartResultWithoutItsSpace()
{
    m_platform->clipboard = skillList(*findLanguage(u"English"), QList<int>(13, 1));
    m_form->Command1_Click();
    const Form1Controls &ui = m_form->controls();
    for (int k = 1; k <= kSalarySkillCount; ++k) {
        QCOMPARE(ui.LevelText[k]->text(), u"atrocious"_s);
        QCOMPARE(colorOf(ui.LevelText[k]), QColor(Qt::black));
    }
    QCOMPARE(ui.SalaryText->text(), u"504"_s);
    QCOMPARE(ui.PosText->text(), u"Small Forward"_s);

    // The same salary after a click keeps the space.
    m_form->LevelText_MouseDown(1, 4);
    QCOMPARE(ui.SalaryText->text(), u" 504"_s);
}

void Form1BehavioursTest::leftAndRightClicksStepOneLevel()
{
    const Form1Controls &ui = m_form->controls();
    m_platform->clipboard = skillList(*findLanguage(u"English"), kSample);
    m_form->Command1_Click();
    const View before = viewOf(*m_form);

    clickLevel(*m_form, 4, Qt::LeftButton); // Handling 10 -> 11
    QList<int> raised = kSample;
    raised[3] = 11;
    const auto expected = computeSalary(levelsOf(raised));
    QCOMPARE(ui.LevelText[4]->text(), u"prolific"_s);
    QCOMPARE(colorOf(ui.LevelText[4]), levelColor(11));
    QCOMPARE(ui.SalaryText->text(), salaryClickText(expected->salary));
    QCOMPARE(ui.PosText->text(), findLanguage(u"English")->positionName(expected->position));
    View after = viewOf(*m_form);
    for (int i = 1; i <= kSkillCaptionCount; ++i) {
        if (i == 4)
            continue;
        QCOMPARE(after.levels[i - 1], before.levels[i - 1]);
        QCOMPARE(after.colors[i - 1], before.colors[i - 1]);
    }

    clickLevel(*m_form, 4, Qt::RightButton);
    QCOMPARE(viewOf(*m_form).levels, before.levels);
    QCOMPARE(viewOf(*m_form).colors, before.colors);
    QCOMPARE(m_form->state().SkillLevel, levelsOf(kSample));

    // From the start: level 2 in its colour, then back to black.
    Form1 fresh(*m_platform);
    clickLevel(fresh, 1, Qt::LeftButton);
    QCOMPARE(fresh.controls().LevelText[1]->text(), u"pitiful"_s);
    QCOMPARE(colorOf(fresh.controls().LevelText[1]), levelColor(2));
    SkillLevels two;
    two.fill(1);
    two[1] = 2;
    QCOMPARE(fresh.controls().SalaryText->text(), salaryClickText(computeSalary(two)->salary));
    clickLevel(fresh, 1, Qt::RightButton);
    QCOMPARE(fresh.controls().LevelText[1]->text(), u"atrocious"_s);
    QCOMPARE(colorOf(fresh.controls().LevelText[1]), QColor(Qt::black));
    QCOMPARE(fresh.controls().SalaryText->text(), u" 504"_s);
}

void Form1BehavioursTest::levelsStopAtOneAndTwenty()
{
    const Form1Controls &ui = m_form->controls();
    for (int i = 0; i < 19; ++i)
        clickLevel(*m_form, 7, Qt::LeftButton);
    QCOMPARE(m_form->state().SkillLevel[7], 20);
    QCOMPARE(ui.LevelText[7]->text(), u"legendary"_s);
    QCOMPARE(colorOf(ui.LevelText[7]), QColor(14, 179, 102));
    const QString salary = ui.SalaryText->text();
    for (int i = 0; i < 3; ++i)
        clickLevel(*m_form, 7, Qt::LeftButton);
    QCOMPARE(m_form->state().SkillLevel[7], 20);
    QCOMPARE(ui.SalaryText->text(), salary);

    for (int i = 0; i < 25; ++i)
        clickLevel(*m_form, 7, Qt::RightButton);
    QCOMPARE(m_form->state().SkillLevel[7], 1);
    QCOMPARE(ui.SalaryText->text(), u" 504"_s);
}

void Form1BehavioursTest::middleClickRecalculatesOnly()
{
    const Form1Controls &ui = m_form->controls();
    clickLevel(*m_form, 5, Qt::MiddleButton);
    QCOMPARE(m_form->state().SkillLevel[5], 1);
    QCOMPARE(m_form->state().Salary, 504);
    QCOMPARE(ui.SalaryText->text(), u" 504"_s); // the click form
    QCOMPARE(ui.PosText->text(), u"Small Forward"_s);
    QCOMPARE(colorOf(ui.LevelText[5]), QColor(Qt::black));
}

void Form1BehavioursTest::clicksOnTheLastThreeLevelsAreIgnored()
{
    m_platform->clipboard = skillList(*findLanguage(u"English"), kSample);
    m_form->Command1_Click();
    m_form->LevelText_MouseDown(3, 1); // the salary now shows in the click form
    const View before = viewOf(*m_form);
    const qint32 salary = m_form->state().Salary;
    for (int i = 11; i <= 13; ++i)
        for (Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton})
            clickLevel(*m_form, i, button);
    QCOMPARE(viewOf(*m_form), before);
    QCOMPARE(m_form->state().Salary, salary);

    // Before any result the salary keeps its layout text.
    Form1 fresh(*m_platform);
    clickLevel(fresh, 12, Qt::LeftButton);
    QCOMPARE(fresh.controls().SalaryText->text(), u" 504"_s);
    QCOMPARE(fresh.state().Salary, 0);
}

void Form1BehavioursTest::surfaceClickTogglesOnTop()
{
    const QPoint bare(m_form->twips()(3000), m_form->twips()(150)); // between the box and the list
    QCOMPARE(m_form->childAt(bare), nullptr);
    m_platform->calls.clear();

    QTest::mouseClick(m_form, Qt::LeftButton, {}, bare);
    QCOMPARE(m_form->controls().Check1->value(), 0);
    // The handler's own call, then the box's click handler nested inside it.
    QCOMPARE(m_platform->calls, (QStringList{u"off"_s, u"off"_s}));

    QTest::mouseClick(m_form, Qt::LeftButton, {}, bare);
    QCOMPARE(m_form->controls().Check1->value(), 1);
    QCOMPARE(m_platform->calls, (QStringList{u"off"_s, u"off"_s, u"on"_s, u"on"_s}));

    QTest::mouseClick(m_form, Qt::RightButton, {}, bare);
    QTest::mouseClick(m_form, Qt::MiddleButton, {}, bare);
    QCOMPARE(m_form->controls().Check1->value(), 1);
    QCOMPARE(m_platform->calls.size(), 4);

    // The thin margin below the card is surface too.
    QTest::mouseClick(m_form, Qt::LeftButton, {}, QPoint(5, m_form->height() - 2));
    QCOMPARE(m_form->controls().Check1->value(), 0);

    // A greyed box is left alone.
    m_form->controls().Check1->setValue(2);
    m_platform->calls.clear();
    QTest::mouseClick(m_form, Qt::LeftButton, {}, bare);
    QCOMPARE(m_form->controls().Check1->value(), 2);
    QVERIFY(m_platform->calls.isEmpty());
}

void Form1BehavioursTest::checkBoxDrivesOnTop()
{
    ValueCheckBox *box = m_form->controls().Check1;
    m_platform->calls.clear();
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(5, box->height() / 2));
    QCOMPARE(box->value(), 0);
    QCOMPARE(m_platform->calls, QStringList{u"off"_s});
    // Anywhere in the box, also right of its text.
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(box->width() - 3, box->height() / 2));
    QCOMPARE(box->value(), 1);
    QCOMPARE(m_platform->calls, (QStringList{u"off"_s, u"on"_s}));
    // The same value written again raises no click.
    box->setValue(1);
    QCOMPARE(m_platform->calls.size(), 2);
}

void Form1BehavioursTest::labelsAndPicturesAreNotTheSurface()
{
    const Form1Controls &ui = m_form->controls();
    m_platform->calls.clear();
    const View before = viewOf(*m_form);
    const QList<QWidget *> notSurface{ui.Image1, ui.SkillCaption[1], ui.SkillCaption[13], ui.SalaryText,
                                      ui.PosText, ui.Label_Salary};
    for (QWidget *widget : notSurface)
        QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(1, 1));
    m_form->Command2_Click();
    for (QWidget *widget : {static_cast<QWidget *>(ui.Image2), static_cast<QWidget *>(ui.Label1),
                            static_cast<QWidget *>(ui.Label2), static_cast<QWidget *>(ui.Label6)})
        QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(1, 1));
    QVERIFY(m_platform->calls.isEmpty());
    QCOMPARE(ui.Check1->value(), 1);
    QCOMPARE(viewOf(*m_form), before);
}

void Form1BehavioursTest::infoToggleChangesOnlyTheHeight()
{
    m_form->move(40, 60);
    m_form->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_form));
    const QPoint place = m_form->pos();
    const int width = m_form->width();
    QPushButton *toggle = m_form->controls().Command2;

    QTest::mouseClick(toggle, Qt::LeftButton);
    QCOMPARE(m_form->height(), m_form->twips()(8850));
    QCOMPARE(toggle->text(), u"Hide Info"_s);
    QTest::mouseClick(toggle, Qt::LeftButton);
    QCOMPARE(m_form->height(), m_form->twips()(3525));
    QCOMPARE(toggle->text(), u"Show Info"_s);
    QCOMPARE(m_form->width(), width);
    QCOMPARE(m_form->pos(), place);
    QCOMPARE(m_form->minimumSize(), m_form->maximumSize());

    // Any other caption: nothing happens.
    toggle->setText(u"Info"_s);
    m_form->Command2_Click();
    QCOMPARE(m_form->height(), m_form->twips()(3525));
    QCOMPARE(toggle->text(), u"Info"_s);
}

WAGECOURT_FORM1_TEST_MAIN(Form1BehavioursTest)

#include "tst_form1_behaviours.moc"
