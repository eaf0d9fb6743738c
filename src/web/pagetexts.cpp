// The page's fixed words in the language it shows. The module has no
// application to install a translator on, so the window's translations come
// as tables made from its .ts files at build time (texttable.py), and every
// text of the presentation layer is looked up in the table of the language
// the page shows.

#include "web/moduleapi.h"

#include "catalogue/catalogue.h"
#include "presentation/booktext.h"
#include "presentation/bookwindowtext.h"
#include "presentation/text.h"
#include "presentation/windowtexts.h"
#include "usecases/bookcases.h"
#include "usecases/playerview.h"
#include "web/webtexts.h"

#include <QJsonArray>

#include <array>

using namespace wagecourt;
using namespace Qt::StringLiterals;
using web::answer;

namespace {

// The window's translations, as tables made from its .ts files at build
// time (texttable.py): one list of keys for all languages, and each
// language's translations in the keys' order, one after another, each ended
// by a NUL and empty where it has none.
struct PageKey
{
    const char *context;
    const char *english;
    int form; // of a text with a count, which of the language's forms; -1 for any other
};
struct PageLanguage
{
    const char *code;
    const char *texts;
};
#include "translationtable.inc"

constexpr std::size_t kKeyCount = std::size(kPageKeys);

// A language's translations by key, found once when the language is chosen.
class PageTexts
{
public:
    explicit PageTexts(const QByteArray &code)
    {
        for (const PageLanguage &table : kPageLanguages)
            if (code == table.code) {
                const char *text = table.texts;
                for (const char *&slot : m_texts) {
                    slot = text;
                    text += qstrlen(text) + 1;
                }
            }
    }

    // The translation of the text, or null where the language has none.
    const char *find(const char *context, const char *english, int form) const
    {
        for (std::size_t i = 0; i < kKeyCount; ++i) {
            const PageKey &key = kPageKeys[i];
            if (key.form == form && qstrcmp(key.english, english) == 0 && qstrcmp(key.context, context) == 0)
                return m_texts[i] && *m_texts[i] ? m_texts[i] : nullptr;
        }
        return nullptr;
    }

private:
    std::array<const char *, kKeyCount> m_texts{};
};

const PageTexts &englishTexts()
{
    static const PageTexts texts("en");
    return texts;
}

PageTexts g_texts("en");
QByteArray g_code = "en";

void useTranslation(const LanguageEntry &language)
{
    g_code = languageCode(language).toUtf8();
    g_texts = PageTexts(g_code);
}

// Which of a language's forms a count takes, by the rules the translation
// tools give the languages of the .ts files. Portuguese is Portugal's (pt_PT),
// where none takes the plural ("0 ficheiros"), as the window's and the command
// line's .qm have it; a bare "pt" would get Brazil's rule, none as one.
int pluralForm(const QByteArray &code, int n)
{
    if (code == "tr")
        return 0;
    if (code == "fr")
        return n > 1 ? 1 : 0;
    if (code == "pl")
        return n == 1 ? 0 : n % 10 >= 2 && n % 10 <= 4 && (n % 100 < 10 || n % 100 >= 20) ? 1 : 2;
    return n == 1 ? 0 : 1;
}

QString countText(const PageTexts &texts, int form, const char *context, const char *english, int count)
{
    const char *translated = texts.find(context, english, form);
    return QString::fromUtf8(translated ? translated : english).replace(u"%n"_s, QString::number(count));
}

// The player book's words: the book window's, and the page's own.
QJsonObject bookWords(const LanguageEntry &language)
{
    using namespace bookwindowtext;
    return QJsonObject{
            {u"keep_in_book"_s, kKeepInBook.translated()},
            {u"player_book"_s, kPlayerBook.translated()},
            {u"player_name"_s, kPlayerName.translated()},
            {u"note_optional"_s, kNoteOptional.translated()},
            {u"tags_optional"_s, kTagsOptional.translated()},
            {u"tags_example"_s, kTagsExample.translated()},
            {u"show_tag"_s, kShowTag.translated()},
            {u"all_players"_s, kAllPlayers.translated()},
            {u"needs_player"_s, webtext::kKeepNeedsPlayer.translated().arg(language.calculateCaption)},
            {u"keep"_s, kKeep.translated()},
            {u"adds_snapshot"_s, kAddsSnapshot.translated()},
            {u"show"_s, kShow.translated()},
            {u"compare"_s, kCompare.translated()},
            {u"delete"_s, kDelete.translated()},
            {u"undo"_s, kUndo.translated()},
            {u"export"_s, kExport.translated()},
            {u"import"_s, kImport.translated()},
            {u"copy_table"_s, kCopyAsTable.translated()},
            {u"close"_s, kClose.translated()},
            {u"history"_s, kHistory.translated()},
            {u"tick_to_compare"_s, webtext::kTickToCompare.translated()},
            {u"name"_s, booktext::kNameColumn.translated()},
            {u"salary"_s, booktext::kSalaryColumn.translated()},
            {u"position"_s, booktext::kPositionColumn.translated()},
            {u"change"_s, booktext::kChangeColumn.translated()},
            {u"date"_s, booktext::kDateColumn.translated()},
            {u"note"_s, booktext::kNoteColumn.translated()},
            {u"tags"_s, booktext::kTagsColumn.translated()},
            {u"share"_s, webtext::kShareLink.translated()},
            {u"copy_link"_s, webtext::kCopyLink.translated()},
            {u"link_made"_s, webtext::kLinkMade.translated()},
            {u"add_linked"_s, webtext::kAddLinked.translated()},
            {u"dont_add_linked"_s, webtext::kDontAddLinked.translated()},
            {u"largest_file"_s, double(usecase::kLargestImport)},
    };
}

} // namespace

QString wagecourt::translateText(const char *context, const char *english)
{
    const char *translated = g_texts.find(context, english, -1);
    return QString::fromUtf8(translated ? translated : english);
}

QString wagecourt::translateText(const char *context, const char *english, int count)
{
    return countText(g_texts, pluralForm(g_code, count), context, english, count);
}

QString wagecourt::englishText(const char *context, const char *english, int count)
{
    return countText(englishTexts(), pluralForm("en", count), context, english, count);
}

extern "C" {

// Installs the language's translation and returns every fixed word the page
// shows in it, and the catalogue's words for its buttons and captions.
const char *wc_texts(const char *languageName)
{
    const LanguageEntry *language = findLanguage(QString::fromUtf8(languageName), LanguageMatch::NameOrCode);
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
            {u"steps"_s,
             QJsonArray{windowtext::step1Text(*language), windowtext::kStep2.translated(),
                        windowtext::step3Text(*language), webtext::kStep4.translated(),
                        webtext::kBookStep.translated().arg(bookwindowtext::kKeepInBook.translated(),
                                                            bookwindowtext::kPlayerBook.translated())}},
            {u"paste_label"_s, webtext::kPasteLabel.translated()},
            {u"language_label"_s, webtext::kLanguageLabel.translated()},
            {u"copy"_s, webtext::kCopyResult.translated()},
            {u"copied"_s, webtext::kCopied.translated()},
            {u"share"_s, webtext::kShareResult.translated()},
            {u"scheme_label"_s, webtext::kSchemeLabel.translated()},
            {u"scheme_names"_s,
             QJsonArray{webtext::kSchemeSystem.translated(), webtext::kSchemeLight.translated(),
                        webtext::kSchemeDark.translated()}},
            {u"training_title"_s, webtext::kTrainingTitle.translated()},
            {u"skill_head"_s, webtext::kSkillHead.translated()},
            {u"level_head"_s, webtext::kLevelHead.translated()},
            {u"up_head"_s, webtext::kUpHead.translated()},
            {u"down_head"_s, webtext::kDownHead.translated()},
            {u"licences"_s, webtext::kLicences.translated()},
            {u"privacy"_s, webtext::kPrivacy.translated()},
            {u"book"_s, bookWords(*language)},
    });
}

} // extern "C"
