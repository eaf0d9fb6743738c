#pragma once

#include <QIODevice>
#include <QStringList>

namespace wagecourt::cli {

enum ExitStatus {
    ExitOk = 0,
    ExitRejected = 1, // a rejected list, a bad line in a batch, or output that could not be written
    ExitUsage = 2,
};

// The whole command line, arguments[0] being the program. Reads only from in
// and writes only to out and err, so tests can run it without a process.
int run(const QStringList &arguments, QIODevice &in, QIODevice &out, QIODevice &err);

} // namespace wagecourt::cli
