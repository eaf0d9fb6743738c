#include "usecases/links.h"

#include "book/shortlist.h"
#include "presentation/booktext.h"
#include "version.h"

#include <algorithm>

namespace wagecourt::usecase {

using namespace Qt::StringLiterals;

namespace {

qsizetype snapshotsOf(const std::vector<book::Player> &players)
{
    qsizetype count = 0;
    for (const book::Player &player : players)
        count += qsizetype(player.snapshots.size());
    return count;
}

} // namespace

LinkRead readLink(QStringView text, bool meantAsLink)
{
    LinkRead read;
    book::ShortlistRead shortlist = book::readShortlist(text);
    // A text is meant as a link when it carries a link's marks, or when it
    // reads whole as the bare text; a skill list carries none and reads as none.
    const bool marked = text.contains(book::kShortlistPageKey)
                     || text.contains(book::kShortlistDesktopPrefix, Qt::CaseInsensitive);
    read.isLink = meantAsLink || shortlist.ok()
               || (marked && shortlist.error.problem != book::ShortlistProblem::NoLink);
    if (!read.isLink)
        return read;
    if (!shortlist.ok()) {
        read.problemText = booktext::linkProblemText(shortlist.error);
        return read;
    }
    read.players = std::move(shortlist.players);
    read.snapshots = snapshotsOf(read.players);
    read.holdsText = booktext::linkHoldsText(qsizetype(read.players.size()), read.snapshots);
    return read;
}

std::optional<LinkRead> linkInFile(QByteArrayView bytes)
{
    // A link is at most a mebibyte; one somewhat larger is still named as a
    // link too large, while a file far larger is a book's and read as one.
    if (bytes.size() > book::kLargestShortlistText * 3)
        return std::nullopt;
    LinkRead read = readLink(QString::fromUtf8(bytes));
    if (!read.isLink)
        return std::nullopt;
    return read;
}

ImportAnswer addLinked(book::BookWriter &book, const std::vector<book::Player> &players)
{
    std::vector<book::Keep> keeps;
    for (const book::Player &player : players)
        for (const book::Snapshot &snapshot : player.snapshots) {
            book::Keep keep{player.name, snapshot, std::nullopt, player.tags, true};
            if (!player.note.isEmpty())
                keep.note = player.note;
            keeps.push_back(std::move(keep));
        }
    ImportAnswer answer;
    std::vector<book::KeepOutcome> outcomes;
    answer.store = book.keepAll(keeps, &outcomes);
    if (!answer.store.ok()) {
        answer.problem = BookProblem::Store;
        answer.problemText = booktext::nothingImportedText();
        return answer;
    }
    for (std::size_t i = 0; i < keeps.size(); ++i) {
        const book::KeepOutcome outcome = i < outcomes.size() ? outcomes[i] : book::KeepOutcome::Refused;
        answer.counts.count(outcome);
        if (outcome == book::KeepOutcome::Refused)
            answer.refusedLines << booktext::unreadablePlayerText(keeps[i].name);
        else
            answer.taken.push_back(std::move(keeps[i]));
    }
    answer.summary = booktext::importedText(answer.counts);
    return answer;
}

LinkMade makeLink(const book::Book &book, const QStringList &names, QStringView address)
{
    LinkMade made;
    std::vector<const book::Player *> players;
    if (names.isEmpty()) {
        for (const book::Player &player : book.players())
            players.push_back(&player);
    } else {
        for (const QString &name : names) {
            const book::Player *player = book.find(book::cleanedText(name));
            if (!player) {
                made.problemText = booktext::kUnknownPlayer.translated().arg(booktext::visible(name));
                return made;
            }
            if (std::find(players.begin(), players.end(), player) == players.end())
                players.push_back(player);
        }
    }
    if (players.empty()) {
        made.problemText = booktext::kEmptyBook.translated();
        return made;
    }
    // In the book's order of names, as an export writes them.
    std::sort(players.begin(), players.end(), [](const book::Player *a, const book::Player *b) { return a->name < b->name; });
    made.text = book::shortlistText(std::span<const book::Player *const>(players));
    made.link = address.isEmpty() ? book::shortlistDesktopLink(made.text) : book::shortlistPageLink(address, made.text);
    qsizetype snapshots = 0;
    for (const book::Player *player : players)
        snapshots += qsizetype(player->snapshots.size());
    made.holdsText = booktext::linkHoldsText(qsizetype(players.size()), snapshots);
    made.qrCode = qr::encodeQr(made.link.toUtf8());
    made.fitsQrCode = made.qrCode.has_value();
    return made;
}

QString siteAddress()
{
    return QStringLiteral(WAGECOURT_SITE_URL);
}

} // namespace wagecourt::usecase
