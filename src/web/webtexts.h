#pragma once

#include "presentation/text.h"

// The page's own words, beside the window's (presentation/windowtexts.h): what
// only a web page has, a paste box, touch buttons, the training table, the
// licences link. Marked for the translation tools like every other fixed word.
namespace wagecourt::webtext {

inline constexpr Text kPasteLabel{"Web", QT_TRANSLATE_NOOP("Web", "Your player's copied skill list")};
inline constexpr Text kLanguageLabel{"Web", QT_TRANSLATE_NOOP("Web", "Game language")};
//: Buttons beside a level on touch screens; %1 is the skill's name.
inline constexpr Text kRaise{"Web", QT_TRANSLATE_NOOP("Web", "Raise %1")};
inline constexpr Text kLower{"Web", QT_TRANSLATE_NOOP("Web", "Lower %1")};
inline constexpr Text kCopyResult{"Web", QT_TRANSLATE_NOOP("Web", "Copy result")};
inline constexpr Text kCopied{"Web", QT_TRANSLATE_NOOP("Web", "Copied")};
//: Hands the copied result to the device's share sheet (another app, a message).
inline constexpr Text kShareResult{"Web", QT_TRANSLATE_NOOP("Web", "Share result")};
//: The page's colours: as the device is set, light or dark.
inline constexpr Text kSchemeLabel{"Web", QT_TRANSLATE_NOOP("Web", "Appearance")};
inline constexpr Text kSchemeSystem{"Web", QT_TRANSLATE_NOOP("Web", "As the system")};
inline constexpr Text kSchemeLight{"Web", QT_TRANSLATE_NOOP("Web", "Light")};
inline constexpr Text kSchemeDark{"Web", QT_TRANSLATE_NOOP("Web", "Dark")};
//: The heads of the training table: the skill, its level, one level up, one level down.
inline constexpr Text kSkillHead{"Web", QT_TRANSLATE_NOOP("Web", "Skill")};
inline constexpr Text kLevelHead{"Web", QT_TRANSLATE_NOOP("Web", "Level")};
inline constexpr Text kUpHead{"Web", QT_TRANSLATE_NOOP("Web", "+1")};
inline constexpr Text kDownHead{"Web", QT_TRANSLATE_NOOP("Web", "-1")};
inline constexpr Text kTrainingTitle{"Web", QT_TRANSLATE_NOOP("Web", "What one training step pays")};
inline constexpr Text kStep4{"Web",
                             QT_TRANSLATE_NOOP("Web",
                                               "4. Click or tap a level to raise it, right-click it or press its − to "
                                               "lower it (+ and − keys work too)")};
inline constexpr Text kLicences{"Web", QT_TRANSLATE_NOOP("Web", "Licences")};
//: The page keeps no count of its visitors: say that visits are not counted.
inline constexpr Text kPrivacy{
        "Web",
        QT_TRANSLATE_NOOP("Web",
                          "Works offline; fetches nothing but its own files, sets no cookies and counts no visits.")};

// The player book on the page; its other words are the book window's.
//: Under the Keep button once a player is kept; %1 is his name.
inline constexpr Text kKept{"Web", QT_TRANSLATE_NOOP("Web", "Kept in the book: %1")};
//: Above the book's list, whose rows have a tick box each; "Compare" is the button's text.
inline constexpr Text kTickToCompare{"Web", QT_TRANSLATE_NOOP("Web", "Tick 2 to 4 players, then press Compare.")};
//: Beside Keep in Book while no player is shown, and its tooltip; %1 is the game's Calculate button.
inline constexpr Text kKeepNeedsPlayer{
        "Web",
        QT_TRANSLATE_NOOP("Web", "Paste a player's skill list and press %1 first, or Show a player from the book.")};
//: Under the tags field when the name typed is one the book holds; %1 is his tags, separated by spaces. Tags
//: typed are added to them.
inline constexpr Text kTagsGiven{"Web", QT_TRANSLATE_NOOP("Web", "Tags already given: %1")};
//: The last step of the instructions; %1 is the Keep in Book button, %2 the Player Book's heading.
inline constexpr Text kBookStep{"Web",
                                QT_TRANSLATE_NOOP("Web",
                                                  "5. Press %1 under the card to keep the player shown, under a name; "
                                                  "%2, below it, lists the players kept.")};

// Shortlist links on the page: made from the book, and opened.
//: Hands a link to the ticked players (the whole book when none is ticked) to the device's share sheet.
inline constexpr Text kShareLink{"Web", QT_TRANSLATE_NOOP("Web", "Share")};
//: Where the device has no share sheet: copies that link.
inline constexpr Text kCopyLink{"Web", QT_TRANSLATE_NOOP("Web", "Copy Link")};
//: The name of the field that shows the link made, for screen readers.
inline constexpr Text kLinkMade{"Web", QT_TRANSLATE_NOOP("Web", "Link to the players")};
//: The name of the link's QR code, for screen readers.
inline constexpr Text kLinkQrCode{"Web", QT_TRANSLATE_NOOP("Web", "QR code of the link")};
//: In place of the QR code when the link holds too much for one a phone reads from a screen; %1 is the Share
//: or Copy Link button.
inline constexpr Text kLinkTooLong{"Web", QT_TRANSLATE_NOOP("Web",
        "This link holds too much for a QR code: press %1 to send the link itself.")};
//: The answers to "Add them to the player book?" after a link is opened (buttons).
inline constexpr Text kAddLinked{"Web", QT_TRANSLATE_NOOP("Web", "Add to Book")};
inline constexpr Text kDontAddLinked{"Web", QT_TRANSLATE_NOOP("Web", "Cancel")};

// The browser may clear what a page stores; these ask for an export now and then.
//: Under the book; %1 is the day of the last export (YYYY-MM-DD), %2 how many snapshots were kept since.
inline constexpr Text kLastExported{"Web", QT_TRANSLATE_NOOP("Web", "Last exported on %1; snapshots kept since: %2.")};
//: Under the book, which this browser alone holds; %1 is how many snapshots were kept.
inline constexpr Text kNeverExported{
        "Web", QT_TRANSLATE_NOOP("Web", "Never exported; snapshots kept in this browser only: %1.")};
//: Shown once when many snapshots were kept since the last export (20 or more); %1 is the Export button.
inline constexpr CountText kExportReminder{"Web",
                                           QT_TRANSLATE_N_NOOP("Web",
                                                               "%n snapshots are kept in this browser only, which may "
                                                               "clear them. Press %1 to keep a copy of the book.")};

} // namespace wagecourt::webtext
