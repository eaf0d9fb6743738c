#include "usecases/playerview.h"

#include "presentation/resulttext.h"
#include "presentation/salarytext.h"
#include "presentation/windowtexts.h"

namespace wagecourt::usecase {

namespace {

std::optional<StepView> stepView(const std::optional<TrainingStep> &step, const TrainingAdvice &advice,
                                 const PositionNames &positionNames)
{
    if (!step)
        return std::nullopt;
    return StepView{step->level, stepSalaryText(*step, advice.position, positionNames)};
}

} // namespace

const LevelColors &levelColors()
{
    static const LevelColors colors = [] {
        PlayerState state;
        state.fillLevelColors();
        return state.LevelColor;
    }();
    return colors;
}

std::optional<PlayerView> viewPlayer(const LanguageEntry &language, const SkillLevels &levels,
                                     const OtherSkillLevels &others)
{
    std::optional<TrainingAdvice> advice = adviseTraining(levels);
    if (!advice)
        return std::nullopt;
    PlayerView view;
    view.language = &language;
    view.advice = std::move(*advice);
    const LevelNames levelNames = language.levelNameTable();
    const PositionNames positionNames = language.positionNameTable();
    view.salaryText = salaryImportText(view.advice.salary);
    view.positionName = language.positionName(view.advice.position);
    for (int k = 1; k <= kSkillCaptionCount; ++k) {
        SkillView &skill = view.skills[k];
        skill.paysSalary = k <= kSalarySkillCount;
        skill.caption = language.skillCaption(k);
        skill.name = skillNameOf(skill.caption);
        skill.label = windowtext::skillLevelDescription(skill.name);
        skill.level = skill.paysSalary ? levels[k] : others[k];
        skill.shownLevel = isValidLevel(skill.level) ? skill.level : kLowestLevel;
        skill.levelName = levelNames[skill.shownLevel];
        skill.color = levelColors()[skill.shownLevel];
        if (skill.paysSalary) {
            skill.tip = levelAdviceText(view.advice, k, skill.name, levelNames, positionNames);
            skill.up = stepView(view.advice.skills[k].up, view.advice, positionNames);
            skill.down = stepView(view.advice.skills[k].down, view.advice, positionNames);
        } else {
            skill.tip = otherSkillText(skill.name, skill.level, levelNames);
        }
    }
    view.bars = positionBars(view.advice, positionNames);
    view.chartTitle = positionChartTitle();
    view.chartText = positionChartText(view.bars);
    view.copyText = skillListText(language, levels, others);
    return view;
}

} // namespace wagecourt::usecase
