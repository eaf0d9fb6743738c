#include "ui/playerbook/bookwindow.h"

#include "book/shortlist.h"
#include "catalogue/catalogue.h"
#include "presentation/bookcopytext.h"
#include "presentation/booktext.h"
#include "presentation/bookwindowtext.h"
#include "presentation/salarytext.h"
#include "ui/controls.h"
#include "ui/platform/platform.h"
#include "ui/playerbook/booktablemodel.h"
#include "ui/playerbook/comparedialog.h"
#include "ui/playerbook/qrdialog.h"
#include "ui/playerbook/windowbook.h"
#include "usecases/bookcases.h"
#include "usecases/links.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPushButton>
#include <QSaveFile>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTableView>
#include <QTableWidget>
#include <QVBoxLayout>

namespace wagecourt::ui {

using namespace Qt::StringLiterals;
namespace text = bookwindowtext;

namespace {

// An import's box names this many bad lines, and how many more there were.
constexpr qsizetype kLinesNamed = 20;
constexpr int kRowsMeasured = 100;
constexpr int kRowsLeast = 4;

// The documents folder, or the home folder where there is none.
QString documentsFolder()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return !documents.isEmpty() && QDir(documents).exists() ? documents : QDir::homePath();
}

QTableWidgetItem *historyCell(const QString &value)
{
    auto *item = new QTableWidgetItem(value);
    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}

} // namespace

BookWindow::BookWindow(WindowBook &session, Platform &platform, QWidget *parent)
    : QWidget(parent, Qt::Window), m_session(session), m_platform(platform), m_language(&languages()[0]),
      m_model(new BookTableModel(this)), m_table(new QTableView(this)), m_historyLabel(new QLabel(this)),
      m_history(new QTableWidget(this)), m_status(new QLabel(this)), m_unreadable(new QLabel(this)),
      m_tagLabel(new QLabel(this)), m_tagFilter(new QComboBox(this))
{
    setObjectName(u"BookWindow"_s);
    m_table->setObjectName(u"book"_s);
    m_table->setModel(m_model);
    m_table->setSortingEnabled(true);
    m_table->sortByColumn(BookTableModel::NameColumn, Qt::AscendingOrder);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setTabKeyNavigation(false); // Tab goes on to the history and the buttons
    m_table->verticalHeader()->hide();
    // Rows one line high, as a list of many players wants them.
    const int rowHeight = fontMetrics().height() + 6;
    m_table->verticalHeader()->setDefaultSectionSize(rowHeight);
    // However small the screen, a few players in sight under the headings of
    // two lines, and the sideways scroll bar; the history's latest row likewise.
    const int framed = 2 * fontMetrics().height() + 6 + style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 4;
    m_table->setMinimumHeight(framed + kRowsLeast * rowHeight);
    m_history->setMinimumHeight(framed + rowHeight);
    // The note, the last column, takes what room the others leave.
    m_table->horizontalHeader()->setStretchLastSection(true);
    // Widths from the rows in sight and a few more, not from every player of a large book.
    m_table->horizontalHeader()->setResizeContentsPrecision(kRowsMeasured);
    connect(m_table->horizontalHeader(), &QHeaderView::sectionResized, this, [this](int column) {
        if (!m_fitting && column != BookTableModel::NoteColumn)
            m_userSized.insert(column);
    });
    m_history->setObjectName(u"history"_s);
    m_history->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_history->setTabKeyNavigation(false);
    m_history->verticalHeader()->hide();
    m_history->verticalHeader()->setDefaultSectionSize(rowHeight);
    m_historyLabel->setBuddy(m_history);

    auto *players = new QHBoxLayout;
    m_show = addButton("show", &BookWindow::showCurrent);
    m_compareButton = addButton("compareButton", &BookWindow::compareChosen);
    m_delete = addButton("delete", &BookWindow::deleteChosen);
    m_undo = addButton("undo", &BookWindow::undoDelete);
    for (QPushButton *button : {m_show, m_compareButton, m_delete, m_undo})
        players->addWidget(button);
    players->addStretch();
    m_tagFilter->setObjectName(u"tagFilter"_s);
    m_tagFilter->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    m_tagLabel->setBuddy(m_tagFilter);
    players->addWidget(m_tagLabel);
    players->addWidget(m_tagFilter);
    connect(m_tagFilter, &QComboBox::activated, this, [this] {
        m_model->setTagFilter(m_tagFilter->currentIndex() > 0 ? m_tagFilter->currentText() : QString());
        refresh();
    });
    m_unreadable->setObjectName(u"unreadable"_s);
    m_unreadable->setWordWrap(true);
    m_unreadable->hide();
    auto *whole = new QHBoxLayout;
    m_export = addButton("book-export", &BookWindow::askExport);
    m_import = addButton("book-import", &BookWindow::askImport);
    m_copyTable = addButton("copyTable", &BookWindow::copyAsTable);
    m_copyForum = addButton("copyForum", &BookWindow::copyForForum);
    m_copyLink = addButton("copyLink", &BookWindow::copyLink);
    m_close = addButton("close", nullptr);
    connect(m_close, &QPushButton::clicked, this, &QWidget::close);
    for (QPushButton *button : {m_export, m_import, m_copyTable, m_copyForum, m_copyLink})
        whole->addWidget(button);
    whole->addStretch();
    whole->addWidget(m_close);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_table, 3);
    layout->addLayout(players);
    layout->addWidget(m_historyLabel);
    layout->addWidget(m_history, 2);
    layout->addWidget(m_unreadable);
    layout->addWidget(m_status);
    layout->addLayout(whole);

    connect(m_table, &QAbstractItemView::activated, this, &BookWindow::showCurrent);
    connect(m_table->selectionModel(), &QItemSelectionModel::currentRowChanged, this, &BookWindow::showHistory);
    connect(m_table->selectionModel(), &QItemSelectionModel::selectionChanged, this, &BookWindow::updateButtons);
    m_session.book(); // opened and read before the window listens, so it fills its table once
    connect(&m_session, &WindowBook::aboutToChange, this, &BookWindow::holdSelection);
    connect(&m_session, &WindowBook::changed, this, &BookWindow::refresh);
    createKeys();
    retranslate();
    refresh();
}

BookWindow::~BookWindow() = default;

QPushButton *BookWindow::addButton(const char *name, void (BookWindow::*handler)())
{
    auto *button = new PushButton(QString(), this); // Return presses it, as Space does
    button->setObjectName(QLatin1String(name));
    if (handler)
        connect(button, &QPushButton::clicked, this, handler);
    return button;
}

void BookWindow::createKeys()
{
    auto key = [this](QKeySequence keys, void (BookWindow::*handler)()) {
        auto *action = new QAction(this);
        action->setShortcut(keys);
        action->setShortcutContext(Qt::WindowShortcut);
        connect(action, &QAction::triggered, this, handler);
        addAction(action);
    };
    key(QKeySequence::Delete, &BookWindow::deleteChosen);
    key(QKeySequence::Undo, &BookWindow::undoDelete);
    key(QKeySequence::Copy, &BookWindow::copyAsTable);
    key(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C), &BookWindow::copyForForum);
    key(QKeySequence::Save, &BookWindow::askExport);
    key(QKeySequence::Open, &BookWindow::askImport);
    key(QKeySequence(Qt::CTRL | Qt::Key_L), &BookWindow::copyLink);
    key(QKeySequence::Paste, &BookWindow::pasteLink);
    auto *close = new QAction(this);
    close->setShortcuts({QKeySequence(Qt::Key_Escape), QKeySequence::Close});
    connect(close, &QAction::triggered, this, &QWidget::close);
    addAction(close);
}

void BookWindow::setLanguage(const LanguageEntry &language)
{
    m_language = &language;
    m_model->setLanguage(language);
    retranslate();
    m_userSized.clear(); // other words, other widths
    fitColumns(true);
    m_fittedToPlayers = m_model->rowCount() > 0;
    showHistory();
}

QSize BookWindow::wantedSize()
{
    if (m_stale) { // filled now, for widths that fit what it will show
        fill();
        m_stale = false;
    }
    const QHeaderView *header = m_table->horizontalHeader();
    const QAbstractItemView *view = m_table; // where the measure of a column's contents is public
    int columns = std::max(view->sizeHintForColumn(BookTableModel::NoteColumn),
                           header->sectionSizeHint(BookTableModel::NoteColumn));
    for (int column = 0; column < BookTableModel::NoteColumn; ++column)
        columns += header->sectionSize(column);
    const QMargins margins = layout()->contentsMargins();
    const int width = columns + 2 * m_table->frameWidth() + m_table->verticalScrollBar()->sizeHint().width()
            + margins.left() + margins.right();
    constexpr int kWantedHeight = 640;
    return QSize(width, kWantedHeight).expandedTo(minimumSizeHint());
}

void BookWindow::retranslate()
{
    setWindowTitle(text::kPlayerBook.translated());
    m_table->setAccessibleName(text::kPlayers.translated());
    const std::pair<QPushButton *, Text> captions[] = {
            {m_show, text::kShow},
            {m_compareButton, text::kCompare},
            {m_delete, text::kDelete},
            {m_undo, text::kUndo},
            {m_export, text::kExport},
            {m_import, text::kImport},
            {m_copyTable, text::kCopyAsTable},
            {m_copyForum, text::kCopyForForum},
            {m_copyLink, text::kCopyLink},
            {m_close, text::kClose},
    };
    for (const auto &[button, caption] : captions) {
        button->setText(caption.translated());
        button->setAccessibleName(caption.translated().remove(u"..."_s));
    }
    m_history->setAccessibleName(text::kHistory.translated());
    m_tagLabel->setText(text::kShowTag.translated());
    m_tagFilter->setAccessibleName(text::kShowTag.translated().remove(u':'));
    if (m_tagFilter->count() > 0)
        m_tagFilter->setItemText(0, text::kAllPlayers.translated());
    updateButtons();
}

void BookWindow::holdSelection()
{
    if (m_holding)
        return;
    m_heldChosen = chosenNames();
    const QModelIndex current = m_table->currentIndex();
    m_heldCurrent = current.isValid() ? m_model->row(current.row()).player->name : QString();
    m_heldScroll = {m_table->horizontalScrollBar()->value(), m_table->verticalScrollBar()->value()};
    m_holding = true;
    m_model->clear();
}

void BookWindow::refresh()
{
    holdSelection();
    // A closed window fills its table when it next shows: keeps from the main
    // window then cost no rebuilding of a large table.
    m_stale = !isVisible();
    if (!m_stale)
        fill();
}

void BookWindow::fill()
{
    m_holding = false;
    const QStringList chosen = m_heldChosen;
    const QString currentName = m_heldCurrent;
    const book::Book &book = m_session.book();
    fillTags();
    m_model->setBook(book);
    // What could not be read is named, never passed over: the rest of the book works.
    const QStringList unreadable = usecase::unreadableLines(book);
    m_unreadable->setText(unreadable.join(u'\n'));
    m_unreadable->setVisible(!unreadable.isEmpty());
    // The same players stay chosen, as far as they are still in the book.
    QItemSelection selection;
    for (const QString &name : chosen)
        if (const int row = m_model->rowOf(name); row >= 0)
            selection.select(m_model->index(row, 0), m_model->index(row, BookTableModel::ColumnCount - 1));
    int currentRow = m_model->rowOf(currentName);
    if (currentRow < 0 && m_model->rowCount() > 0)
        currentRow = 0;
    if (currentRow >= 0)
        m_table->selectionModel()->setCurrentIndex(m_model->index(currentRow, 0), QItemSelectionModel::NoUpdate);
    m_table->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
    if (m_table->selectionModel()->selectedRows().isEmpty() && currentRow >= 0)
        m_table->selectRow(currentRow);
    fitColumns(!m_fittedToPlayers);
    m_fittedToPlayers = m_fittedToPlayers || m_model->rowCount() > 0;
    // Where the user was looking, whoever changed the book: the rows are laid
    // out first, so the scroll bars reach as far as before.
    m_table->doItemsLayout();
    m_table->horizontalScrollBar()->setValue(m_heldScroll.x());
    m_table->verticalScrollBar()->setValue(m_heldScroll.y());
    showHistory();
    updateButtons();
    if (m_session.hasPending())
        say(text::kPending.translated());
}

void BookWindow::fitColumns(bool all)
{
    const auto setByPlayers = [](int column) {
        return column == BookTableModel::NameColumn || column == BookTableModel::SalaryColumn
                || column == BookTableModel::ChangeColumn || column == BookTableModel::DateColumn
                || column == BookTableModel::TagsColumn;
    };
    const QScopedValueRollback fitting(m_fitting, true);
    // A long name or list of tags is cut, with an ellipsis, and read whole in its tip.
    const int longest = fontMetrics().horizontalAdvance(u"Maximilian Kowalczyk-Santos"_s);
    // Text as the table draws it: the style's margin at both ends, and the grid line.
    const int cellMargins = 2 * (style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, m_table) + 1) + 1;
    int widestPosition = 0;
    for (int position = 1; position <= kPositionCount; ++position)
        widestPosition = std::max(widestPosition, fontMetrics().horizontalAdvance(m_language->positionName(position)));
    for (int column = 0; column < BookTableModel::NoteColumn; ++column) {
        if (m_userSized.contains(column) || !(all || setByPlayers(column)))
            continue;
        m_table->resizeColumnToContents(column);
        int width = m_table->columnWidth(column);
        if (column == BookTableModel::NameColumn || column == BookTableModel::TagsColumn)
            width = std::min(width, std::max(longest, m_table->horizontalHeader()->sectionSizeHint(column)));
        if (column == BookTableModel::PositionColumn) // any player's, a row just come in too
            width = std::max(width, widestPosition + cellMargins);
        m_table->setColumnWidth(column, width);
    }
}

void BookWindow::fillTags()
{
    QStringList tags;
    for (const book::Player &player : m_session.book().players())
        book::joinTags(tags, player.tags);
    tags.sort(Qt::CaseInsensitive);
    const QString chosen = m_model->tagFilter();
    m_tagFilter->clear();
    m_tagFilter->addItem(text::kAllPlayers.translated());
    m_tagFilter->addItems(tags);
    const int place = chosen.isEmpty() ? 0 : int(tags.indexOf(chosen)) + 1;
    m_tagFilter->setCurrentIndex(place);
    if (place == 0)
        m_model->setTagFilter({});
    m_tagLabel->setVisible(!tags.isEmpty());
    m_tagFilter->setVisible(!tags.isEmpty());
}

void BookWindow::showHistory()
{
    const QModelIndex current = m_table->currentIndex();
    const book::Player *player = current.isValid() ? m_model->row(current.row()).player : nullptr;
    m_historyLabel->setText(player ? text::kHistoryOf.translated().arg(player->name) : text::kHistory.translated());
    QStringList headers{booktext::kDateColumn.translated()};
    for (int skill = 1; skill <= kSalarySkillCount; ++skill)
        headers << bookcopytext::skillHeading(*m_language, skill);
    headers << booktext::kSalaryColumn.translated() << booktext::kPositionColumn.translated()
            << booktext::kChangeColumn.translated();
    m_history->clear();
    m_history->setColumnCount(int(headers.size()));
    for (int column = 0; column < int(headers.size()); ++column) {
        auto *heading = new QTableWidgetItem(onTwoLines(headers[column]));
        heading->setToolTip(headers[column]);
        m_history->setHorizontalHeaderItem(column, heading);
    }
    const std::vector<book::HistoryRow> rows = player ? book::history(*player) : std::vector<book::HistoryRow>();
    m_history->setRowCount(int(rows.size()));
    for (int row = 0; row < int(rows.size()); ++row) {
        const book::HistoryRow &seen = rows[std::size_t(row)];
        int column = 0;
        m_history->setItem(row, column++, historyCell(seen.snapshot->date.toString(Qt::ISODate)));
        for (int skill = 0; skill < kSalarySkillCount; ++skill) {
            const int level = seen.snapshot->levels[std::size_t(skill)];
            QTableWidgetItem *item = historyCell(QString::number(level));
            item->setForeground(toQColor(kLevelColorTable[level - 1]));
            item->setToolTip(m_language->levelName(level));
            m_history->setItem(row, column++, item);
        }
        m_history->setItem(row, column++, historyCell(salaryImportText(seen.result.salary)));
        m_history->setItem(row, column++, historyCell(m_language->positionName(seen.result.position)));
        m_history->setItem(row, column, historyCell(booktext::changeText(seen.salaryChange, row == 0)));
    }
    m_history->resizeColumnsToContents();
    m_history->scrollToBottom(); // the latest first in sight
}

void BookWindow::updateButtons()
{
    const qsizetype chosen = chosenNames().size();
    const bool any = m_model->rowCount() > 0;
    m_show->setEnabled(m_table->currentIndex().isValid());
    m_compareButton->setEnabled(chosen >= book::kFewestCompared && chosen <= book::kMostCompared);
    m_delete->setEnabled(chosen > 0);
    m_undo->setEnabled(!m_deleted.empty());
    m_export->setEnabled(any);
    m_copyTable->setEnabled(any);
    m_copyForum->setEnabled(any);
    m_copyLink->setEnabled(any);
    if (!m_session.hasPending())
        say(any ? text::kPlayerCount.translated().arg(m_model->rowCount()) : text::kEmptyBook.translated());
}

void BookWindow::say(const QString &words)
{
    m_status->setText(words);
    m_status->setAccessibleName(words);
}

QStringList BookWindow::chosenNames() const
{
    QStringList names;
    if (!m_table->selectionModel())
        return names;
    QModelIndexList rows = m_table->selectionModel()->selectedRows();
    std::sort(rows.begin(), rows.end(), [](const QModelIndex &a, const QModelIndex &b) { return a.row() < b.row(); });
    for (const QModelIndex &index : rows)
        names << m_model->row(index.row()).player->name;
    return names;
}

std::vector<book::LatestRow> BookWindow::chosenRows(bool allWhenNone) const
{
    const QStringList names = chosenNames();
    if (names.isEmpty() && allWhenNone)
        return m_model->rows();
    std::vector<book::LatestRow> rows;
    for (const QString &name : names)
        rows.push_back(m_model->row(m_model->rowOf(name)));
    return rows;
}

void BookWindow::showCurrent()
{
    const QModelIndex current = m_table->currentIndex();
    if (current.isValid())
        emit showRequested(m_model->row(current.row()).player->name, *m_model->row(current.row()).latest);
}

void BookWindow::compareChosen()
{
    const book::Comparison comparison = book::compare(m_session.book(), chosenNames());
    if (comparison.problem != book::CompareProblem::None) {
        say(text::kChooseToCompare.translated());
        return;
    }
    if (!m_compare)
        m_compare = new CompareDialog(this);
    m_compare->showComparison(comparison, *m_language);
    m_compare->show();
    m_compare->raise();
    m_compare->activateWindow();
}

void BookWindow::deleteChosen()
{
    std::vector<book::Player> removed;
    QStringList names;
    for (const QString &name : chosenNames()) {
        usecase::ChangeAnswer answer = usecase::removePlayer(m_session, name);
        if (answer.ok()) {
            names << answer.player->name;
            removed.push_back(std::move(*answer.player));
        }
    }
    if (removed.empty())
        return;
    m_deleted.push_back(std::move(removed));
    updateButtons();
    say(text::deletedText(names, true));
}

void BookWindow::undoDelete()
{
    if (m_deleted.empty())
        return;
    const std::vector<book::Player> players = std::move(m_deleted.back());
    m_deleted.pop_back();
    for (const book::Player &player : players)
        usecase::restorePlayer(m_session, player);
    // The players brought back are the ones chosen again.
    QItemSelection selection;
    for (const book::Player &player : players)
        if (const int row = m_model->rowOf(player.name); row >= 0)
            selection.select(m_model->index(row, 0), m_model->index(row, BookTableModel::ColumnCount - 1));
    if (!selection.isEmpty()) {
        m_table->selectionModel()->setCurrentIndex(selection.indexes().first(), QItemSelectionModel::NoUpdate);
        m_table->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
    }
    updateButtons();
}

void BookWindow::copyAsTable()
{
    const std::vector<book::LatestRow> rows = chosenRows(true);
    if (rows.empty())
        return;
    m_platform.setClipboardText(bookcopytext::tableText(rows, *m_language));
    say(text::kCopiedAsTable.translated());
}

void BookWindow::copyForForum()
{
    const std::vector<book::LatestRow> rows = chosenRows(true);
    if (rows.empty())
        return;
    m_platform.setClipboardText(bookcopytext::forumText(rows, *m_language));
    say(text::kCopiedForForum.translated());
}

void BookWindow::copyLink()
{
    const std::vector<book::LatestRow> rows = chosenRows(true);
    if (rows.empty())
        return;
    QStringList names;
    for (const book::LatestRow &row : rows)
        names << row.player->name;
    const QString site = usecase::siteAddress();
    const usecase::LinkMade made = usecase::makeLink(m_session.book(), names, site);
    if (!made.ok()) {
        say(booktext::sentence(made.problemText));
        return;
    }
    m_platform.setClipboardText(made.link);
    say(text::kLinkCopied.translated().arg(made.holdsText));
    // A phone reads the page's link off the screen; a wagecourt: link it could not open.
    if (site.isEmpty())
        return;
    if (!m_qr)
        m_qr = new QrDialog(this);
    m_qr->showLink(made.link, made.holdsText, made.qrCode);
    m_qr->show();
    m_qr->raise();
}

void BookWindow::pasteLink()
{
    const ClipboardText clipboard = m_platform.clipboardText(book::kLargestShortlistText + 1);
    offerLink(usecase::readLink(clipboard.text, true));
}

bool BookWindow::offerLink(const usecase::LinkRead &link)
{
    if (!link.ok()) {
        m_platform.showMessage(text::kPlayerBook.translated(), booktext::sentence(link.problemText));
        return false;
    }
    // Escape, or closing the box, adds nothing.
    const int answer = m_platform.ask(text::kPlayerBook.translated(),
                                      link.holdsText + u"\n\n"_s + booktext::kAddLinked.translated(),
                                      {text::kDoNotAdd.translated(), text::kAddPlayers.translated()});
    if (answer != 1)
        return false;
    const usecase::ImportAnswer added = usecase::addLinked(m_session, link.players);
    showImported(added);
    return added.ok();
}

void BookWindow::showImported(const usecase::ImportAnswer &answer)
{
    QStringList lines{booktext::sentence(answer.ok() ? answer.summary : answer.problemText)};
    for (qsizetype i = 0; i < answer.refusedLines.size() && i < kLinesNamed; ++i)
        lines << booktext::sentence(answer.refusedLines[i]);
    if (answer.refusedLines.size() > kLinesNamed)
        lines << u"..."_s;
    m_platform.showMessage(text::kPlayerBook.translated(), lines.join(u'\n'));
}

void BookWindow::askExport()
{
    if (m_model->rowCount() == 0)
        return;
    const QString path = QFileDialog::getSaveFileName(
            this, text::kExportTitle.translated(), documentsFolder() + u"/book.csv"_s, text::kFileTypes.translated());
    if (!path.isEmpty())
        exportTo(path);
}

void BookWindow::exportTo(const QString &path)
{
    const book::Book &book = m_session.book();
    const QByteArray bytes = usecase::exportBook(book, QFileInfo(path).fileName());
    // Written beside it and put in its place at the end: a failed export leaves an older file whole.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        m_platform.showMessage(text::kPlayerBook.translated(),
                               text::kCannotWrite.translated().arg(QDir::toNativeSeparators(path), file.errorString()));
        return;
    }
    say(text::kExported.translated().arg(book.snapshotCount()));
}

void BookWindow::askImport()
{
    // Every form the book reads shown at first, in a folder that is there: a
    // folder that is not would stand as a name in the file's field.
    const QString path = QFileDialog::getOpenFileName(this, text::kImportTitle.translated(), documentsFolder(),
                                                      text::kBookFiles.translated() + u";;"_s
                                                              + text::kFileTypes.translated());
    if (!path.isEmpty())
        importFrom(path);
}

void BookWindow::importFrom(const QString &path)
{
    const QString shown = QDir::toNativeSeparators(path);
    QFile file(path);
    if (const auto refused = usecase::refuseUnread(QFileInfo(file).size(), shown)) {
        m_platform.showMessage(text::kPlayerBook.translated(), booktext::sentence(refused->problemText));
        return;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        m_platform.showMessage(text::kPlayerBook.translated(),
                               text::kCannotRead.translated().arg(shown, file.errorString()));
        return;
    }
    const QByteArray bytes = file.read(usecase::kLargestImport + 1);
    // A file may hold a link, saved from a mail or a chat, rather than a book's file.
    if (const std::optional<usecase::LinkRead> link = usecase::linkInFile(bytes)) {
        offerLink(*link);
        return;
    }
    showImported(usecase::importExchange(m_session, bytes, bytes.size(), shown, QDate::currentDate()));
}

void BookWindow::showEvent(QShowEvent *event)
{
    m_session.setWatching(true);
    QWidget::showEvent(event);
    if (m_stale)
        refresh();
}

void BookWindow::hideEvent(QHideEvent *event)
{
    m_session.setWatching(false);
    QWidget::hideEvent(event);
}

void BookWindow::changeEvent(QEvent *event)
{
    // Coming back to the window is when another program's changes matter most.
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        m_session.lookForChanges();
    QWidget::changeEvent(event);
}

} // namespace wagecourt::ui
