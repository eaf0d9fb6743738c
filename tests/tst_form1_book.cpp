// The player book from the window: keep, the book's table, Show, delete and undo.
#include "form1fixture.h"

#include "bookcases.h"

#include "book/bookstore.h"
#include "book/shortlist.h"
#include "planner/planner.h"
#include "presentation/booktext.h"
#include "presentation/plantext.h"
#include "presentation/bookwindowtext.h"
#include "ui/plan/trainingplanwindow.h"
#include "ui/playerbook/booktablemodel.h"
#include "ui/playerbook/bookwindow.h"
#include "ui/playerbook/form1book.h"
#include "ui/playerbook/keepdialog.h"
#include "ui/playerbook/placement.h"
#include "ui/playerbook/windowbook.h"

#include <QCompleter>
#include <QLineEdit>
#include <QScrollBar>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>

class Form1BookTest : public Form1Fixture
{
    Q_OBJECT

private slots:
    void keptPlayerComesBack_data();
    void keptPlayerComesBack();
    void quitWaitsForTheBook_data();
    void quitWaitsForTheBook();
    void pastedLinkIsOffered_data();
    void pastedLinkIsOffered();
    void trainingPlanFollowsTheClicks();
    void bookCases_data() { wagecourt::test::bookCaseRows(); }
    void bookCases();

private:
    void keepAs(const QString &name, const QString &note, bool known);
};

static int snapshotsInFile(const QString &name)
{
    book::BookStore store(WindowBook::defaultPath());
    const std::optional<book::Player> player = store.open().ok() ? store.loadPlayer(name) : std::nullopt;
    return player ? int(player->snapshots.size()) : 0;
}

// Ctrl+K, the name begun and offered when the book knows it, the note, and Return in the name field.
void Form1BookTest::keepAs(const QString &name, const QString &note, bool known)
{
    QTest::keySequence(m_form, QKeySequence(Qt::CTRL | Qt::Key_K));
    KeepDialog *dialog = m_form->book().keepDialog();
    QVERIFY(dialog && dialog->isVisible());
    QVERIFY(availableArea(m_form).contains(dialog->frameGeometry())); // over the main window, whole on the screen
    QVERIFY(dialog->frameGeometry().intersects(m_form->frameGeometry()));
    auto *nameField = dialog->findChild<QLineEdit *>(u"keepName"_s);
    auto *noteField = dialog->findChild<QLineEdit *>(u"keepNote"_s);
    QTest::keyClicks(nameField, name.left(2));
    QCOMPARE(nameField->completer()->currentCompletion(), known ? name : QString());
    if (known) { // picked from the names offered
        QAbstractItemView *offered = nameField->completer()->popup();
        QVERIFY(offered->isVisible());
        QTest::keyClick(offered, Qt::Key_Down);
        QTest::keyClick(offered, Qt::Key_Return);
        QVERIFY(!offered->isVisible());
    }
    nameField->setText(name);
    QCOMPARE(noteField->text(), known ? note : QString()); // his note comes along
    noteField->setText(note);
    QTest::keyClick(nameField, Qt::Key_Return);
    QVERIFY(!dialog->isVisible());
    showActive(*m_form); // the main window has the keys again, as the window manager gives them back
}

void Form1BookTest::keptPlayerComesBack_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QList<int>>("levels");
    QTest::addColumn<QString>("name");

    QTest::newRow("English") << u"English"_s << kSample << u"Ann Example"_s;
    QTest::newRow("Deutsch, a name beyond ASCII")
            << u"Deutsch"_s << QList<int>{15, 3, 9, 12, 20, 1, 7, 6, 11, 4, 2, 5, 19} << u"Zoë Ümit-Çelik"_s;
}

void Form1BookTest::keptPlayerComesBack()
{
    QFETCH(QString, language);
    QFETCH(QList<int>, levels);
    QFETCH(QString, name);
    QFile::remove(WindowBook::defaultPath());
    const LanguageEntry &entry = *findLanguage(language);
    pickLanguage(*m_form, language);
    showActive(*m_form);
    // Before a list is read there is nothing to keep, and the greyed item says so.
    QTest::keySequence(m_form, QKeySequence(Qt::CTRL | Qt::Key_K));
    QVERIFY(!m_form->book().keepDialog());
    QCOMPARE(m_form->book().keepAction()->toolTip(), bookwindowtext::kKeepNeedsPlayer.translated());

    // Kept after a paste, then again after a click: one player with two snapshots.
    m_platform->clipboard = skillList(entry, levels);
    m_form->Command1_Click();
    const qint32 firstSalary = m_form->state().Salary;
    keepAs(name, u"scouted, 23 years"_s, false);
    m_form->LevelText_MouseDown(1, 1);
    keepAs(name, u"scouted, 23 years"_s, true);
    QCOMPARE(m_form->playerNameShown(), name); // the card names whom it shows
    const View kept = viewOf(*m_form);
    QList<int> shown = levels;
    ++shown[0];

    QTest::keySequence(m_form, QKeySequence(Qt::CTRL | Qt::Key_B));
    BookWindow *window = m_form->book().window();
    QVERIFY(window && window->isVisible());
    // Beside the main window where the screen has room, and whole on it.
    QVERIFY(availableArea(m_form).contains(window->frameGeometry()));
    QVERIFY(!window->frameGeometry().intersects(m_form->frameGeometry()));
    QApplication::setActiveWindow(window);
    QVERIFY(QTest::qWaitForWindowActive(window));
    const BookTableModel &model = window->model();
    const int row = model.rowOf(name);
    QCOMPARE(model.rowCount(), 1);
    auto cell = [&](int column, int role = Qt::DisplayRole) { return model.index(row, column).data(role); };
    QCOMPARE(cell(BookTableModel::NameColumn).toString(), name);
    QCOMPARE(cell(BookTableModel::FirstLevelColumn).toInt(), shown[0]);
    QCOMPARE(cell(BookTableModel::FirstLevelColumn, Qt::ForegroundRole).value<QBrush>().color(), levelColor(shown[0]));
    QCOMPARE(cell(BookTableModel::SalaryColumn).toString(), kept.salary.trimmed());
    QCOMPARE(cell(BookTableModel::PositionColumn).toString(), kept.position);
    QCOMPARE(cell(BookTableModel::ChangeColumn).toString(), booktext::changeText(m_form->state().Salary - firstSalary));
    QCOMPARE(window->historyTable()->rowCount(), 2);

    // Copy as Table: the header row, then his cells as numbers.
    QTest::keySequence(window, QKeySequence::Copy);
    const QStringList lines = m_platform->clipboard.split(u'\n');
    QCOMPARE(lines.size(), 3);
    const QStringList cells = lines[1].split(u'\t');
    QCOMPARE(cells.size(), BookTableModel::ColumnCount);
    QCOMPARE(cells[0], name);
    for (int skill = 0; skill < kSalarySkillCount; ++skill)
        QCOMPARE(cells[1 + skill].toInt(), shown[skill]);
    QCOMPARE(cells[BookTableModel::SalaryColumn], QString::number(m_form->state().Salary));
    QCOMPARE(cells[BookTableModel::NoteColumn], u"scouted, 23 years"_s);

    // Show, after another player was pasted: what was kept, and clicks go on as after its paste.
    m_platform->clipboard = skillList(entry, QList<int>(kSkillCaptionCount, 10));
    m_form->Command1_Click();
    QVERIFY(m_form->playerNameShown().isEmpty()); // a list names no one
    QTest::keyClick(window->table(), Qt::Key_Return);
    QCOMPARE(m_form->playerNameShown(), name);
    Form1 pasted(*m_platform);
    pickLanguage(pasted, language);
    m_platform->clipboard = skillList(entry, shown);
    pasted.Command1_Click();
    QCOMPARE(viewOf(*m_form), viewOf(pasted));
    QCOMPARE(m_form->state().OtherSkillLevel, pasted.state().OtherSkillLevel);
    clickLevel(*m_form, 4, Qt::RightButton);
    pasted.LevelText_MouseDown(4, 2);
    QCOMPARE(viewOf(*m_form), viewOf(pasted));

    // Another program's keep leaves the user where he was, and its row whole.
    QScrollBar *across = window->table()->horizontalScrollBar();
    across->setValue(across->maximum());
    const int scrolled = across->value();
    book::BookStore commandLine(WindowBook::defaultPath(), book::kCommandLineBusyMilliseconds);
    QVERIFY(commandLine.open().ok());
    book::Keep other{
            u"Aaron Other"_s, {QDate(2026, 1, 5), {12, 10, 10, 10, 10, 13, 10, 10, 10, 10, 0, 0, 0}, &entry}, {}, {}};
    QVERIFY(commandLine.keep(other).ok());
    QApplication::setActiveWindow(m_form);
    QApplication::setActiveWindow(window); // coming back, the window looks for changes
    QTRY_COMPARE(model.rowCount(), 2);
    QCOMPARE(across->value(), scrolled);
    QCOMPARE(window->table()->currentIndex().row(), model.rowOf(name));
    const QString position =
            model.index(model.rowOf(u"Aaron Other"_s), BookTableModel::PositionColumn).data().toString();
    QVERIFY(window->table()->fontMetrics().horizontalAdvance(position)
            < window->table()->columnWidth(BookTableModel::PositionColumn));

    // Delete and undo, in the window and in the file.
    auto inFile = [&] { return snapshotsInFile(name); };
    QApplication::setActiveWindow(window);
    window->table()->setFocus();
    QTest::keyClick(window->table(), Qt::Key_Delete);
    QCOMPARE(model.rowOf(name), -1);
    QCOMPARE(inFile(), 0);
    QTest::keySequence(window, QKeySequence::Undo);
    QVERIFY(model.rowOf(name) >= 0);
    QCOMPARE(window->historyTable()->rowCount(), 2);
    QCOMPARE(inFile(), 2);
    QVERIFY(m_platform->messageTitles.isEmpty());
}

void Form1BookTest::quitWaitsForTheBook_data()
{
    QTest::addColumn<int>("letGoAfter"); // milliseconds into the quit; -1: never
    QTest::addColumn<QList<int>>("answers"); // to each question asked: 0 wait, 1 quit and lose
    QTest::addColumn<bool>("written");

    QTest::newRow("let go within the wait") << 400 << QList<int>{} << true;
    QTest::newRow("held on: quit and lose him") << -1 << QList<int>{1} << false;
    QTest::newRow("held on: waited for once more") << 2500 << QList<int>{0} << true;
}

// Keep while another program holds the book, then quit: the window waits for
// the book and writes the player, or asks before it loses him.
void Form1BookTest::quitWaitsForTheBook()
{
    QFETCH(int, letGoAfter);
    QFETCH(QList<int>, answers);
    QFETCH(bool, written);
    QFile::remove(WindowBook::defaultPath());
    showActive(*m_form);
    m_platform->clipboard = skillList(*findLanguage(u"English"_s), kSample);
    m_form->Command1_Click();
    keepAs(u"Ann Example"_s, {}, false); // the book's file made, and Ann in it

    {
        QSqlDatabase other = QSqlDatabase::addDatabase(u"QSQLITE"_s, u"other program"_s);
        other.setDatabaseName(WindowBook::defaultPath());
        QVERIFY(other.open() && QSqlQuery(other).exec(u"BEGIN IMMEDIATE"_s));
        auto letGo = [&] { QSqlQuery(other).exec(u"ROLLBACK"_s); };
        keepAs(u"Bo Example"_s, {}, false);
        QCOMPARE(snapshotsInFile(u"Bo Example"_s), 0);
        if (letGoAfter >= 0)
            QTimer::singleShot(letGoAfter, m_form, letGo);
        m_platform->answers = answers;
        QVERIFY(m_form->close());
        QCOMPARE(m_platform->questions, QStringList(answers.size(), bookwindowtext::kUnsavedOnQuit.translated(1)));
        QCOMPARE(snapshotsInFile(u"Bo Example"_s), int(written));
        delete m_form; // the end of the run, the book still held where it was given up
        m_form = nullptr;
        letGo();
    }
    QSqlDatabase::removeDatabase(u"other program"_s);
    QCOMPARE(snapshotsInFile(u"Bo Example"_s), int(written));
}

void Form1BookTest::pastedLinkIsOffered_data()
{
    QTest::addColumn<int>("cut"); // characters cut off the link's end
    QTest::addColumn<QList<int>>("answers"); // 0 do not add, 1 add
    QTest::addColumn<int>("added"); // snapshots in the file afterwards
    QTest::addColumn<bool>("asked");

    QTest::newRow("added") << 0 << QList<int>{1} << 2 << true;
    QTest::newRow("declined") << 0 << QList<int>{0} << 0 << true;
    QTest::newRow("cut off") << 3 << QList<int>{1} << 0 << false;
}

// Ctrl+V of a shortlist's link in the main window: what it holds is asked
// about in the book's window, and its players go into the book, or nothing does.
void Form1BookTest::pastedLinkIsOffered()
{
    QFETCH(int, cut);
    QFETCH(QList<int>, answers);
    QFETCH(int, added);
    QFETCH(bool, asked);
    QFile::remove(WindowBook::defaultPath());
    const LanguageEntry &english = *findLanguage(u"English"_s);
    book::Player linked{u"Cy Linked"_s, u"from the phone"_s, {u"guard"_s}, {}};
    for (int day : {1, 15})
        linked.snapshots.push_back({QDate(2026, 11, day), {9, 9, 9, 9, 9, 9, 9, 9, 9, qint16(day % 20), 5, 5, 5}, &english});
    const QString link = book::shortlistDesktopLink(book::shortlistText(std::span(&linked, 1)));
    m_platform->clipboard = u"Look at him: "_s + link.chopped(cut) + u"\n"_s;
    m_platform->answers = answers;
    showActive(*m_form);
    QTest::keySequence(m_form, QKeySequence::Paste);

    QCOMPARE(m_platform->questions.size(), int(asked));
    // The summary, or why the link adds nothing; a link declined says no more.
    QCOMPARE(m_platform->messageTitles.size(), int(added > 0 || !asked));
    QCOMPARE(snapshotsInFile(linked.name), added);
    QCOMPARE(m_form->state().Salary, 0); // the main window read no list
    if (added) {
        QVERIFY(m_platform->messageTexts[0].startsWith(booktext::sentence(booktext::importedText({1, 2, 0, 0}))));
        QVERIFY(m_form->book().window()->model().rowOf(linked.name) >= 0);
    }
}

// Ctrl+T after a paste: targets clicked in the grid are planned in the order
// clicked, a second click on a target takes it back, and a salary the game
// shows that differs offers its report.
void Form1BookTest::trainingPlanFollowsTheClicks()
{
    const LanguageEntry &english = *findLanguage(u"English"_s);
    showActive(*m_form);
    QTest::keySequence(m_form, QKeySequence(Qt::CTRL | Qt::Key_T));
    QVERIFY(!m_form->trainingPlan()); // no one to plan yet
    m_platform->clipboard = skillList(english, kSample);
    m_form->Command1_Click();
    QTest::keySequence(m_form, QKeySequence(Qt::CTRL | Qt::Key_T));
    TrainingPlanWindow *plan = m_form->trainingPlan();
    QVERIFY(plan && plan->isVisible());
    QVERIFY(availableArea(m_form).contains(plan->frameGeometry()));
    auto click = [&](int skill, int level) {
        const QTableWidget *grid = plan->worthGrid();
        const QRect cell = grid->visualRect(grid->model()->index(level - 1, skill - 1));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
    };
    const SkillLevels start = m_form->state().SkillLevel;
    click(7, 12);
    // By the keys: from there to Rebounding 1, and Return.
    QTableWidget *grid = const_cast<QTableWidget *>(plan->worthGrid());
    for (const Qt::Key key : {Qt::Key_Right, Qt::Key_Right})
        QTest::keyClick(grid, key);
    for (int up = 0; up < 11; ++up)
        QTest::keyClick(grid, Qt::Key_Up);
    QTest::keyClick(grid, Qt::Key_Return);
    click(1, 20);
    click(1, 20); // taken back
    const std::optional<planner::Plan> expected = planner::planTraining(start, {{7, 12}, {9, 1}});
    QVERIFY(expected);
    QVERIFY2(plan->details().startsWith(plantext::planTable(english, *expected)), qPrintable(plan->details()));

    // A click in the main window plans from the new levels, with no targets.
    clickLevel(*m_form, 1, Qt::LeftButton);
    QVERIFY(plan->details().startsWith(plantext::kNoPlan.translated()));
    plan->setShown(QString::number(m_form->state().Salary));
    QVERIFY(!plan->copyReportButton()->isEnabled());
    plan->setShown(QString::number(m_form->state().Salary + 1));
    QVERIFY(plan->copyReportButton()->isEnabled());
    QTest::mouseClick(const_cast<QPushButton *>(plan->copyReportButton()), Qt::LeftButton);
    QVERIFY(m_platform->clipboard.contains(QString::number(m_form->state().Salary + 1)));
}

// The book window's Import says what the command line and the page say of
// the same file, word for word, each line as a sentence.
void Form1BookTest::bookCases()
{
    QFETCH(QByteArray, book);
    QFETCH(QByteArray, file);
    QFETCH(QString, summary);
    QFETCH(QStringList, refused);
    QFile::remove(WindowBook::defaultPath());
    QTemporaryDir scratch;
    auto import = [&](const QByteArray &bytes) {
        QFile written(scratch.filePath(u"import.csv"_s));
        QVERIFY(written.open(QIODevice::WriteOnly) && written.write(bytes) == bytes.size());
        written.close();
        m_form->book().window()->importFrom(written.fileName());
    };
    m_form->book().openBook();
    if (!book.isEmpty())
        import(book);
    m_platform->messageTexts.clear();
    import(file);
    QStringList expected{booktext::sentence(summary)};
    for (const QString &line : refused)
        expected << booktext::sentence(line);
    QCOMPARE(m_platform->messageTexts, QStringList{expected.join(u'\n')});
}

WAGECOURT_FORM1_TEST_MAIN(Form1BookTest)

#include "tst_form1_book.moc"
