#include "i18n/translators.h"

#include <QCoreApplication>
#include <QTranslator>

#include <array>

namespace wagecourt {

using namespace Qt::StringLiterals;

namespace {

constexpr std::array<QStringView, 8> kLanguageCodes{u"en", u"tr", u"es", u"it", u"fr", u"de", u"pl", u"pt"};
constexpr QStringView kSourceLanguage = u"en";

// Installed only when it holds a translation: an empty one would make every
// widget look at its texts again for nothing.
std::unique_ptr<QTranslator> install(const QString &resource)
{
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(resource) || translator->isEmpty())
        return nullptr;
    QCoreApplication::installTranslator(translator.get());
    return translator;
}

} // namespace

QStringView languageCode(int languageIndex)
{
    if (languageIndex < 0 || languageIndex >= int(kLanguageCodes.size()))
        return kSourceLanguage;
    return kLanguageCodes[std::size_t(languageIndex)];
}

Translators::Translators() : m_code(kSourceLanguage.toString()) {}

Translators::~Translators() = default; // a translator leaves the application as it is destroyed

bool Translators::use(QStringView code)
{
    if (code == m_code)
        return false;
    m_own.reset();
    m_qt.reset();
    m_code = code.toString();
    if (code == kSourceLanguage)
        return true;
    m_own = install(u":/i18n/wagecourt_%1.qm"_s.arg(code));
    // Qt's Portuguese is Brazil's; the game's Portuguese reads the same in its
    // standard texts.
    const QString qtLanguage = code == u"pt" ? u"pt_BR"_s : code.toString();
    m_qt = install(u":/i18n/qtbase_%1.qm"_s.arg(qtLanguage));
    return true;
}

} // namespace wagecourt
