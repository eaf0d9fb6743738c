#pragma once

#include <QIODevice>
#include <QStringList>

namespace wagecourt::cli {

// Whether a command line's command is "book": the player book takes options
// of its own, so it is told apart before the other commands are parsed.
bool isBookCommand(const QStringList &arguments);

// `wagecourt-cli book ...`, arguments[0] being the program. Exit statuses as
// the other commands have them (commands.h).
int runBook(const QStringList &arguments, QIODevice &in, QIODevice &out, QIODevice &err);

} // namespace wagecourt::cli
