#!/usr/bin/python3
"""Takes the real Wagecourt window at 100 % and at larger scales and compares its texts.

The window is started with QT_SCALE_FACTOR unset, then at 2 and at 1.5, and
taken with ImageMagick's import. For several controls of each face (a skill
caption and the salary in Tahoma, a level label, the position and the
Calculate Salary button in bold, the check box, the language list and the Show
Info button in the default face) the text's ink (its pixels darker than mid
grey) is found inside the control's rectangle, which AT-SPI gives in
device-independent pixels. At scale S the text must be about S times as tall
and as wide as at 100 %, cover about S*S times the ink pixels, and lie inside
its control. A bitmap face drawn at its one size, letters spread apart, or a
bold drawn from thin outlines all fall outside these bounds.

At 100 % and 200 % the player book's keep box and window are then measured
against the screen: inside it with every button, the keep box over the main
window and still after a name is picked, the book's window beside it or above.

Run by run_e2e.sh with WAGECOURT_E2E_SCRIPT=e2e_scale.py, which provides the X
server, window manager, session bus and a scratch XDG_CONFIG_HOME.
Prints one PASS/FAIL line per check and the measured ratios; exits 1 on any failure.
"""

import argparse
import os
import subprocess
import sys
import time
import traceback

sys.dont_write_bytecode = True  # no __pycache__ left in the source tree
from e2e_window import (Aborted, Clipboard, Report, Window, descendants, frame_geometry, geometry, inside,  # noqa: E402
                        key, overlap, poll, pyatspi, run, skill_list, stacking, work_area)

INK = 128  # a pixel darker than this grey is ink

# What each control's text is measured in: the control's rectangle less an
# inset in device-independent pixels (left, top, right, bottom), which keeps a
# button's frame, the check box's indicator and the list's arrow out.
CONTROLS = [
    ("skill caption 'Jump Shot:'", lambda w: w.js_caption, (0, 0, 0, 0)),
    ("salary", lambda w: w.salary, (0, 0, 0, 0)),
    ("level label 'atrocious' (bold, underlined)", lambda w: w.levels[0], (0, 0, 0, 0)),
    ("position 'Small Forward' (bold)", lambda w: w.position, (0, 0, 0, 0)),
    ("Calculate Salary (bold)", lambda w: w.calculate, (5, 5, 5, 5)),
    ("check box 'Always on Top'", lambda w: w.checkbox, (16, 3, 0, 3)),
    ("language list 'English'", lambda w: w.combo, (4, 4, 22, 4)),
    ("Show Info", lambda w: w.info, (5, 5, 5, 5)),
]

# How far a ratio may stray from the exact scale (height, width) and from its
# square (ink): the faces' hinting and rounding differ from size to size.
SIZE_TOLERANCE = 0.15
INK_TOLERANCE = 0.25


class Shot:
    """The window's client area in grey, from ImageMagick's import."""

    def __init__(self, wid):
        png = subprocess.run(["import", "-window", str(wid), "png:-"], stdout=subprocess.PIPE,
                             stderr=subprocess.PIPE, timeout=20, check=True).stdout
        pgm = subprocess.run(["convert", "png:-", "-colorspace", "Gray", "-depth", "8", "pgm:-"],
                             input=png, stdout=subprocess.PIPE, timeout=20, check=True).stdout
        fields = pgm.split(maxsplit=4)
        if fields[0] != b"P5" or fields[3] != b"255":
            raise Aborted(f"convert made no 8-bit PGM: {pgm[:20]!r}")
        self.png = png
        self.width, self.height = int(fields[1]), int(fields[2])
        self.pixels = fields[4]

    def ink(self, left, top, right, bottom):
        """(pixel count, bounding box) of the ink within [left, right) x [top, bottom)."""
        count, box = 0, None
        for y in range(max(top, 0), min(bottom, self.height)):
            row = self.pixels[y * self.width:(y + 1) * self.width]
            for x in range(max(left, 0), min(right, self.width)):
                if row[x] < INK:
                    count += 1
                    box = (x, y, x, y) if box is None else \
                        (min(box[0], x), min(box[1], y), max(box[2], x), max(box[3], y))
        return count, box


def measure(window, scale):
    """For each control: its rectangle in device pixels and the ink of its text."""
    shot = Shot(window.wid)
    window.frame.clear_cache()
    origin = window.frame.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    measured = {}
    for what, control, inset in CONTROLS:
        accessible = control(window)
        accessible.clear_cache()
        box = accessible.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        rect = [round((box.x - origin.x + inset[0]) * scale), round((box.y - origin.y + inset[1]) * scale),
                round((box.x - origin.x + box.width - inset[2]) * scale),
                round((box.y - origin.y + box.height - inset[3]) * scale)]
        count, ink_box = shot.ink(*rect)
        # A label's text does not reach past it: one device-independent pixel
        # around it holds no ink. (Around a part of a control lies the rest of it.)
        margin = round(scale) if inset == (0, 0, 0, 0) else 0
        around, _ = shot.ink(rect[0] - margin, rect[1] - margin, rect[2] + margin, rect[3] + margin)
        measured[what] = {"rect": rect, "ink": count, "box": ink_box, "around": around}
    return shot, measured


def start(binary, scale, report):
    env_scale = os.environ.pop("QT_SCALE_FACTOR", None)
    if scale != 1:
        os.environ["QT_SCALE_FACTOR"] = str(scale)
    try:
        window = Window(binary, report)
    finally:
        os.environ.pop("QT_SCALE_FACTOR", None)
        if env_scale is not None:
            os.environ["QT_SCALE_FACTOR"] = env_scale
    # The device size, to the pixel either way that rounding may give.
    size = geometry(window.wid)[2:]
    wanted = (581 * scale, 235 * scale)
    report.check(f"{scale}x: window size in device pixels", all(abs(s - w) <= 1 for s, w in zip(size, wanted)),
                 wanted, size)
    return window


def compare(report, scale, plain, scaled):
    lines = []
    for what, _, _ in CONTROLS:
        one, big = plain[what], scaled[what]
        name = f"{scale}x {what}"
        if not report.check(f"{name}: has text at both scales", one["box"] and big["box"], "ink", (one, big)):
            continue
        height = (big["box"][3] - big["box"][1] + 1) / (one["box"][3] - one["box"][1] + 1)
        width = (big["box"][2] - big["box"][0] + 1) / (one["box"][2] - one["box"][0] + 1)
        ink = big["ink"] / one["ink"]
        lines.append(f"ink ratio at {scale}x: {ink:.2f} (height {height:.2f}, width {width:.2f}): {what}")
        for measure_name, seen, wanted, tolerance in (("height", height, scale, SIZE_TOLERANCE),
                                                      ("width", width, scale, SIZE_TOLERANCE),
                                                      ("ink pixels", ink, scale * scale, INK_TOLERANCE)):
            report.check(f"{name}: {measure_name} ratio about {wanted:g}",
                         abs(seen - wanted) <= tolerance * wanted,
                         f"{wanted:g} within {tolerance:.0%}", round(seen, 2))
        rect, box = big["rect"], big["box"]
        report.check(f"{name}: text inside its control",
                     rect[0] <= box[0] and box[2] < rect[2] and rect[1] <= box[1] and box[3] < rect[3]
                     and big["around"] == big["ink"],
                     f"within {rect}", {"ink box": box, "ink": big["ink"], "with a pixel around": big["around"]})
    for line in lines:
        print(line, flush=True)


# The scales at which the keep box and the book's window are measured against the screen.
BOOK_SCALES = (1, 2)


def book_windows(window, scale, clipboard, report):
    """After a list is read, the keep box lies over the main window, keeping its place when a name is
    picked from those the book offers, and the book's window beside it or above it; both inside the
    screen with every button in sight (AT-SPI gives device-independent pixels)."""
    def opened(what, keys):
        key(keys)
        wids = poll(window.other_windows, bool)
        if not report.check(f"{scale}x: {keys} opens the {what}", bool(wids), "a window", wids):
            raise Aborted(f"no {what}")
        frame = poll(lambda: frame_geometry(wids[0]), lambda f: f[2] > 0)
        report.check(f"{scale}x: {what} inside the screen", inside(frame, area), area, frame)
        def device(button):
            e = button.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
            return [round(v * scale) for v in (e.x, e.y, e.width, e.height)]
        buttons = {b.name: inside(device(b), area) for top in window._application()
                   if top.getState().contains(pyatspi.STATE_SHOWING)
                   for b in descendants(top, depth=6) if b.getRole() == pyatspi.ROLE_PUSH_BUTTON}
        report.check(f"{scale}x: {what}: every button inside the screen", len(buttons) > 2 and all(buttons.values()),
                     "all of more than two", buttons)
        return wids[0], frame

    area = work_area()
    clipboard.set(skill_list("English", [8, 7, 9, 10, 8, 11, 3, 3, 5, 2, 12, 3, 20]))
    run(["xdotool", "windowactivate", "--sync", str(window.wid)], timeout=5, check=False)
    key("ctrl+v")
    poll(lambda: window.name(window.salary), lambda salary: salary == "16 736")
    main = frame_geometry(window.wid)
    box, keep = opened("keep box", "ctrl+k")
    report.check(f"{scale}x: keep box over the main window", overlap(keep, main), main, keep)
    first = scale == BOOK_SCALES[0]
    run(["xdotool", "type", "--delay", "20", "Ann Example" if first else "An"])
    if not first:  # picked from the names offered
        time.sleep(0.5)
        key("Down", "Return")
        time.sleep(0.5)
        report.equal(f"{scale}x: keep box in its place after a name is picked", keep, frame_geometry(box))
    key("Return")
    poll(window.other_windows, lambda wids: not wids)
    book, frame = opened("book's window", "ctrl+b")
    def above(order):
        return book in order and window.wid in order and order.index(book) > order.index(window.wid)
    order = poll(stacking, above)  # the window manager may raise it a moment after it shows
    report.check(f"{scale}x: book's window beside the main window or above it", not overlap(frame, main) or above(order),
                 f"clear of {main}, or above it", {"book": frame, "stacking": order})
    key("Escape")
    poll(window.other_windows, lambda wids: not wids)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("wagecourt")
    parser.add_argument("wagecourt_cli", help="unused; run_e2e.sh passes it to every script")
    args = parser.parse_args()

    report = Report()
    clipboard = Clipboard()
    aborted = None
    shots = {}
    try:
        measured = {}
        for scale in (1, 2, 1.5):
            window = start(args.wagecourt, scale, report)
            try:
                shots[scale], measured[scale] = measure(window, scale)
                if scale in BOOK_SCALES:
                    book_windows(window, scale, clipboard, report)
            finally:
                window.close()
        for scale in (2, 1.5):
            compare(report, scale, measured[1], measured[scale])
    except Aborted as error:
        aborted = error
        print(f"FAIL: aborted: {error}", flush=True)
    except Exception as error:  # a tool timing out, the window vanishing from the bus
        aborted = error
        print("FAIL: aborted: " + "".join(traceback.format_exception(error)).rstrip(), flush=True)
    if aborted is not None or report.failed:
        for scale, shot in shots.items():
            path = f"/tmp/wagecourt-e2e-scale-{scale}x.png"
            with open(path, "wb") as out:
                out.write(shot.png)
            print(f"screenshot at {scale}x: {path}", flush=True)
    clipboard.release()
    failed = report.failed + (1 if aborted is not None else 0)
    print(f"{report.passed} passed, {failed} failed", flush=True)
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
