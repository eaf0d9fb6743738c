#include "ui/platform/settingsfile.h"

#include <QStandardPaths>

namespace wagecourt::ui {

std::unique_ptr<SettingsStore> OpenUserSettings()
{
    // Where the native format keeps them: $XDG_CONFIG_HOME, else ~/.config.
    return std::make_unique<SettingsFile>(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
                                          + QStringLiteral("/Wagecourt/Wagecourt.conf"));
}

} // namespace wagecourt::ui
