#include "presentation/resulttext.h"

#include "presentation/advicetext.h"
#include "presentation/salarytext.h"

#include <algorithm>
#include <array>

namespace wagecourt {

using namespace Qt::StringLiterals;

namespace {

// Every position with its weekly salary, the best one marked.
QString positionRows(const LanguageEntry &language, int best, const OneBased<qint32, kPositionCount> &salaries)
{
    qsizetype nameWidth = 0;
    for (int p = 1; p <= kPositionCount; ++p)
        nameWidth = std::max(nameWidth, language.positionName(p).size());
    QString rows;
    for (int p = 1; p <= kPositionCount; ++p) {
        rows += (p == best ? u"* "_s : u"  "_s) + QString::number(p) + u' '
                + language.positionName(p).leftJustified(nameWidth) + u' '
                + QString::number(salaries[p]).rightJustified(8) + u'\n';
    }
    return rows;
}

} // namespace

QString skillListText(const LanguageEntry &language, const SkillLevels &levels, const OtherSkillLevels &others)
{
    if (!std::all_of(levels.begin(), levels.end(), isValidLevel))
        return {};
    const auto result = computeSalary(levels);
    if (!result)
        return {};
    QString text;
    for (int skill = 1; skill <= kSalarySkillCount; ++skill)
        text += language.skillCaption(skill) + u' ' + language.levelName(levels[skill]) + u'\n';
    for (int skill = kFirstOtherSkill; skill <= kSkillCaptionCount; ++skill) {
        const int level = isValidLevel(others[skill]) ? others[skill] : kLowestLevel;
        text += language.skillCaption(skill) + u' ' + language.levelName(level) + u'\n';
    }
    // The game's own line, not words of ours: never translated.
    QStringView salaryCaption = language.salaryCaption;
    if (salaryCaption.endsWith(u':'))
        salaryCaption.chop(1);
    return text + salaryCaption.toString() + u' ' + salaryImportText(result->salary) + u" ("_s
            + language.positionName(result->position) + u")\n"_s;
}

QString resultTable(const LanguageEntry &language, const SalaryResult &result)
{
    OneBased<qint32, kPositionCount> salaries;
    for (int p = 1; p <= kPositionCount; ++p)
        salaries[p] = result.roundedValue(p);
    return salaryLineText(language, result.salary, result.position) + u'\n'
            + positionRows(language, result.position, salaries);
}

QString adviceTable(const LanguageEntry &language, const TrainingAdvice &advice)
{
    // One cell per column; a step names its position only where the best one would change.
    auto stepCell = [&](QStringView sign, const std::optional<TrainingStep> &step) {
        QString cell = sign.toString() + u": "_s;
        if (!step)
            return cell + u'—';
        cell += salaryWithChangeText(step->salary, step->change);
        if (step->position != advice.position)
            cell += u' ' + language.positionName(step->position);
        return cell;
    };

    std::array<std::array<QString, 4>, kSalarySkillCount> rows;
    std::array<qsizetype, 4> widths{};
    for (int k = 1; k <= kSalarySkillCount; ++k) {
        const int level = advice.levels[k];
        auto &row = rows[std::size_t(k - 1)];
        row = {skillNameOf(language.skillCaption(k)),
               QString::number(level).rightJustified(2) + u' ' + language.levelName(level),
               stepCell(u"-1", advice.skills[k].down), stepCell(u"+1", advice.skills[k].up)};
        for (std::size_t c = 0; c < row.size(); ++c)
            widths[c] = std::max(widths[c], row[c].size());
    }

    QString table = salaryLineText(language, advice.salary, advice.position) + u"\n\n"_s;
    for (const auto &row : rows) {
        QString line;
        for (std::size_t c = 0; c + 1 < row.size(); ++c)
            line += row[c].leftJustified(widths[c]) + u"  "_s;
        table += line + row.back() + u'\n';
    }
    return table + u'\n' + positionRows(language, advice.position, advice.positionSalaries);
}

} // namespace wagecourt
