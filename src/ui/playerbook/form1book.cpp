#include "ui/playerbook/form1book.h"

#include "book/book.h"
#include "catalogue/catalogue.h"
#include "presentation/booktext.h"
#include "presentation/bookwindowtext.h"
#include "ui/form1.h"
#include "ui/platform/platform.h"
#include "ui/playerbook/bookwindow.h"
#include "ui/playerbook/keepdialog.h"
#include "ui/playerbook/placement.h"
#include "ui/playerbook/windowbook.h"
#include "usecases/bookcases.h"
#include "usecases/links.h"

#include <QAction>
#include <QCoreApplication>
#include <QDate>
#include <QDeadlineTimer>
#include <QProgressDialog>
#include <QScopedValueRollback>

namespace wagecourt::ui {

namespace text = bookwindowtext;

namespace {

// How long quitting waits for another program to let go of the book before it
// asks; the book's own writes wait far less each (book::kWindowBusyMilliseconds).
constexpr int kQuitWaitMilliseconds = 2000;
// A wait this short needs no word: the other program most often lets go at once.
constexpr int kUnseenWaitMilliseconds = 150;
// Between two looks at the book the window draws what the wait shows.
constexpr int kWaitSliceMilliseconds = 100;

} // namespace

Form1Book::Form1Book(Form1 &form, Platform &platform)
    : QObject(&form), m_form(form), m_platform(platform), m_keep(new QAction(&form)), m_open(new QAction(&form))
{
    m_keep->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_K));
    // Nothing to keep before a list is read or a player shown: the levels at
    // start are the lowest of all, no player's.
    m_keep->setEnabled(false);
    connect(m_keep, &QAction::triggered, this, &Form1Book::keepShown);
    m_open->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_B));
    connect(m_open, &QAction::triggered, this, &Form1Book::openBook);
    describeKeep();
}

// The windows go before the session they show, which writes what still waits.
Form1Book::~Form1Book()
{
    delete m_window;
    delete m_dialog;
    delete m_session;
}

WindowBook &Form1Book::session()
{
    if (!m_session)
        m_session = new WindowBook(m_platform, WindowBook::defaultPath());
    return *m_session;
}

bool Form1Book::bookUsable()
{
    const QString why = session().unusableText();
    if (!why.isEmpty())
        m_platform.showMessage(text::kPlayerBook.translated(), booktext::sentence(why));
    return why.isEmpty();
}

void Form1Book::keepShown()
{
    if (!m_keep->isEnabled() || !bookUsable())
        return;
    if (!m_dialog) {
        m_dialog = new KeepDialog(&m_form);
        connect(m_dialog, &QDialog::accepted, this, &Form1Book::keepConfirmed);
    }
    m_dialog->retranslate();
    m_dialog->prepare(session().book());
    // Over the main window, where the user looks, and whole on its screen.
    m_dialog->adjustSize();
    const QMargins margins = frameMargins(m_dialog, &m_form);
    const QRect available = availableArea(&m_form);
    setFrameGeometry(m_dialog, frameOver(m_form.frameGeometry(), m_dialog->size().grownBy(margins), available),
                     margins);
    m_dialog->open();
    keepInsideWhenFramed(m_dialog, available);
}

void Form1Book::keepConfirmed()
{
    const LanguageEntry *language = findLanguage(m_form.controls().Combo1->currentText());
    if (!language)
        return;
    const PlayerState &state = m_form.state();
    const usecase::KeepRequest request{m_dialog->name(), m_dialog->note(), m_dialog->tags(), QDate::currentDate()};
    const usecase::KeepAnswer answer = usecase::keepLevels(session(), request, state.SkillLevel, state.OtherSkillLevel,
                                                           *language);
    if (!answer.ok()) {
        m_platform.showMessage(text::kPlayerBook.translated(), booktext::sentence(answer.problemText));
        return;
    }
    // The card now names whom it shows, and its tip what the keep did.
    m_form.showPlayerName(answer.player ? answer.player->name : request.name, booktext::sentence(answer.summary));
}

void Form1Book::openBook()
{
    if (!bookUsable())
        return;
    if (!m_window) {
        m_window = new BookWindow(session(), m_platform, &m_form);
        connect(m_window, &BookWindow::showRequested, this, &Form1Book::show);
        if (m_language)
            m_window->setLanguage(*m_language);
    }
    if (!m_window->isVisible()) {
        // Above the others while the main window is, so it never opens under
        // it: mapped so, it comes at the top of that layer, where the state
        // asked for once it shows may leave it below the main window.
        m_window->setWindowFlag(Qt::WindowStaysOnTopHint, m_onTop);
        // Beside the main window, where neither hides the other, at the size
        // its table wants as far as the screen has room for it.
        const QMargins margins = frameMargins(m_window, &m_form);
        const QRect available = availableArea(&m_form);
        setFrameGeometry(m_window,
                         frameBeside(m_form.frameGeometry(), m_window->wantedSize().grownBy(margins),
                                     m_window->minimumSizeHint().grownBy(margins), available),
                         margins);
        m_window->show();
        keepInsideWhenFramed(m_window, available);
    }
    m_window->raise();
    m_window->activateWindow();
}

std::optional<book::Player> Form1Book::player(const QString &name)
{
    // A name shown came from the book, which was opened for it.
    if (name.isEmpty() || !m_session || !m_session->unusableText().isEmpty())
        return std::nullopt;
    const book::Player *found = m_session->book().find(name);
    return found ? std::optional<book::Player>(*found) : std::nullopt;
}

void Form1Book::offerLink(const usecase::LinkRead &link)
{
    if (!link.ok()) {
        m_platform.showMessage(text::kPlayerBook.translated(), booktext::sentence(link.problemText));
        return;
    }
    // The book's window first, where the players will stand once added.
    openBook();
    if (m_window && m_window->isVisible())
        m_window->offerLink(link);
}

void Form1Book::setLanguage(const LanguageEntry &language)
{
    m_language = &language;
    m_open->setText(text::kPlayerBook.translated());
    describeKeep();
    if (m_dialog)
        m_dialog->retranslate();
    if (m_window)
        m_window->setLanguage(language);
}

void Form1Book::playerShown()
{
    m_keep->setEnabled(true);
    describeKeep();
}

void Form1Book::describeKeep()
{
    m_keep->setText(text::kKeepInBook.translated());
    // Why it cannot be used, where it is greyed; its own name where it can.
    m_keep->setToolTip(m_keep->isEnabled() ? QString() : text::kKeepNeedsPlayer.translated());
}

void Form1Book::followOnTop(bool on)
{
    m_onTop = on;
    if (m_window && m_window->isVisible())
        m_platform.setTopMost(m_window, on);
}

bool Form1Book::readyToQuit()
{
    if (m_quitting)
        return false;
    if (!m_session || !m_session->hasPending())
        return true;
    const QScopedValueRollback quitting(m_quitting, true);
    while (!waitForBook(kQuitWaitMilliseconds)) {
        const int players = int(m_session->pendingPlayers());
        const int answer = m_platform.ask(text::kPlayerBook.translated(), text::kUnsavedOnQuit.translated(players),
                                          {text::kWaitForBook.translated(), text::kQuitAndLose.translated()});
        if (answer == 1)
            return true; // lost, and said so on standard error as the session ends
    }
    return true;
}

bool Form1Book::waitForBook(int milliseconds)
{
    const QDeadlineTimer deadline(milliseconds);
    if (m_session->writePending(kUnseenWaitMilliseconds))
        return true;
    QProgressDialog progress(&m_form);
    progress.setObjectName(QStringLiteral("savingBook"));
    progress.setWindowTitle(text::kPlayerBook.translated());
    progress.setLabelText(text::kSavingBook.translated());
    progress.setCancelButton(nullptr);
    progress.setRange(0, 0); // no end known: the bar moves to and fro
    progress.setMinimumDuration(0);
    progress.setWindowModality(Qt::ApplicationModal);
    progress.show();
    while (!deadline.hasExpired()) {
        QCoreApplication::processEvents(); // the bar moves, and the windows are drawn
        if (m_session->writePending(kWaitSliceMilliseconds))
            return true;
    }
    return false;
}

void Form1Book::closeWindows()
{
    if (m_dialog)
        m_dialog->reject();
    if (m_window)
        m_window->close();
}

void Form1Book::show(const QString &name, const book::Snapshot &snapshot)
{
    OtherSkillLevels others;
    for (int skill = kFirstOtherSkill; skill <= kSkillCaptionCount; ++skill)
        others[skill] = snapshot.levels[std::size_t(skill - 1)];
    m_form.showLevels(snapshot.salaryLevels(), others);
    m_form.showPlayerName(name, text::kShownFromBook.translated().arg(name, snapshot.date.toString(Qt::ISODate)));
    playerShown();
    m_form.raise();
    m_form.activateWindow();
}

} // namespace wagecourt::ui
