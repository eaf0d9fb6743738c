#pragma once

#include "engine/skillcodes.h"

#include <QByteArray>
#include <QByteArrayView>

#include <array>

namespace wagecourt::format {

// The bytes that scripts and spreadsheets read: JSON strings and numbers as
// a compact QJsonDocument writes them, and CSV fields as RFC 4180 has them.
// Written without building documents, since a batch or a book writes a
// million of them, and never translated. QtCore only, for the book, the
// command line and the web module alike.

// Far more room than the longest number text takes.
inline constexpr qsizetype kNumberRoom = 40;

// A number as a compact JSON document writes it: the shortest text that
// reads back to the same double. Into a buffer of at least kNumberRoom.
char *writeJsonNumber(char *to, double value);
void appendJsonNumber(QByteArray &out, double value);

// A string in quotes, escaped as a compact JSON document escapes it. The text
// must be valid UTF-8.
void appendJsonString(QByteArray &out, QByteArrayView utf8);

// RFC 4180: quoted when it holds a quote, a comma or a line break, and a
// tab, which tools that guess the separator may take for one; quotes doubled.
void appendCsvField(QByteArray &out, QByteArrayView field);

// The thirteen skills' column names, in the skills' order, as the batch's CSV
// and the book's exchange name them: the ten salary skills' from the
// engine's one table, and the three after them.
inline constexpr std::array<QByteArrayView, kSkillCaptionCount> kLevelColumns = [] {
    std::array<QByteArrayView, kSkillCaptionCount> columns{};
    for (int skill = 1; skill <= kSalarySkillCount; ++skill)
        columns[std::size_t(skill - 1)] = QByteArrayView(skillCode(skill).column.data(), skillCode(skill).column.size());
    columns[10] = "stamina";
    columns[11] = "free_throw";
    columns[12] = "experience";
    return columns;
}();

// The header line of `wagecourt-cli batch --header`, without its line end.
inline constexpr QByteArrayView kBatchCsvHeader =
        "name,jump_shot,jump_range,outside_def,handling,driving,passing,inside_shot,"
        "inside_def,rebounding,shot_blocking,salary,position,position_name";

} // namespace wagecourt::format
