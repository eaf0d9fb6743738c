// libFuzzer target for the shortlist link reader, which takes whatever a chat
// message or a URL hands it. Input: the link's text as UTF-8. Checked beyond
// not crashing:
//  - what reads is all a book would keep: every name, note and tag passes the
//    book's checks, every snapshot is valid and oldest first;
//  - written again, the players read back the same, and the text is the same
//    text (a link has one form);
//  - what does not read gives no player at all.
#include "book/shortlist.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

using namespace wagecourt;
using namespace wagecourt::book;

namespace {

void require(bool holds, const char *what)
{
    if (!holds) {
        std::fprintf(stderr, "property broken: %s\n", what);
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    const ShortlistRead read = readShortlist(text);
    if (!read.ok()) {
        require(read.players.empty(), "a link that does not read gives no player");
        return 0;
    }
    for (const Player &player : read.players) {
        require(checkName(player.name) == TextProblem::None, "names are names");
        require(checkNote(player.note) == TextProblem::None, "notes are notes");
        for (const QString &tag : player.tags)
            require(checkTag(tag) == TextProblem::None, "tags are tags");
        require(!player.snapshots.empty(), "every player has a snapshot");
        for (std::size_t i = 0; i < player.snapshots.size(); ++i) {
            require(isValidSnapshot(player.snapshots[i]), "every snapshot is valid");
            require(i == 0 || player.snapshots[i - 1].date <= player.snapshots[i].date, "oldest first");
        }
    }
    const QString again = shortlistText(std::span<const Player>(read.players));
    const ShortlistRead reread = readShortlist(again);
    require(reread.ok(), "a link written again reads");
    require(reread.players.size() == read.players.size(), "the same players");
    for (std::size_t p = 0; p < read.players.size(); ++p) {
        require(reread.players[p].name == read.players[p].name, "the same names");
        require(reread.players[p].note == read.players[p].note, "the same notes");
        require(reread.players[p].tags == read.players[p].tags, "the same tags");
        require(reread.players[p].snapshots == read.players[p].snapshots, "the same snapshots");
    }
    require(shortlistText(std::span<const Player>(reread.players)) == again, "one form");
    return 0;
}
