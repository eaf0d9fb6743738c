#pragma once

#include <QString>

namespace wagecourt {

// The salary with a space before its last three digits ("12 345", "1234 567").
// After an import a salary below 1000 shows its digits alone ("504"); after a
// level click it keeps one space before them (" 504"), which is the width the
// salary label has at start.
QString salaryImportText(qint32 salary);
QString salaryClickText(qint32 salary);

} // namespace wagecourt
