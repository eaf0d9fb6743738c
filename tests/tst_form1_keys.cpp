// The keyboard, the copied player and the result's menu.
#include "form1fixture.h"

class Form1KeysTest : public Form1Fixture
{
    Q_OBJECT

private slots:
    // Keyboard and clipboard.
    void keysActAsTheirControls_data();
    void keysActAsTheirControls();
    void levelKeysStepAsClicks_data();
    void levelKeysStepAsClicks();
    void copyReadsBackAsTheShownPlayer_data();
    void copyReadsBackAsTheShownPlayer();
    void resultMenu_data();
    void resultMenu();
};

void Form1KeysTest::keysActAsTheirControls_data()
{
    QTest::addColumn<QString>("focus");
    QTest::addColumn<QKeySequence>("keys");
    QTest::addColumn<QStringList>("calls");
    QTest::addColumn<int>("height"); // twips
    QTest::addColumn<bool>("open");

    const QStringList press{u"pause 100"_s, u"clipboard"_s, u"pause 100"_s, u"message"_s}; // the clipboard is empty
    QTest::newRow("Return on Calculate Salary") << u"Command1"_s << QKeySequence(Qt::Key_Return) << press << 3525
                                                << true;
    QTest::newRow("Enter on Calculate Salary") << u"Command1"_s << QKeySequence(Qt::KeypadModifier | Qt::Key_Enter)
                                               << press << 3525 << true;
    QTest::newRow("Return on Show Info") << u"Command2"_s << QKeySequence(Qt::Key_Return) << QStringList() << 8850
                                         << true;
    QTest::newRow("Ctrl+Return on Show Info") << u"Command2"_s << QKeySequence(Qt::CTRL | Qt::Key_Return)
                                              << QStringList() << 3525 << true;
    QTest::newRow("Return on the check box") << u"Check1"_s << QKeySequence(Qt::Key_Return) << QStringList() << 3525
                                             << true;
    QTest::newRow("Paste on the check box") << u"Check1"_s << QKeySequence(QKeySequence::Paste) << press << 3525
                                            << true;
    QTest::newRow("Paste on the language list") << u"Combo1"_s << QKeySequence(QKeySequence::Paste) << press << 3525
                                                << true;
    QTest::newRow("Paste on a level") << u"LevelText_3"_s << QKeySequence(QKeySequence::Paste) << press << 3525
                                      << true;
    QTest::newRow("Copy") << u"Command1"_s << QKeySequence(QKeySequence::Copy) << QStringList{u"copy"_s} << 3525
                          << true;
    QTest::newRow("F1 on a level") << u"LevelText_10"_s << QKeySequence(Qt::Key_F1) << QStringList() << 8850 << true;
    QTest::newRow("Ctrl+Q") << u"Combo1"_s << QKeySequence(Qt::CTRL | Qt::Key_Q) << QStringList() << 3525 << false;
}

void Form1KeysTest::keysActAsTheirControls()
{
    QFETCH(QString, focus);
    QFETCH(QKeySequence, keys);
    QFETCH(QStringList, calls);
    QFETCH(int, height);
    QFETCH(bool, open);

    showActive(*m_form);
    auto *target = m_form->findChild<QWidget *>(focus);
    QVERIFY(target);
    target->setFocus(Qt::TabFocusReason);
    m_platform->calls.clear();
    QTest::keySequence(target, keys);
    QCOMPARE(m_platform->calls, calls);
    QCOMPARE(m_form->height(), m_form->twips()(height));
    QCOMPARE(m_form->isVisible(), open);
}

void Form1KeysTest::levelKeysStepAsClicks_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QKeySequence>("key");
    QTest::addColumn<int>("button"); // the click it must equal; 0 for none

    QTest::newRow("Up") << 4 << QKeySequence(Qt::Key_Up) << 1;
    QTest::newRow("Right") << 4 << QKeySequence(Qt::Key_Right) << 1;
    QTest::newRow("+") << 4 << QKeySequence(Qt::SHIFT | Qt::Key_Plus) << 1;
    QTest::newRow("keypad +") << 4 << QKeySequence(Qt::KeypadModifier | Qt::Key_Plus) << 1;
    QTest::newRow("Down") << 4 << QKeySequence(Qt::Key_Down) << 2;
    QTest::newRow("Left") << 4 << QKeySequence(Qt::Key_Left) << 2;
    QTest::newRow("-") << 4 << QKeySequence(Qt::Key_Minus) << 2;
    QTest::newRow("keypad -") << 4 << QKeySequence(Qt::KeypadModifier | Qt::Key_Minus) << 2;
    QTest::newRow("Up at 20") << 1 << QKeySequence(Qt::Key_Up) << 1;
    QTest::newRow("Down at 2, then at 1") << 10 << QKeySequence(Qt::Key_Down, Qt::Key_Down) << 2;
    QTest::newRow("Ctrl+Up") << 4 << QKeySequence(Qt::CTRL | Qt::Key_Up) << 0;
    QTest::newRow("a letter") << 4 << QKeySequence(Qt::Key_A) << 0;
}

void Form1KeysTest::levelKeysStepAsClicks()
{
    QFETCH(int, index);
    QFETCH(QKeySequence, key);
    QFETCH(int, button);

    QList<int> levels = kSample;
    levels[0] = 20;
    m_platform->clipboard = skillList(*findLanguage(u"English"), levels);
    m_form->Command1_Click();
    Form1 clicked(*m_platform);
    clicked.Command1_Click();
    QCOMPARE(viewOf(clicked), viewOf(*m_form));

    showActive(*m_form);
    LevelLabel *label = m_form->controls().LevelText[index];
    label->setFocus(Qt::TabFocusReason);
    m_platform->calls.clear();
    QTest::keySequence(label, key);
    if (button != 0)
        for (int i = 0; i < key.count(); ++i)
            clicked.LevelText_MouseDown(index, button);
    QCOMPARE(viewOf(*m_form), viewOf(clicked));
    QCOMPARE(m_form->state().SkillLevel, clicked.state().SkillLevel);
    QCOMPARE(m_form->state().Salary, clicked.state().Salary);
    QVERIFY(m_platform->calls.isEmpty());
    QCOMPARE(QApplication::focusWidget(), label);
}

void Form1KeysTest::copyReadsBackAsTheShownPlayer_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QList<int>>("levels"); // imported first; none: copied at start

    QTest::newRow("at start") << u"English"_s << QList<int>();
    QRandomGenerator random(58203);
    for (const QString &language : languageNames()) {
        QList<int> levels;
        for (int skill = 1; skill <= kSkillCaptionCount; ++skill)
            levels << random.bounded(1, 21);
        QTest::newRow(language.toUtf8().constData()) << language << levels;
    }
}

void Form1KeysTest::copyReadsBackAsTheShownPlayer()
{
    QFETCH(QString, language);
    QFETCH(QList<int>, levels);

    const Form1Controls &ui = m_form->controls();
    pickLanguage(*m_form, language);
    if (!levels.isEmpty()) {
        m_platform->clipboard = skillList(*findLanguage(language), levels);
        m_form->Command1_Click();
        m_form->LevelText_MouseDown(5, 1); // the salary now shows in the click form
        m_form->LevelText_MouseDown(5, 2);
    }
    showActive(*m_form);
    QTest::keySequence(m_form, QKeySequence::Copy);
    const QString copied = m_platform->clipboard;
    const QStringList lines = copied.split(u'\n');
    QCOMPARE(lines.size(), kSkillCaptionCount + 2); // the last line ends too
    for (int k = 1; k <= kSkillCaptionCount; ++k)
        QCOMPARE(lines[k - 1], ui.SkillCaption[k]->text() + u' ' + ui.LevelText[k]->text());
    // The salary as an import shows it, its caption without the colon (a 14th).
    QCOMPARE(lines[kSkillCaptionCount], ui.Label_Salary->text().chopped(1) + u' ' + ui.SalaryText->text().trimmed()
                                                + u" ("_s + ui.PosText->text() + u')');
    if (levels.isEmpty())
        QCOMPARE(lines[kSkillCaptionCount], u"Weekly Salary 504 (Small Forward)"_s);

    // Pasted back into a window in English: the same player, in the copy's language.
    m_platform->settings.remove(kLanguageSetting);
    Form1 pasted(*m_platform);
    pasted.Command1_Click();
    QVERIFY(m_platform->messageTitles.isEmpty());
    QCOMPARE(pasted.controls().Combo1->currentText(), language);
    for (int k = 1; k <= kSkillCaptionCount; ++k)
        QCOMPARE(pasted.controls().LevelText[k]->text(), ui.LevelText[k]->text());
    QCOMPARE(pasted.state().SkillLevel, m_form->state().SkillLevel);
    QCOMPARE(pasted.state().BestPosition, m_form->state().BestPosition);
    QCOMPARE(pasted.controls().SalaryText->text(), ui.SalaryText->text().trimmed());
    QCOMPARE(pasted.controls().PosText->text(), ui.PosText->text());
}

void Form1KeysTest::resultMenu_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<bool>("menu");

    QTest::newRow("salary") << u"SalaryText"_s << true;
    QTest::newRow("position") << u"PosText"_s << true;
    QTest::newRow("bare surface") << u"Form1"_s << false;
    QTest::newRow("salary caption") << u"Label_Salary"_s << false;
    QTest::newRow("level") << u"LevelText_1"_s << false;
}

void Form1KeysTest::resultMenu()
{
    QFETCH(QString, target);
    QFETCH(bool, menu);

    showActive(*m_form);
    auto *widget = target == m_form->objectName() ? m_form : m_form->findChild<QWidget *>(target);
    QVERIFY(widget);
    m_platform->calls.clear();
    const QPoint at(2, 2);
    QContextMenuEvent request(QContextMenuEvent::Mouse, at, widget->mapToGlobal(at));
    QApplication::sendEvent(widget, &request);

    auto *shown = m_form->findChild<QMenu *>();
    if (!menu) {
        QVERIFY(!shown || !shown->isVisible());
        QVERIFY(m_platform->calls.isEmpty());
        QCOMPARE(m_form->controls().Check1->value(), 1);
        return;
    }
    QVERIFY(shown && shown->isVisible());
    QStringList texts;
    for (QAction *action : shown->actions())
        texts << action->text();
    QCOMPARE(texts, (QStringList{u"Copy"_s, u"Paste and Calculate"_s, QString(), u"Keep in Book"_s, u"Player Book"_s,
                                  u"Training Plan"_s}));
    shown->actions()[0]->trigger();
    QCOMPARE(m_platform->calls, QStringList{u"copy"_s});
    shown->actions()[1]->trigger();
    QCOMPARE(m_platform->calls, (QStringList{u"copy"_s, u"pause 100"_s, u"clipboard"_s, u"pause 100"_s}));
    QVERIFY(m_platform->messageTitles.isEmpty()); // the copy read back
    shown->close();
}

WAGECOURT_FORM1_TEST_MAIN(Form1KeysTest)

#include "tst_form1_keys.moc"
