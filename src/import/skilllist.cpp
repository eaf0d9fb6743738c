#include "import/skilllist.h"

#include "engine/salary.h"
#include "engine/salarytext.h"
#include "i18n/catalogue.h"

#include <QChar>

#include <algorithm>
#include <vector>

namespace wagecourt {

using namespace Qt::StringLiterals;

namespace {

char16_t foldAscii(char16_t c)
{
    return (c >= u'A' && c <= u'Z') ? char16_t(c + (u'a' - u'A')) : c;
}

// Simple case folding, one code point at a time, so the folded text has the
// same length and every index still points at the same character. A lone
// surrogate is kept as it is.
QString caseFolded(QStringView text)
{
    QString folded(text.size(), Qt::Uninitialized);
    char16_t *out = reinterpret_cast<char16_t *>(folded.data());
    const char16_t *in = text.utf16();
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        const char16_t c = in[i];
        if (c < 0x80) {
            out[i] = foldAscii(c);
        } else if (QChar::isHighSurrogate(c) && i + 1 < size && QChar::isLowSurrogate(in[i + 1])) {
            const char32_t folded32 = QChar::toCaseFolded(QChar::surrogateToUcs4(c, in[i + 1]));
            out[i] = QChar::highSurrogate(folded32);
            out[i + 1] = QChar::lowSurrogate(folded32);
            ++i;
        } else {
            out[i] = char16_t(QChar::toCaseFolded(char32_t(c)));
        }
    }
    return folded;
}

bool isBlank(char16_t c)
{
    return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n' || c == u'\u00A0';
}

bool isAsciiDigit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

} // namespace

qsizetype countColons(QStringView text)
{
    return text.count(u':');
}

bool beginsLikeCaption(QStringView text, QStringView jumpShotCaption)
{
    qsizetype start = 0;
    while (start < text.size() && text[start] == u' ')
        ++start;
    const QStringView rest = text.sliced(start);
    return rest.left(kComparedBeginning) == jumpShotCaption.left(kComparedBeginning);
}

QString replaceLevelNames(QStringView text, const LevelNames &names)
{
    // Replacing level 1's names first and then searching the result for level
    // 2 and so on is the same as searching the original text for each name in
    // turn, skipping every place an earlier level already took: the number
    // put in holds a digit, which no level name has, so no later name can
    // match across it. Searching the original avoids building twenty texts.
    struct Match
    {
        qsizetype start;
        qsizetype length;
        int level;
    };
    std::vector<Match> matches;
    std::vector<bool> taken;

    const QString folded = caseFolded(text);
    for (int level = 1; level <= kLevelCount; ++level) {
        if (names[level].isEmpty())
            continue;
        const QString needle = caseFolded(names[level]);
        const qsizetype length = needle.size();
        qsizetype from = 0;
        while ((from = folded.indexOf(needle, from)) >= 0) {
            bool free = true;
            if (!taken.empty())
                for (qsizetype i = from; i < from + length && free; ++i)
                    free = !taken[std::size_t(i)];
            if (!free) {
                ++from;
                continue;
            }
            if (taken.empty())
                taken.resize(std::size_t(text.size()), false);
            for (qsizetype i = from; i < from + length; ++i)
                taken[std::size_t(i)] = true;
            matches.push_back({from, length, level});
            from += length;
        }
    }
    if (matches.empty())
        return text.toString();

    std::sort(matches.begin(), matches.end(), [](const Match &a, const Match &b) { return a.start < b.start; });
    QString result;
    result.reserve(text.size());
    qsizetype copied = 0;
    for (const Match &match : matches) {
        result += text.sliced(copied, match.start - copied);
        result += u' ';
        result += QString::number(match.level);
        copied = match.start + match.length;
    }
    result += text.sliced(copied);
    return result;
}

int readLevelAfterColon(QStringView text, qsizetype colon)
{
    qsizetype i = colon + 2; // the one character after the colon is skipped whatever it is
    while (i < text.size() && isBlank(text[i].unicode()))
        ++i;
    int number = -1;
    for (int digits = 0; digits < 2 && i < text.size() && isAsciiDigit(text[i].unicode()); ++digits, ++i)
        number = (number < 0 ? 0 : number * 10) + (text[i].unicode() - u'0');
    return number;
}

SkillListImport importSkillList(QStringView text, QStringView jumpShotCaption, const LevelNames &names)
{
    SkillListImport result;
    result.colonCount = countColons(text);
    result.beginningMatches = beginsLikeCaption(text, jumpShotCaption);
    if (result.colonCount < kFewestColons || result.colonCount > kMostColons || !result.beginningMatches) {
        result.outcome = ImportOutcome::CheckFailed;
        return result;
    }

    result.replacedText = replaceLevelNames(text, names);

    SkillLevels levels;
    qsizetype colon = -1;
    for (int skill = 1; skill <= kSalarySkillCount; ++skill) {
        // The replacements neither add nor remove a colon, so all ten are
        // there unless a caller passed level names with colons of their own.
        colon = result.replacedText.indexOf(u':', colon + 1);
        const int number = colon < 0 ? -1 : readLevelAfterColon(result.replacedText, colon);
        if (!isValidLevel(number)) {
            result.outcome = ImportOutcome::LevelUnreadable;
            result.failedSkill = skill;
            result.numberRead = number;
            return result;
        }
        levels[skill] = qint16(number);
    }
    result.levels = levels;
    result.outcome = ImportOutcome::Accepted;
    return result;
}

ImportOutcome importPastedText(PlayerState &state, QStringView jumpShotCaption)
{
    SkillListImport import = importSkillList(state.PastedText, jumpShotCaption, state.LevelName);
    if (!import.replacedText.isNull())
        state.PastedText = std::move(import.replacedText);
    if (!import.accepted())
        return import.outcome;
    // Levels within 1 to 20 always give a salary; should that ever fail, the
    // list is refused before anything is stored.
    const auto result = computeSalary(import.levels);
    if (!result)
        return ImportOutcome::LevelUnreadable;
    state.SkillLevel = import.levels;
    CalcSalary(state);
    return ImportOutcome::Accepted;
}

QString skillListText(const LanguageEntry &language, const SkillLevels &levels)
{
    if (!std::all_of(levels.begin(), levels.end(), isValidLevel))
        return {};
    const auto result = computeSalary(levels);
    if (!result)
        return {};
    QString text;
    for (int skill = 1; skill <= kSalarySkillCount; ++skill)
        text += language.skillCaption(skill) + u' ' + language.levelName(levels[skill]) + u'\n';
    text += language.salaryCaption.toString() + u' ' + salaryImportText(result->salary) + u" ("_s
            + language.positionName(result->position) + u")\n"_s;
    return text;
}

} // namespace wagecourt
