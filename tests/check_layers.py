#!/usr/bin/env python3
"""Checks that no library includes a header of a library above it, and that
no front-end includes another's: the layers of src/ from the core up.
Usage: check_layers.py SRC_DIR   Exit status 1 names each such include."""
import pathlib
import re
import sys

# Each folder (or file) of src/ and its layer; a file may include its own
# layer's headers and those below. The front-ends stand side by side.
LAYERS = [
    ("engine", 0), ("catalogue", 0), ("import", 0), ("planner", 0), ("format/writers", 0), ("qr", 0),
    ("i18n", 1), ("book", 1),
    ("presentation", 2),
    ("usecases", 3),
    ("format/resultformat", 4),
    ("cli", 5), ("web", 5), ("ui", 5),
    ("app", 6),
]
FRONT_ENDS = {"cli", "web", "ui"}
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.MULTILINE)


def layer_of(path):
    for prefix, layer in LAYERS:
        if path == prefix or path.startswith(prefix + "/") or path.startswith(prefix + "."):
            return prefix, layer
    return None, None


def faults(src):
    for file in sorted(src.rglob("*")):
        if file.suffix not in (".h", ".cpp") or not file.is_file():
            continue
        own = file.relative_to(src).as_posix()
        own_name, own_layer = layer_of(own)
        if own_name is None:
            continue
        for included in INCLUDE.findall(file.read_text(encoding="utf-8")):
            name, layer = layer_of(included)
            if name is None:
                continue  # a generated file or a test's own
            if layer > own_layer:
                yield f"{own}: includes {included}, of the layer above it ({name})"
            elif layer == own_layer and name in FRONT_ENDS and name != own_name:
                yield f"{own}: includes {included}, another front-end's"


def main(argv):
    problems = list(faults(pathlib.Path(argv[1])))
    for problem in problems:
        print(problem, file=sys.stderr)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
