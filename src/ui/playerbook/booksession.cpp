#include "playerbook/booksession.h"

#include "book/bookstore.h"
#include "platform/platform.h"
#include "presentation/booktext.h"
#include "presentation/bookwindowtext.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QThread>

#include <cstdio>

namespace wagecourt::ui {

namespace {

// Another program's change takes milliseconds; a look this often finds its end soon.
constexpr int kRetryMilliseconds = 250;
constexpr int kWatchMilliseconds = 1000;
// What a close waits for the last changes, as the settings wait for theirs.
constexpr int kCloseWaitMilliseconds = 750;

} // namespace

BookSession::BookSession(Platform &platform, QString path, QObject *parent)
    : QObject(parent), m_platform(platform), m_path(std::move(path))
{
    m_retry.setSingleShot(true);
    m_retry.setInterval(kRetryMilliseconds);
    connect(&m_retry, &QTimer::timeout, this, [this] {
        if (m_opened)
            flush();
        else if (ensureOpen())
            flush();
    });
    m_watch.setInterval(kWatchMilliseconds);
    connect(&m_watch, &QTimer::timeout, this, &BookSession::lookForChanges);
}

BookSession::~BookSession()
{
    m_retry.stop();
    m_closing = true;
    const QDeadlineTimer deadline(kCloseWaitMilliseconds);
    QString why;
    while (!m_pending.empty() && !deadline.hasExpired()) {
        if (!m_opened && !ensureOpen()) {
            QThread::msleep(book::kWindowBusyMilliseconds);
            continue;
        }
        const book::StoreResult result = m_pending.front()(*m_store);
        if (result.status == book::StoreStatus::Busy) {
            why = result.detail;
            continue; // the store itself waited
        }
        m_pending.erase(m_pending.begin());
        m_pendingInMemory.erase(m_pendingInMemory.begin());
    }
    if (!m_pending.empty())
        std::fprintf(stderr, "wagecourt: %zu changes to the player book were not saved in %s: %s\n", m_pending.size(),
                     QFile::encodeName(m_path).constData(),
                     (why.isEmpty() ? QStringLiteral("another program held it") : why).toLocal8Bit().constData());
}

QString BookSession::defaultPath()
{
    return book::BookStore::defaultPath();
}

const book::Book &BookSession::book()
{
    ensureOpen();
    return m_book;
}

bool BookSession::ensureOpen()
{
    if (m_opened)
        return true;
    if (!m_store)
        m_store = std::make_unique<book::BookStore>(m_path, book::kWindowBusyMilliseconds);
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

void BookSession::reload()
{
    book::StoreResult result;
    std::optional<book::Book> loaded = m_store->load(&result);
    if (!loaded) {
        if (result.status == book::StoreStatus::Busy)
            m_retry.start();
        else
            report(booktext::storeFailureText(result, m_path));
        return;
    }
    emit aboutToChange();
    m_book = std::move(*loaded);
    for (const auto &apply : m_pendingInMemory)
        apply(m_book);
    emit changed();
}

void BookSession::submit(Change change)
{
    m_pending.push_back(std::move(change));
    flush();
}

void BookSession::flush()
{
    if (!ensureOpen())
        return;
    bool dropped = false;
    while (!m_pending.empty()) {
        const book::StoreResult result = m_pending.front()(*m_store);
        if (result.status == book::StoreStatus::Busy) {
            m_retry.start();
            break;
        }
        if (result.status == book::StoreStatus::Failed) {
            report(booktext::storeFailureText(result, m_path));
            dropped = true;
        }
        m_pending.erase(m_pending.begin());
        m_pendingInMemory.erase(m_pendingInMemory.begin());
    }
    if (dropped) // what shows must be what the file holds
        reload();
}

book::KeepOutcome BookSession::keep(const book::Keep &change)
{
    ensureOpen();
    emit aboutToChange();
    const book::KeepOutcome outcome = m_book.keep(change);
    if (outcome == book::KeepOutcome::Refused) {
        emit changed();
        return outcome;
    }
    m_pendingInMemory.push_back([change](book::Book &book) { book.keep(change); });
    submit([change](book::BookStore &store) { return store.keep(change); });
    emit changed();
    return outcome;
}

book::KeepCounts BookSession::keepAll(std::vector<book::Keep> changes)
{
    ensureOpen();
    emit aboutToChange();
    book::KeepCounts counts;
    for (const book::Keep &change : changes) {
        switch (m_book.keep(change)) {
        case book::KeepOutcome::NewPlayer:
            ++counts.newPlayers;
            ++counts.added;
            break;
        case book::KeepOutcome::Added:
            ++counts.added;
            break;
        case book::KeepOutcome::AlreadyKept:
            ++counts.alreadyKept;
            break;
        case book::KeepOutcome::Refused:
            ++counts.refused;
            break;
        }
    }
    if (counts.added + counts.alreadyKept == 0) {
        emit changed();
        return counts;
    }
    auto shared = std::make_shared<const std::vector<book::Keep>>(std::move(changes));
    m_pendingInMemory.push_back([shared](book::Book &book) {
        for (const book::Keep &change : *shared)
            book.keep(change);
    });
    submit([shared](book::BookStore &store) { return store.keepAll(*shared); });
    emit changed();
    return counts;
}

std::optional<book::Player> BookSession::remove(const QString &name)
{
    ensureOpen();
    if (!m_book.find(name))
        return std::nullopt;
    emit aboutToChange();
    std::optional<book::Player> removed = m_book.remove(name);
    m_pendingInMemory.push_back([name](book::Book &book) { book.remove(name); });
    submit([name](book::BookStore &store) { return store.remove(name); });
    emit changed();
    return removed;
}

void BookSession::restore(const book::Player &player)
{
    ensureOpen();
    emit aboutToChange();
    m_book.restore(player);
    m_pendingInMemory.push_back([player](book::Book &book) {
        if (!book.find(player.name))
            book.restore(player);
    });
    submit([player](book::BookStore &store) { return store.restore(player); });
    emit changed();
}

void BookSession::setWatching(bool watching)
{
    if (watching)
        m_watch.start();
    else
        m_watch.stop();
}

void BookSession::lookForChanges()
{
    if (!m_opened || m_retry.isActive())
        return; // the retry looks at the file soon anyway
    if (m_store->changedSinceLoad())
        reload();
}

void BookSession::report(const QString &text)
{
    if (text.isEmpty())
        return;
    if (m_closing) // no box once the window is gone
        std::fprintf(stderr, "wagecourt: %s\n", text.toLocal8Bit().constData());
    else
        m_platform.showMessage(bookwindowtext::kPlayerBook.translated(), text);
}

} // namespace wagecourt::ui
