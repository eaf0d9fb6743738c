#include "ui/platform/settingsstore.h"

#include <QSettings>

namespace wagecourt::ui {

namespace {

// The registry, under HKEY_CURRENT_USER\Software\Wagecourt\Wagecourt.
class RegistrySettings : public SettingsStore
{
public:
    QVariant value(const QString &key) override { return m_settings.value(key); }
    void setValue(const QString &key, const QVariant &value) override { m_settings.setValue(key, value); }
    bool setAside() override { return false; } // the registry holds typed values, never junk text

private:
    QSettings m_settings{QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Wagecourt"),
                         QStringLiteral("Wagecourt")};
};

} // namespace

std::unique_ptr<SettingsStore> OpenUserSettings()
{
    return std::make_unique<RegistrySettings>();
}

} // namespace wagecourt::ui
