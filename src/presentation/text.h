#pragma once

#include <QString>

namespace wagecourt {

// Who reads a text. People get it in the language of the installed
// translation; programs (the CLI's JSON and CSV) always get the English
// source, so that what they parse never changes with the user's language.
enum class Reader { Person, Machine };

// The text in the language of the installed translation, English when none
// is. The desktop programs ask the translators installed on the application;
// the web page, which has no application object, a table of its own made
// from the same translations.
QString translateText(const char *context, const char *english);
// A text that holds a count (%n), in the form the count asks for: in the
// installed translation's language, and in English whatever is installed.
QString translateText(const char *context, const char *english, int count);
QString englishText(const char *context, const char *english, int count);

// A fixed text of the program, marked for the translation tools where it is
// defined: write each one as {"Context", QT_TRANSLATE_NOOP("Context", "...")}
// so the tools find it and the program looks it up under the same context. A
// "//:" comment above it reaches the translator, to say what a placeholder holds.
struct Text
{
    const char *context;
    const char *english;

    // English until a translation is installed.
    QString translated() const { return translateText(context, english); }
    QString forReader(Reader reader) const
    {
        return reader == Reader::Person ? translated() : QString::fromUtf8(english);
    }
};

// A fixed text that holds a count, marked as
// {"Context", QT_TRANSLATE_N_NOOP("Context", "... %n things ...")}: every
// language, English too, writes its own forms for one, few and many.
struct CountText
{
    const char *context;
    const char *english;

    QString translated(int count) const { return translateText(context, english, count); }
    QString forReader(Reader reader, int count) const
    {
        return reader == Reader::Person ? translated(count) : englishText(context, english, count);
    }
};

} // namespace wagecourt
