#include "cli/platform/console.h"

#include <cstdio>

#include <io.h>
#include <windows.h>

namespace wagecourt::cli {

// A Windows console shows UTF-8 only under its UTF-8 code page. The console's
// own page is given back on the way out; pipes and files take the bytes as
// they are. Lines end in CR LF there, from the C runtime's text mode.
Console::Console()
{
    DWORD mode = 0;
    if (GetConsoleMode(GetStdHandle(STD_OUTPUT_HANDLE), &mode) || GetConsoleMode(GetStdHandle(STD_ERROR_HANDLE), &mode)) {
        m_savedCodePage = GetConsoleOutputCP();
        SetConsoleOutputCP(CP_UTF8);
    }
}

Console::~Console()
{
    if (m_savedCodePage != 0)
        SetConsoleOutputCP(m_savedCodePage);
}

bool openStandardInput(QFile &in)
{
    // Opened by its stream, a pipe at its end reads as an error here; by its
    // descriptor the end reads as the end.
    return in.open(_fileno(stdin), QIODevice::ReadOnly);
}

// Windows has no SIGPIPE: a write to a closed pipe fails with EPIPE, and
// the program ends as a shell reports one that signal ended.
void restoreBrokenPipeSignal()
{
}

int endForGoneReader()
{
    return 128 + 13;
}

} // namespace wagecourt::cli
