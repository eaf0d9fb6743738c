// The web page's whole use of the core: a few plain C functions, each taking
// UTF-8 text and returning one JSON document as UTF-8. The page computes
// nothing itself; every salary, every import and every word comes from here.
//
// wc_import, wc_calc and wc_advise answer exactly as `wagecourt-cli import`,
// `calc` and `advise` do with --json, byte for byte. The others serve the
// page: its view of a player, the catalogue and the fixed words of one language.
//
// A returned text stays valid until the next call.

#include "format/resultformat.h"
#include "engine/advice.h"
#include "engine/salary.h"
#include "catalogue/catalogue.h"
#include "import/skilllist.h"
#include "presentation/advicetext.h"
#include "presentation/clitexts.h"
#include "presentation/resulttext.h"
#include "presentation/salarytext.h"
#include "presentation/windowtexts.h"
#include "web/webtexts.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringDecoder>

#include <emscripten/emscripten.h>

#include <array>
#include <span>

using namespace wagecourt;
using namespace Qt::StringLiterals;

namespace {

QByteArray g_answer;

const char *answer(QByteArray bytes)
{
    g_answer = std::move(bytes);
    return g_answer.constData();
}

const char *answer(const QJsonObject &object)
{
    return answer(cli::jsonLine(object));
}

const LanguageEntry *languageNamed(const char *name)
{
    const QString wanted = QString::fromUtf8(name);
    for (const LanguageEntry &entry : languages())
        if (languageCode(entry) == wanted)
            return &entry;
    return findLanguage(wanted);
}

std::size_t indexOf(const LanguageEntry &language)
{
    return std::size_t(&language - languages().data());
}

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

QString colorText(ColorValue color)
{
    // The leading 1 keeps the zeros of a dark red; arg(int) with a field width
    // would pull the locale database into the module.
    const int rgb = 1 << 24 | colorRed(color) << 16 | colorGreen(color) << 8 | colorBlue(color);
    return u'#' + QString::number(rgb, 16).mid(1);
}

// The window's translations, as tables made from its .ts files at build
// time (texttable.py); the language the page shows, and English's own forms
// of the texts that hold a count.
struct PageText
{
    const char *context;
    const char *english;
    const char *translated;
    int form; // of a text with a count, which of the language's forms; -1 for any other
};
struct PageLanguage
{
    const char *code;
    std::span<const PageText> texts;
};
#include "translationtable.inc"

std::span<const PageText> textsOf(const QByteArray &code)
{
    for (const PageLanguage &table : kPageLanguages)
        if (code == table.code)
            return table.texts;
    return {};
}

std::span<const PageText> g_texts = textsOf("en");
QByteArray g_code = "en";

void useTranslation(const LanguageEntry &language)
{
    g_code = languageCode(language).toUtf8();
    g_texts = textsOf(g_code);
}

// Which of a language's forms a count takes, by the rules the translation
// tools give the languages of the .ts files.
int pluralForm(const QByteArray &code, int n)
{
    if (code == "tr")
        return 0;
    if (code == "fr" || code == "pt")
        return n > 1 ? 1 : 0;
    if (code == "pl")
        return n == 1 ? 0 : n % 10 >= 2 && n % 10 <= 4 && (n % 100 < 10 || n % 100 >= 20) ? 1 : 2;
    return n == 1 ? 0 : 1;
}

QString countText(std::span<const PageText> texts, int form, const char *context, const char *english, int count)
{
    QString text = QString::fromUtf8(english);
    for (const PageText &row : texts)
        if (row.form == form && qstrcmp(row.english, english) == 0 && qstrcmp(row.context, context) == 0)
            text = QString::fromUtf8(row.translated);
    return text.replace(u"%n"_s, QString::number(count));
}

} // namespace

QString wagecourt::translateText(const char *context, const char *english)
{
    for (const PageText &text : g_texts)
        if (text.form < 0 && qstrcmp(text.english, english) == 0 && qstrcmp(text.context, context) == 0)
            return QString::fromUtf8(text.translated);
    return QString::fromUtf8(english);
}

QString wagecourt::translateText(const char *context, const char *english, int count)
{
    return countText(g_texts, pluralForm(g_code, count), context, english, count);
}

QString wagecourt::englishText(const char *context, const char *english, int count)
{
    return countText(textsOf("en"), pluralForm("en", count), context, english, count);
}

extern "C" {

// `wagecourt-cli languages --json`.
EMSCRIPTEN_KEEPALIVE const char *wc_languages()
{
    QJsonArray list;
    for (const LanguageEntry &entry : languages())
        list.append(QJsonObject{{u"name"_s, entry.name.toString()},
                                {u"code"_s, languageCode(entry).toString()}});
    return answer(QJsonDocument(list).toJson(QJsonDocument::Compact) + '\n');
}

// `wagecourt-cli import --lang LANGUAGE --json`: LANGUAGE a name as listed, a
// code, or "auto" for the first language in list order that reads the text.
EMSCRIPTEN_KEEPALIVE const char *wc_import(const char *text, const char *language)
{
    const bool any = qstrcmp(language, "auto") == 0;
    const LanguageEntry *only = any ? nullptr : languageNamed(language);
    if (!any && !only)
        return answer(QByteArray());
    QStringDecoder decoder(QStringDecoder::Utf8); // drops a byte-order mark, as the CLI does
    const QString pasted = decoder.decode(QByteArrayView(text));
    const auto refuse = [](const LanguageEntry *named, const QString &reason, const QString &detail) {
        return answer(QJsonObject{
                {u"accepted"_s, false},
                {u"language"_s, named ? QJsonValue(named->name.toString()) : QJsonValue(QJsonValue::Null)},
                {u"reason"_s, reason},
                {u"error"_s, windowtext::kErrorText.forReader(Reader::Machine)},
                {u"detail"_s, detail},
        });
    };
    // The CLI stops reading after as many bytes as the longest text allowed can take.
    if (qstrlen(text) > 3 * std::size_t(kMaxPastedCharacters) + 3)
        return refuse(only, u"check"_s, clitext::cutOffDetail(Reader::Machine));
    if (pasted.size() > kMaxPastedCharacters)
        return refuse(only, u"check"_s, clitext::tooLongDetail(pasted.size(), Reader::Machine));

    // As the CLI reports a refusal: the first language that at least passed the check.
    const LanguageEntry *reported = nullptr;
    SkillListImport outcome;
    for (const LanguageEntry &candidate : languages()) {
        if (only && &candidate != only)
            continue;
        SkillListImport attempt = importSkillList(pasted, candidate.skillCaption(1), candidate.levelNameTable());
        if (attempt.accepted()) {
            const auto result = computeSalary(attempt.levels);
            QJsonObject object = cli::resultObject(candidate, attempt.levels, *result);
            object.insert(u"accepted"_s, true);
            return answer(object);
        }
        if (!reported
            || (attempt.outcome == ImportOutcome::LevelUnreadable && outcome.outcome == ImportOutcome::CheckFailed)) {
            reported = &candidate;
            outcome = std::move(attempt);
        }
    }
    const bool checkFailed = outcome.outcome == ImportOutcome::CheckFailed;
    const bool named = only || !checkFailed;
    return refuse(named ? reported : nullptr, checkFailed ? u"check"_s : u"level"_s,
                  named ? clitext::rejectionDetail(outcome, *reported, Reader::Machine)
                        : clitext::noLanguageDetail(Reader::Machine));
}

// `wagecourt-cli calc L1 ... L10 --lang LANGUAGE --json`, the levels as "8,7,...".
EMSCRIPTEN_KEEPALIVE const char *wc_calc(const char *levelText, const char *language)
{
    SkillLevels levels;
    OtherSkillLevels others;
    const LanguageEntry *entry = languageNamed(language);
    if (!entry || !parseLevels(levelText, levels, others))
        return answer(QByteArray());
    return answer(cli::resultObject(*entry, levels, *computeSalary(levels)));
}

// `wagecourt-cli advise L1 ... L10 --lang LANGUAGE --json`.
EMSCRIPTEN_KEEPALIVE const char *wc_advise(const char *levelText, const char *language)
{
    SkillLevels levels;
    OtherSkillLevels others;
    const LanguageEntry *entry = languageNamed(language);
    if (!entry || !parseLevels(levelText, levels, others))
        return answer(QByteArray());
    return answer(cli::adviceObject(*entry, *adviseTraining(levels)));
}

// The page's import, the window's rule: the chosen language first, then the
// others in list order; the first that reads the text wins and becomes the
// chosen one. {"accepted":true,"language":...,"levels":[13 levels, 0 for
// none read]}, or {"accepted":false} and the window's error in the chosen
// language's words.
EMSCRIPTEN_KEEPALIVE const char *wc_read(const char *text, const char *chosenLanguage)
{
    const LanguageEntry *chosen = languageNamed(chosenLanguage);
    if (!chosen)
        chosen = &languages().front();
    const QString pasted = QString::fromUtf8(text);
    if (pasted.size() <= kMaxPastedCharacters) {
        std::array<const LanguageEntry *, kLanguageCount> order{};
        std::size_t n = 0;
        order[n++] = chosen;
        for (const LanguageEntry &entry : languages())
            if (&entry != chosen)
                order[n++] = &entry;
        for (const LanguageEntry *candidate : order) {
            const SkillListImport attempt
                    = importSkillList(pasted, candidate->skillCaption(1), candidate->levelNameTable());
            if (!attempt.accepted())
                continue;
            QJsonArray levels;
            for (int k = 1; k <= kSalarySkillCount; ++k)
                levels.append(int(attempt.levels[k]));
            for (int k = kFirstOtherSkill; k <= kSkillCaptionCount; ++k)
                levels.append(int(attempt.otherLevels[k]));
            return answer(QJsonObject{{u"accepted"_s, true},
                                      {u"language"_s, candidate->name.toString()},
                                      {u"levels"_s, levels}});
        }
    }
    return answer(QJsonObject{{u"accepted"_s, false},
                              {u"error_title"_s, windowtext::kErrorTitle.translated()},
                              {u"error"_s, windowtext::kErrorText.translated()}});
}

// Everything the page shows for thirteen levels ("8,7,...,s,f,e") in one
// language: the salary and position, each level's name, colour, advice text
// and the levels a click and a right click lead to (null where nothing
// changes), the training table's cells, the chart's bars and its text for
// screen readers, and the copied player.
EMSCRIPTEN_KEEPALIVE const char *wc_view(const char *levelText, const char *languageName)
{
    SkillLevels levels;
    OtherSkillLevels others;
    const LanguageEntry *language = languageNamed(languageName);
    if (!language || !parseLevels(levelText, levels, others))
        return answer(QByteArray());
    const TrainingAdvice advice = *adviseTraining(levels);
    const LevelNames levelNames = language->levelNameTable();
    const PositionNames positionNames = language->positionNameTable();
    const LevelColors colors = [] {
        PlayerState state;
        state.fillLevelColors();
        return state.LevelColor;
    }();

    auto step = [&](const std::optional<TrainingStep> &taken) -> QJsonValue {
        if (!taken)
            return QJsonValue::Null;
        QString text = salaryWithChangeText(taken->salary, taken->change, DigitSpace::NoBreak);
        if (taken->position != advice.position)
            text += u' ' + language->positionName(taken->position);
        return QJsonObject{{u"level"_s, taken->level}, {u"text"_s, text}};
    };
    QJsonArray skills;
    for (int k = 1; k <= kSkillCaptionCount; ++k) {
        const bool paying = k <= kSalarySkillCount;
        const int level = paying ? levels[k] : others[k];
        const int shown = level == kUnknownLevel ? kLowestLevel : level;
        const QString name = skillNameOf(language->skillCaption(k));
        QJsonObject skill{
                {u"caption"_s, language->skillCaption(k)},
                {u"name"_s, name},
                {u"label"_s, windowtext::skillLevelDescription(name)},
                {u"level"_s, level},
                {u"level_name"_s, levelNames[shown]},
                {u"color"_s, colorText(colors[shown])},
                {u"tip"_s, paying ? levelAdviceText(advice, k, name, levelNames, positionNames)
                                  : otherSkillText(name, level, levelNames)},
        };
        if (paying) {
            skill.insert(u"up"_s, step(advice.skills[k].up));
            skill.insert(u"down"_s, step(advice.skills[k].down));
            skill.insert(u"raise"_s, webtext::kRaise.translated().arg(name));
            skill.insert(u"lower"_s, webtext::kLower.translated().arg(name));
        }
        skills.append(skill);
    }
    const QList<PositionBar> bars = positionBars(advice, positionNames);
    QJsonArray chart;
    for (const PositionBar &bar : bars)
        chart.append(QJsonObject{{u"name"_s, bar.name},
                                 {u"salary"_s, bar.salary},
                                 {u"salary_text"_s, salaryImportText(bar.salary, DigitSpace::NoBreak)},
                                 {u"best"_s, bar.best}});
    return answer(QJsonObject{
            {u"language"_s, language->name.toString()},
            {u"salary"_s, advice.salary},
            {u"salary_text"_s, salaryImportText(advice.salary)},
            {u"position_name"_s, language->positionName(advice.position)},
            {u"skills"_s, skills},
            {u"chart"_s, chart},
            {u"chart_title"_s, positionChartTitle()},
            {u"chart_text"_s, positionChartText(bars)},
            {u"copy"_s, skillListText(*language, levels, others)},
    });
}

// Installs the language's translation and returns every fixed word the page
// shows in it, and the catalogue's words for its buttons and captions.
EMSCRIPTEN_KEEPALIVE const char *wc_texts(const char *languageName)
{
    const LanguageEntry *language = languageNamed(languageName);
    if (!language)
        return answer(QByteArray());
    useTranslation(*language);
    return answer(QJsonObject{
            {u"language"_s, language->name.toString()},
            {u"code"_s, languageCode(*language).toString()},
            {u"title"_s, windowtext::titleText()},
            {u"calculate"_s, language->calculateCaption.toString()},
            {u"salary_caption"_s, language->salaryCaption.toString()},
            {u"weekly_salary"_s, windowtext::kWeeklySalary.translated()},
            {u"best_position"_s, windowtext::kBestPosition.translated()},
            {u"player_card"_s, windowtext::kPlayerCard.translated()},
            {u"show_info"_s, windowtext::kShowInfo.translated()},
            {u"hide_info"_s, windowtext::kHideInfo.translated()},
            {u"error_title"_s, windowtext::kErrorTitle.translated()},
            {u"credit"_s, windowtext::kCredit.translated().simplified()},
            {u"instructions"_s, windowtext::kInstructions.translated()},
            {u"steps"_s, QJsonArray{windowtext::step1Text(*language), windowtext::kStep2.translated(),
                                    windowtext::step3Text(*language), webtext::kStep4.translated()}},
            {u"paste_label"_s, webtext::kPasteLabel.translated()},
            {u"language_label"_s, webtext::kLanguageLabel.translated()},
            {u"copy"_s, webtext::kCopyResult.translated()},
            {u"copied"_s, webtext::kCopied.translated()},
            {u"training_title"_s, webtext::kTrainingTitle.translated()},
            {u"skill_head"_s, webtext::kSkillHead.translated()},
            {u"level_head"_s, webtext::kLevelHead.translated()},
            {u"up_head"_s, webtext::kUpHead.translated()},
            {u"down_head"_s, webtext::kDownHead.translated()},
            {u"licences"_s, webtext::kLicences.translated()},
            {u"privacy"_s, webtext::kPrivacy.translated()},
    });
}

// The catalogue of one language: captions, level names and their colours, positions.
EMSCRIPTEN_KEEPALIVE const char *wc_catalogue(const char *languageName)
{
    const LanguageEntry *language = languageNamed(languageName);
    if (!language)
        return answer(QByteArray());
    PlayerState state;
    state.fillLevelColors();
    QJsonArray captions, levelNames, colors, positions;
    for (int k = 1; k <= kSkillCaptionCount; ++k)
        captions.append(language->skillCaption(k));
    for (int level = kLowestLevel; level <= kHighestLevel; ++level) {
        levelNames.append(language->levelName(level));
        colors.append(colorText(state.LevelColor[level]));
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
