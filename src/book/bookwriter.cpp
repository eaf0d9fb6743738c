#include "book/bookwriter.h"

namespace wagecourt::book {

void KeepCounts::count(KeepOutcome outcome)
{
    switch (outcome) {
    case KeepOutcome::NewPlayer:
        ++newPlayers;
        ++added;
        break;
    case KeepOutcome::Added: ++added; break;
    case KeepOutcome::AlreadyKept: ++alreadyKept; break;
    case KeepOutcome::Refused: ++refused; break;
    }
}

StoreResult MemoryWriter::keepAll(const std::vector<Keep> &changes, std::vector<KeepOutcome> *outcomes)
{
    for (const Keep &change : changes) {
        const KeepOutcome outcome = m_book.keep(change);
        if (outcomes)
            outcomes->push_back(outcome);
    }
    return {};
}

StoreResult MemoryWriter::setNote(QStringView name, const QString &note, bool *found)
{
    *found = m_book.setNote(name, note);
    return {};
}

StoreResult MemoryWriter::setTags(QStringView name, const QStringList &tags, bool *found)
{
    *found = m_book.setTags(name, tags);
    return {};
}

StoreResult MemoryWriter::remove(QStringView name, std::optional<Player> *removed)
{
    *removed = m_book.remove(name);
    return {};
}

StoreResult MemoryWriter::restore(const Player &player)
{
    m_book.restore(player);
    return {};
}

std::optional<Player> MemoryWriter::player(QStringView name, StoreResult *result)
{
    *result = {};
    const Player *found = m_book.find(name);
    return found ? std::optional(*found) : std::nullopt;
}

} // namespace wagecourt::book
