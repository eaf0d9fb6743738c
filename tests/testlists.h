// The players the tests write down: ten levels, and a list as the game's page
// gives it. One copy for every suite, so that a list means the same in each.
#pragma once

#include "catalogue/catalogue.h"
#include "engine/playerstate.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

namespace wagecourt::test {

// The first ten values as the salary skills' levels.
inline SkillLevels levelsOf(const QList<int> &values)
{
    SkillLevels levels;
    for (int k = 1; k <= kSalarySkillCount; ++k)
        levels[k] = qint16(values[k - 1]);
    return levels;
}

// One skill a line, caption, what stands after its colon, level name; level 1
// where the levels given run out. written, where given, spells each name.
inline QString skillList(const LanguageEntry &entry, const QList<int> &levels, int skills = kSkillCaptionCount,
                         const QString &afterColon = QStringLiteral(" "),
                         const std::function<QString(const QString &)> &written = {})
{
    QStringList lines;
    for (int skill = 1; skill <= skills; ++skill) {
        const QString name = entry.levelName(levels.value(skill - 1, 1));
        lines << entry.skillCaption(skill) + afterColon + (written ? written(name) : name);
    }
    return lines.join(u'\n');
}

} // namespace wagecourt::test
