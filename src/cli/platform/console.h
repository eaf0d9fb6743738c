#pragma once

#include <QFile>

namespace wagecourt::cli {

// What the command line needs of the system's console and pipes, one file for
// each system where they differ (console_unix.cpp, console_win32.cpp).

// Set up for the whole run: a console that shows UTF-8, given back as it was
// on the way out.
class Console
{
public:
    Console();
    ~Console();
    Console(const Console &) = delete;
    Console &operator=(const Console &) = delete;

private:
    unsigned m_savedCodePage = 0;
};

// Standard input as a QFile whose end reads as the end, a pipe's too.
bool openStandardInput(QFile &in);

// Lets a closed pipe end the program the way it ends other command-line tools,
// by SIGPIPE, even when the parent process chose to ignore that signal.
void restoreBrokenPipeSignal();

// Ends the program quietly after the reader went away; returns the exit status
// to use where the system has no such signal.
int endForGoneReader();

} // namespace wagecourt::cli
