#pragma once

#include "presentation/text.h"

#include <QString>
#include <QStringView>

namespace wagecourt {

struct LanguageEntry;
struct SkillListImport;

// The command line's words. Its help, its usage errors and its messages on
// standard error are for people and follow the installed translation; the
// JSON and CSV it writes are for programs and always English (Reader::Machine).
namespace clitext {

// The whole --help text around the option list the parser writes.
QString usageText(const QString &optionsHelp);

//: The language used when the option is not given, as the catalogue writes its name: "English".
inline constexpr Text kLangOption{"Cli", QT_TRANSLATE_NOOP("Cli",
        "Game language: a name or code (see 'languages'). %1 when not given; "
        "import then reads the list in whichever language it is.")};
inline constexpr Text kJsonOption{"Cli", QT_TRANSLATE_NOOP("Cli", "Print JSON: one object, or one per line for batch.")};
inline constexpr Text kHeaderOption{"Cli", QT_TRANSLATE_NOOP("Cli", "batch: print a CSV line of column names first.")};
inline constexpr Text kShownOption{"Cli", QT_TRANSLATE_NOOP("Cli",
        "calc: the salary the game shows, to check against.")};
//: SKILL=LEVEL stays as it is.
inline constexpr Text kToOption{"Cli", QT_TRANSLATE_NOOP("Cli",
        "plan: a target level, such as IS=12 (again for more, in order).")};
inline constexpr Text kLimitOption{"Cli", QT_TRANSLATE_NOOP("Cli", "plan: the highest levels within this salary.")};
inline constexpr Text kCheapestOption{"Cli", QT_TRANSLATE_NOOP("Cli",
        "plan: the N one-level raises (1 to 20) that add least to the salary.")};
inline constexpr Text kSkillsOption{"Cli", QT_TRANSLATE_NOOP("Cli",
        "plan: the skills the cheapest raises may go to, such as IS,ID,RB.")};
inline constexpr Text kHelpOption{"Cli", QT_TRANSLATE_NOOP("Cli", "Show this help.")};
inline constexpr Text kVersionOption{"Cli", QT_TRANSLATE_NOOP("Cli", "Show the version.")};

// "wagecourt-cli: " and the message, and where to find the usage.
QString usageErrorText(const QString &message);

// Usage errors. A placeholder is a name, a count or the text the user wrote.
//: What was written; the languages' own names as the catalogue writes them, each with its code: "Deutsch (de)".
inline constexpr Text kUnknownLanguage{"Cli", QT_TRANSLATE_NOOP("Cli", "unknown language '%1'; the languages are: %2")};
//: The command (calc or advise); the count of levels given.
inline constexpr CountText kTenLevelsWanted{"Cli", QT_TRANSLATE_N_NOOP("Cli", "%1 takes ten levels, %n given")};
//: The level's place among the ten, what was written there.
inline constexpr Text kNumberedLevelNotALevel{"Cli", QT_TRANSLATE_NOOP("Cli",
        "level %1 '%2' is not a whole number from 1 to 20")};
inline constexpr Text kLevelNotALevel{"Cli", QT_TRANSLATE_NOOP("Cli", "level '%1' is not a whole number from 1 to 20")};
//: The count of files given, two or more.
inline constexpr CountText kOneListOnly{"Cli", QT_TRANSLATE_N_NOOP("Cli", "import reads one list, %n file(s) given")};
//: The count of files given, two or more.
inline constexpr CountText kOneRosterOnly{"Cli", QT_TRANSLATE_N_NOOP("Cli",
        "batch reads one roster, %n file(s) given")};
//: The file, the reason.
inline constexpr Text kCannotRead{"Cli", QT_TRANSLATE_NOOP("Cli", "cannot read '%1': %2")};
inline constexpr Text kHeaderIsForCsv{"Cli", QT_TRANSLATE_NOOP("Cli", "--header is for CSV; JSON lines name their fields")};
inline constexpr Text kHeaderIsForBatch{"Cli", QT_TRANSLATE_NOOP("Cli", "--header is for batch only")};
//: The option, then the command it is for; both stay as they are.
inline constexpr Text kOptionForCommand{"Cli", QT_TRANSLATE_NOOP("Cli", "%1 is for %2 only")};
inline constexpr Text kNoArgumentsWanted{"Cli", QT_TRANSLATE_NOOP("Cli", "languages takes no arguments, '%1' given")};
inline constexpr Text kUnknownOption{"Cli", QT_TRANSLATE_NOOP("Cli", "unknown option '%1'")};
inline constexpr Text kNoCommand{"Cli", QT_TRANSLATE_NOOP("Cli", "no command given")};
inline constexpr Text kUnknownCommand{"Cli", QT_TRANSLATE_NOOP("Cli", "unknown command '%1'")};
//: The option as written (--lang, --book, ...); how many times it was given, two or more.
inline constexpr CountText kGivenTwice{"Cli", QT_TRANSLATE_N_NOOP("Cli", "%1 given %n time(s); give it once")};

// Why a list was refused, for standard error (Reader::Person) and for the
// JSON "detail" (Reader::Machine).
QString tooLongDetail(qsizetype characters, Reader reader);
// For a text of more bytes than any list of the most characters read could take.
QString cutOffDetail(Reader reader);
QString noLanguageDetail(Reader reader);
QString rejectionDetail(const SkillListImport &import, const LanguageEntry &language, Reader reader);

// A bad roster line, on standard error: "line 3 (Ann): expected ten levels, found 9".
inline constexpr Text kUnclosedQuote{"Cli", QT_TRANSLATE_NOOP("Cli", "the quoted name has no closing quote")};
inline constexpr Text kBatchNotALevel{"Cli", QT_TRANSLATE_NOOP("Cli", "'%1' is not a level (a whole number from 1 to 20)")};
//: The count of levels found on the line.
inline constexpr CountText kTenLevelsExpected{"Cli", QT_TRANSLATE_N_NOOP("Cli", "expected ten levels, found %n")};
//: The character's code, in hexadecimal digits.
inline constexpr Text kNameHoldsControl{"Cli", QT_TRANSLATE_NOOP("Cli", "the name holds the control character U+%1")};
//: The most bytes a line may hold.
inline constexpr Text kLineTooLong{"Cli", QT_TRANSLATE_NOOP("Cli", "longer than %1 bytes, skipped")};
QString badLineText(const QString &where, const QString &why);

// Input or output that failed, with the system's reason; each a whole line.
QString cannotReadInputText(const QString &reason);
// A batch input with no player line in it at all.
QString noPlayerLineText();
QString cannotWriteOutputText(const QString &reason);

} // namespace clitext

} // namespace wagecourt
