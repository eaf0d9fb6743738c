#!/usr/bin/env python3
"""Checks the translation files: every text is translated and marked finished,
and every translation keeps the placeholders (%1, %L2, %n ...) of its source.
Usage: check_translations.py FILE.ts ...   Exit status 1 names each fault."""
import re
import sys
import xml.etree.ElementTree as ET

PLACEHOLDER = re.compile(r"%L?(?:\d{1,2}|n)")


def placeholders(text):
    return sorted(set(PLACEHOLDER.findall(text or "")))


def faults(path):
    root = ET.parse(path).getroot()
    language = root.get("language", "")
    # A territory may follow the code (pt_PT): it picks the plural rule
    # lrelease writes, while the file keeps the game's two-letter code.
    if not path.endswith(f"_{language.split('_')[0]}.ts"):
        yield f"{path}: language \"{language}\" is not the one its name gives"
    for context in root.iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            source = message.findtext("source") or ""
            translation = message.find("translation")
            kind = translation.get("type") if translation is not None else "unfinished"
            if kind in ("vanished", "obsolete"):
                continue  # no longer in the sources, never shown
            where = f"{path}: {name}: \"{source}\""
            forms = [f.text for f in translation.iter("numerusform")] or [translation.text]
            if kind == "unfinished":
                yield f"{where} is unfinished"
            if not all(form and form.strip() for form in forms):
                yield f"{where} has an empty translation"
            for form in forms:
                # A plural form may leave out the count where the words say it.
                expected = placeholders(source)
                if message.get("numerus") == "yes":
                    expected = [p for p in expected if p != "%n"]
                    found = [p for p in placeholders(form) if p != "%n"]
                else:
                    found = placeholders(form)
                if found != expected:
                    yield f"{where}: translation \"{form}\" has {found or 'no placeholders'}, not {expected}"


def main(paths):
    problems = [fault for path in paths for fault in faults(path)]
    for problem in problems:
        print(problem, file=sys.stderr)
    return 1 if problems or not paths else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
