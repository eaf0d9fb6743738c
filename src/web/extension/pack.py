#!/usr/bin/env python3
"""Lays out the browser extension for Chromium and for Firefox from one source,
unpacked, and zips each for its store.

    pack.py SITE SOURCE OUTPUT ZIPS VERSION VERSION_TEXT SITETEXTS_H TS_FILE...

SITE is the laid-out site: the popup is its page with its own script,
stylesheet, module and licences, not a copy kept apart. SOURCE is this folder
(manifest.json, background.js, icons/). OUTPUT gets chromium/ and firefox/,
ZIPS Wagecourt-VERSION_TEXT-chromium-extension.zip and -firefox-extension.zip.
"""
import json
import os
import re
import shutil
import sys
import zipfile

sys.dont_write_bytecode = True  # the build leaves nothing in the source tree
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '..'))
from sitetexts import languages, write_locales  # noqa: E402

SITE_FILES = ['app.js', 'book.js', 'plan.js', 'style.css', 'wagecourt.js', 'wagecourt.wasm', 'licences.html']
# What only a web site has: the install manifest and the icons a browser tab shows.
PAGE_ONLY = [r'\s*<link rel="manifest"[^>]*>', r'\s*<link rel="icon"[^>]*>', r'\s*<link rel="apple-touch-icon"[^>]*>']
# Each store reads its own keys; the other's would only draw warnings.
LEFT_OUT = {'chromium': [('browser_specific_settings',), ('background', 'scripts')],
            'firefox': [('background', 'service_worker'), ('version_name',)]}
DESKTOP_ICONS = os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', '..', '..', 'data', 'icons')
# Fixed times, so the same files give the same zip.
ZIP_TIME = (2026, 12, 8, 12, 0, 0)


def popup_page(site):
    with open(os.path.join(site, 'index.html'), encoding='utf-8') as page:
        html = page.read()
    for pattern in PAGE_ONLY:
        html, found = re.subn(pattern, '', html)
        if found != 1:
            sys.exit(f'pack.py: the page no longer has {pattern!r}')
    html, found = re.subn(r'<html lang="en">', '<html lang="en" class="popup">', html)
    if found != 1:
        sys.exit('pack.py: the page no longer starts with <html lang="en">')
    return html


def manifest(source, browser, version, version_text):
    with open(os.path.join(source, 'manifest.json'), encoding='utf-8') as text:
        data = json.loads(text.read().replace('@VERSION_TEXT@', version_text).replace('@VERSION@', version))
    for path in LEFT_OUT[browser]:
        parent = data
        for key in path[:-1]:
            parent = parent[key]
        del parent[path[-1]]
    return json.dumps(data, ensure_ascii=False, indent=2) + '\n'


def lay_out(site, source, folder, browser, version, version_text, tables):
    shutil.rmtree(folder, ignore_errors=True)
    os.makedirs(folder)
    for name in SITE_FILES:
        shutil.copy(os.path.join(site, name), folder)
    shutil.copytree(os.path.join(site, 'licences'), os.path.join(folder, 'licences'))
    shutil.copytree(os.path.join(source, 'icons'), os.path.join(folder, 'icons'))
    for size in (48, 128):  # the desktop's own sizes, drawn for it
        shutil.copy(os.path.join(DESKTOP_ICONS, str(size), 'io.github.wagecourt.Wagecourt.png'),
                    os.path.join(folder, 'icons', f'wagecourt-{size}.png'))
    shutil.copy(os.path.join(source, 'background.js'), folder)
    with open(os.path.join(folder, 'popup.html'), 'w', encoding='utf-8') as page:
        page.write(popup_page(site))
    with open(os.path.join(folder, 'manifest.json'), 'w', encoding='utf-8') as text:
        text.write(manifest(source, browser, version, version_text))
    write_locales(os.path.join(folder, '_locales'), tables)


def zip_folder(folder, archive):
    names = sorted(os.path.relpath(os.path.join(root, name), folder)
                   for root, _, files in os.walk(folder) for name in files)
    with zipfile.ZipFile(archive + '.part', 'w', zipfile.ZIP_DEFLATED, compresslevel=9) as out:
        for name in names:
            entry = zipfile.ZipInfo(name.replace(os.sep, '/'), ZIP_TIME)
            entry.compress_type = zipfile.ZIP_DEFLATED
            entry.external_attr = 0o644 << 16
            with open(os.path.join(folder, name), 'rb') as data:
                out.writestr(entry, data.read())
    os.replace(archive + '.part', archive)


def main(site, source, output, zips, version, version_text, header, ts_files):
    tables = languages(header, ts_files)
    for browser in LEFT_OUT:
        folder = os.path.join(output, browser)
        lay_out(site, source, folder, browser, version, version_text, tables)
        zip_folder(folder, os.path.join(zips, f'Wagecourt-{version_text}-{browser}-extension.zip'))


if __name__ == '__main__':
    if len(sys.argv) < 9:
        sys.exit(__doc__)
    main(*sys.argv[1:8], sys.argv[8:])
