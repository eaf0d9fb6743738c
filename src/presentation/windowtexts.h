#pragma once

#include "presentation/text.h"

#include <QString>

namespace wagecourt {

struct LanguageEntry;

// The window's own fixed words, all for people. The game's words (captions,
// level names, positions, the Calculate button) are the catalogue's and are
// filled in where a text names one.
namespace windowtext {

//: The window's title: the name, the version (%1, such as 1.0) and the author's game name and number stay as
//: they are.
inline constexpr Text kTitle{"Window", QT_TRANSLATE_NOOP("Window", "Wagecourt v%1 - by Tarvel (58203)")};
// Command2's two captions; the info area's state is read from which one it shows.
//: A small button, ten letters wide at most, that shows the instructions below the player card.
inline constexpr Text kShowInfo{"Window", QT_TRANSLATE_NOOP("Window", "Show Info")};
//: The same button while the instructions are shown; ten letters at most.
inline constexpr Text kHideInfo{"Window", QT_TRANSLATE_NOOP("Window", "Hide Info")};
// The result's context menu.
//: Menu item: copies the player's skill list and salary.
inline constexpr Text kCopy{"Window", QT_TRANSLATE_NOOP("Window", "Copy")};
//: Menu item: pastes a copied skill list and works out its salary.
inline constexpr Text kPasteAndCalculate{"Window", QT_TRANSLATE_NOOP("Window", "Paste and Calculate")};

// Accessible names and descriptions, for screen readers.
//: What a screen reader says of the picture behind the skills and the salary.
inline constexpr Text kPlayerCard{"Window", QT_TRANSLATE_NOOP("Window", "Player card")};
inline constexpr Text kCopyingPicture{"Window",
                                      QT_TRANSLATE_NOOP("Window", "Copying a player's skills in a web browser")};
inline constexpr Text kBestPosition{"Window", QT_TRANSLATE_NOOP("Window", "Best position")};
inline constexpr Text kWeeklySalary{"Window", QT_TRANSLATE_NOOP("Window", "Weekly salary")};
//: What a screen reader says of the player's name on the card, shown after a keep or a Show from the book.
inline constexpr Text kPlayerShown{"Window", QT_TRANSLATE_NOOP("Window", "Player shown")};
//: A level label's description: the skill's name as the catalogue writes it, which may begin with a vowel. The
//: page adds ": " and the level's name after it.
inline constexpr Text kSkillLevel{"Window", QT_TRANSLATE_NOOP("Window", "%1 level")};

// The box a refused paste brings up.
//: The title of the box that refuses a pasted text.
inline constexpr Text kErrorTitle{"ErrorBox", QT_TRANSLATE_NOOP("ErrorBox", "ERROR")};
inline constexpr Text kErrorText{
        "ErrorBox",
        QT_TRANSLATE_NOOP("ErrorBox",
                          "Please copy your player's skills again and make sure that you chose the correct "
                          "language from the drop-down menu..")};

// The information area, verbatim with its spaces and double full stops.
//: Two lines in the window at most: no longer than the English.
inline constexpr Text kCredit{
        "Info",
        QT_TRANSLATE_NOOP(
                "Info",
                "   Wagecourt is a tool for calculating player salaries.. It uses Velmor's formulas ,so special thanks"
                "     to Velmor (35817) for his hard work and contributions to the community by sharing these valuable"
                " formulas..   ")};
inline constexpr Text kInstructions{"Info", QT_TRANSLATE_NOOP("Info", "INSTRUCTIONS")};
//: One line in the window, as are the other steps: no longer than the English.
inline constexpr Text kStep2{"Info",
                             QT_TRANSLATE_NOOP("Info", "2. Select your in-game language from the drop-down menu..")};
inline constexpr Text kStep4{
        "Info",
        QT_TRANSLATE_NOOP("Info", "4. Click on the skills to change them ( Left-click --> +1, Right-click --> -1 )")};

//: In the information area, beside the picture, one line for each key of the player book: %1 the key as the
//: system writes it (Ctrl+K), %2 what it does, the menu item's name (Keep in Book).
inline constexpr Text kKeyAndAction{"Info", QT_TRANSLATE_NOOP("Info", "%1: %2")};

// The window's own command line: its --help and its usage errors.
//: The first line of the window's --help; "wagecourt [options] [wagecourt:LINK]" stays as it is.
inline constexpr Text kWindowUsage{"WindowCommandLine",
                                   QT_TRANSLATE_NOOP("WindowCommandLine", "Usage: wagecourt [options] [wagecourt:LINK]")};
//: Two lines of at most 79 characters each.
inline constexpr Text kWindowSummary{
        "WindowCommandLine",
        QT_TRANSLATE_NOOP("WindowCommandLine",
                          "Work out the weekly salary of a Courtlore player from his skill list,\n"
                          "copied from the game's page.")};
inline constexpr Text kWindowHelpOption{"WindowCommandLine",
                                        QT_TRANSLATE_NOOP("WindowCommandLine", "Show this help and exit.")};
inline constexpr Text kWindowVersionOption{"WindowCommandLine",
                                           QT_TRANSLATE_NOOP("WindowCommandLine", "Show the version and exit.")};
//: Two lines of at most 79 characters each; the options and their NAME and DISPLAY stay as they are.
inline constexpr Text kToolkitOptions{
        "WindowCommandLine",
        QT_TRANSLATE_NOOP("WindowCommandLine",
                          "The toolkit's own options, such as -platform NAME, -display DISPLAY or\n"
                          "-style NAME, are accepted too.")};
//: The option as it was typed, in quotes.
inline constexpr Text kWindowUnknownOption{"WindowCommandLine",
                                           QT_TRANSLATE_NOOP("WindowCommandLine", "unknown option %1")};
//: The argument as it was typed, in quotes.
inline constexpr Text kUnexpectedArgument{"WindowCommandLine",
                                          QT_TRANSLATE_NOOP("WindowCommandLine", "unexpected argument %1")};

// Steps 1 and 3 name the Jump Shot caption and the Calculate button as the
// given language writes them.
QString step1Text(const LanguageEntry &language);
QString step3Text(const LanguageEntry &language);

// The player book's keys for the information area, as they are written on
// this system: keep, then open.
QString bookKeysText(const QString &keepKey, const QString &openKey);

// The window's title, with the program's version.
QString titleText();

// A level label's accessible description, for the skill's full name.
QString skillLevelDescription(const QString &skillName);

} // namespace windowtext

} // namespace wagecourt
