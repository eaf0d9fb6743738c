#pragma once

#include "book/book.h"

#include <QSet>
#include <QWidget>

#include <vector>

class QComboBox;
class QLabel;
class QPushButton;
class QTableView;
class QTableWidget;

namespace wagecourt {
struct LanguageEntry;
namespace usecase {
struct ImportAnswer;
struct LinkRead;
} // namespace usecase
} // namespace wagecourt

namespace wagecourt::ui {

class WindowBook;
class BookTableModel;
class CompareDialog;
class Platform;
class QrDialog;

// The player book's own window: the players in a table that sorts by any
// column, the history of the one under the cursor, and what can be done with
// the chosen ones. Every button also has a key, and Tab reaches each one.
class BookWindow : public QWidget
{
    Q_OBJECT

public:
    BookWindow(WindowBook &session, Platform &platform, QWidget *parent);
    ~BookWindow() override;

    // The game language the main window shows, and the texts read again.
    void setLanguage(const LanguageEntry &language);
    // The size that shows every column whole, the note's too, and rows
    // enough; the screen may leave less.
    QSize wantedSize();

    QTableView *table() const { return m_table; }
    const BookTableModel &model() const { return *m_model; }
    const QTableWidget *historyTable() const { return m_history; }
    CompareDialog *compareDialog() const { return m_compare; }

    // What the buttons do; the export and import ask for their file first.
    void showCurrent();
    void compareChosen();
    void deleteChosen();
    void undoDelete();
    void exportTo(const QString &path);
    void importFrom(const QString &path);
    void copyAsTable();
    void copyForForum();
    // Ctrl+L: the chosen players (those listed when none is) as one link on
    // the clipboard, and as a QR code when links point at the page.
    void copyLink();
    // Ctrl+V: the link on the clipboard, offered.
    void pasteLink();
    // What a link holds, offered; its players added when the user agrees.
    // Whether they were.
    bool offerLink(const usecase::LinkRead &link);
    const QrDialog *qrDialog() const { return m_qr; }

signals:
    // Show: this snapshot of the player of this name is to be loaded into the main window.
    void showRequested(const QString &name, const book::Snapshot &snapshot);

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    QPushButton *addButton(const char *name, void (BookWindow::*handler)());
    void createKeys();
    void retranslate();
    // Before the book changes: who is chosen, by name, and no rows into the old book.
    void holdSelection();
    void refresh();
    // The table filled from the book, the players chosen and the scroll as they were held.
    void fill();
    // Each column as wide as its contents, but for those the user has sized;
    // the note takes the rest. After a change to the book, only the columns
    // whose widths its players set: a level's, the date's and the position's
    // follow the language alone.
    void fitColumns(bool all);
    void showHistory();
    // The tags the book holds, to choose from; the chosen one stays chosen while it is there.
    void fillTags();
    void updateButtons();
    void say(const QString &text);
    // The chosen players in the table's order, or every player when none is chosen.
    std::vector<book::LatestRow> chosenRows(bool allWhenNone) const;
    QStringList chosenNames() const;
    void askExport();
    void askImport();
    // An import's or a link's summary, with the lines it refused.
    void showImported(const usecase::ImportAnswer &answer);

    WindowBook &m_session;
    Platform &m_platform;
    const LanguageEntry *m_language;
    BookTableModel *m_model;
    QTableView *m_table;
    QLabel *m_historyLabel;
    QTableWidget *m_history;
    QLabel *m_status;
    QLabel *m_unreadable;
    QLabel *m_tagLabel;
    QComboBox *m_tagFilter;
    QPushButton *m_show = nullptr;
    QPushButton *m_compareButton = nullptr;
    QPushButton *m_delete = nullptr;
    QPushButton *m_undo = nullptr;
    QPushButton *m_export = nullptr;
    QPushButton *m_import = nullptr;
    QPushButton *m_copyTable = nullptr;
    QPushButton *m_copyForum = nullptr;
    QPushButton *m_copyLink = nullptr;
    QPushButton *m_close = nullptr;
    CompareDialog *m_compare = nullptr; // made at the first comparison
    QrDialog *m_qr = nullptr; // made at the first link copied
    std::vector<std::vector<book::Player>> m_deleted; // for undo, the last delete last
    bool m_holding = false;
    bool m_stale = true; // the table waits for the window to show
    bool m_fitting = false; // the columns are being sized by the window, not by the user
    bool m_fittedToPlayers = false; // every column fitted to the players as well as to its heading
    QSet<int> m_userSized; // the columns the user has sized, which keep their width
    QStringList m_heldChosen;
    QString m_heldCurrent;
    QPoint m_heldScroll;
};

} // namespace wagecourt::ui
