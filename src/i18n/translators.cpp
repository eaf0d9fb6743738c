#include "i18n/translators.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace wagecourt {

using namespace Qt::StringLiterals;

namespace {

constexpr QStringView kSourceLanguage = u"en";

// Installed only when it holds a translation: an empty one would make every
// widget look at its texts again for nothing.
std::unique_ptr<QTranslator> install(const QString &file, const QString &folder = {})
{
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(file, folder) || translator->isEmpty())
        return nullptr;
    QCoreApplication::installTranslator(translator.get());
    return translator;
}

// Qt's own translations: built in where the system has none to share (the
// Windows build), the system's own elsewhere, as every other Qt program
// there uses them.
std::unique_ptr<QTranslator> installQt(QStringView code)
{
    // Qt's Portuguese is Brazil's; the game's Portuguese reads the same in its
    // standard texts.
    const QString file = u"qtbase_"_s + (code == u"pt" ? u"pt_BR"_s : code.toString());
#ifdef WAGECOURT_QT_TRANSLATIONS_BUILT_IN
    return install(u":/i18n/"_s + file);
#else
    return install(file, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
#endif
}

} // namespace

Translators::Translators() : m_code(kSourceLanguage.toString())
{
    // English shows its counts through its own plural forms.
    m_own = install(u":/i18n/wagecourt_en.qm"_s);
}

Translators::~Translators() = default; // a translator leaves the application as it is destroyed

bool Translators::use(QStringView code)
{
    if (code == m_code)
        return false;
    m_own.reset();
    m_qt.reset();
    m_code = code.toString();
    m_own = install(u":/i18n/wagecourt_%1.qm"_s.arg(code));
    if (code != kSourceLanguage)
        m_qt = installQt(code);
    return true;
}

} // namespace wagecourt
