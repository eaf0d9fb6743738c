#pragma once

#include "engine/advice.h"

#include <QList>
#include <QString>
#include <QStringView>

namespace wagecourt {

// The texts the window's tooltips show. The fixed words are the program's,
// marked for translation; level, skill and position names come from the
// current game language's tables. Salaries are written as after an import.

// A skill caption without its colon: "Outside Def.:" gives "Outside Def.".
QString skillNameOf(QStringView caption);

// "Handling: 14 of 20, wondrous".
QString levelLineText(QStringView skillName, int level, const LevelNames &levelNames);

// For salary skill 1 to 10: the level line, then one step up and one step down,
// each with the salary it gives, the change, and the position where it would
// change ("+1: 25 310 (+1 257)", "-1: 24 053 (-1 257) as Shooting Guard"),
// or "highest level" / "lowest level" where there is no such step.
QString levelAdviceText(const TrainingAdvice &advice, int skill, QStringView skillName,
                        const LevelNames &levelNames, const PositionNames &positionNames);

// One step's salary and change, then the position's name where the step would
// change it: "24 053 (-1 257) Shooting Guard". The training table's cell.
QString stepSalaryText(const TrainingStep &step, int position, const PositionNames &positionNames);

// For Stamina, Free Throw and Experience: the level the last list gave, or
// that none was read (kUnknownLevel), and that the skill sets no salary.
QString otherSkillText(QStringView skillName, int level, const LevelNames &levelNames);

// One bar of the salary-by-position chart.
struct PositionBar
{
    int position = 0;
    QString name;
    qint32 salary = 0;
    bool best = false;

    bool operator==(const PositionBar &) const = default;
};

// "Weekly salary at each position", above the bars.
QString positionChartTitle();

// The five positions in their order, the one the salary is paid at marked best.
QList<PositionBar> positionBars(const TrainingAdvice &advice, const PositionNames &positionNames);

// The chart as lines of text, for screen readers: the title, then
// "Point Guard: 16 736 (best)" and so on.
QString positionChartText(const QList<PositionBar> &bars);

} // namespace wagecourt
