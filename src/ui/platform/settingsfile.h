#pragma once

#include "ui/platform/settingsstore.h"

#include <memory>
#include <thread>

namespace wagecourt::ui {

// The window's settings file, kept so that the user-interface thread never
// waits on it: a read takes the small file as it stands, and writes are made
// by a thread of their own under a lock that is never waited on for long. A
// write that cannot be made is tried again at the next change and at close.
class SettingsFile : public SettingsStore
{
public:
    explicit SettingsFile(QString path);
    // Waits at most a second for what is still unwritten; what is lost then
    // is said once on standard error.
    ~SettingsFile() override;
    SettingsFile(const SettingsFile &) = delete;
    SettingsFile &operator=(const SettingsFile &) = delete;

    // What this run chose last, else what the file holds now, which another
    // window may have written.
    QVariant value(const QString &key) override;
    void setValue(const QString &key, const QVariant &value) override;
    // Moves the file aside, at the next write, to the name with ".bad" added;
    // false when there is no file to move.
    bool setAside() override;

private:
    struct Shared;
    std::shared_ptr<Shared> m_shared;
    std::thread m_writer;
};

} // namespace wagecourt::ui
