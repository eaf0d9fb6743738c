#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <memory>

class QWidget;

namespace wagecourt::ui {

class SettingsStore;

struct ClipboardText
{
    QString text; // empty when the clipboard holds no text or cannot be read
    bool tooLong = false; // held more than the reader was asked to take
};

// What the window needs of the system beyond its widgets. The desktop
// implementation reaches the real clipboard, message box, pauses and on-top
// state; tests put in one that records the calls and costs no time.
class Platform
{
public:
    virtual ~Platform() = default;

    // Holds the calling (user-interface) thread.
    virtual void pause(int milliseconds) = 0;

    // The clipboard as plain text, up to maxCharacters; empty when it holds no
    // text or cannot be read in well under a second.
    virtual ClipboardText clipboardText(qsizetype maxCharacters) = 0;

    // Puts plain text on the clipboard for any program to paste.
    virtual void setClipboardText(const QString &text) = 0;

    // Modal, with one OK button and no icon.
    virtual void showMessage(const QString &title, const QString &text) = 0;

    // Modal: a question that may lose the user's work, its answers as buttons.
    // Returns the place of the answer chosen in choices; the first is the
    // default, and Escape or closing the box chooses it too.
    virtual int ask(const QString &title, const QString &text, const QStringList &choices) = 0;

    // Above all ordinary windows, or back among them, keeping place and size.
    virtual void setTopMost(QWidget *window, bool on) = 0;

    // What the window keeps between runs, by key. A value not stored, or a
    // store that cannot be read, comes back invalid; a write that cannot be
    // made is dropped. Neither ever stops the program.
    virtual QVariant setting(const QString &key) = 0;
    virtual void setSetting(const QString &key, const QVariant &value) = 0;
    // Puts aside a store from which nothing could be read, for a fresh one to
    // take its place; false when there is none to put aside.
    virtual bool setSettingsAside() { return false; }

    // The desktop's languages for its user interface, most wanted first, as
    // locales name them ("de-DE"); the first start follows them.
    virtual QStringList desktopLanguages() { return QLocale::system().uiLanguages(); }
};

class DesktopPlatform : public Platform
{
public:
    DesktopPlatform();
    ~DesktopPlatform() override;

    void pause(int milliseconds) override;
    ClipboardText clipboardText(qsizetype maxCharacters) override;
    void setClipboardText(const QString &text) override;
    void showMessage(const QString &title, const QString &text) override;
    int ask(const QString &title, const QString &text, const QStringList &choices) override;
    void setTopMost(QWidget *window, bool on) override;
    // The user's settings in the platform's usual place and format: on Linux
    // $XDG_CONFIG_HOME/Wagecourt/Wagecourt.conf (by default under ~/.config),
    // on Windows the registry.
    // Neither waits on the disk; a file over 64 KiB is not read, and is put
    // aside as Wagecourt.conf.bad at the next write.
    QVariant setting(const QString &key) override;
    void setSetting(const QString &key, const QVariant &value) override;
    bool setSettingsAside() override;

private:
    SettingsStore &settings();

    std::unique_ptr<SettingsStore> m_settings; // opened at the first use
};

} // namespace wagecourt::ui
