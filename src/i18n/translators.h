#pragma once

#include <QString>
#include <QStringView>

#include <memory>

class QTranslator;

namespace wagecourt {

// The translations of one language installed in the application: Wagecourt's
// own texts and Qt's standard ones (a text field's menu, a message box's
// buttons, the command-line parser's errors). English, the language the texts
// are written in, needs only its plural forms of ours.
class Translators
{
public:
    Translators();
    ~Translators();
    Translators(const Translators &) = delete;
    Translators &operator=(const Translators &) = delete;

    // Replaces the translations installed before by those of the language
    // with this catalogue code. Returns whether any text may now read differently.
    bool use(QStringView code);
    QStringView code() const { return m_code; }

private:
    QString m_code;
    std::unique_ptr<QTranslator> m_own;
    std::unique_ptr<QTranslator> m_qt;
};

} // namespace wagecourt
