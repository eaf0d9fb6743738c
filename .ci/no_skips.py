#!/usr/bin/env python3
"""Fails when ctest skipped a test. On a machine that tools/deps.sh has set up,
every test can run: a skip means a tool is missing or a step before it did not
run, and must not pass in silence. Reads the JUnit files the test presets write
into their build folders, and names each skipped test with the reason it gave.

Usage: no_skips.py BUILD_DIR/junit.xml...
"""

import sys
import xml.etree.ElementTree as ElementTree


def skips(path):
    """The skipped tests of one run as (name, reason), and how many ran."""
    cases = list(ElementTree.parse(path).getroot().iter("testcase"))
    found = []
    for case in cases:
        if case.find("skipped") is None:
            continue
        lines = [line for line in (case.findtext("system-out") or "").splitlines() if line.strip()]
        reason = next((line for line in lines if line.startswith("SKIP")), lines[-1] if lines else "no reason given")
        found.append((case.get("name"), reason.strip()))
    return found, len(cases)


def main(paths):
    if not paths:
        print(__doc__.strip(), file=sys.stderr)
        return 2
    failed = False
    for path in paths:
        try:
            found, count = skips(path)
        except (OSError, ElementTree.ParseError) as error:
            print(f"FAIL {path}: {error}")
            failed = True
            continue
        if count == 0:
            print(f"FAIL {path}: no test ran")
            failed = True
        for name, reason in found:
            print(f"FAIL {path}: {name} was skipped: {reason}")
            failed = True
        if count and not found:
            print(f"PASS {path}: all {count} tests ran")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
