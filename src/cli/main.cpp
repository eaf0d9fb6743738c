#include "commands.h"
#include "standardoutput.h"
#include "version.h"

#include <QCoreApplication>
#include <QFile>

#include <cstdio>
#include <cstring>

int main(int argc, char *argv[])
{
    wagecourt::cli::restoreBrokenPipeSignal();
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("wagecourt-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(WAGECOURT_VERSION_TEXT));

    QFile in, err;
    in.open(stdin, QIODevice::ReadOnly);
    err.open(stderr, QIODevice::WriteOnly | QIODevice::Unbuffered);
    wagecourt::cli::StandardOutput out(stdout);
    int status = wagecourt::cli::run(QCoreApplication::arguments(), in, out, err);
    if (!out.finish()) {
        if (out.readerGone())
            return wagecourt::cli::endForGoneReader();
        err.write(QByteArray("wagecourt-cli: cannot write to standard output: ")
                  + std::strerror(out.failureCode()) + '\n');
        status = wagecourt::cli::ExitRejected;
    }
    return status;
}
