#pragma once

#include "i18n/catalogue.h"

#include <QIODevice>

namespace wagecourt::cli {

enum class OutputFormat { Text, Json };

// Lines of ten levels in, one result line out per input line, in order. Levels
// are separated by spaces, tabs or commas; blank lines and lines starting with
// '#' are skipped. A bad line is reported on err with its line number and the
// rest still run. Returns the exit status: 0, or 1 when any line was bad.
int runBatch(QIODevice &in, QIODevice &out, QIODevice &err, const LanguageEntry &language, OutputFormat format);

} // namespace wagecourt::cli
