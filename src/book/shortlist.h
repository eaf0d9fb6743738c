#pragma once

#include "book/book.h"

#include <QByteArrayView>
#include <QString>
#include <QStringView>

#include <span>
#include <vector>

namespace wagecourt::book {

// A shortlist link: chosen players of a book, with all their snapshots, their
// notes and tags, as one short line of text that survives a URL fragment, a
// chat message and a QR code. Three shapes carry the same text:
//
//   page link     https://example.org/wagecourt/#book=TEXT   (any address, fragment "book=")
//   desktop link  wagecourt:book?TEXT
//   bare text     TEXT
//
// TEXT is base64url (RFC 4648 section 5: A-Z a-z 0-9 - _) without padding, of
// these bytes:
//
//   version   1 byte, 1 for this layout
//   length    varint: the body's length in bytes
//   body      the players back to back, in the order given
//   checksum  4 bytes, big-endian: CRC-32 (IEEE 802.3, as zlib's crc32()) of every byte before it
//
// The version, the length and the checksum keep that place and meaning in
// every later version, so that a later link is told apart from a damaged one
// and refused for what it is; a checksum that fails on a text shorter than its
// length says is a link cut off. A varint is LEB128: seven bits a byte, least
// significant first, the top bit set on every byte but the last.
//
// One player:
//
//   name      varint byte count, then UTF-8
//   flags     varint: bit 0 a note follows; the rest, shifted down, the count of tags
//   note      as the name, only with bit 0
//   tags      each as the name
//   count     varint: the snapshots, at least 1
//   first     varint: days from 2000-01-01, zigzag (0, -1, 1, -2 .. as 0, 1, 2, 3 ..)
//             2 bytes: the language's ISO 639-1 code, as the catalogue gives it
//             13 bytes: the levels, Jump Shot .. Experience
//   each next varint: days after the snapshot before (snapshots go oldest first)
//             varint: which levels changed, bit k for level k + 1 (Jump Shot is
//             bit 0), and bit 13 when the language changed; no other bit
//             1 byte per changed level, its new level, in skill order
//             2 bytes: the new language's code, with bit 13
//
// From one reading to the next a player's levels change little, so a snapshot
// after the first takes four or five bytes: a link of one player with one
// snapshot is under 60 characters, a hundred players with ten weeks each
// about 11 KB. No compression: the text is the same on every platform and a
// small link never unpacks into a large one.

inline constexpr int kShortlistVersion = 1;
// A text longer than this is refused before it is looked at (in UTF-16 code units).
inline constexpr qsizetype kLargestShortlistText = 1024 * 1024;

inline constexpr QStringView kShortlistPageKey = u"#book=";
inline constexpr QStringView kShortlistDesktopPrefix = u"wagecourt:book?";

// The bare text of the players, in the order given, each one's snapshots
// oldest first. The same players always give the same text. What is written
// is what is held, unchecked: the players are a book's, which holds none it
// would refuse.
QString shortlistText(std::span<const Player> players);
QString shortlistText(std::span<const Player *const> players);

// The address without its fragment, then "#book=" and the text.
QString shortlistPageLink(QStringView address, QStringView text);
QString shortlistDesktopLink(QStringView text);

// The envelope around a body of any version: version, length, body and
// checksum, as text. shortlistText() is this around version 1's players; the
// tests make other versions and bodies with it.
QString shortlistEnvelope(int version, QByteArrayView body);

enum class ShortlistProblem {
    None,
    NoLink, // no bare text, no token holding "#book=" or "wagecourt:book?"
    TooLarge, // over kLargestShortlistText: not decoded
    CutOff, // shorter than its length says: cut off or a character lost (or nothing after the link's mark)
    Checksum, // a character changed or added on the way
    LaterVersion, // value: the version; made by a later Wagecourt
    BadRecord, // whole and checksummed, yet a record cannot be kept: see record
};

// What in a player's record could not be read.
enum class ShortlistRecord {
    None,
    Name, // textProblem says why; detail: the name
    NameTwice, // detail: the name
    Note, // textProblem says why
    Tag, // textProblem says why; detail: the tag
    TagTwice, // detail: the tag, letter case aside
    NoSnapshots, // a count of none
    Date, // before 0001-01-01 or after 9999-12-31; detail: the day, where it has one
    Language, // detail: the code that stood there
    Level, // skill: from 1 (Jump Shot); value: the level
    Layout, // bytes that make no record: a field past the body's end, a bit that means nothing, version 0
};

struct ShortlistError
{
    ShortlistProblem problem = ShortlistProblem::None;
    ShortlistRecord record = ShortlistRecord::None;
    TextProblem textProblem = TextProblem::None;
    qsizetype player = 0; // from 1, in the link's order; 0 when no player is at fault
    QString playerName; // his name, once it was read
    qsizetype snapshot = 0; // from 1, oldest first; 0 when no snapshot is at fault
    int skill = 0;
    int value = 0;
    QString detail;
};

struct ShortlistRead
{
    std::vector<Player> players; // all of them, or none at all when there is a problem
    ShortlistError error;

    bool ok() const { return error.problem == ShortlistProblem::None; }
};

// Any of the three shapes, with white space around it, or a message holding a
// link as one of its words (the first such word counts; a message of one bare
// word is taken for the bare text). The text must be exactly what
// shortlistText() writes, down to the last character's spare bits. Each
// player's name, note and tags are cleaned as a keep cleans them and checked
// as the book checks them, each snapshot with isValidSnapshot(); two players
// of one name, or one tag twice on a player, are refused as well.
ShortlistRead readShortlist(QStringView text);

} // namespace wagecourt::book
