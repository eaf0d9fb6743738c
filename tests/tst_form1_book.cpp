// The player book from the window: keep, the book's table, Show, delete and undo.
#include "form1fixture.h"

#include "book/bookstore.h"
#include "presentation/booktext.h"
#include "ui/playerbook/booktablemodel.h"
#include "ui/playerbook/bookwindow.h"
#include "ui/playerbook/form1book.h"
#include "ui/playerbook/keepdialog.h"
#include "ui/playerbook/windowbook.h"

#include <QCompleter>
#include <QLineEdit>
#include <QTableView>
#include <QTableWidget>

class Form1BookTest : public Form1Fixture
{
    Q_OBJECT

private slots:
    void keptPlayerComesBack_data();
    void keptPlayerComesBack();

private:
    void keepAs(const QString &name, const QString &note, bool known);
};

// Ctrl+K, the name begun and offered when the book knows it, the note, and Return in the name field.
void Form1BookTest::keepAs(const QString &name, const QString &note, bool known)
{
    QTest::keySequence(m_form, QKeySequence(Qt::CTRL | Qt::Key_K));
    KeepDialog *dialog = m_form->book().keepDialog();
    QVERIFY(dialog && dialog->isVisible());
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

    // Kept after a paste, then again after a click: one player with two snapshots.
    m_platform->clipboard = skillList(entry, levels);
    m_form->Command1_Click();
    const qint32 firstSalary = m_form->state().Salary;
    keepAs(name, u"scouted, 23 years"_s, false);
    m_form->LevelText_MouseDown(1, 1);
    keepAs(name, u"scouted, 23 years"_s, true);
    const View kept = viewOf(*m_form);
    QList<int> shown = levels;
    ++shown[0];

    QTest::keySequence(m_form, QKeySequence(Qt::CTRL | Qt::Key_B));
    BookWindow *window = m_form->book().window();
    QVERIFY(window && window->isVisible());
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
    QTest::keyClick(window->table(), Qt::Key_Return);
    Form1 pasted(*m_platform);
    pickLanguage(pasted, language);
    m_platform->clipboard = skillList(entry, shown);
    pasted.Command1_Click();
    QCOMPARE(viewOf(*m_form), viewOf(pasted));
    QCOMPARE(m_form->state().OtherSkillLevel, pasted.state().OtherSkillLevel);
    clickLevel(*m_form, 4, Qt::RightButton);
    pasted.LevelText_MouseDown(4, 2);
    QCOMPARE(viewOf(*m_form), viewOf(pasted));

    // Delete and undo, in the window and in the file.
    auto inFile = [&] {
        book::BookStore store(WindowBook::defaultPath());
        const std::optional<book::Player> player = store.open().ok() ? store.loadPlayer(name) : std::nullopt;
        return player ? qsizetype(player->snapshots.size()) : 0;
    };
    QApplication::setActiveWindow(window);
    window->table()->setFocus();
    QTest::keyClick(window->table(), Qt::Key_Delete);
    QCOMPARE(model.rowOf(name), -1);
    QCOMPARE(inFile(), 0);
    QTest::keySequence(window, QKeySequence::Undo);
    QCOMPARE(model.rowOf(name), 0);
    QCOMPARE(window->historyTable()->rowCount(), 2);
    QCOMPARE(inFile(), 2);
    QVERIFY(m_platform->messageTitles.isEmpty());
}

WAGECOURT_FORM1_TEST_MAIN(Form1BookTest)

#include "tst_form1_book.moc"
