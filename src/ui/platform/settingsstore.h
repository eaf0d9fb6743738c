#pragma once

#include <QString>
#include <QVariant>

#include <memory>

namespace wagecourt::ui {

// Where the user's settings live on this system, by key. One implementation
// per system: the registry on Windows, a file elsewhere (SettingsFile).
class SettingsStore
{
public:
    virtual ~SettingsStore() = default;

    // Invalid when not stored, or when the store cannot be read.
    virtual QVariant value(const QString &key) = 0;
    // A write that cannot be made is dropped or tried again, never waited on.
    virtual void setValue(const QString &key, const QVariant &value) = 0;
    // Puts aside a store from which nothing could be read; false when there is none.
    virtual bool setAside() = 0;
};

// The user's own store, in the system's usual place and format.
std::unique_ptr<SettingsStore> OpenUserSettings();

} // namespace wagecourt::ui
