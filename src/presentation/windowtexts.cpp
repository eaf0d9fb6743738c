#include "presentation/windowtexts.h"

#include "catalogue/catalogue.h"
#include "presentation/advicetext.h"
#include "presentation/bookwindowtext.h"
#include "version.h"

namespace wagecourt::windowtext {

namespace {

//: The Jump Shot caption without its colon.
constexpr Text kStep1{
        "Info",
        QT_TRANSLATE_NOOP("Info", "1. Go to Courtlore Website and copy your player's skills starting from \"%1\"..")};
//: The Calculate button's caption.
constexpr Text kStep3{"Info", QT_TRANSLATE_NOOP("Info", "3. Click \"%1\" button..")};

} // namespace

QString step1Text(const LanguageEntry &language)
{
    return kStep1.translated().arg(skillNameOf(language.skillCaption(1)));
}

QString step3Text(const LanguageEntry &language)
{
    return kStep3.translated().arg(language.calculateCaption);
}

QString bookKeysText(const QString &keepKey, const QString &openKey)
{
    return kKeyAndAction.translated().arg(keepKey, bookwindowtext::kKeepInBook.translated()) + u'\n'
            + kKeyAndAction.translated().arg(openKey, bookwindowtext::kPlayerBook.translated());
}

QString titleText()
{
    return kTitle.translated().arg(QStringLiteral(WAGECOURT_TITLE_VERSION));
}

QString skillLevelDescription(const QString &skillName)
{
    return kSkillLevel.translated().arg(skillName);
}

} // namespace wagecourt::windowtext
