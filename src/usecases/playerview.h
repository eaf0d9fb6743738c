#pragma once

#include "catalogue/catalogue.h"
#include "engine/advice.h"
#include "engine/playerstate.h"
#include "presentation/advicetext.h"

#include <QList>
#include <QString>

#include <array>
#include <optional>

namespace wagecourt::usecase {

// One level a click or a right click leads to, and what it pays there:
// "25 310 (+1 257)", with the position's name where the step would change it.
struct StepView
{
    int level = 0;
    QString text;
};

struct SkillView
{
    QString caption;   // as the catalogue writes it, colon and all
    QString name;      // without the colon
    QString label;     // for screen readers: "Level of Handling"
    int level = 0;     // as given; kUnknownLevel for an other skill not read
    int shownLevel = 0; // the level whose name and colour stand there
    QString levelName;
    ColorValue color = 0;
    QString tip;       // the tooltip: the level line and the steps
    bool paysSalary = false;
    std::optional<StepView> up, down; // salary skills only; none at the end of the scale
};

// Everything a front-end shows of one player in one language.
struct PlayerView
{
    const LanguageEntry *language = nullptr;
    TrainingAdvice advice;
    QString salaryText;   // as after an import: " 504", "24 053"
    QString positionName;
    std::array<SkillView, kSkillCaptionCount + 1> skills{}; // 1 .. 13
    QList<PositionBar> bars;
    QString chartTitle;
    QString chartText;    // the chart as lines, for screen readers
    QString copyText;     // the player as the game lists him
};

// Levels 1 to 20 for the ten salary skills; the other three may be
// kUnknownLevel. None when a salary level lies outside the scale.
std::optional<PlayerView> viewPlayer(const LanguageEntry &language, const SkillLevels &levels,
                                     const OtherSkillLevels &others = {});

// Each level's colour, 1 to 20.
const LevelColors &levelColors();

} // namespace wagecourt::usecase
