#pragma once

#include "engine/playerstate.h"

#include <QString>
#include <QStringView>

namespace wagecourt {

struct LanguageEntry;

// The most pasted text the import looks at; a skill list is a few hundred
// characters, so anything this long is not one and is refused unread.
inline constexpr qsizetype kMaxPastedCharacters = 1 << 20;

inline constexpr int kFewestColons = 10;
inline constexpr int kMostColons = 13; // Jump Shot through Experience
inline constexpr int kComparedBeginning = 5;

enum class ImportOutcome {
    Accepted,
    CheckFailed,     // wrong number of colons, or not the Jump Shot caption's beginning
    LevelUnreadable, // passed the check, but one of the ten levels is not a level
};

struct SkillListImport
{
    ImportOutcome outcome = ImportOutcome::CheckFailed;

    // The check of the text's beginning. For a list read further into a
    // text: the list's own colons, and true.
    qsizetype colonCount = 0;
    bool beginningMatches = false;
    // Whether the list was found further into the text rather than read from
    // its beginning (its replaced text then no longer shows where it stood).
    bool readInside = false;

    // When a level could not be read: which skill (1 .. 10), and the number
    // found there, or -1 when no digit stood there at all.
    int failedSkill = 0;
    int numberRead = -1;

    SkillLevels levels;   // all ten, only when accepted
    // Stamina, Free Throw and Experience behind colons 11 to 13, read by the
    // same rule, only when accepted; kUnknownLevel where the list stops first
    // or no level from 1 to 20 stands there. They never refuse a list.
    OtherSkillLevels otherLevels;
    QString replacedText; // level names replaced by numbers, once the check has passed

    bool accepted() const { return outcome == ImportOutcome::Accepted; }
};

// The two signs that a text is a skill list in the current language: 10 to 13
// colons, and after any leading U+0020 spaces the same first five characters
// as the Jump Shot caption, letter case significant.
qsizetype countColons(QStringView text);
bool beginsLikeCaption(QStringView text, QStringView jumpShotCaption);

// Every level name, level 1 to 20 in turn, replaced by a space and its number,
// left to right without overlap; what one level's pass puts in is never matched
// again. Letter case is ignored: a character of the text matches one of the
// name where their simple Unicode case foldings agree, or their Turkish ones
// (İ stands for i, I for ı), and a ß of the name may stand as ss or SS, so the
// span replaced can be longer than the name. A dotless ı never stands for i,
// nor a ß of the text for ss. One folding of the text and one scan per level
// name: linear in the text.
QString replaceLevelNames(QStringView text, const LevelNames &names);

// The level behind the colon at index colon (0-based) of a text whose names are
// already replaced: skip the one character after the colon, then white space,
// then read one or two ASCII digits. -1 when no digit stands there.
int readLevelAfterColon(QStringView text, qsizetype colon);

// The whole import of one pasted text. A text that passes the check is read
// from its beginning. Any other text, or one whose levels cannot be read so,
// is read from the first place where a whole list stands in it: the whole
// Jump Shot caption at the start of a word, and then one skill line after
// the other, each a short caption on one line, its colon and a level name
// (the line breaks may have become spaces), ten lines at least, up to
// Experience; Stamina, Free Throw and Experience only under the catalogue's
// captions of the language whose Jump Shot caption is given. The list ends
// where such lines stop, so the rest of a page neither adds colons nor gives
// those three a level.
// Where no such list stands, the text is refused exactly as the check of its
// beginning refused it. Changes nothing itself; a rejected text comes back
// with no levels, so a caller can never store part of a list.
SkillListImport importSkillList(QStringView text, QStringView jumpShotCaption, const LevelNames &names);

// Imports state.PastedText in the language of state.LevelName: once the check
// passes, PastedText takes the names-replaced text; an accepted list replaces
// all ten levels and the other three skills' levels, and the salary is
// calculated. A rejected one changes no level, no salary and no position.
// Returns how it went.
ImportOutcome importPastedText(PlayerState &state, QStringView jumpShotCaption);

// Whether a list is read in the one language given or, failing that, in any.
enum class LanguageSearch { OnlyFirst, AnyLanguage };

struct LanguageImport
{
    // The language that read the list. When none did: the first tried that
    // passed the check, or the first tried when none passed it.
    const LanguageEntry *language = nullptr;
    SkillListImport import; // in that language

    bool accepted() const { return import.accepted(); }
};

// Reads a text in the language first (none: the list's first), then, where
// asked, in each other language in list order, until one accepts it. English
// and Français share the check's beginning, so the order decides between
// them; no list is accepted in two languages with different levels.
LanguageImport importInAnyLanguage(QStringView text, const LanguageEntry *first, LanguageSearch search);

} // namespace wagecourt
