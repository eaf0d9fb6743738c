#pragma once

#include "book/book.h"

#include <QString>

#include <vector>

namespace wagecourt {

struct LanguageEntry;

// The players' table as the window copies it, in the game language's words
// and the window's own. Rows stand in the order given.
namespace bookcopytext {

// A skill's caption as a heading: without the colon the catalogue's captions end in.
QString skillHeading(const LanguageEntry &language, int skill);

// Tab-separated with a header row, one line per player, so that it pastes
// into a spreadsheet cell by cell: the levels, the salary and its change as
// plain numbers, the date as YYYY-MM-DD.
QString tableText(const std::vector<book::LatestRow> &rows, const LanguageEntry &language);

// A plain block for a forum post, aligned in a fixed-width face: one column
// per player, one line per skill ("respectable (8)"), then the salary, the
// position, the change, the date and the note.
QString forumText(const std::vector<book::LatestRow> &rows, const LanguageEntry &language);

// A comparison as the window and the page show it: one row per salary skill,
// then the best salary, the position, the salary at each position and the
// difference from the first player; the headings of those rows, and one
// player's column of cells ("respectable (8)" for a level).
QStringList comparisonHeadings(const LanguageEntry &language);
QStringList comparisonColumn(const book::ComparedPlayer &compared, bool first, const LanguageEntry &language);

} // namespace bookcopytext

} // namespace wagecourt
