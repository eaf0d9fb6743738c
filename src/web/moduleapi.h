#pragma once

#include "engine/playerstate.h"

#include <QByteArray>
#include <QJsonObject>
#include <QString>

// The module's C functions, for the page's JavaScript and for the checks that
// hold them to the command line.
extern "C" {
const char *wc_languages();
const char *wc_import(const char *text, const char *language);
const char *wc_calc(const char *levelText, const char *language);
const char *wc_advise(const char *levelText, const char *language);
const char *wc_read(const char *text, const char *chosenLanguage);
const char *wc_view(const char *levelText, const char *languageName);
const char *wc_catalogue(const char *languageName);
const char *wc_texts(const char *languageName);

// The player book (bookapi.cpp).
const char *wc_book_load(const char *records);
const char *wc_book_keep(const char *name, const char *note, const char *tags, const char *levelText,
                         const char *languageName, const char *day);
const char *wc_book_player(const char *name);
const char *wc_book_backup(const char *exportDay, int keptSince, int reminded);
const char *wc_book_list(const char *sort, const char *languageName, int from, int count, const char *tag);
const char *wc_book_names();
const char *wc_book_history(const char *name, const char *languageName);
const char *wc_book_compare(const char *namesJson, const char *languageName);
const char *wc_book_export(const char *form);
const char *wc_book_import(const char *fileName, const char *text, double size);
const char *wc_book_remove(const char *name);
const char *wc_book_restore();
const char *wc_book_table(const char *sort, const char *languageName);
const char *wc_book_forecast(const char *name, const char *languageName, int weeks);
const char *wc_link_read(const char *text);
const char *wc_link_add();
const char *wc_link_make(const char *namesJson, const char *address, int shares);

// The training planner (planapi.cpp).
const char *wc_plan(const char *levelText, const char *languageName, const char *targets, const char *limit,
                    const char *cheapest, const char *skills, const char *shown);
const char *wc_plan_json(const char *levelText, const char *languageName, const char *targets, const char *limit,
                         const char *cheapest, const char *skills);
}

namespace wagecourt::web {

// Keeps the answer until the next call and hands out its text.
const char *answer(QByteArray bytes);
const char *answer(const QJsonObject &object); // compact, with a newline
// A colour as the page's style sheet writes it: "#rrggbb".
QString colorText(ColorValue color);

} // namespace wagecourt::web
