// libFuzzer target for the skill-list import, in every game language.
// Input: one byte choosing the language (low three bits) and the text's
// encoding (bit 3: raw UTF-16, else UTF-8), then the text itself.
// Checked beyond not crashing:
//  - a rejected text leaves the ten levels, the salary and the position alone;
//  - an accepted text gives ten levels within 1 to 20 and a salary, and for
//    the three skills after them a level within 1 to 20 or none;
//  - the names-replaced text holds no level name, and where the list was read
//    from the text's beginning it imports again to the same levels (a list
//    found further into a text is known by its level names, which the
//    replaced text no longer has, and a beginning that passes the check may
//    still fail to read while a whole list stands further in);
//  - the one-scan replacement equals replacing level after level;
//  - where the text holds none of the letters that only the Turkish I's and
//    the ss for ß can match, it equals plain case-insensitive replacement.
#include "engine/salary.h"
#include "catalogue/catalogue.h"
#include "import/skilllist.h"
#include "onelevelatatime.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

using namespace wagecourt;

namespace {

void require(bool holds, const char *what)
{
    if (!holds) {
        std::fprintf(stderr, "property broken: %s\n", what);
        std::abort();
    }
}

QString caseInsensitiveLevelAtATime(QString text, const LevelNames &names)
{
    for (int level = 1; level <= kLevelCount; ++level)
        text.replace(names[level], QLatin1Char(' ') + QString::number(level), Qt::CaseInsensitive);
    return text;
}

// Whether the text holds a letter that matches a name's letter only through
// the Turkish I's (İ and i, I and ı) or as one of the two s standing for ß.
bool holdsTurkishOrSharpSLetters(const QString &text, const LevelNames &names)
{
    QString partners;
    bool sharpS = false;
    for (int level = 1; level <= kLevelCount; ++level)
        for (const QChar c : names[level]) {
            const char16_t u = c.unicode();
            if (u == u'i' || u == 0x130 || u == u'I' || u == 0x131) {
                const QChar partner(u == u'i' ? 0x130 : u == 0x130 ? u'i' : u == u'I' ? 0x131 : u'I');
                if (!partners.contains(partner))
                    partners += partner;
            }
            sharpS = sharpS || QChar::toCaseFolded(char32_t(u)) == 0xDF;
        }
    for (const QChar c : text)
        if (partners.contains(c) || (sharpS && QChar::toCaseFolded(char32_t(c.unicode())) == U's'))
            return true;
    return false;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1)
        return 0;
    const LanguageEntry &language = languages()[data[0] & 7];
    const char *bytes = reinterpret_cast<const char *>(data + 1);
    const qsizetype length = qsizetype(size - 1);
    const QString text = (data[0] & 8)
            ? QString(reinterpret_cast<const QChar *>(bytes), length / 2) // unpaired surrogates and all
            : QString::fromUtf8(bytes, length);

    PlayerState state;
    state.LevelName = language.levelNameTable();
    state.SkillLevel.fill(7);
    state.Salary = 123456;
    state.BestPosition = 2;
    state.OtherSkillLevel[kFirstOtherSkill] = 9;
    state.PastedText = text;
    const SkillLevels before = state.SkillLevel;
    const QString caption = language.skillCaption(1);

    const ImportOutcome outcome = importPastedText(state, caption);
    if (outcome != ImportOutcome::Accepted) {
        require(state.SkillLevel == before, "a rejected text changed a level");
        require(state.Salary == 123456 && state.BestPosition == 2, "a rejected text changed the result");
        require(state.OtherSkillLevel[kFirstOtherSkill] == 9, "a rejected text changed a level of the last three");
    } else {
        for (qint16 level : state.SkillLevel)
            require(isValidLevel(level), "an accepted level outside 1 to 20");
        for (int skill = kFirstOtherSkill; skill <= kSkillCaptionCount; ++skill)
            require(state.OtherSkillLevel[skill] == kUnknownLevel || isValidLevel(state.OtherSkillLevel[skill]),
                    "a level of the last three outside 1 to 20");
        require(state.Salary >= 504 && state.Salary <= 4009568, "a salary outside 504 to 4009568");
        require(state.BestPosition >= 1 && state.BestPosition <= 5, "a position outside 1 to 5");
        const auto result = computeSalary(state.SkillLevel);
        require(result && result->salary == state.Salary, "the stored salary is not the levels' salary");

        require(replaceLevelNames(state.PastedText, state.LevelName) == state.PastedText,
                "the replaced text still held a level name");
        if (!importSkillList(text, caption, state.LevelName).readInside) {
            const SkillListImport again = importSkillList(state.PastedText, caption, state.LevelName);
            require(again.accepted() && again.levels == state.SkillLevel
                            && again.otherLevels == state.OtherSkillLevel,
                    "the replaced text reads differently");
        }
    }

    if (text.size() <= 4096) {
        const QString replaced = replaceLevelNames(text, state.LevelName);
        require(replaced == testing::replaceOneLevelAtATime(text, state.LevelName),
                "the replacement differs from replacing level after level");
        if (!holdsTurkishOrSharpSLetters(text, state.LevelName))
            require(replaced == caseInsensitiveLevelAtATime(text, state.LevelName),
                    "the replacement differs from case-insensitive replacement");
    }
    return 0;
}
