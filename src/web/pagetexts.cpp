// The page's fixed words in the language it shows. The module has no
// application to install a translator on, so the window's translations come
// as tables made from its .ts files at build time (texttable.py), and every
// text of the presentation layer is looked up in the table of the language
// the page shows.

#include "web/moduleapi.h"

#include "catalogue/catalogue.h"
#include "presentation/text.h"
#include "presentation/windowtexts.h"
#include "usecases/playerview.h"
#include "web/webtexts.h"

#include <QJsonArray>

#include <span>

using namespace wagecourt;
using namespace Qt::StringLiterals;
using web::answer;

namespace {

// The window's translations, as tables made from its .ts files at build
// time (texttable.py); the language the page shows, none for English.
struct PageText
{
    const char *context;
    const char *english;
    const char *translated;
};
struct PageLanguage
{
    const char *code;
    std::span<const PageText> texts;
};
#include "translationtable.inc"

std::span<const PageText> g_texts;

void useTranslation(const LanguageEntry &language)
{
    g_texts = {};
    const QByteArray code = languageCode(language).toUtf8();
    for (const PageLanguage &table : kPageLanguages)
        if (code == table.code)
            g_texts = table.texts;
}

} // namespace

QString wagecourt::translateText(const char *context, const char *english)
{
    for (const PageText &text : g_texts)
        if (qstrcmp(text.english, english) == 0 && qstrcmp(text.context, context) == 0)
            return QString::fromUtf8(text.translated);
    return QString::fromUtf8(english);
}

extern "C" {

// Installs the language's translation and returns every fixed word the page
// shows in it, and the catalogue's words for its buttons and captions.
const char *wc_texts(const char *languageName)
{
    const LanguageEntry *language = usecase::languageNamed(QString::fromUtf8(languageName));
    if (!language)
        return answer(QByteArray());
    useTranslation(*language);
    return answer(QJsonObject{
            {u"language"_s, language->name.toString()},
            {u"code"_s, languageCode(*language).toString()},
            {u"title"_s, windowtext::kTitle.translated()},
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
            {u"share"_s, webtext::kShareResult.translated()},
            {u"scheme_label"_s, webtext::kSchemeLabel.translated()},
            {u"scheme_names"_s, QJsonArray{webtext::kSchemeSystem.translated(), webtext::kSchemeLight.translated(),
                                           webtext::kSchemeDark.translated()}},
            {u"training_title"_s, webtext::kTrainingTitle.translated()},
            {u"skill_head"_s, webtext::kSkillHead.translated()},
            {u"level_head"_s, webtext::kLevelHead.translated()},
            {u"up_head"_s, webtext::kUpHead.translated()},
            {u"down_head"_s, webtext::kDownHead.translated()},
            {u"licences"_s, webtext::kLicences.translated()},
            {u"privacy"_s, webtext::kPrivacy.translated()},
    });
}

} // extern "C"
