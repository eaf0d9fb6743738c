#pragma once

#include "engine/salary.h"
#include "i18n/catalogue.h"

#include <QByteArray>
#include <QJsonObject>
#include <QString>

namespace wagecourt::cli {

// One calculated player as a JSON object: language, levels, salary, position,
// position_name, values (V1..V5, exact doubles) and salary_text.
QJsonObject resultObject(const LanguageEntry &language, const SkillLevels &levels, const SalaryResult &result);

// One compact JSON document and a newline.
QByteArray jsonLine(const QJsonObject &object);

// The short table for people: the salary and best position, then every
// position with its rounded value, the best one marked.
QString resultTable(const LanguageEntry &language, const SalaryResult &result);

} // namespace wagecourt::cli
