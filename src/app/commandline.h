#pragma once

#include <QString>
#include <QStringList>

namespace wagecourt::app {

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
    QString link;                     // a wagecourt: link to offer, as a click in another program gives it
    bool quitAfterFirstFrame = false; // for the start-up benchmark; not in --help
};

CommandLine parseCommandLine(const QStringList &arguments);

} // namespace wagecourt::app
