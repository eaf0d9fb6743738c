#include "cli/platform/console.h"

#include <csignal>
#include <cstdio>

#include <signal.h>

namespace wagecourt::cli {

// A terminal takes UTF-8 as it is.
Console::Console() = default;
Console::~Console() = default;

bool openStandardInput(QFile &in)
{
    return in.open(stdin, QIODevice::ReadOnly);
}

void restoreBrokenPipeSignal()
{
    std::signal(SIGPIPE, SIG_DFL);
    sigset_t pipe;
    sigemptyset(&pipe);
    sigaddset(&pipe, SIGPIPE);
    pthread_sigmask(SIG_UNBLOCK, &pipe, nullptr);
}

int endForGoneReader()
{
    restoreBrokenPipeSignal();
    std::raise(SIGPIPE);
    return 128 + 13; // what a shell reports for a program SIGPIPE ended
}

} // namespace wagecourt::cli
