#include "commands.h"
#include "version.h"

#include <QCoreApplication>
#include <QFile>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("wagecourt-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(WAGECOURT_VERSION_TEXT));

    QFile in, out, err;
    in.open(stdin, QIODevice::ReadOnly);
    out.open(stdout, QIODevice::WriteOnly);
    err.open(stderr, QIODevice::WriteOnly | QIODevice::Unbuffered);
    const int status = wagecourt::cli::run(QCoreApplication::arguments(), in, out, err);
    out.flush();
    return status;
}
