#!/usr/bin/env python3
"""Writes the words that must be there without the module, from the .ts files.

    sitetexts.py page INDEX.html sitetexts.h wagecourt_de.ts ...
        fills the page's @SITE_TEXTS@ in place with every language's words, for
        the page to say that its module could not load, or that a new version
        waits, in the chosen language
    sitetexts.py locales FOLDER sitetexts.h wagecourt_de.ts ...
        writes the browser extension's _locales/<code>/messages.json

The texts are the constants of sitetexts.h, named after them (kMenuTitle is
"menuTitle"); English is their source. A translation that is missing or
unfinished leaves the English, as it would in the window.
"""
import json
import os
import re
import sys

sys.dont_write_bytecode = True  # the build leaves nothing in the source tree
from texttable import entries  # noqa: E402

CONSTANT = re.compile(r'k(\w+)\{"(\w+)", QT_TRANSLATE_NOOP\("\2",\s*"((?:[^"\\]|\\.)*)"\)\}')
# The browsers' names for the languages whose code alone is not one they know.
EXTENSION_LOCALES = {'pt': ['pt_PT', 'pt_BR']}


def sources(header):
    with open(header, encoding='utf-8') as text:
        found = [(name[0].lower() + name[1:], context, json.loads(f'"{english}"'))
                 for name, context, english in CONSTANT.findall(re.sub(r'"\s*\n\s*"', '', text.read()))]
    if not found:
        sys.exit(f'sitetexts.py: no texts in {header}')
    return found


def languages(header, ts_files):
    texts = sources(header)
    tables = {'en': {key: english for key, _, english in texts}}
    for ts_file in ts_files:
        code, rows = entries(ts_file)
        # The site's words hold no count: only the plain texts' rows.
        translated = {(context, english): translation for context, english, translation, form in rows if form < 0}
        tables[code] = {key: translated.get((context, english), english) for key, context, english in texts}
    return tables


def fill_page(page, tables):
    with open(page, encoding='utf-8') as text:
        html = text.read()
    if '@SITE_TEXTS@' not in html:
        sys.exit(f'sitetexts.py: {page} has no @SITE_TEXTS@')
    # Inside a script element no "<" may stand, lest it close the element.
    data = json.dumps(tables, ensure_ascii=False, sort_keys=True).replace('<', '\\u003c')
    with open(page, 'w', encoding='utf-8') as text:
        text.write(html.replace('@SITE_TEXTS@', data))


def write_locales(folder, tables):
    for code, texts in tables.items():
        for locale in EXTENSION_LOCALES.get(code, [code]):
            os.makedirs(os.path.join(folder, locale), exist_ok=True)
            messages = {key: {'message': text} for key, text in sorted(texts.items())}
            with open(os.path.join(folder, locale, 'messages.json'), 'w', encoding='utf-8') as out:
                json.dump(messages, out, ensure_ascii=False, indent=2)
                out.write('\n')


def main(command, target, header, ts_files):
    tables = languages(header, ts_files)
    if command == 'page':
        fill_page(target, tables)
    elif command == 'locales':
        write_locales(target, tables)
    else:
        sys.exit(f'sitetexts.py: unknown command {command}')


if __name__ == '__main__':
    if len(sys.argv) < 4:
        sys.exit(__doc__)
    main(sys.argv[1], sys.argv[2], sys.argv[3], sys.argv[4:])
