#pragma once

#include "book/book.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QDate>
#include <QString>

#include <vector>

namespace wagecourt::book {

// The book's exchange format, in two forms, for spreadsheets, scripts and the
// move between devices. Its keys and column names are never translated.
//
// CSV: a header row, then one row per snapshot:
//   name,date,jump_shot,jump_range,outside_def,handling,driving,passing,inside_shot,
//   inside_def,rebounding,shot_blocking,stamina,free_throw,experience,salary,position,
//   position_name,note,tags
// JSON Lines: one object per snapshot, keys in this order:
//   {"name":..,"date":"2026-12-09","note":..,"tags":[..],"language":..,"levels":[13 numbers],
//    "salary":..,"position":..,"position_name":..}
// The tags are joined by spaces in CSV. A file of an older version, without
// them, reads as well; so does a CSV separated by semicolons, as spreadsheets
// in languages with a decimal comma save it, with or without their first
// line "sep=;".
//
// Both are written players by name (code unit order, so the same book always
// gives the same bytes), each player's snapshots oldest first, lines ending
// in "\n", UTF-8 without a byte-order mark. Salary, position and position
// name are the engine's, in the snapshot's language; reading ignores the
// salary and position and takes the CSV's language from the position name.
// Written and read again, a book gives the same bytes.
enum class ExchangeForm { Csv, JsonLines };

// By the file's name: ".jsonl", ".ndjson" and ".json" are JSON Lines, anything else CSV.
ExchangeForm exchangeFormOf(QStringView fileName);

QByteArray exportBook(const Book &book, ExchangeForm form);

// One snapshot's JSON object without its line end, as the export writes it.
void appendJsonSnapshot(QByteArray &out, const Player &player, const Snapshot &snapshot);

// Why a line of an import was not taken.
enum class RowProblem {
    NotUtf8,
    UnclosedQuote,
    FieldCount,     // detail: the count found
    BadName,        // textProblem says why
    BadNote,        // textProblem says why
    BadDate,        // detail: what stood there
    BadLevel,       // column: the skill's column name; detail: what stood there
    NotAnObject,    // a JSON line that is not an object
    MissingKey,     // detail: the key
    BadLanguage,    // detail: what stood there
    LineTooLong,
    NoHeader,       // a CSV whose first line is not one of the headers
    BadTag,         // textProblem says why; detail: the tag
};

struct RowError
{
    qint64 line = 0; // from 1, in the file
    RowProblem problem = RowProblem::FieldCount;
    TextProblem textProblem = TextProblem::None;
    QString column;
    QString detail;
};

struct ExchangeRead
{
    std::vector<Keep> keeps;       // every good line, in file order; each with its note and tags
    std::vector<qint64> lines;     // each keep's line in the file, from 1
    std::vector<RowError> errors;  // every bad line, in file order
};

// Reads either form, told apart by the first character that is not a
// byte-order mark or white space ('{' for JSON Lines). A CSV may also be the
// one `wagecourt-cli batch --header` writes: its rows have no Stamina, Free
// Throw, Experience or date, so those are 0 and today.
ExchangeRead readExchange(QByteArrayView bytes, QDate today);

} // namespace wagecourt::book
