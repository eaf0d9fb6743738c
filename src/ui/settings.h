#pragma once

#include <QPoint>
#include <QSize>
#include <QString>

#include <optional>

namespace wagecourt::ui {

class Platform;

// Keys of what the window keeps between runs.
inline const QString kLanguageSetting = QStringLiteral("language");      // the list entry's name
inline const QString kOnTopSetting = QStringLiteral("alwaysOnTop");      // true or false
// The frame's top-left corner, as two whole numbers.
inline const QString kPositionXSetting = QStringLiteral("position/x");
inline const QString kPositionYSetting = QStringLiteral("position/y");

// What the last run left, read leniently: a value that is missing, of the
// wrong kind, not one of the choices, or a place where the window could not
// be grabbed on any screen now, gives what the first start does.
struct RememberedSettings
{
    int languageIndex = 0; // in the language list; with none kept, the desktop's
    bool onTop = true;
    std::optional<QPoint> position; // none: the window manager places the window
};

RememberedSettings readSettings(Platform &platform, QSize windowSize);

} // namespace wagecourt::ui
