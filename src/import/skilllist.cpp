#include "import/skilllist.h"

#include "engine/salary.h"
#include "catalogue/catalogue.h"

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

constexpr char16_t kDottedCapitalI = u'\u0130';
constexpr char16_t kDotlessSmallI = u'\u0131';
constexpr char16_t kSharpS = u'\u00DF';

// Simple case folding, one code point at a time, with the dotted capital İ and
// the dotless ı also folded to i; which of the four i's stood there is read
// from the unfolded text when a name is matched. The folded text has the same
// length, so every index still points at the same character. A lone surrogate
// is kept as it is.
QString looselyFolded(QStringView text)
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
            const auto f = char16_t(QChar::toCaseFolded(char32_t(c)));
            out[i] = (f == kDottedCapitalI || f == kDotlessSmallI) ? u'i' : f;
        }
    }
    return folded;
}

// Whether two of the four i's (i, I, İ, ı) match: where their simple case
// foldings agree (i and I) or their Turkish ones do (İ and i, I and ı). So an
// I stands for both i and ı, but ı never stands for i, nor İ for ı.
bool sameI(char16_t inText, char16_t inName)
{
    const auto simple = [](char16_t c) { return c == kDottedCapitalI || c == kDotlessSmallI ? c : u'i'; };
    const auto turkish = [](char16_t c) { return c == u'I' || c == kDotlessSmallI ? kDotlessSmallI : u'i'; };
    return simple(inText) == simple(inName) || turkish(inText) == turkish(inName);
}

// How many characters of the text, from index at, spell the name; 0 when they
// do not. Both come with their loose foldings. A ß of the name may stand as
// two s in any letter case, so the span can be longer than the name.
qsizetype spanAt(QStringView text, QStringView folded, qsizetype at, QStringView name, QStringView foldedName)
{
    qsizetype t = at;
    for (qsizetype n = 0; n < foldedName.size(); ++n, ++t) {
        if (t >= folded.size())
            return 0;
        const char16_t want = foldedName[n].unicode();
        const char16_t have = folded[t].unicode();
        if (want == kSharpS && have == u's') {
            if (t + 1 >= folded.size() || folded[t + 1] != u's')
                return 0;
            ++t;
        } else if (have != want || (want == u'i' && !sameI(text[t].unicode(), name[n].unicode()))) {
            return 0;
        }
    }
    return t - at;
}

bool isBlank(char16_t c)
{
    return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n' || c == u'\u00A0';
}

bool isAsciiDigit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

// Where the number put in for a level name stands in the replaced text: the
// index of its first digit. Only these are level names of a list; a number
// written in the text is not.
struct PutNumber
{
    qsizetype digits;
    int level;
};

QString replaceNames(QStringView text, const LevelNames &names, std::vector<PutNumber> *numbers)
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

    const QString folded = looselyFolded(text);
    const qsizetype size = text.size();
    for (int level = 1; level <= kLevelCount; ++level) {
        const QString &name = names[level];
        if (name.isEmpty())
            continue;
        const QString foldedName = looselyFolded(name);
        // Candidates are found by a plain search for the name up to its first
        // ß, whose length in the text is not known in advance.
        const qsizetype sharpS = foldedName.indexOf(kSharpS);
        const QStringView anchor = QStringView(foldedName).first(sharpS < 0 ? foldedName.size() : sharpS);
        qsizetype from = 0;
        while (from < size) {
            const qsizetype at = anchor.isEmpty() ? from : folded.indexOf(anchor, from);
            if (at < 0)
                break;
            const qsizetype length = spanAt(text, folded, at, name, foldedName);
            bool free = length > 0;
            if (free && !taken.empty())
                for (qsizetype i = at; i < at + length && free; ++i)
                    free = !taken[std::size_t(i)];
            if (!free) {
                from = at + 1;
                continue;
            }
            if (taken.empty())
                taken.resize(std::size_t(size), false);
            for (qsizetype i = at; i < at + length; ++i)
                taken[std::size_t(i)] = true;
            matches.push_back({at, length, level});
            from = at + length;
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
        if (numbers)
            numbers->push_back({result.size(), match.level});
        result += QString::number(match.level);
        copied = match.start + match.length;
    }
    result += text.sliced(copied);
    return result;
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
    return replaceNames(text, names, nullptr);
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

namespace {

// The ten levels behind the first ten colons of a text that begins like a
// list, and the three behind the next three colons wherever they stand.
void readFromTheBeginning(QStringView replaced, SkillListImport &result)
{
    SkillLevels levels;
    qsizetype colon = -1;
    for (int skill = 1; skill <= kSalarySkillCount; ++skill) {
        // The replacements neither add nor remove a colon, so all ten are
        // there unless a caller passed level names with colons of their own.
        colon = replaced.indexOf(u':', colon + 1);
        const int number = colon < 0 ? -1 : readLevelAfterColon(replaced, colon);
        if (!isValidLevel(number)) {
            result.outcome = ImportOutcome::LevelUnreadable;
            result.failedSkill = skill;
            result.numberRead = number;
            return;
        }
        levels[skill] = qint16(number);
    }
    for (int skill = kFirstOtherSkill; skill <= kSkillCaptionCount; ++skill) {
        colon = replaced.indexOf(u':', colon + 1);
        if (colon < 0)
            break; // the list stops before this skill
        const int number = readLevelAfterColon(replaced, colon);
        if (isValidLevel(number))
            result.otherLevels[skill] = qint16(number);
    }
    result.levels = levels;
    result.outcome = ImportOutcome::Accepted;
}

// The longest caption a skill line may have. The game's pages write the
// captions after Jump Shot in words the catalogue does not hold, so a skill
// line further into a text is known by its shape: a short caption on one line
// with no digit in it, its colon, and a level name (not a number). Stamina,
// Free Throw and Experience set no salary, and the lines that follow a list
// on a page have that shape too ("Form: strong"), so they are known by the
// catalogue's captions as well: where a page words one otherwise, it and the
// skills after it stay unknown, which costs no salary, rather than take a
// level from a line that is not theirs.
constexpr qsizetype kLongestCaption = 40;

// The game language whose Jump Shot caption this is; null for none.
const LanguageEntry *languageOfCaption(QStringView jumpShotCaption)
{
    for (const LanguageEntry &entry : languages())
        if (entry.skillCaptions.front() == jumpShotCaption)
            return &entry;
    return nullptr;
}

// A skill list somewhere inside a larger text (a whole page, a post, a chat
// message), its names already replaced. Each list is followed from a place
// where the whole Jump Shot caption stands (its first five characters alone
// also begin other captions: "Jump Range:", "Tiro da sotto:"), one skill line
// after the other, until the lines stop, the thirteenth is read, or the Jump
// Shot caption begins again; what comes after it never counts. Every place is
// tried once, and no two places follow the same line as the same skill (a
// caption holds no digit, so it cannot hold a level), so a text full of
// captions and colons costs time in proportion to its length.
class ListInText
{
public:
    ListInText(QStringView replaced, const std::vector<PutNumber> &numbers, QStringView jumpShotCaption)
        : m_text(replaced), m_numbers(numbers), m_caption(jumpShotCaption),
          m_language(languageOfCaption(jumpShotCaption))
    {
    }

    // The first list that gives all ten salary levels.
    bool find(SkillListImport &result) const
    {
        if (m_caption.isEmpty())
            return false;
        for (qsizetype at = m_text.indexOf(m_caption); at >= 0; at = m_text.indexOf(m_caption, at + 1))
            if ((at == 0 || !m_text[at - 1].isLetterOrNumber()) && readAt(at, result))
                return true;
        return false;
    }

private:
    bool readAt(qsizetype at, SkillListImport &result) const
    {
        SkillLevels levels;
        OtherSkillLevels others;
        qsizetype lineStart = at;
        int read = 0;
        for (int skill = 1; skill <= kSkillCaptionCount; ++skill) {
            if (skill > 1) {
                while (lineStart < m_text.size() && isBlank(m_text[lineStart].unicode()))
                    ++lineStart;
                if (lineStart == m_text.size() || !m_text[lineStart].isLetter()
                    || m_text.sliced(lineStart).startsWith(m_caption))
                    break;
            }
            const qsizetype colon = captionColon(lineStart);
            if (colon < 0 || (skill >= kFirstOtherSkill && !captionIs(lineStart, colon, skill)))
                break;
            const int level = levelBehind(colon, lineStart);
            if (level == 0)
                break;
            if (skill <= kSalarySkillCount)
                levels[skill] = qint16(level);
            else
                others[skill] = qint16(level);
            read = skill;
        }
        if (read < kSalarySkillCount)
            return false;
        result.outcome = ImportOutcome::Accepted;
        result.colonCount = read; // the list's own, one a line
        result.beginningMatches = true;
        result.levels = levels;
        result.otherLevels = others;
        return true;
    }

    // The colon that ends a caption beginning at start; -1 where the caption
    // is too long, breaks the line or holds a digit.
    qsizetype captionColon(qsizetype start) const
    {
        const qsizetype end = std::min(m_text.size(), start + kLongestCaption);
        for (qsizetype i = start; i < end; ++i) {
            const char16_t c = m_text[i].unicode();
            if (c == u':')
                return i;
            if (c == u'\n' || c == u'\r' || isAsciiDigit(c))
                return -1;
        }
        return -1;
    }

    // Whether the caption from start to its colon is the catalogue's, in any letter case.
    bool captionIs(qsizetype start, qsizetype colon, int skill) const
    {
        return m_language
                && m_text.sliced(start, colon + 1 - start)
                                .compare(m_language->skillCaptions[std::size_t(skill - 1)], Qt::CaseInsensitive)
                        == 0;
    }

    // The level read behind a colon, as at the beginning of a text, where it
    // is a level name's number; 0 otherwise. lineEnd is set behind its digits,
    // where the next caption may follow at once, as when a paste into one line
    // drops the line breaks.
    int levelBehind(qsizetype colon, qsizetype &lineEnd) const
    {
        qsizetype i = colon + 2;
        while (i < m_text.size() && isBlank(m_text[i].unicode()))
            ++i;
        const auto found = std::lower_bound(m_numbers.begin(), m_numbers.end(), i,
                                            [](const PutNumber &n, qsizetype at) { return n.digits < at; });
        if (found == m_numbers.end() || found->digits != i)
            return 0;
        lineEnd = i + (found->level >= 10 ? 2 : 1);
        return found->level;
    }

    QStringView m_text;
    const std::vector<PutNumber> &m_numbers;
    QStringView m_caption;
    const LanguageEntry *m_language;
};

} // namespace

SkillListImport importSkillList(QStringView text, QStringView jumpShotCaption, const LevelNames &names)
{
    SkillListImport result;
    result.colonCount = countColons(text);
    result.beginningMatches = beginsLikeCaption(text, jumpShotCaption);
    const bool passed = result.colonCount >= kFewestColons && result.colonCount <= kMostColons
            && result.beginningMatches;
    if (!passed && (jumpShotCaption.isEmpty() || !text.contains(jumpShotCaption)))
        return result; // no list begins anywhere in it

    std::vector<PutNumber> numbers;
    QString replaced = replaceNames(text, names, &numbers);
    if (passed) {
        // A list at the beginning is read as it always was, whatever follows
        // its tenth colon.
        readFromTheBeginning(replaced, result);
        if (result.accepted()) {
            result.replacedText = std::move(replaced);
            return result;
        }
    }
    SkillListImport inside;
    if (ListInText(replaced, numbers, jumpShotCaption).find(inside)) {
        inside.replacedText = std::move(replaced);
        inside.readInside = true;
        return inside;
    }
    // Refused as the beginning of the text was: the same outcome and details.
    if (passed)
        result.replacedText = std::move(replaced);
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
    state.OtherSkillLevel = import.otherLevels;
    CalcSalary(state);
    return ImportOutcome::Accepted;
}

LanguageImport importInAnyLanguage(QStringView text, const LanguageEntry *first, LanguageSearch search)
{
    const auto all = languages();
    if (!first)
        first = &all.front();
    LanguageImport found{first, importSkillList(text, first->skillCaption(1), first->levelNameTable())};
    if (found.accepted() || search == LanguageSearch::OnlyFirst)
        return found;
    for (const LanguageEntry &other : all) {
        if (&other == first)
            continue;
        SkillListImport attempt = importSkillList(text, other.skillCaption(1), other.levelNameTable());
        const bool passedCheck = attempt.outcome != ImportOutcome::CheckFailed;
        if (attempt.accepted() || (passedCheck && found.import.outcome == ImportOutcome::CheckFailed))
            found = {&other, std::move(attempt)};
        if (found.accepted())
            break;
    }
    return found;
}

} // namespace wagecourt
