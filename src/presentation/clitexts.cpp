#include "presentation/clitexts.h"

#include "catalogue/catalogue.h"
#include "import/skilllist.h"
#include "presentation/advicetext.h"

#include <QStringList>

namespace wagecourt::clitext {

using namespace Qt::StringLiterals;

namespace {

// Laid out as help2man reads it: usage lines, a summary, then sections.
//: The levels paragraph (%1), the Calculate button's caption (%2, always the 16 characters of "Calculate Salary"),
//: the option list (%3). Every line at most 79 characters once %2 is filled in; the commands after "Usage:" and
//: "or:" start in one column.
constexpr Text kUsage{"Cli", QT_TRANSLATE_NOOP("Cli",
        "Usage: wagecourt-cli calc L1 ... L10 [--lang NAME] [--json] [--shown SALARY]\n"
        "  or:  wagecourt-cli advise L1 ... L10 [--lang NAME] [--json]\n"
        "  or:  wagecourt-cli plan L1 ... L10 [--to SKILL=LEVEL]... [--limit SALARY]\n"
        "                      [--cheapest N] [--skills LIST] [--lang NAME] [--json]\n"
        "  or:  wagecourt-cli import [--lang NAME] [--json] [FILE|-]\n"
        "  or:  wagecourt-cli batch [--lang NAME] [--json|--header] [FILE|-]\n"
        "  or:  wagecourt-cli languages [--json]\n"
        "Work out the weekly salary of a Courtlore basketball player, exactly as the\n"
        "Wagecourt window does.\n"
        "\n"
        "%1\n"
        "\n"
        "Languages are named as 'languages' lists them, in any letter case and with or\n"
        "without accents (english, Turkce, espanol), or by their codes: en tr es it fr\n"
        "de pl pt.\n"
        "\n"
        "A batch line holds ten levels separated by spaces, tabs or commas, and may\n"
        "begin with the player's name and a comma or tab. Blank lines, lines starting\n"
        "with '#' and a first line of column names are skipped.\n"
        "\n"
        "Commands:\n"
        "  calc       the salary of one player and what he earns at each position;\n"
        "             with --shown, whether it matches the salary the game shows\n"
        "  advise     what one level up or down in each skill would pay, then each\n"
        "             position's salary\n"
        "  plan       what each level of each skill would pay, up to 20; --to plans\n"
        "             steps to the levels given, one level at a time, --limit finds\n"
        "             the highest levels within a salary, --cheapest the N one-level\n"
        "             raises that cost least (among --skills, such as IS,ID,RB)\n"
        "  import     read one copied skill list (UTF-8) from FILE or standard input,\n"
        "             exactly as the window's \"%2\" reads the clipboard,\n"
        "             in the language given or, without --lang, in any\n"
        "  batch      one player per line from FILE or standard input, one result line\n"
        "             out (CSV: the name if given, levels, salary, position, position\n"
        "             name)\n"
        "  languages  the game languages, one per line, or with their codes as JSON\n"
        "\n"
        "%3\n"
        "Exit status:\n"
        "  0  done\n"
        "  1  a list rejected, a batch line bad, a salary that differs from the one\n"
        "     shown, or output that could not be written\n"
        "  2  a usage error\n"
        "A closed pipe (as with '| head') ends the program by SIGPIPE, as it ends other\n"
        "command-line tools.\n")};
//: The ten skill names in the game's order, wrapped to the help's width.
constexpr Text kLevelsParagraph{"Cli", QT_TRANSLATE_NOOP("Cli",
        "Levels are whole numbers from 1 to 20 in the game's order: %1.")};
constexpr qsizetype kHelpWidth = 78;

constexpr Text kBookPointer{"Cli", QT_TRANSLATE_NOOP("Cli",
        "The player book keeps players and their history:\n"
        "see 'wagecourt-cli book --help'.\n")};

constexpr Text kRunHelp{"Cli", QT_TRANSLATE_NOOP("Cli", "Run 'wagecourt-cli --help' for usage.")};

//: "it" is the text read; the count of its colons; the fewest (10) and the most (13) a skill list holds.
constexpr CountText kColonCount{"Cli", QT_TRANSLATE_N_NOOP("Cli",
        "it holds %n colon(s), a skill list holds %1 to %2")};
//: "it" is the text read; the beginning looked for; the language's own name as the catalogue writes it, capitalised
//: (Deutsch, Français); the Jump Shot caption without its colon.
constexpr Text kWrongBeginning{"Cli", QT_TRANSLATE_NOOP("Cli",
        "it does not begin with \"%1\", as the %2 %3 caption does")};
//: The language's own name as the catalogue writes it, capitalised (Deutsch, Français), then the reasons joined.
constexpr Text kNotASkillList{"Cli", QT_TRANSLATE_NOOP("Cli", "Not a skill list in %1: %2.")};
constexpr Text kReasonSeparator{"Cli", QT_TRANSLATE_NOOP("Cli", "; ")};
constexpr Text kNoLevelBehindColon{"Cli", QT_TRANSLATE_NOOP("Cli", "no level name or number behind its colon")};
constexpr Text kNumberNotALevel{"Cli", QT_TRANSLATE_NOOP("Cli", "%1 is not a level from 1 to 20")};
//: The skill's caption without its colon, as the catalogue writes it (it may begin with a vowel); its number; what
//: stands behind it.
constexpr Text kLevelUnreadable{"Cli", QT_TRANSLATE_NOOP("Cli", "The level of %1 (skill %2) could not be read: %3.")};
//: The count of characters, more than the most that are read (%1, 1048576).
constexpr CountText kTooLong{"Cli", QT_TRANSLATE_N_NOOP("Cli",
        "The text holds %n character(s); a skill list is far shorter, and no more than %1 are read.")};
//: Said of a text cut off unread; %1 and %2 are the same count, the most characters read.
constexpr Text kFarTooLong{"Cli", QT_TRANSLATE_NOOP("Cli",
        "The text holds more than %1 characters; a skill list is far shorter, and no more than %2 are read.")};
constexpr Text kNoLanguage{"Cli", QT_TRANSLATE_NOOP("Cli", "Not a skill list in any of the game languages.")};

//: The line number (with the player's name), the reason.
constexpr Text kBadLine{"Cli", QT_TRANSLATE_NOOP("Cli", "line %1: %2")};
constexpr Text kCannotReadInput{"Cli", QT_TRANSLATE_NOOP("Cli", "cannot read the input: %1")};
constexpr Text kNoPlayerLine{"Cli", QT_TRANSLATE_NOOP("Cli", "the input holds no player line")};
constexpr Text kCannotWriteOutput{"Cli", QT_TRANSLATE_NOOP("Cli", "cannot write to standard output: %1")};

const LanguageEntry &englishEntry()
{
    return wagecourt::languages().front();
}

// Words onto lines of at most width characters, a longer word alone on its line.
QString wrapped(const QString &text, qsizetype width)
{
    QString lines;
    qsizetype lineLength = 0;
    for (const QString &word : text.split(u' ', Qt::SkipEmptyParts)) {
        if (lineLength > 0 && lineLength + 1 + word.size() > width) {
            lines += u'\n';
            lineLength = 0;
        } else if (lineLength > 0) {
            lines += u' ';
            ++lineLength;
        }
        lines += word;
        lineLength += word.size();
    }
    return lines;
}

QString withProgramName(const QString &message)
{
    return u"wagecourt-cli: "_s + message + u'\n';
}

} // namespace

QString usageText(const QString &optionsHelp)
{
    // The program speaks English until it has a translation, so it names the
    // game's words as the English catalogue writes them.
    const LanguageEntry &english = englishEntry();
    QStringList skills;
    for (int k = 1; k <= kSalarySkillCount; ++k)
        skills << skillNameOf(english.skillCaption(k));
    const QString levels = wrapped(kLevelsParagraph.translated().arg(skills.join(u", "_s)), kHelpWidth);
    return kUsage.translated().arg(levels, english.calculateCaption, optionsHelp) + u'\n' + kBookPointer.translated();
}

QString usageErrorText(const QString &message)
{
    return withProgramName(message) + kRunHelp.translated() + u'\n';
}

// Numbers go in through QString::number throughout: the digits arg(int)
// gives, without drawing the whole locale database in where QtCore is linked
// statically (the web page).
QString tooLongDetail(qsizetype characters, Reader reader)
{
    return kTooLong.forReader(reader, int(characters)).arg(QString::number(kMaxPastedCharacters));
}

QString cutOffDetail(Reader reader)
{
    const QString limit = QString::number(kMaxPastedCharacters);
    return kFarTooLong.forReader(reader).arg(limit, limit);
}

QString noLanguageDetail(Reader reader)
{
    return kNoLanguage.forReader(reader);
}

QString rejectionDetail(const SkillListImport &import, const LanguageEntry &language, Reader reader)
{
    if (import.outcome == ImportOutcome::CheckFailed) {
        QStringList reasons;
        if (import.colonCount < kFewestColons || import.colonCount > kMostColons)
            reasons << kColonCount.forReader(reader, int(import.colonCount))
                               .arg(QString::number(kFewestColons), QString::number(kMostColons));
        if (!import.beginningMatches)
            reasons << kWrongBeginning.forReader(reader).arg(language.skillCaption(1).left(kComparedBeginning),
                                                             language.name,
                                                             skillNameOf(englishEntry().skillCaption(1)));
        return kNotASkillList.forReader(reader).arg(language.name, reasons.join(kReasonSeparator.forReader(reader)));
    }
    const QString skill = language.skillCaption(import.failedSkill).chopped(1);
    const QString found = import.numberRead < 0 ? kNoLevelBehindColon.forReader(reader)
                                                : kNumberNotALevel.forReader(reader).arg(QString::number(import.numberRead));
    return kLevelUnreadable.forReader(reader).arg(skill, QString::number(import.failedSkill), found);
}

QString badLineText(const QString &where, const QString &why)
{
    return kBadLine.translated().arg(where, why) + u'\n';
}

QString cannotReadInputText(const QString &reason)
{
    return withProgramName(kCannotReadInput.translated().arg(reason));
}

QString noPlayerLineText()
{
    return withProgramName(kNoPlayerLine.translated());
}

QString cannotWriteOutputText(const QString &reason)
{
    return withProgramName(kCannotWriteOutput.translated().arg(reason));
}

} // namespace wagecourt::clitext
