#pragma once

#include "book/book.h"
#include <QObject>
#include <QPointer>

#include <optional>

class QAction;

namespace wagecourt {
struct LanguageEntry;
namespace book {
struct Player;
struct Snapshot;
}
namespace usecase {
struct LinkRead;
}
} // namespace wagecourt

namespace wagecourt::ui {

class WindowBook;
class BookWindow;
class Form1;
class KeepDialog;
class Platform;

// The main window's way into the player book: Keep in Book (Ctrl+K) and
// Player Book (Ctrl+B), the keep box and the book's window. The book file is
// opened at the first of them, so a run that never uses it never touches it.
class Form1Book : public QObject
{
    Q_OBJECT

public:
    Form1Book(Form1 &form, Platform &platform);
    ~Form1Book() override;

    QAction *keepAction() const { return m_keep; }
    QAction *bookAction() const { return m_open; }

    // Asks for a name, then keeps what the main window shows under it.
    void keepShown();
    void openBook();
    // The player of that name in the book, for his history; none for no name,
    // a name the book lacks, or a book that cannot be used.
    std::optional<book::Player> player(const QString &name);
    // A link pasted, opened from another program or handed over by a second
    // start: what it holds, offered in the book's window.
    void offerLink(const usecase::LinkRead &link);
    void setLanguage(const LanguageEntry &language);
    // The main window shows a player now, read from a list: Keep in Book can be used.
    void playerShown();
    // The main window went on top of the others or back among them; the book's window follows it.
    void followOnTop(bool on);
    // Before the window closes: what still waits for the book's file is
    // written, for two seconds while the window says so, then for as long as
    // the user chooses to wait. False only while an earlier close still waits.
    bool readyToQuit();
    void closeWindows();

    KeepDialog *keepDialog() const { return m_dialog; }
    BookWindow *window() const { return m_window; }

private:
    WindowBook &session();
    // Says why the book cannot be used, when it cannot.
    bool bookUsable();
    void keepConfirmed();
    void show(const QString &name, const book::Snapshot &snapshot);
    void describeKeep();
    // Writes what waits for at most the time given, saying so once it takes
    // longer than a moment; whether all of it went in.
    bool waitForBook(int milliseconds);

    Form1 &m_form;
    Platform &m_platform;
    const LanguageEntry *m_language = nullptr;
    QAction *m_keep;
    QAction *m_open;
    WindowBook *m_session = nullptr;
    KeepDialog *m_dialog = nullptr;
    BookWindow *m_window = nullptr;
    bool m_onTop = false;
    bool m_quitting = false;
};

} // namespace wagecourt::ui
