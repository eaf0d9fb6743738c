#include "catalogue/catalogue.h"
#include "commands.h"
#include "i18n/messagelanguage.h"
#include "i18n/translators.h"
#include "presentation/clitexts.h"
#include "standardoutput.h"
#include "version.h"

#include <QCoreApplication>
#include <QFile>

#include <cstdio>
#include <cstring>

#ifdef Q_OS_WIN
#include <windows.h>

namespace {

// A Windows console shows UTF-8 only under its UTF-8 code page. The console's
// own page is given back on the way out; pipes and files take the bytes as
// they are. Lines end in CR LF there, from the C runtime's text mode.
class Utf8Console
{
public:
    Utf8Console()
    {
        DWORD mode = 0;
        if (GetConsoleMode(GetStdHandle(STD_OUTPUT_HANDLE), &mode)
            || GetConsoleMode(GetStdHandle(STD_ERROR_HANDLE), &mode)) {
            m_saved = GetConsoleOutputCP();
            SetConsoleOutputCP(CP_UTF8);
        }
    }
    ~Utf8Console()
    {
        if (m_saved != 0)
            SetConsoleOutputCP(m_saved);
    }
    Utf8Console(const Utf8Console &) = delete;
    Utf8Console &operator=(const Utf8Console &) = delete;

private:
    UINT m_saved = 0;
};

} // namespace
#endif

int main(int argc, char *argv[])
{
#ifdef Q_OS_WIN
    const Utf8Console console;
#endif
    wagecourt::cli::restoreBrokenPipeSignal();
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("wagecourt-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(WAGECOURT_VERSION_TEXT));
    // Help and messages in the user's language; what scripts read stays English.
    wagecourt::Translators translators;
    translators.use(wagecourt::languageCode(wagecourt::messageLanguage()));

    QFile in, err;
#ifdef Q_OS_WIN
    // Opened by its stream, a pipe at its end reads as an error there; by its
    // descriptor the end reads as the end.
    in.open(_fileno(stdin), QIODevice::ReadOnly);
#else
    in.open(stdin, QIODevice::ReadOnly);
#endif
    err.open(stderr, QIODevice::WriteOnly | QIODevice::Unbuffered);
    wagecourt::cli::StandardOutput out(stdout);
    int status = wagecourt::cli::run(QCoreApplication::arguments(), in, out, err);
    if (!out.finish()) {
        if (out.readerGone())
            return wagecourt::cli::endForGoneReader();
        err.write(wagecourt::clitext::cannotWriteOutputText(QString::fromLocal8Bit(std::strerror(out.failureCode())))
                          .toUtf8());
        status = wagecourt::cli::ExitRejected;
    }
    return status;
}
