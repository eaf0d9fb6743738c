// The web page's whole use of the core: a few plain C functions, each taking
// UTF-8 text and returning one JSON document as UTF-8. The page computes
// nothing itself; every salary, every import and every word comes from the
// use cases here.
//
// wc_import, wc_calc and wc_advise answer exactly as `wagecourt-cli import`,
// `calc` and `advise` do with --json, byte for byte; with wc_catalogue they
// serve the checks of the module against the command line and are left out
// of the page's module. The others serve the page: its view of a player and
// the languages; its fixed words are in pagetexts.cpp. These build natively as
// well, so the same checks run without emscripten.
//
// A returned text stays valid until the next call.

#include "web/moduleapi.h"

#include "engine/salary.h"
#include "format/resultformat.h"
#include "presentation/salarytext.h"
#include "presentation/windowtexts.h"
#include "usecases/playerview.h"
#include "usecases/readlist.h"
#include "web/webtexts.h"

#include <QJsonArray>
#include <QJsonObject>

using namespace wagecourt;
using namespace Qt::StringLiterals;
using web::colorText;

namespace {

QByteArray g_answer;

// Levels as "8,7,9,...": ten salary skills, then optionally Stamina, Free
// Throw and Experience (0 where none was read). False when a salary skill's
// level is not one from 1 to 20.
bool parseLevels(const char *text, SkillLevels &levels, OtherSkillLevels &others)
{
    const QList<QByteArray> parts = QByteArray(text).split(',');
    if (parts.size() != kSalarySkillCount && parts.size() != kSkillCaptionCount)
        return false;
    for (int k = 1; k <= int(parts.size()); ++k) {
        bool ok = false;
        const int level = parts[k - 1].trimmed().toInt(&ok);
        if (k <= kSalarySkillCount) {
            if (!ok || !isValidLevel(level))
                return false;
            levels[k] = qint16(level);
        } else {
            others[k] = qint16(ok && isValidLevel(level) ? level : kUnknownLevel);
        }
    }
    return true;
}

QJsonValue stepObject(const std::optional<usecase::StepView> &step)
{
    if (!step)
        return QJsonValue::Null;
    return QJsonObject{{u"level"_s, step->level}, {u"text"_s, step->text}};
}

QJsonObject skillObject(const usecase::SkillView &skill)
{
    QJsonObject object{
            {u"caption"_s, skill.caption},
            {u"name"_s, skill.name},
            {u"label"_s, skill.label},
            {u"level"_s, skill.level},
            {u"level_name"_s, skill.levelName},
            {u"color"_s, colorText(skill.color)},
            {u"tip"_s, skill.tip},
    };
    if (skill.paysSalary) {
        object.insert(u"up"_s, stepObject(skill.up));
        object.insert(u"down"_s, stepObject(skill.down));
        object.insert(u"raise"_s, webtext::kRaise.translated().arg(skill.name));
        object.insert(u"lower"_s, webtext::kLower.translated().arg(skill.name));
    }
    return object;
}

} // namespace

const char *wagecourt::web::answer(QByteArray bytes)
{
    g_answer = std::move(bytes);
    return g_answer.constData();
}

QString wagecourt::web::colorText(ColorValue color)
{
    // The leading 1 keeps the zeros of a dark red; arg(int) with a field width
    // would pull the locale database into the module.
    const int rgb = 1 << 24 | colorRed(color) << 16 | colorGreen(color) << 8 | colorBlue(color);
    return u'#' + QString::number(rgb, 16).mid(1);
}

const char *wagecourt::web::answer(const QJsonObject &object)
{
    return answer(format::jsonLine(object));
}

using web::answer;

extern "C" {

// `wagecourt-cli languages --json`.
const char *wc_languages()
{
    return answer(format::languagesJson());
}

// `wagecourt-cli import --lang LANGUAGE --json`: LANGUAGE a name as listed, a
// code, or "auto" for the first language in list order that reads the text.
const char *wc_import(const char *text, const char *language)
{
    const bool any = qstrcmp(language, "auto") == 0;
    const LanguageEntry *only = any ? nullptr : findLanguage(QString::fromUtf8(language), LanguageMatch::NameOrCode);
    if (!any && !only)
        return answer(QByteArray());
    const usecase::ReadOutcome read = usecase::readPastedBytes(
            QByteArrayView(text), only, any ? LanguageSearch::AnyLanguage : LanguageSearch::OnlyFirst);
    if (!read.accepted())
        return answer(format::refusalObject(read.refusal));
    return answer(format::acceptedObject(*read.list));
}

// `wagecourt-cli calc L1 ... L10 --lang LANGUAGE --json`, the levels as "8,7,...".
const char *wc_calc(const char *levelText, const char *language)
{
    SkillLevels levels;
    OtherSkillLevels others;
    const LanguageEntry *entry = findLanguage(QString::fromUtf8(language), LanguageMatch::NameOrCode);
    if (!entry || !parseLevels(levelText, levels, others))
        return answer(QByteArray());
    return answer(format::resultObject(*entry, levels, usecase::salaryOf(levels)));
}

// `wagecourt-cli advise L1 ... L10 --lang LANGUAGE --json`.
const char *wc_advise(const char *levelText, const char *language)
{
    SkillLevels levels;
    OtherSkillLevels others;
    const LanguageEntry *entry = findLanguage(QString::fromUtf8(language), LanguageMatch::NameOrCode);
    if (!entry || !parseLevels(levelText, levels, others))
        return answer(QByteArray());
    return answer(format::adviceObject(*entry, *adviseTraining(levels)));
}

// The page's import, the window's rule: the chosen language first, then the
// others in list order; the first that reads the text wins and becomes the
// chosen one. {"accepted":true,"language":...,"levels":[13 levels, 0 for
// none read]}, or {"accepted":false} and the window's error in the chosen
// language's words.
const char *wc_read(const char *text, const char *chosenLanguage)
{
    const LanguageEntry *chosen = findLanguage(QString::fromUtf8(chosenLanguage), LanguageMatch::NameOrCode);
    const usecase::ReadOutcome read
            = usecase::readPastedBytes(QByteArrayView(text), chosen, LanguageSearch::AnyLanguage);
    if (!read.accepted())
        return answer(QJsonObject{{u"accepted"_s, false},
                                  {u"error_title"_s, windowtext::kErrorTitle.translated()},
                                  {u"error"_s, windowtext::kErrorText.translated()}});
    QJsonArray levels;
    for (int k = 1; k <= kSalarySkillCount; ++k)
        levels.append(int(read.list->levels[k]));
    for (int k = kFirstOtherSkill; k <= kSkillCaptionCount; ++k)
        levels.append(int(read.list->others[k]));
    return answer(QJsonObject{{u"accepted"_s, true},
                              {u"language"_s, read.list->language->name.toString()},
                              {u"levels"_s, levels}});
}

// Everything the page shows for thirteen levels ("8,7,...,s,f,e") in one
// language: the salary and position, each level's name, colour, advice text
// and the levels a click and a right click lead to (null where nothing
// changes), the chart's bars and its text for screen readers, and the copied
// player.
const char *wc_view(const char *levelText, const char *languageName)
{
    SkillLevels levels;
    OtherSkillLevels others;
    const LanguageEntry *language = findLanguage(QString::fromUtf8(languageName), LanguageMatch::NameOrCode);
    if (!language || !parseLevels(levelText, levels, others))
        return answer(QByteArray());
    const usecase::PlayerView view = *usecase::viewPlayer(*language, levels, others);
    QJsonArray skills;
    for (int k = 1; k <= kSkillCaptionCount; ++k)
        skills.append(skillObject(view.skills[k]));
    QJsonArray chart;
    for (const PositionBar &bar : view.bars)
        chart.append(QJsonObject{{u"name"_s, bar.name},
                                 {u"salary"_s, bar.salary},
                                 {u"salary_text"_s, salaryImportText(bar.salary, DigitSpace::NoBreak)},
                                 {u"best"_s, bar.best}});
    return answer(QJsonObject{
            {u"language"_s, language->name.toString()},
            {u"salary"_s, view.advice.salary},
            {u"salary_text"_s, view.salaryText},
            {u"position_name"_s, view.positionName},
            {u"skills"_s, skills},
            {u"chart"_s, chart},
            {u"chart_title"_s, view.chartTitle},
            {u"chart_text"_s, view.chartText},
            {u"copy"_s, view.copyText},
    });
}

// The catalogue of one language: captions, level names and their colours, positions.
const char *wc_catalogue(const char *languageName)
{
    const LanguageEntry *language = findLanguage(QString::fromUtf8(languageName), LanguageMatch::NameOrCode);
    if (!language)
        return answer(QByteArray());
    QJsonArray captions, levelNames, colors, positions;
    for (int k = 1; k <= kSkillCaptionCount; ++k)
        captions.append(language->skillCaption(k));
    for (int level = kLowestLevel; level <= kHighestLevel; ++level) {
        levelNames.append(language->levelName(level));
        colors.append(colorText(usecase::levelColors()[level]));
    }
    for (int p = 1; p <= kPositionCount; ++p)
        positions.append(language->positionName(p));
    return answer(QJsonObject{{u"name"_s, language->name.toString()},
                              {u"code"_s, languageCode(*language).toString()},
                              {u"captions"_s, captions},
                              {u"level_names"_s, levelNames},
                              {u"level_colors"_s, colors},
                              {u"positions"_s, positions},
                              {u"calculate"_s, language->calculateCaption.toString()},
                              {u"salary_caption"_s, language->salaryCaption.toString()}});
}

} // extern "C"
