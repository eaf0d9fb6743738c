#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>

namespace wagecourt::ui {

// The window's command line, read before QApplication exists so that --help
// and --version need no display. The toolkit's own options (-platform,
// -display, -style, ...) are accepted and left for QApplication.
struct CommandLine
{
    enum class Action { Run, Help, Version, UsageError };

    Action action = Action::Run;
    QString text;                     // the help or version text, or the error and the usage
    QString platform;                 // the toolkit's -platform argument, when given
    QString display;                  // the toolkit's -display argument, when given
    bool quitAfterFirstFrame = false; // for the start-up benchmark; not in --help
};

CommandLine parseCommandLine(const QStringList &arguments);

// What the window can open on, as seen before the toolkit starts.
struct DisplayEnvironment
{
    QString platformAskedFor;  // QT_QPA_PLATFORM, else the -platform argument
    QString display;           // the -display argument, else DISPLAY
    QString waylandDisplay;    // WAYLAND_DISPLAY
    std::function<bool()> xServerAnswers;
    std::function<bool()> waylandCompositorAnswers;
};

struct PlatformChoice
{
    QByteArray platform; // for QT_QPA_PLATFORM; empty leaves the toolkit's own choice
    QString refusal;     // set when no window can open: print it and exit 1
    QString failure;     // what to print should the toolkit still fail to start
};

// With no platform asked for, X11 comes first, also under a Wayland compositor
// (XWayland), because only X11 lets a window keep itself above the others;
// native Wayland is the fallback when no X server answers. The probes run
// only when WAYLAND_DISPLAY is set, so a plain X11 start costs nothing more.
PlatformChoice choosePlatform(const DisplayEnvironment &environment);

// The environment of this process, with probes that really connect.
DisplayEnvironment currentDisplayEnvironment(const CommandLine &commandLine);

// While it lives, the toolkit's fatal "no platform plugin could be
// initialized" ends the program with `failure` on standard error and exit
// status 1 instead of an abort. The toolkit's other messages meanwhile are
// held back, and passed on when the guard ends, so that a failed start
// prints one clear line.
class PlatformStartGuard
{
public:
    explicit PlatformStartGuard(const QString &failure);
    ~PlatformStartGuard();
    PlatformStartGuard(const PlatformStartGuard &) = delete;
    PlatformStartGuard &operator=(const PlatformStartGuard &) = delete;
};

} // namespace wagecourt::ui
