#pragma once

#include "book/book.h"
#include "book/bookwriter.h"
#include "qr/qrcode.h"
#include "usecases/bookcases.h"

#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>
#include <vector>

namespace wagecourt::usecase {

// Shortlists that travel between devices with no server: chosen players of a
// book as one link or text, read wherever a list can be pasted, and added to
// a book as a union (what the book lacks is added, nothing is taken away).

struct LinkRead
{
    bool isLink = false;               // the text is meant as a link (it may still not read)
    std::vector<book::Player> players; // all of them, or none when problemText says why
    QString problemText;               // for a person
    QString holdsText;                 // "The link holds 3 players and 12 snapshots."
    qsizetype snapshots = 0;

    bool ok() const { return isLink && problemText.isEmpty(); }
};

// Whether a pasted text is a link rather than a skill list, and what it holds:
// a text with a link's marks (a page's #book=, wagecourt:book?) is one, and so
// is a bare text that reads whole; any other text is left to be read as a list,
// unless it is meant as a link (the command line's --link), when every
// problem is named.
LinkRead readLink(QStringView text, bool meantAsLink = false);

// A file or standard input that holds a link rather than a book's file: what
// the link holds, or none when the bytes are no link (and are read as a book).
std::optional<LinkRead> linkInFile(QByteArrayView bytes);

// Adds what a link carries as a union: every snapshot the book lacks, the
// same player, day and levels once; the book's own note stays, an incoming
// note fills only an empty one; tags are joined. The summary is an import's.
ImportAnswer addLinked(book::BookWriter &book, const std::vector<book::Player> &players);

struct LinkMade
{
    QString text;       // the bare text
    QString link;       // the page's link when an address is given, else the desktop's
    QString holdsText;
    QString problemText; // an unknown name, or no player to share
    bool fitsQrCode = false; // short enough for a code a phone reads from a screen (qr::kMaxVersion)
    std::optional<qr::QrCode> qrCode; // the link as a QR code, when it fits one
    bool ok() const { return problemText.isEmpty(); }
};

// The players named (every player when none is), in the book's order of names.
LinkMade makeLink(const book::Book &book, const QStringList &names, QStringView siteAddress);

// The address this build's links point at; empty for wagecourt: links.
QString siteAddress();

} // namespace wagecourt::usecase
