#pragma once

#include "catalogue/catalogue.h"

#include <QIODevice>

namespace wagecourt::cli {

enum class OutputFormat { Text, Json };

// Lines of ten levels in, one result line out per input line, in order. Levels
// are separated by spaces, tabs or commas; blank lines and lines starting with
// '#' are skipped, and so is a first line of words alone (a header). A line may
// begin with the player's name and a comma or tab; the name leads its result.
// A bad line is reported on err with its line number and the rest still run;
// so is a line of more than 64 KiB, which is skipped unread, and a name that
// holds control characters. Input without a single player line is an error.
// With csvHeader, a line naming the columns comes first. Returns the exit
// status: 0, or 1 when any line was bad or the input or output failed.
int runBatch(QIODevice &in, QIODevice &out, QIODevice &err, const LanguageEntry &language, OutputFormat format,
             bool csvHeader = false);

// The text with each control character written as \xHH, so that a message
// quoting the user's input cannot move the cursor, ring or hide what follows.
QString escapedControls(QStringView text);

} // namespace wagecourt::cli
