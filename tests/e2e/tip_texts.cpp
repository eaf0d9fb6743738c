// The texts the window's tooltips must show for one player, as the window's
// own view of him writes them, for the levels `wagecourt-cli advise --json`
// answers for; the real-window test holds no rule of its own for them. The
// command line's numbers and the view's must agree, or nothing is written.
//   wagecourt-cli advise L1 ... L10 --lang NAME --json | e2e_tip_texts
// prints {"level_tips": [ten texts, Jump Shot first], "chart": text}.

#include "catalogue/catalogue.h"
#include "i18n/translators.h"
#include "usecases/playerview.h"

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

// Whether the command line's answer holds the view's numbers, step by step.
bool agrees(const QJsonObject &answer, const TrainingAdvice &advice)
{
    bool same = answer[u"salary"].toInt() == advice.salary && answer[u"position"].toInt() == advice.position;
    const QJsonArray skills = answer[u"skills"].toArray();
    for (int i = 1; i <= kSalarySkillCount; ++i) {
        const QJsonObject skill = skills[i - 1].toObject();
        same = same && skill[u"level"].toInt() == advice.levels[i]
                && SkillOutlook{stepOf(skill[u"up"]), stepOf(skill[u"down"])} == advice.skills[i];
    }
    const QJsonArray positions = answer[u"positions"].toArray();
    for (int p = 1; p <= kPositionCount; ++p)
        same = same && positions[p - 1].toObject()[u"salary"].toInt() == advice.positionSalaries[p];
    return same;
}

int fail(const char *why)
{
    std::fprintf(stderr, "e2e_tip_texts: %s\n", why);
    return 1;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QFile in;
    if (!in.open(stdin, QIODevice::ReadOnly))
        return fail("cannot read standard input");
    const QJsonObject answer = QJsonDocument::fromJson(in.readAll()).object();
    const LanguageEntry *language = findLanguage(answer[u"language"].toString());
    const QJsonArray levels = answer[u"levels"].toArray();
    if (!language || levels.size() != kSalarySkillCount || answer[u"skills"].toArray().size() != kSalarySkillCount
        || answer[u"positions"].toArray().size() != kPositionCount)
        return fail("standard input is not the JSON of wagecourt-cli advise");
    Translators translators;
    translators.use(languageCode(*language));

    SkillLevels skillLevels;
    for (int i = 1; i <= kSalarySkillCount; ++i)
        skillLevels[i] = qint16(levels[i - 1].toInt());
    const std::optional<usecase::PlayerView> view = usecase::viewPlayer(*language, skillLevels);
    if (!view)
        return fail("a level lies outside 1 to 20");
    if (!agrees(answer, view->advice))
        return fail("wagecourt-cli advise and the window's view of the player disagree");
    QJsonArray tips;
    for (int i = 1; i <= kSalarySkillCount; ++i)
        tips.append(view->skills[std::size_t(i)].tip);
    const QJsonObject texts{{u"level_tips"_s, tips}, {u"chart"_s, view->chartText}};
    std::fputs(QJsonDocument(texts).toJson(QJsonDocument::Compact).constData(), stdout);
    return 0;
}
