#include "ui/playerbook/windowbook.h"

#include "presentation/booktext.h"
#include "presentation/bookwindowtext.h"
#include "ui/platform/platform.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QSet>
#include <QThread>

#include <cstdio>

namespace wagecourt::ui {

namespace {

// Another program's change takes milliseconds; a look this often finds its end soon.
constexpr int kRetryMilliseconds = 250;
constexpr int kWatchMilliseconds = 1000;
// What the window's end still waits for the last changes, once the window
// itself has waited and asked (Form1::closeEvent).
constexpr int kLastWaitMilliseconds = 250;

} // namespace

WindowBook::WindowBook(Platform &platform, QString path, QObject *parent)
    : QObject(parent), m_platform(platform), m_path(std::move(path))
{
    m_retry.setSingleShot(true);
    m_retry.setInterval(kRetryMilliseconds);
    connect(&m_retry, &QTimer::timeout, this, [this] {
        if (m_opened || ensureOpen())
            flush();
    });
    m_watch.setInterval(kWatchMilliseconds);
    connect(&m_watch, &QTimer::timeout, this, &WindowBook::lookForChanges);
}

WindowBook::~WindowBook()
{
    m_retry.stop();
    m_closing = true;
    writePending(kLastWaitMilliseconds);
    if (!m_pending.empty())
        std::fprintf(stderr, "wagecourt: %s\n",
                     booktext::unsavedText(int(pendingPlayers()), m_path).toLocal8Bit().constData());
}

QString WindowBook::defaultPath()
{
    return book::BookStore::defaultPath();
}

const book::Book &WindowBook::book()
{
    ensureOpen();
    return m_book;
}

QString WindowBook::unusableText()
{
    ensureOpen();
    return m_unusable ? booktext::openText(*m_unusable, m_path) : QString();
}

bool WindowBook::ensureOpen()
{
    if (m_opened)
        return true;
    if (m_unusable)
        return false;
    if (!m_store)
        m_store = std::make_unique<book::BookStore>(m_path, book::kWindowBusyMilliseconds, book::ForeignFile::SetAside);
    const book::OpenResult opened = m_store->open();
    switch (opened.outcome) {
    case book::OpenOutcome::Opened:
    case book::OpenOutcome::MovedAside:
        m_opened = true;
        reload();
        if (opened.outcome == book::OpenOutcome::MovedAside)
            report(booktext::openText(opened, m_path));
        return true;
    case book::OpenOutcome::Busy:
        m_retry.start();
        return false;
    case book::OpenOutcome::LaterVersion:
    case book::OpenOutcome::NotABook:
        // Left as it is, and never tried again in this run; whoever asks for
        // the book says so (unusableText()).
        m_unusable = opened;
        m_store.reset();
        return false;
    case book::OpenOutcome::Failed:
        // Said once; the changes made meanwhile stay in memory, and the next
        // change tries the file again.
        m_store.reset();
        if (!m_failureSaid)
            report(booktext::openText(opened, m_path));
        m_failureSaid = true;
        return false;
    }
    return false;
}

void WindowBook::reload()
{
    book::StoreResult result;
    std::optional<book::Book> loaded = m_store->load(&result);
    if (!loaded) {
        if (result.status == book::StoreStatus::Busy)
            m_retry.start();
        else
            report(booktext::loadFailureText(result, m_path));
        return;
    }
    emit aboutToChange();
    m_book = std::move(*loaded);
    for (const Change &change : m_pending)
        change.inMemory(m_book);
    emit changed();
}

void WindowBook::submit(Change change)
{
    emit aboutToChange();
    change.inMemory(m_book);
    m_pending.push_back(std::move(change));
    emit changed();
    flush();
}

void WindowBook::flush()
{
    if (!ensureOpen())
        return;
    bool dropped = false;
    while (!m_pending.empty()) {
        const book::StoreResult result = m_pending.front().toFile(*m_store);
        if (result.status == book::StoreStatus::Busy) {
            m_retry.start();
            break;
        }
        if (!result.ok()) {
            report(booktext::storeFailureText(result, m_path));
            dropped = true;
        }
        m_pending.erase(m_pending.begin());
    }
    if (dropped) // what shows must be what the file holds
        reload();
}

bool WindowBook::writePending(int milliseconds)
{
    const QDeadlineTimer deadline(milliseconds);
    while (!m_pending.empty() && !deadline.hasExpired()) {
        if (!m_opened && !ensureOpen()) {
            if (m_unusable)
                break;
            QThread::msleep(book::kWindowBusyMilliseconds);
            continue;
        }
        const book::StoreResult result = m_pending.front().toFile(*m_store);
        if (result.status == book::StoreStatus::Busy)
            continue; // the store itself waited
        if (!result.ok())
            report(booktext::storeFailureText(result, m_path));
        m_pending.erase(m_pending.begin());
    }
    return m_pending.empty();
}

qsizetype WindowBook::pendingPlayers() const
{
    QSet<QString> players;
    for (const Change &change : m_pending)
        for (const QString &name : change.players)
            players.insert(name);
    return players.size();
}

book::StoreResult WindowBook::keepAll(const std::vector<book::Keep> &changes, std::vector<book::KeepOutcome> *outcomes)
{
    ensureOpen();
    // A player whose stored snapshots do not all read is left as he is, as the file would leave him.
    QSet<QString> unreadable;
    for (const book::UnreadablePlayer &player : m_book.unreadable())
        unreadable.insert(player.name);
    auto taken = std::make_shared<std::vector<book::Keep>>();
    QStringList players;
    emit aboutToChange();
    for (const book::Keep &change : changes) {
        const QString name = book::cleanedText(change.name);
        const book::KeepOutcome outcome = unreadable.contains(name) ? book::KeepOutcome::Refused : m_book.keep(change);
        if (outcomes)
            outcomes->push_back(outcome);
        if (outcome != book::KeepOutcome::Refused) {
            taken->push_back(change);
            players << name;
        }
    }
    if (!taken->empty()) {
        players.removeDuplicates();
        m_pending.push_back({[taken](book::BookStore &store) { return store.keepAll(*taken); },
                             [taken](book::Book &book) {
                                 for (const book::Keep &change : *taken)
                                     book.keep(change);
                             },
                             players});
    }
    emit changed();
    flush();
    return {};
}

book::StoreResult WindowBook::setNote(QStringView name, const QString &note, bool *found)
{
    ensureOpen();
    *found = m_book.find(name) != nullptr;
    if (*found) {
        const QString player = name.toString();
        submit({[player, note](book::BookStore &store) { return store.setNote(player, note); },
                [player, note](book::Book &book) { book.setNote(player, note); }, {player}});
    }
    return {};
}

book::StoreResult WindowBook::setTags(QStringView name, const QStringList &tags, bool *found)
{
    ensureOpen();
    *found = m_book.find(name) != nullptr;
    if (*found) {
        const QString player = name.toString();
        submit({[player, tags](book::BookStore &store) { return store.setTags(player, tags); },
                [player, tags](book::Book &book) { book.setTags(player, tags); }, {player}});
    }
    return {};
}

book::StoreResult WindowBook::remove(QStringView name, std::optional<book::Player> *removed)
{
    ensureOpen();
    const book::Player *player = m_book.find(name);
    *removed = player ? std::optional(*player) : std::nullopt;
    if (player) {
        const QString gone = name.toString();
        submit({[gone](book::BookStore &store) { return store.remove(gone); },
                [gone](book::Book &book) { book.remove(gone); }, {gone}});
    }
    return {};
}

book::StoreResult WindowBook::restore(const book::Player &player)
{
    ensureOpen();
    submit({[player](book::BookStore &store) { return store.restore(player); },
            [player](book::Book &book) { book.restore(player); }, {player.name}});
    return {};
}

std::optional<book::Player> WindowBook::player(QStringView name, book::StoreResult *result)
{
    *result = {};
    const book::Player *found = book().find(name);
    return found ? std::optional(*found) : std::nullopt;
}

void WindowBook::setWatching(bool watching)
{
    if (watching)
        m_watch.start();
    else
        m_watch.stop();
}

void WindowBook::lookForChanges()
{
    if (!m_opened || m_retry.isActive())
        return; // the retry looks at the file soon anyway
    if (m_store->changedSinceLoad())
        reload();
}

void WindowBook::report(const QString &text)
{
    if (text.isEmpty())
        return;
    if (m_closing) // no box once the window is gone
        std::fprintf(stderr, "wagecourt: %s\n", text.toLocal8Bit().constData());
    else
        m_platform.showMessage(bookwindowtext::kPlayerBook.translated(), booktext::sentence(text));
}

} // namespace wagecourt::ui
