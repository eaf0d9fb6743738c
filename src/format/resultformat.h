#pragma once

#include "engine/advice.h"
#include "engine/salary.h"
#include "catalogue/catalogue.h"
#include "format/writers.h"
#include "usecases/planning.h"
#include "usecases/readlist.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QJsonObject>
#include <QString>

#include <array>

namespace wagecourt::format {

// Output for programs: its keys and texts are never translated. The tables
// for people are in presentation/resulttext.h.

// One calculated player as a JSON object: language, levels, salary, position,
// position_name, values (V1..V5, exact doubles) and salary_text; a roster line's
// player name as "name" when there is one.
QJsonObject resultObject(const LanguageEntry &language, const SkillLevels &levels, const SalaryResult &result,
                         const QString &name = {});

// One compact JSON document and a newline.
QByteArray jsonLine(const QJsonObject &object);

// Appends byte for byte what jsonLine(resultObject(...)) gives, without
// building a document: a batch writes a million of them. The name is UTF-8;
// empty means none.
class ResultJsonWriter
{
public:
    explicit ResultJsonWriter(const LanguageEntry &language);

    void append(QByteArray &out, const SkillLevels &levels, const SalaryResult &result,
                QByteArrayView name = {}) const;

private:
    QByteArray m_head;                                 // {"language":"...","levels":[
    std::array<QByteArray, kPositionCount> m_position; // "position":p,"position_name":"...","salary":
};

// A list that was read, as `import --json` writes it: the result object of
// its language, levels and salary, with accepted true.
QJsonObject acceptedObject(const usecase::PastedList &list);

// `plan --json`: the result object of the levels, then "worth" (each skill's
// steps up to 20), and with what was asked "plan" and "end", "limit" and
// "cheapest". Every change is against the current salary.
QJsonObject planObject(const LanguageEntry &language, const usecase::PlanAnswer &answer,
                       const std::optional<qint32> &limit);

// `book forecast --json`: name, weeks, from, to, pace (levels a week for the
// ten skills), levels (the ten then), salary and position.
QJsonObject forecastObject(const QString &name, const usecase::ForecastAnswer &answer);

// A refused list: accepted false, language (null when none applies), reason
// ("check" or "level"), the window's error and the detail, in English.
QJsonObject refusalObject(const usecase::Refusal &refusal);

// The game languages as a JSON array of {"name", "code"}, compact, with a newline.
QByteArray languagesJson();

// Training advice as JSON: language, levels, salary, position, position_name,
// skills (each with its step up and down, or null at the end of the scale) and
// positions (each position's weekly salary).
QJsonObject adviceObject(const LanguageEntry &language, const TrainingAdvice &advice);

} // namespace wagecourt::format
