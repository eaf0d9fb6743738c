#!/usr/bin/env python3
"""Writes the page's translation tables from the window's .ts files.

    texttable.py OUTPUT.inc wagecourt_de.ts wagecourt_fr.ts ...

The page has no application object to install a translator on, so its module
looks its words up in these tables instead: for each language, every finished
translation as (context, English, translation, form), in UTF-8, where form is
which of the language's plural forms a text with a count is (one row each),
-1 for any other text. Unfinished,
obsolete and vanished entries are left out, so those texts stay English, as
they would in the window. So are the translations of the words only the
command-line programs and the installer show, which would more than double
the module; English's own forms of counts stay whole, as the refusals'
details the checks' module writes take them.
"""
import sys
import xml.etree.ElementTree as ElementTree


def literal(text):
    escaped = text.replace('\\', '\\\\').replace('"', '\\"').replace('\n', '\\n').replace('\t', '\\t')
    return '"' + escaped + '"'


def entries(ts_file):
    root = ElementTree.parse(ts_file).getroot()
    # The game's code: Portuguese is declared pt_PT for its plural rule.
    code = root.get('language').split('_')[0]
    rows = []
    for context in root.iter('context'):
        name = context.findtext('name')
        for message in context.iter('message'):
            translation = message.find('translation')
            if translation is None or translation.get('type') in ('unfinished', 'obsolete', 'vanished'):
                continue
            source = message.findtext('source')
            if message.get('numerus') == 'yes':
                forms = [form.text or '' for form in translation.iter('numerusform')]
                if all(forms):
                    rows += [(name, source, form, index) for index, form in enumerate(forms)]
                continue
            if not translation.text:
                continue
            rows.append((name, source, translation.text, -1))
    return code, sorted(rows)


NOT_ON_THE_PAGE = {'Cli', 'BookCli', 'WindowCommandLine', 'Installer'}


def main(output, ts_files):
    lines = ['// Made by texttable.py from the .ts files; do not edit.', '']
    languages = []
    for ts_file in ts_files:
        code, rows = entries(ts_file)
        if code != 'en':
            rows = [row for row in rows if row[0] not in NOT_ON_THE_PAGE]
        languages.append(code)
        lines.append(f'inline constexpr PageText kPageTexts_{code}[] = {{')
        lines += [f'    {{{literal(c)}, {literal(s)}, {literal(t)}, {f}}},' for c, s, t, f in rows]
        lines += ['};', '']
    lines.append('inline constexpr PageLanguage kPageLanguages[] = {')
    lines += [f'    {{"{code}", kPageTexts_{code}}},' for code in languages]
    lines += ['};', '']
    with open(output, 'w', encoding='utf-8') as out:
        out.write('\n'.join(lines))


if __name__ == '__main__':
    main(sys.argv[1], sys.argv[2:])
