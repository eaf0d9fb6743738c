#include "catalogue/catalogue.h"
#include "cli/commands.h"
#include "cli/platform/console.h"
#include "cli/standardoutput.h"
#include "i18n/messagelanguage.h"
#include "i18n/translators.h"
#include "presentation/clitexts.h"
#include "version.h"

#include <QCoreApplication>
#include <QFile>

#include <cstdio>
#include <cstring>

int main(int argc, char *argv[])
{
    const wagecourt::cli::Console console;
    wagecourt::cli::restoreBrokenPipeSignal();
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("wagecourt-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(WAGECOURT_VERSION_TEXT));
    // Help and messages in the user's language; what scripts read stays English.
    wagecourt::Translators translators;
    translators.use(wagecourt::languageCode(wagecourt::messageLanguage()));

    QFile in, err;
    wagecourt::cli::openStandardInput(in);
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
