#!/usr/bin/env python3
"""Writes the page's translation tables from the window's .ts files.

    texttable.py [--used-in MODULE.wasm | --empty] OUTPUT.inc wagecourt_de.ts ...

The page has no application object to install a translator on, so its module
looks its words up in these tables instead: one list of keys (context,
English, form) for all languages, where form is which of a language's plural
forms a text with a count is (one key each), -1 for any other text; and for
each language its translations in the keys' order, in UTF-8, each ended by a
NUL and empty where it has none. The English text and the row are written
once, not once a language: the tables are a good part of the page's module.
Unfinished, obsolete and vanished entries are left out, so those texts stay
English, as they would in the window. So are the translations of the words
only the command-line programs and the installer show, which would more than
double the module; English's own forms of counts stay whole, as the
refusals' details the checks' module writes take them.

With --used-in, only the texts a module can show are kept: those whose
English is among its data. That module is the same one built with an empty
table (--empty), so the English it holds is that of the texts its code can
reach, and the window's own texts drop out of the page's tables.
"""
import sys
import xml.etree.ElementTree as ElementTree


def literal(text):
    escaped = (text.replace('\\', '\\\\').replace('"', '\\"').replace('\n', '\\n').replace('\t', '\\t')
               .replace('\0', '\\0'))
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


def module_data(wasm_file):
    """The bytes of a WebAssembly module's data segments, one after another."""
    data = open(wasm_file, 'rb').read()

    def leb(at):
        value = shift = 0
        while True:
            byte = data[at]
            at += 1
            value |= (byte & 0x7F) << shift
            shift += 7
            if byte < 0x80:
                return value, at

    segments = []
    at = 8
    while at < len(data):
        section = data[at]
        size, at = leb(at + 1)
        end = at + size
        if section == 11:
            count, at = leb(at)
            for _ in range(count):
                flags, at = leb(at)
                if flags == 2:
                    _, at = leb(at)
                if flags != 1:
                    # The offset: i32.const or global.get and its number, then end.
                    _, at = leb(at + 1)
                    at += 1
                length, at = leb(at)
                segments.append(data[at:at + length])
                at += length
        at = end
    return b'\0'.join(segments)


def main(arguments):
    used_in = None
    empty = arguments[0] == '--empty'
    if empty:
        arguments = arguments[1:]
    elif arguments[0] == '--used-in':
        used_in = module_data(arguments[1])
        arguments = arguments[2:]
    output, ts_files = arguments[0], arguments[1:]
    tables = []
    for ts_file in ts_files:
        code, rows = entries(ts_file)
        if code != 'en':
            rows = [row for row in rows if row[0] not in NOT_ON_THE_PAGE]
        if empty:
            rows = []
        elif used_in is not None:
            # A literal may be kept as the end of a longer one: the English
            # and its NUL anywhere in the data.
            rows = [row for row in rows if row[1].encode() + b'\0' in used_in]
        tables.append((code, {(c, s, f): t for c, s, t, f in rows}))
    # A key that no text has (no form is -2), where there are none: an array
    # cannot be empty.
    keys = sorted(set().union(*(texts.keys() for _, texts in tables))) or [('', '', -2)]
    lines = ['// Made by texttable.py from the .ts files; do not edit.', '']
    lines.append('inline constexpr PageKey kPageKeys[] = {')
    lines += [f'    {{{literal(c)}, {literal(s)}, {f}}},' for c, s, f in keys]
    lines += ['};', '']
    for code, texts in tables:
        # Each text its own literal, ended by its NUL: a digit after it then
        # cannot join the NUL's escape.
        lines.append(f'inline constexpr char kPageTexts_{code}[] =')
        lines += [f'    {literal(texts.get(key, "") + chr(0))}' for key in keys]
        lines[-1] += ';'
        lines.append('')
    lines.append('inline constexpr PageLanguage kPageLanguages[] = {')
    lines += [f'    {{"{code}", kPageTexts_{code}}},' for code, _ in tables]
    lines += ['};', '']
    with open(output, 'w', encoding='utf-8') as out:
        out.write('\n'.join(lines))


if __name__ == '__main__':
    main(sys.argv[1:])
