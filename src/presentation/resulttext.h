#pragma once

#include "engine/advice.h"
#include "engine/salary.h"
#include "catalogue/catalogue.h"

#include <QString>

namespace wagecourt {

// A player as the game's page lists him, in the given language, so that the
// import reads it back: thirteen lines "caption level-name", Stamina, Free
// Throw and Experience at the levels given or the lowest where none is known,
// then the salary line "salary-caption salary (position)" with the salary the
// ten levels give. Each line ends in a line break. The thirteen colons are all
// a list may hold, so the salary line's caption goes without its colon; its
// words stand behind every level, so they never change one read. Empty when a
// level lies outside 1 to 20.
QString skillListText(const LanguageEntry &language, const SkillLevels &levels, const OtherSkillLevels &others = {});

// The command line's short table: the salary and best position, then every
// position with its rounded value, the best one marked.
QString resultTable(const LanguageEntry &language, const SalaryResult &result);

// The command line's training advice: the salary, one row per skill with the
// salary one level down and up, then the positions as in resultTable().
QString adviceTable(const LanguageEntry &language, const TrainingAdvice &advice);

} // namespace wagecourt
