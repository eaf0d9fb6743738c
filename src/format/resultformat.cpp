#include "format/resultformat.h"

#include "presentation/advicetext.h"
#include "presentation/salarytext.h"
#include "presentation/windowtexts.h"
#include "format/writers.h"

#include <QJsonArray>
#include <QJsonDocument>

#include <charconv>
#include <cmath>
#include <cstring>
#include <version>

namespace wagecourt::format {

using namespace Qt::StringLiterals;

namespace {

// Writers into a line buffer known to be large enough: appending piece by
// piece to a QByteArray costs more than the numbers themselves.
char *writeText(char *to, QByteArrayView text)
{
    std::memcpy(to, text.data(), std::size_t(text.size()));
    return to + text.size();
}

char *writeInteger(char *to, qint64 value)
{
    return std::to_chars(to, to + 24, value).ptr;
}

// As salaryImportText() writes it, a space before the last three digits.
char *writeSalaryText(char *to, qint32 salary)
{
    char digits[16];
    const qsizetype count = std::to_chars(digits, digits + sizeof digits, salary).ptr - digits;
    if (count <= 3)
        return writeText(to, QByteArrayView(digits, count));
    to = writeText(to, QByteArrayView(digits, count - 3));
    *to++ = ' ';
    return writeText(to, QByteArrayView(digits + count - 3, 3));
}

constexpr qsizetype kLineRoom = 1024;  // a line without its name: names and numbers are short

// The way a compact document writes one value, brackets of its array removed.
QByteArray documentText(const QJsonValue &value)
{
    const QByteArray array = QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact);
    return array.sliced(1, array.size() - 2);
}

} // namespace

QJsonObject resultObject(const LanguageEntry &language, const SkillLevels &levels, const SalaryResult &result,
                         const QString &name)
{
    QJsonArray levelArray;
    for (qint16 level : levels)
        levelArray.append(int(level));
    QJsonArray values;
    for (double value : result.values)
        values.append(value);

    QJsonObject object{
        {u"language"_s, language.name.toString()},
        {u"levels"_s, levelArray},
        {u"salary"_s, result.salary},
        {u"position"_s, result.position},
        {u"position_name"_s, language.positionName(result.position)},
        {u"values"_s, values},
        {u"salary_text"_s, salaryImportText(result.salary)},
    };
    if (!name.isEmpty())
        object.insert(u"name"_s, name);
    return object;
}

QByteArray jsonLine(const QJsonObject &object)
{
    return QJsonDocument(object).toJson(QJsonDocument::Compact) + '\n';
}

// The keys in the order a document sorts them: language, levels, name,
// position, position_name, salary, salary_text, values.
ResultJsonWriter::ResultJsonWriter(const LanguageEntry &language)
{
    m_head = "{\"language\":" + documentText(language.name.toString()) + ",\"levels\":[";
    for (int p = 1; p <= kPositionCount; ++p) {
        m_position[p - 1] = "\"position\":" + QByteArray::number(p)
                + ",\"position_name\":" + documentText(language.positionName(p)) + ",\"salary\":";
        Q_ASSERT(m_head.size() + m_position[p - 1].size() + 20 * kNumberRoom < kLineRoom);
    }
}

void ResultJsonWriter::append(QByteArray &out, const SkillLevels &levels, const SalaryResult &result,
                              QByteArrayView name) const
{
    char line[kLineRoom];
    char *to = writeText(line, m_head);
    for (int k = 1; k <= kSalarySkillCount; ++k) {
        to = writeInteger(to, levels[k]);
        *to++ = k < kSalarySkillCount ? ',' : ']';
    }
    *to++ = ',';
    if (!name.isEmpty()) {
        to = writeText(to, "\"name\":");
        out.append(line, to - line);
        appendJsonString(out, name);
        to = line;
        *to++ = ',';
    }
    to = writeText(to, m_position[std::size_t(result.position - 1)]);
    to = writeInteger(to, result.salary);
    to = writeText(to, ",\"salary_text\":\"");
    to = writeSalaryText(to, result.salary);
    to = writeText(to, "\",\"values\":[");
    for (int p = 1; p <= kPositionCount; ++p) {
        to = writeJsonNumber(to, result.values[p]);
        *to++ = p < kPositionCount ? ',' : ']';
    }
    to = writeText(to, "}\n");
    out.append(line, to - line);
}

QJsonObject adviceObject(const LanguageEntry &language, const TrainingAdvice &advice)
{
    auto step = [](const std::optional<TrainingStep> &taken) -> QJsonValue {
        if (!taken)
            return QJsonValue::Null;
        return QJsonObject{{u"level"_s, taken->level},
                           {u"salary"_s, taken->salary},
                           {u"position"_s, taken->position},
                           {u"change"_s, taken->change}};
    };

    QJsonArray levels;
    QJsonArray skills;
    for (int k = 1; k <= kSalarySkillCount; ++k) {
        levels.append(int(advice.levels[k]));
        skills.append(QJsonObject{{u"skill"_s, k},
                                  {u"name"_s, skillNameOf(language.skillCaption(k))},
                                  {u"level"_s, int(advice.levels[k])},
                                  {u"up"_s, step(advice.skills[k].up)},
                                  {u"down"_s, step(advice.skills[k].down)}});
    }
    QJsonArray positions;
    for (int p = 1; p <= kPositionCount; ++p) {
        positions.append(QJsonObject{
                {u"position"_s, p}, {u"name"_s, language.positionName(p)}, {u"salary"_s, advice.positionSalaries[p]}});
    }
    return QJsonObject{
        {u"language"_s, language.name.toString()},
        {u"levels"_s, levels},
        {u"salary"_s, advice.salary},
        {u"position"_s, advice.position},
        {u"position_name"_s, language.positionName(advice.position)},
        {u"skills"_s, skills},
        {u"positions"_s, positions},
    };
}

namespace {

QJsonArray levelArray(const SkillLevels &levels)
{
    QJsonArray array;
    for (qint16 level : levels)
        array.append(int(level));
    return array;
}

} // namespace

QJsonObject planObject(const LanguageEntry &language, const usecase::PlanAnswer &answer,
                       const std::optional<qint32> &limit)
{
    const planner::Standing &current = answer.worth.current;
    SalaryResult result;
    result.values = current.values;
    result.position = current.position;
    result.salary = current.salary;
    QJsonObject object = resultObject(language, current.levels, result);
    QJsonArray worth;
    for (int skill = 1; skill <= kSalarySkillCount; ++skill) {
        QJsonArray steps;
        for (const TrainingStep &step : answer.worth.skills[skill])
            steps.append(QJsonObject{{u"level"_s, step.level},
                                     {u"salary"_s, step.salary},
                                     {u"position"_s, step.position},
                                     {u"change"_s, step.change}});
        worth.append(QJsonObject{{u"skill"_s, skill},
                                 {u"name"_s, skillNameOf(language.skillCaption(skill))},
                                 {u"level"_s, int(current.levels[skill])},
                                 {u"steps"_s, steps}});
    }
    object.insert(u"worth"_s, worth);
    if (answer.plan) {
        QJsonArray steps;
        for (const planner::PlanStep &step : answer.plan->steps)
            steps.append(QJsonObject{{u"skill"_s, step.skill},
                                     {u"level"_s, step.level},
                                     {u"salary"_s, step.salary},
                                     {u"position"_s, step.position},
                                     {u"change"_s, step.change}});
        object.insert(u"plan"_s, steps);
        object.insert(u"end"_s, QJsonObject{{u"levels"_s, levelArray(answer.plan->end.levels)},
                                            {u"salary"_s, answer.plan->end.salary},
                                            {u"position"_s, answer.plan->end.position}});
    }
    if (limit && answer.within) {
        QJsonArray highest;
        for (int skill = 1; skill <= kSalarySkillCount; ++skill) {
            const std::optional<TrainingStep> &step = (*answer.within)[skill];
            highest.append(QJsonObject{{u"skill"_s, skill},
                                       {u"level"_s, step ? QJsonValue(step->level) : QJsonValue(QJsonValue::Null)}});
        }
        object.insert(u"limit"_s, QJsonObject{{u"salary"_s, *limit},
                                              {u"highest"_s, highest},
                                              {u"passed_at"_s, answer.passedAt ? QJsonValue(qint64(*answer.passedAt))
                                                                               : QJsonValue(QJsonValue::Null)}});
    }
    if (answer.cheapest)
        object.insert(u"cheapest"_s, QJsonObject{{u"steps"_s, answer.cheapest->raises},
                                                 {u"levels"_s, levelArray(answer.cheapest->end.levels)},
                                                 {u"salary"_s, answer.cheapest->end.salary},
                                                 {u"position"_s, answer.cheapest->end.position},
                                                 {u"change"_s, answer.cheapest->change}});
    return object;
}

QJsonObject forecastObject(const QString &name, const usecase::ForecastAnswer &answer)
{
    QJsonArray pace;
    for (double perWeek : answer.pace.perWeek)
        pace.append(perWeek);
    return QJsonObject{{u"name"_s, name},
                       {u"weeks"_s, answer.forecast->weeks},
                       {u"from"_s, book::dayText(answer.pace.first)},
                       {u"to"_s, book::dayText(answer.pace.last)},
                       {u"pace"_s, pace},
                       {u"levels"_s, levelArray(answer.forecast->end.levels)},
                       {u"salary"_s, answer.forecast->end.salary},
                       {u"position"_s, answer.forecast->end.position}};
}

QJsonObject acceptedObject(const usecase::PastedList &list)
{
    QJsonObject object = resultObject(*list.language, list.levels, list.result);
    object.insert(u"accepted"_s, true);
    return object;
}

QJsonObject refusalObject(const usecase::Refusal &refusal)
{
    const LanguageEntry *language = refusal.language;
    return QJsonObject{
            {u"accepted"_s, false},
            {u"language"_s, language ? QJsonValue(language->name.toString()) : QJsonValue(QJsonValue::Null)},
            {u"reason"_s, refusal.reasonName()},
            {u"error"_s, windowtext::kErrorText.forReader(Reader::Machine)},
            {u"detail"_s, refusal.detail(Reader::Machine)},
    };
}

QByteArray languagesJson()
{
    QJsonArray list;
    for (const LanguageEntry &entry : languages())
        list.append(QJsonObject{{u"name"_s, entry.name.toString()}, {u"code"_s, languageCode(entry).toString()}});
    return QJsonDocument(list).toJson(QJsonDocument::Compact) + '\n';
}

} // namespace wagecourt::format
