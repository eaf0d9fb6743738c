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

#include <QAction>
#include <QDate>

namespace wagecourt::ui {

Form1Book::Form1Book(Form1 &form, Platform &platform)
    : QObject(&form), m_form(form), m_platform(platform), m_keep(new QAction(&form)), m_open(new QAction(&form))
{
    m_keep->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_K));
    connect(m_keep, &QAction::triggered, this, &Form1Book::keepShown);
    m_open->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_B));
    connect(m_open, &QAction::triggered, this, &Form1Book::openBook);
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
        m_platform.showMessage(bookwindowtext::kPlayerBook.translated(), booktext::sentence(why));
    return why.isEmpty();
}

void Form1Book::keepShown()
{
    if (!bookUsable())
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
    if (!answer.ok())
        m_platform.showMessage(bookwindowtext::kPlayerBook.translated(), booktext::sentence(answer.problemText));
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

void Form1Book::setLanguage(const LanguageEntry &language)
{
    m_language = &language;
    m_keep->setText(bookwindowtext::kKeepInBook.translated());
    m_open->setText(bookwindowtext::kPlayerBook.translated());
    if (m_dialog)
        m_dialog->retranslate();
    if (m_window)
        m_window->setLanguage(language);
}

void Form1Book::closeWindows()
{
    if (m_dialog)
        m_dialog->reject();
    if (m_window)
        m_window->close();
}

void Form1Book::show(const book::Snapshot &snapshot)
{
    OtherSkillLevels others;
    for (int skill = kFirstOtherSkill; skill <= kSkillCaptionCount; ++skill)
        others[skill] = snapshot.levels[std::size_t(skill - 1)];
    m_form.showLevels(snapshot.salaryLevels(), others);
    m_form.raise();
    m_form.activateWindow();
}

} // namespace wagecourt::ui
