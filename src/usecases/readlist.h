#pragma once

#include "catalogue/catalogue.h"
#include "engine/playerstate.h"
#include "engine/salary.h"
#include "import/skilllist.h"
#include "presentation/text.h"

#include <QByteArrayView>
#include <QString>
#include <QStringView>

#include <optional>

namespace wagecourt::usecase {

// What a text of a file or of standard input may hold at most: UTF-8 spends
// at most three bytes on one character (four on a pair), and a byte-order mark
// three more. Whoever reads such a text stops one byte past it.
inline constexpr qint64 kMostPastedBytes = 3 * qint64(kMaxPastedCharacters) + 3;

// Why a pasted text is not taken: it is not a skill list at all ("check"),
// or it is one but a level of it cannot be read ("level").
enum class RefusalReason { Check, Level };

struct Refusal
{
    RefusalReason reason = RefusalReason::Check;
    // The language the refusal speaks of: the one asked for, or where any was
    // tried the first that took the text for a list; null when none applies.
    const LanguageEntry *language = nullptr;

    // "check" or "level", as programs read it.
    QString reasonName() const;
    // What was wrong, for a person (translated) or for a program (English).
    QString detail(Reader reader) const;

    enum class Cause { TooLong, CutOff, NoLanguage, Rejected };
    Cause cause = Cause::NoLanguage;
    qsizetype characters = 0; // TooLong: how many the text had
    SkillListImport import;   // Rejected: the language's own verdict
};

// A list that was read: the language that read it, its ten salary levels and
// the other three (kUnknownLevel where none was read), the salary they pay,
// and the text with its level names replaced, as the window keeps it.
struct PastedList
{
    const LanguageEntry *language = nullptr;
    SkillLevels levels;
    OtherSkillLevels others;
    SalaryResult result;
    QString replacedText;
};

// The salary of ten levels within 1 to 20, as every front-end shows it.
SalaryResult salaryOf(const SkillLevels &levels);

struct ReadOutcome
{
    std::optional<PastedList> list;
    Refusal refusal; // when no list was read

    bool accepted() const { return list.has_value(); }
};

// Reads a pasted text in the language first (none: the list's first) and,
// with AnyLanguage, in each other language in list order until one reads it.
// A text longer than kMaxPastedCharacters is refused unread.
ReadOutcome readPastedText(QStringView text, const LanguageEntry *first, LanguageSearch search);

// The same for the bytes of a file, of standard input or of the page: UTF-8,
// a leading byte-order mark dropped as editors write one. More than
// kMostPastedBytes is refused undecoded, so a reader may stop one byte past.
ReadOutcome readPastedBytes(QByteArrayView utf8, const LanguageEntry *first, LanguageSearch search);

// The window's and the page's rule: the chosen language first, then the others.
inline ReadOutcome readChosenFirst(QStringView text, const LanguageEntry *chosen)
{
    return readPastedText(text, chosen, LanguageSearch::AnyLanguage);
}

// Takes a list that was read into the window's state: all thirteen levels,
// the replaced text, the salary and the position.
void takeList(PlayerState &state, const PastedList &list);

} // namespace wagecourt::usecase
