#pragma once

#include <QByteArray>
#include <QJsonObject>

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
}

namespace wagecourt::web {

// Keeps the answer until the next call and hands out its text.
const char *answer(QByteArray bytes);
const char *answer(const QJsonObject &object); // compact, with a newline

} // namespace wagecourt::web
