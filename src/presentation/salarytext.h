#pragma once

#include <QString>

namespace wagecourt {

struct LanguageEntry;

// The salary with a space before its last three digits ("12 345", "1234 567").
// After an import a salary below 1000 shows its digits alone ("504"); after a
// level click it keeps one space before them (" 504"), which is the width the
// salary label has at start.
// Digit groups part at a plain space where the game's own form is shown, copied
// or read by programs (the salary label, the copy text, the command line), and
// at a no-break space in the texts of ours people read (tooltips, the chart,
// the page), where "24 053" must not break across two lines.
enum class DigitSpace { Plain, NoBreak };
QString salaryImportText(qint32 salary, DigitSpace space = DigitSpace::Plain);
QString salaryClickText(qint32 salary);

// A change of salary with its sign: "+1 257", "-1 257", and "±0" for a step in a
// skill that does not count at the position that pays best.
QString salaryChangeText(qint32 change, DigitSpace space = DigitSpace::Plain);

// A salary and its change from the present one: "25 310 (+1 257)".
QString salaryWithChangeText(qint32 salary, qint32 change, DigitSpace space = DigitSpace::Plain);

// The salary line of a copied player and of the command line's tables, in the
// game language's words: "Weekly Salary: 16 736 (Point Guard)", no newline,
// the same whatever translation is installed.
QString salaryLineText(const LanguageEntry &language, qint32 salary, int position);

} // namespace wagecourt
