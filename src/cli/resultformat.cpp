#include "resultformat.h"

#include "engine/salarytext.h"

#include <QJsonArray>
#include <QJsonDocument>

namespace wagecourt::cli {

using namespace Qt::StringLiterals;

QJsonObject resultObject(const LanguageEntry &language, const SkillLevels &levels, const SalaryResult &result)
{
    QJsonArray levelArray;
    for (qint16 level : levels)
        levelArray.append(int(level));
    QJsonArray values;
    for (double value : result.values)
        values.append(value);

    return QJsonObject{
        {u"language"_s, language.name.toString()},
        {u"levels"_s, levelArray},
        {u"salary"_s, result.salary},
        {u"position"_s, result.position},
        {u"position_name"_s, language.positionName(result.position)},
        {u"values"_s, values},
        {u"salary_text"_s, salaryImportText(result.salary)},
    };
}

QByteArray jsonLine(const QJsonObject &object)
{
    return QJsonDocument(object).toJson(QJsonDocument::Compact) + '\n';
}

QString resultTable(const LanguageEntry &language, const SalaryResult &result)
{
    qsizetype nameWidth = 0;
    for (int p = 1; p <= kPositionCount; ++p)
        nameWidth = std::max(nameWidth, language.positionName(p).size());

    QString table = language.salaryCaption.toString() + u' ' + salaryImportText(result.salary) + u" ("_s
            + language.positionName(result.position) + u")\n"_s;
    for (int p = 1; p <= kPositionCount; ++p) {
        table += (p == result.position ? u"* "_s : u"  "_s) + QString::number(p) + u' '
                + language.positionName(p).leftJustified(nameWidth) + u' '
                + QString::number(result.roundedValue(p)).rightJustified(8) + u'\n';
    }
    return table;
}

} // namespace wagecourt::cli
