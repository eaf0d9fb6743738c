// The texts the window's tooltips must show for one player, written by the
// presentation layer from the numbers `wagecourt-cli advise --json` gives, so
// that the real-window test holds no rule of its own for them.
//   wagecourt-cli advise L1 ... L10 --lang NAME --json | e2e_tip_texts
// prints {"level_tips": [ten texts, Jump Shot first], "chart": text}.

#include "catalogue/catalogue.h"
#include "i18n/translators.h"
#include "presentation/advicetext.h"

#include <QCoreApplication>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstdio>
#include <optional>

using namespace wagecourt;
using namespace Qt::StringLiterals;

namespace {

std::optional<TrainingStep> stepOf(const QJsonValue &value)
{
    if (value.isNull())
        return std::nullopt;
    const QJsonObject step = value.toObject();
    return TrainingStep{step[u"level"].toInt(), step[u"salary"].toInt(), step[u"position"].toInt(),
                        step[u"change"].toInt()};
}

TrainingAdvice adviceOf(const QJsonObject &answer)
{
    TrainingAdvice advice;
    advice.salary = answer[u"salary"].toInt();
    advice.position = answer[u"position"].toInt();
    const QJsonArray skills = answer[u"skills"].toArray();
    for (int i = 1; i <= kSalarySkillCount; ++i) {
        const QJsonObject skill = skills[i - 1].toObject();
        advice.levels[i] = qint16(skill[u"level"].toInt());
        advice.skills[i] = {stepOf(skill[u"up"]), stepOf(skill[u"down"])};
    }
    const QJsonArray positions = answer[u"positions"].toArray();
    for (int p = 1; p <= kPositionCount; ++p)
        advice.positionSalaries[p] = positions[p - 1].toObject()[u"salary"].toInt();
    return advice;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QFile in;
    if (!in.open(stdin, QIODevice::ReadOnly))
        return 2;
    const QJsonObject answer = QJsonDocument::fromJson(in.readAll()).object();
    const LanguageEntry *language = findLanguage(answer[u"language"].toString());
    if (!language || answer[u"skills"].toArray().size() != kSalarySkillCount
        || answer[u"positions"].toArray().size() != kPositionCount) {
        std::fputs("e2e_tip_texts: standard input is not the JSON of wagecourt-cli advise\n", stderr);
        return 1;
    }
    Translators translators;
    translators.use(languageCode(*language));

    const TrainingAdvice advice = adviceOf(answer);
    const LevelNames levelNames = language->levelNameTable();
    const PositionNames positionNames = language->positionNameTable();
    QJsonArray tips;
    for (int i = 1; i <= kSalarySkillCount; ++i)
        tips.append(levelAdviceText(advice, i, skillNameOf(language->skillCaption(i)), levelNames, positionNames));
    const QJsonObject texts{{u"level_tips"_s, tips},
                            {u"chart"_s, positionChartText(positionBars(advice, positionNames))}};
    std::fputs(QJsonDocument(texts).toJson(QJsonDocument::Compact).constData(), stdout);
    return 0;
}
