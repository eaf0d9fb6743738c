#!/usr/bin/python3
"""Drives Wagecourt.exe under Wine on a running X server and checks it from outside.

1. The window starts --starts times in a row: each time its title, the player
   card (with its header) and, with the information area shown, the browser
   picture are on screen, and each time the program ends cleanly on Alt+F4,
   without a fault reported by Wine.
2. Always on Top: SetWindowPos(HWND_TOPMOST / HWND_NOTOPMOST) reaches the X
   server as _NET_WM_STATE_ABOVE, which follows the check box and clicks on the
   bare surface, with the box's tick following too and the window never moving.
3. A German skill list owned by xclip is imported with Ctrl+V, and Ctrl+C puts
   the result back on the X clipboard, where xclip reads it.

Pictures are checked against the JPEGs of the source tree, decoded by
ImageMagick: the mean colour of small cells, within a small tolerance for the
two JPEG decoders. Run by run_wine.sh, which provides the X server, the window
manager and the Wine prefix. With --shortcut, the starts alone, of the exe that
shortcut points at. Prints one PASS/FAIL line per check;
exits 1 on any failure.
"""

import argparse
import os
import re
import subprocess
import sys
import time
import traceback

sys.dont_write_bytecode = True
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "e2e"))
from e2e_window import (  # noqa: E402
    TITLE, WIDTH, COMPACT_HEIGHT, EXPANDED_HEIGHT, LEFT, Aborted, Clipboard, Report,
    click, geometry, poll, read_clipboard, run, search_windows, skill_list, wm_states)

# Places in pixels at 96 dpi, from the layout's twips.
CARD_TOP = 25                 # Image1 at 0,375
BROWSER_AT = (107, 362)       # Image2 at 1605,5430
INFO_BUTTON = (547, 14)       # Command2 at 7755,45, 915 x 330
CHECK_BOX = (30, 12)          # Check1 at 360,0, 2280 x 375: its indicator
TICK_AREA = (26, 8, 9, 8)     # inside the indicator's frame
BARE_SURFACE = (215, 12)      # between the check box and the language list
TOLERANCE = 8                 # mean colour difference per channel the decoders may show
FAULTS = re.compile(r"Unhandled (page fault|exception)|Backtrace:|wine: .*(crash|fault)", re.I)


# ---------------------------------------------------------------- pictures

class Picture:
    """An RGB image as bytes, from ImageMagick."""

    def __init__(self, width, height, data):
        self.width, self.height, self.data = width, height, data

    @classmethod
    def of_file(cls, path):
        size = run(["identify", "-format", "%w %h", path]).stdout.split()
        data = subprocess.run(["convert", path, "-depth", "8", "rgb:-"], stdout=subprocess.PIPE,
                              check=True, timeout=20).stdout
        return cls(int(size[0]), int(size[1]), data)

    @classmethod
    def of_window(cls, wid):
        _, _, width, height = geometry(wid)
        data = subprocess.run(["import", "-window", str(wid), "-depth", "8", "rgb:-"],
                              stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, check=True,
                              timeout=20).stdout
        if len(data) != width * height * 3:
            raise Aborted(f"the screenshot holds {len(data)} bytes, not {width} x {height} pixels")
        return cls(width, height, data)

    def mean(self, x, y, width, height):
        total = [0, 0, 0]
        for row in range(y, y + height):
            start = (row * self.width + x) * 3
            line = self.data[start:start + width * 3]
            for channel in range(3):
                total[channel] += sum(line[channel::3])
        return tuple(round(t / (width * height)) for t in total)

    def marked(self, x, y, width, height):
        """How many pixels of the area are not near white: a tick's, whatever its colour."""
        return sum(1 for row in range(y, y + height) for column in range(x, x + width)
                   if min(self.data[(row * self.width + column) * 3:(row * self.width + column) * 3 + 3]) < 200)


def cells(x, y, width, height, size):
    return [(cx, cy, size, size) for cy in range(y, y + height - size + 1, size)
            for cx in range(x, x + width - size + 1, size)]


def shows(screen, at, picture, regions):
    """The cells of picture (in its own pixels) that screen, where the picture
    lies at `at`, shows in another colour; empty when it shows the picture."""
    wrong = []
    for x, y, width, height in regions:
        want = picture.mean(x, y, width, height)
        seen = screen.mean(at[0] + x, at[1] + y, width, height)
        if max(abs(a - b) for a, b in zip(want, seen)) > TOLERANCE:
            wrong.append(((x, y), want, seen))
    return wrong


# ---------------------------------------------------------------- the program

def shortcut_target(path):
    """The local path a .lnk file points at (its LinkInfo's LocalBasePath)."""
    data = open(path, "rb").read()
    flags = int.from_bytes(data[20:24], "little")
    at = 76
    if flags & 1:  # a target ID list comes first
        at += 2 + int.from_bytes(data[at:at + 2], "little")
    if not flags & 2:
        raise Aborted(f"{path} holds no link information")
    base = at + int.from_bytes(data[at + 16:at + 20], "little")
    return data[base:data.index(b"\0", base)].decode("cp1252")


class WineWindow:
    def __init__(self, exe, log_path, shortcut=None):
        """Starts exe; with a shortcut, the program that shortcut points at,
        which must be exe."""
        self.log = open(log_path, "w+")
        if shortcut:
            target = shortcut_target(shortcut)
            wanted = run(["winepath", "-w", exe]).stdout.strip()
            if target.lower() != wanted.lower():
                raise Aborted(f"the shortcut points at {target}, not at {wanted}")
        self.process = subprocess.Popen(["wine", exe], stdin=subprocess.DEVNULL, stdout=self.log,
                                        stderr=subprocess.STDOUT, cwd=os.path.dirname(exe))
        self.started = time.monotonic()
        pattern = "^" + re.escape(TITLE) + "$"

        def windows():
            if self.process.poll() is not None:
                raise Aborted(f"Wagecourt.exe ended with status {self.process.returncode} before its "
                              f"window appeared:\n{self.output()}")
            return search_windows(pattern, self.process.pid, visible=True)

        wids = poll(windows, bool, timeout=60, interval=0.1)
        if not wids:
            raise Aborted(f"no window titled {TITLE!r} appeared; Wine said:\n{self.output()}")
        self.wid = wids[0]
        framed = poll(lambda: run(["xprop", "-id", str(self.wid), "_NET_FRAME_EXTENTS"], check=False).stdout,
                      lambda out: "=" in out, timeout=10)
        if "=" not in framed:
            raise Aborted("the window manager never framed the window")
        self.shown = time.monotonic() - self.started

    def output(self):
        self.log.flush()
        self.log.seek(0)
        return self.log.read()

    def close(self):
        """Alt+F4, as a user closes it; returns the exit status (None if it did not end)."""
        if self.process.poll() is None:
            run(["xdotool", "windowactivate", "--sync", str(self.wid)], check=False)
            run(["xdotool", "key", "--clearmodifiers", "alt+F4"])
            try:
                self.process.wait(timeout=20)
            except subprocess.TimeoutExpired:
                return None
        return self.process.returncode

    def kill(self):
        if self.process.poll() is None:
            self.process.kill()
            self.process.wait(timeout=10)


def card_regions(card):
    # The card's left column (header, badge, portrait) lies under no control;
    # right of the name, the header bar up to the position label.
    return (cells(0, 0, 120, card.height, 20) + cells(180, 0, 240, 24, 12))


def check_starts(args, report, card, browser):
    card_cells = card_regions(card)
    browser_cells = cells(0, 0, browser.width, browser.height, 16)
    times = []
    for start in range(1, args.starts + 1):
        what = f"start {start}"
        window = WineWindow(args.exe, os.path.join(os.environ.get("TMPDIR", "/tmp"), f"start{start}.log"),
                            args.shortcut)
        try:
            times.append(window.shown)
            report.equal(f"{what}: title", TITLE,
                         run(["xdotool", "getwindowname", str(window.wid)]).stdout.strip())
            report.equal(f"{what}: client size", (WIDTH, COMPACT_HEIGHT), geometry(window.wid)[2:])
            wrong = poll(lambda: shows(Picture.of_window(window.wid), (0, CARD_TOP), card, card_cells),
                         lambda w: not w)
            report.check(f"{what}: the player card and its header", not wrong, "the picture", wrong[:3])
            click(window.wid, *INFO_BUTTON, LEFT)
            poll(lambda: geometry(window.wid)[3], lambda h: h == EXPANDED_HEIGHT)
            wrong = poll(lambda: shows(Picture.of_window(window.wid), BROWSER_AT, browser, browser_cells),
                         lambda w: not w)
            report.check(f"{what}: the browser picture under Show Info", not wrong, "the picture", wrong[:3])
            status = window.close()
            report.equal(f"{what}: exit status after Alt+F4", 0, status)
        finally:
            window.kill()
        faults = [line for line in window.output().splitlines() if FAULTS.search(line)]
        report.check(f"{what}: no fault reported by Wine", not faults, [], faults[:5])
        if faults or report.failed:
            print(f"--- Wine's output of {what} ---\n{window.output()}", flush=True)
    if times:
        print(f"window shown {min(times):.1f} to {max(times):.1f} s after the start "
              f"(median {sorted(times)[len(times) // 2]:.1f} s)", flush=True)


def check_on_top(args, report):
    window = WineWindow(args.exe, os.path.join(os.environ.get("TMPDIR", "/tmp"), "ontop.log"))
    try:
        place = geometry(window.wid)

        def ticked():
            return Picture.of_window(window.wid).marked(*TICK_AREA) >= 8

        def expect(what, on):
            states = poll(lambda: wm_states(window.wid), lambda s: ("_NET_WM_STATE_ABOVE" in s) == on)
            report.check(f"{what}: _NET_WM_STATE_ABOVE {'set' if on else 'cleared'}",
                         ("_NET_WM_STATE_ABOVE" in states) == on, "ABOVE" if on else "no ABOVE",
                         sorted(states))
            report.equal(f"{what}: Always on Top ticked", on, poll(ticked, lambda t: t == on))
            report.equal(f"{what}: window place and size", place,
                         poll(lambda: geometry(window.wid), lambda g: g == place))

        expect("start", True)
        click(window.wid, *CHECK_BOX, LEFT)
        expect("check box click", False)
        click(window.wid, *CHECK_BOX, LEFT)
        expect("second check box click", True)
        click(window.wid, *BARE_SURFACE, LEFT)
        expect("click on the bare surface", False)
        click(window.wid, *BARE_SURFACE, LEFT)
        expect("second click on the bare surface", True)
        click(window.wid, *BARE_SURFACE, 3)
        time.sleep(0.5)  # nothing may change; give it the time a change would take
        expect("right click on the bare surface", True)
        report.equal("Always on Top: exit status after Alt+F4", 0, window.close())
    finally:
        window.kill()


def check_clipboard(args, report):
    """A German list through the X clipboard: Ctrl+V imports it, Ctrl+C copies
    the result back, and both ways the text passes Wine's clipboard bridge."""
    language, levels = "Deutsch", [8, 7, 9, 10, 8, 11, 3, 3, 5, 2, 12, 12, 12]
    clipboard = Clipboard()
    window = WineWindow(args.exe, os.path.join(os.environ.get("TMPDIR", "/tmp"), "clipboard.log"))
    try:
        pasted = skill_list(language, levels)
        salary_line = run([args.cli, "calc", *map(str, levels[:10]), "--lang", language]).stdout.splitlines()[0]
        # All thirteen skills, then the salary line without its caption's colon.
        expected = pasted + salary_line.replace(":", "", 1) + "\n"
        run(["xdotool", "windowactivate", "--sync", str(window.wid)])
        # The language list comes after Calculate Salary and Always on Top; a letter picks an entry.
        run(["xdotool", "key", "--clearmodifiers", "--delay", "100", "Tab", "Tab", "d"])
        clipboard.set(pasted)
        run(["xdotool", "key", "--clearmodifiers", "ctrl+v"])
        time.sleep(1)  # two pauses of 100 ms, the read and the calculation
        clipboard.release()
        run(["xdotool", "key", "--clearmodifiers", "ctrl+c"])
        # Wine offers the copy with Windows line ends or without; the text is what counts.
        status, data = poll(read_clipboard, lambda r: r[1].replace(b"\r\n", b"\n") == expected.encode())
        report.equal(f"{language} list: Ctrl+V, then Ctrl+C puts the levels and the salary on the X clipboard",
                     expected, data.replace(b"\r\n", b"\n").decode("utf-8", "replace"))
        report.equal("clipboard: exit status after Alt+F4", 0, window.close())
    finally:
        clipboard.release()
        window.kill()


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("exe")
    parser.add_argument("cli", help="the Linux wagecourt-cli, for the expected salary line")
    parser.add_argument("--pictures", required=True, help="the folder with playercard.jpg and screenshot.jpg")
    parser.add_argument("--starts", type=int, default=20)
    parser.add_argument("--shortcut", help="check that this .lnk points at exe, and check the starts alone")
    args = parser.parse_args()
    args.exe = os.path.abspath(args.exe)

    report = Report()
    aborted = None
    try:
        card = Picture.of_file(os.path.join(args.pictures, "playercard.jpg"))
        browser = Picture.of_file(os.path.join(args.pictures, "screenshot.jpg"))
        check_starts(args, report, card, browser)
        if not args.shortcut:
            check_on_top(args, report)
            check_clipboard(args, report)
    except Aborted as error:
        aborted = error
        print(f"FAIL: aborted: {error}", flush=True)
    except Exception as error:
        aborted = error
        print("FAIL: aborted: " + "".join(traceback.format_exception(error)).rstrip(), flush=True)
    failed = report.failed + (1 if aborted is not None else 0)
    print(f"{report.passed} passed, {failed} failed", flush=True)
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
