#pragma once

#include "presentation/text.h"

#include <QString>
#include <QStringList>

namespace wagecourt {

// The window's words for the player book: its two menu items, the keep box
// and the book's own window. The column headings are the book's (booktext.h);
// skills, levels and positions are the catalogue's.
namespace bookwindowtext {

//: Menu item (Ctrl+K): keeps the player shown in the player book.
inline constexpr Text kKeepInBook{"BookWindow", QT_TRANSLATE_NOOP("BookWindow", "Keep in Book")};
//: Menu item (Ctrl+B) and the title of the window that lists the kept players.
inline constexpr Text kPlayerBook{"BookWindow", QT_TRANSLATE_NOOP("BookWindow", "Player Book")};
//: Tooltip of Keep in Book while it cannot be used: the main window shows no player yet.
inline constexpr Text kKeepNeedsPlayer{
        "BookWindow",
        QT_TRANSLATE_NOOP("BookWindow", "Paste a player's skill list (Ctrl+V) or show one from the book first.")};
//: Tooltip of the link to the book in the main window; %1 is its key, Ctrl+B.
inline constexpr Text kOpenBookWithKey{"BookWindow", QT_TRANSLATE_NOOP("BookWindow", "Player Book (%1)")};
//: Tooltip of the player's name on the main window's card after Show in the book's window: %1 is his name, %2
//: the day of the snapshot shown (YYYY-MM-DD).
inline constexpr Text kShownFromBook{"BookWindow", QT_TRANSLATE_NOOP("BookWindow", "%1, as kept in the book on %2.")};

// Quitting while changes still wait for the book.
//: Shown while the window, about to close, waits for another program to let go of the book.
inline constexpr Text kSavingBook{"BookWindow", QT_TRANSLATE_NOOP("BookWindow", "Saving the player book...")};
//: Asked when the book could not be written within two seconds of quitting; %n is how many players' changes
//: would be lost.
inline constexpr CountText kUnsavedOnQuit{
        "BookWindow",
        QT_TRANSLATE_N_NOOP(
                "BookWindow",
                "Another program is using the player book, so the changes to %n player(s) are not saved yet.\n\n"
                "Wait for it, or quit and lose them?")};
//: The answer that waits for the book to be free (a button).
inline constexpr Text kWaitForBook{"BookWindow", QT_TRANSLATE_NOOP("BookWindow", "Wait")};
//: The answer that quits without the changes the book has not taken (a button).
inline constexpr Text kQuitAndLose{"BookWindow", QT_TRANSLATE_NOOP("BookWindow", "Quit and Lose Them")};

// The keep box.
inline constexpr Text kPlayerName{"BookWindow", QT_TRANSLATE_NOOP("BookWindow", "Player's name:")};
//: The note is a short line of the user's own about the player; it may stay empty.
inline constexpr Text kNoteOptional{"BookWindow", QT_TRANSLATE_NOOP("BookWindow", "Note (optional):")};
//: Tags are short words of the user's own about the player, such as "target" or "U21"; they may stay empty.
inline constexpr Text kTagsOptional{"BookWindow", QT_TRANSLATE_NOOP("BookWindow", "Tags (optional):")};
//: Shown greyed in the empty tags field: example tags, separated by spaces.
inline constexpr Text kTagsExample{"BookWindow", QT_TRANSLATE_NOOP("BookWindow", "target U21 sell")};
//: Beside the list of tags that chooses which players the table shows.
inline constexpr Text kShowTag{"BookWindow", QT_TRANSLATE_NOOP("BookWindow", "Tag:")};
//: The first entry of the list of tags: no tag chosen, every player shown.
inline constexpr Text kAllPlayers{"BookWindow", QT_TRANSLATE_NOOP("BookWindow", "All players")};
//: The button that keeps the player under the name typed.
inline constexpr Text kKeep{"BookWindow", QT_TRANSLATE_NOOP("BookWindow", "Keep")};
//: Under the name field, when the name is one the book already holds.
inline constexpr Text kAddsSnapshot{
        "BookWindow",
        QT_TRANSLATE_NOOP("BookWindow", "Already in the book: the levels shown are added to this player's history.")};

// The book's window: its buttons, in the order they stand.
//: Loads the chosen player's latest levels into the main window.
inline constexpr Text kShow{"BookWindow", QT_TRANSLATE_NOOP("BookWindow", "Show")};
//: Shows 2 to 4 chosen players side by side.
inline constexpr Text kCompare{"BookWindow", QT_TRANSLATE_NOOP("BookWindow", "Compare")};
inline constexpr Text kDelete{"BookWindow", QT_TRANSLATE_NOOP("BookWindow", "Delete")};
//: Brings back the players deleted last.
inline constexpr Text kUndo{"BookWindow", QT_TRANSLATE_NOOP("BookWindow", "Undo Delete")};
inline constexpr Text kExport{"BookWindow", QT_TRANSLATE_NOOP("BookWindow", "Export...")};
inline constexpr Text kImport{"BookWindow", QT_TRANSLATE_NOOP("BookWindow", "Import...")};
//: Copies the chosen players tab-separated, to paste into a spreadsheet cell by cell.
inline constexpr Text kCopyAsTable{"BookWindow", QT_TRANSLATE_NOOP("BookWindow", "Copy as Table")};
//: Copies the chosen players as an aligned block of plain text, for a forum post.
inline constexpr Text kCopyForForum{"BookWindow", QT_TRANSLATE_NOOP("BookWindow", "Copy for Forum")};
//: Copies the chosen players (those listed when none is chosen) as one link, to open on another device.
inline constexpr Text kCopyLink{"BookWindow", QT_TRANSLATE_NOOP("BookWindow", "Copy Link")};
inline constexpr Text kClose{"BookWindow", QT_TRANSLATE_NOOP("BookWindow", "Close")};

// What screen readers say of the two tables, and the heading above the history.
inline constexpr Text kPlayers{"BookWindow", QT_TRANSLATE_NOOP("BookWindow", "Players")};
//: Heading of the table of one player's snapshots, oldest first; %1 is his name.
inline constexpr Text kHistoryOf{"BookWindow", QT_TRANSLATE_NOOP("BookWindow", "History of %1")};
inline constexpr Text kHistory{"BookWindow", QT_TRANSLATE_NOOP("BookWindow", "History")};
//: Under the table: %1 is how many players the book holds.
inline constexpr Text kPlayerCount{"BookWindow", QT_TRANSLATE_NOOP("BookWindow", "Players in the book: %1")};
//: Under the table of an empty book.
inline constexpr Text kEmptyBook{"BookWindow", QT_TRANSLATE_NOOP("BookWindow", "The book holds no player yet.")};
//: Under the table after one player was deleted; %1 is his name.
inline constexpr Text kDeletedOne{"BookWindow", QT_TRANSLATE_NOOP("BookWindow", "Deleted: %1.")};
//: Under the table after several players were deleted.
inline constexpr CountText kDeletedMany{"BookWindow", QT_TRANSLATE_N_NOOP("BookWindow", "%n players deleted.")};
//: After a delete, in the window, where Ctrl+Z undoes it.
inline constexpr Text kUndoWithKey{"BookWindow",
                                   QT_TRANSLATE_NOOP("BookWindow", "Press Undo Delete (Ctrl+Z) to restore.")};
//: After a delete, on the web page, which has no key for it.
inline constexpr Text kUndoWithButton{"BookWindow", QT_TRANSLATE_NOOP("BookWindow", "Press Undo Delete to restore.")};

// After a delete: who went, and how to bring him back.
inline QString deletedText(const QStringList &names, bool withKey)
{
    const QString deleted = names.size() == 1 ? kDeletedOne.translated().arg(names.front())
                                              : kDeletedMany.translated(int(names.size()));
    return deleted + u' ' + (withKey ? kUndoWithKey : kUndoWithButton).translated();
}
//: Under the table after the book could not be written at once because another program held it.
inline constexpr Text kPending{
        "BookWindow",
        QT_TRANSLATE_NOOP("BookWindow",
                          "Another program is using the book; the change is saved as soon as it can be.")};
//: Under the table after Copy as Table.
inline constexpr Text kCopiedAsTable{"BookWindow", QT_TRANSLATE_NOOP("BookWindow", "Copied as a table.")};
//: Under the table after Copy for Forum.
inline constexpr Text kCopiedForForum{"BookWindow", QT_TRANSLATE_NOOP("BookWindow", "Copied for a forum post.")};

//: Under the table after Copy Link; %1 says what the link holds ("The link holds 3 players and 12 snapshots.").
inline constexpr Text kLinkCopied{"BookWindow", QT_TRANSLATE_NOOP("BookWindow", "Link copied. %1")};
//: The answers when a link's players are offered: add them, or leave the book as it is.
inline constexpr Text kAddPlayers{"BookWindow", QT_TRANSLATE_NOOP("BookWindow", "Add Players")};
inline constexpr Text kDoNotAdd{"BookWindow", QT_TRANSLATE_NOOP("BookWindow", "Do Not Add")};
//: Title of the window that shows a link as a QR code.
inline constexpr Text kQrTitle{"BookWindow", QT_TRANSLATE_NOOP("BookWindow", "Link as a QR Code")};
//: Under the QR code.
inline constexpr Text kQrHint{"BookWindow", QT_TRANSLATE_NOOP("BookWindow",
        "Point a phone's camera at the code to open these players in Wagecourt's page.")};
//: Instead of the QR code, when the link is too long for one.
inline constexpr Text kQrTooLong{"BookWindow", QT_TRANSLATE_NOOP("BookWindow",
        "The link is too long for a QR code that a phone can read from a screen: send the link instead.")};

// The comparison's window.
inline constexpr Text kCompareTitle{"BookWindow", QT_TRANSLATE_NOOP("BookWindow", "Compare Players")};
//: A row of the comparison: the salary at the position that pays him best.
inline constexpr Text kBestSalary{"BookWindow", QT_TRANSLATE_NOOP("BookWindow", "Salary (best position)")};
//: A row of the comparison: the salary he would earn at this position; %1 is the position.
inline constexpr Text kSalaryAt{"BookWindow", QT_TRANSLATE_NOOP("BookWindow", "Salary as %1")};
//: The status line when fewer than 2 or more than 4 players are chosen for a comparison.
inline constexpr Text kChooseToCompare{
        "BookWindow",
        QT_TRANSLATE_NOOP("BookWindow",
                          "Choose 2 to 4 players to compare (Ctrl or Shift with a click or the arrow keys).")};

// Export and import.
inline constexpr Text kExportTitle{"BookWindow", QT_TRANSLATE_NOOP("BookWindow", "Export the Book")};
inline constexpr Text kImportTitle{"BookWindow", QT_TRANSLATE_NOOP("BookWindow", "Import into the Book")};
//: The import dialog's first file type, every form the book reads; keep the patterns in brackets as they are.
inline constexpr Text kBookFiles{"BookWindow",
                                 QT_TRANSLATE_NOOP("BookWindow", "Book files (*.csv *.jsonl *.ndjson *.json)")};
//: File types of the export and import dialogs; keep the patterns in brackets as they are.
inline constexpr Text kFileTypes{
        "BookWindow",
        QT_TRANSLATE_NOOP("BookWindow",
                          "CSV files (*.csv);;JSON Lines files (*.jsonl *.ndjson *.json);;All files (*)")};
//: %1 is the file, %2 the system's reason.
inline constexpr Text kCannotWrite{"BookWindow", QT_TRANSLATE_NOOP("BookWindow", "'%1' could not be written: %2")};
inline constexpr Text kCannotRead{"BookWindow", QT_TRANSLATE_NOOP("BookWindow", "'%1' could not be read: %2")};
//: Under the table after an export: %1 is how many snapshots the file holds.
inline constexpr Text kExported{"BookWindow", QT_TRANSLATE_NOOP("BookWindow", "Snapshots exported: %1")};

} // namespace bookwindowtext

} // namespace wagecourt
