#include "playerbook/form1book.h"

#include "book/book.h"
#include "playerbook/booksession.h"
#include "playerbook/bookwindow.h"
#include "playerbook/keepdialog.h"
#include "catalogue/catalogue.h"
#include "form1.h"
#include "platform/platform.h"
#include "presentation/booktext.h"
#include "presentation/bookwindowtext.h"

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

BookSession &Form1Book::session()
{
    if (!m_session)
        m_session = new BookSession(m_platform, BookSession::defaultPath());
    return *m_session;
}

void Form1Book::keepShown()
{
    if (!m_dialog) {
        m_dialog = new KeepDialog(&m_form);
        connect(m_dialog, &QDialog::accepted, this, &Form1Book::keepConfirmed);
    }
    m_dialog->retranslate();
    m_dialog->prepare(session().book());
    m_dialog->open();
}

void Form1Book::keepConfirmed()
{
    const LanguageEntry *language = findLanguage(m_form.controls().Combo1->currentText());
    if (!language)
        return;
    const PlayerState &state = m_form.state();
    const book::Keep change{m_dialog->name(),
                            book::snapshotOf(state.SkillLevel, state.OtherSkillLevel, *language, QDate::currentDate()),
                            m_dialog->note(), {}};
    if (session().keep(change) == book::KeepOutcome::Refused)
        m_platform.showMessage(bookwindowtext::kPlayerBook.translated(),
                               booktext::nameProblemText(book::checkName(change.name)));
}

void Form1Book::openBook()
{
    if (!m_window) {
        m_window = new BookWindow(session(), m_platform, &m_form);
        connect(m_window, &BookWindow::showRequested, this, &Form1Book::show);
        if (m_language)
            m_window->setLanguage(*m_language);
    }
    m_window->show();
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
