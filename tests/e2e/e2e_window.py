#!/usr/bin/python3
"""Drives the real Wagecourt window on a running X server and checks what it shows.

Input goes in the way a user's does: the X11 clipboard (owned by xclip, by
silent_owner.py, which never answers, or by nobody) and real mouse and key
events (xdotool). What the window shows is read from outside:
labels and buttons through AT-SPI, size, position and on-top state through the
X server (xwininfo, xprop). Expected salaries and positions come from
wagecourt-cli, which computes exactly what the window must show; the tooltips'
texts from e2e_tip_texts, which writes them as the window's own view of the
player does, for the levels wagecourt-cli advises on.

Run by run_e2e.sh, which provides the X server, window manager and session bus.
Under openbox it runs the whole session, which ends with a player kept while
another program holds the player book and a quit that must wait for it; under
another window manager (--wm) only the start and the Always on Top toggles,
which window managers differ in.
Prints one PASS/FAIL line per check; exits 1 on any failure.
"""

import argparse
import json
import os
import random
import re
import select
import shutil
import sqlite3
import string
import subprocess
import sys
import time
import traceback

import pyatspi

sys.dont_write_bytecode = True  # no __pycache__ left in the source tree
from silent_owner import clipboard_owner  # noqa: E402

# The window's words in the two languages it starts in here: English first, and
# Deutsch after the language was remembered.
TITLES = {"English": "Wagecourt v1.0 - by Tarvel (58203)", "Deutsch": "Wagecourt v1.0 - von Tarvel (58203)"}
TITLE = TITLES["English"]
INFO_CAPTIONS = {"English": ("Show Info", "Hide Info"), "Deutsch": ("Info ein", "Info aus")}
ERROR_BOXES = {  # title, text; the button is Qt's own "OK" in both
    "English": ("ERROR", "Please copy your player's skills again and make sure that you chose the correct "
                "language from the drop-down menu.."),
    "Deutsch": ("FEHLER", "Bitte kopiere die Fähigkeiten deines Spielers noch einmal und achte darauf, dass "
                "du im Auswahlmenü die richtige Sprache gewählt hast."),
}
WIDTH = 581
COMPACT_HEIGHT = 235
EXPANDED_HEIGHT = 590
WAIT = 5.0  # seconds any one expected change may take to show
HELD_NAME = "Bo Example"  # kept while another program holds the book
SCREENSHOT = "/tmp/wagecourt-e2e-failure.png"
# The press pauses 100 ms, reads the clipboard, pauses 100 ms, and gives an owner
# that does not answer 750 ms: the ERROR box must be up 1.2 s after the click,
# with half a second for the X server, the window manager and xdotool.
ERROR_BOX_LIMIT = 1.2 + 0.5
HERE = os.path.dirname(os.path.abspath(__file__))

SKILLS = ["Jump Shot", "Jump Range", "Outside Defence", "Handling", "Driving", "Passing",
          "Inside Shot", "Inside Defence", "Rebounding", "Shot Blocking", "Stamina",
          "Free Throw", "Experience"]

LEVEL_NAMES = {
    "English": ["atrocious", "pitiful", "awful", "inept", "mediocre", "average", "respectable",
                "strong", "proficient", "prominent", "prolific", "sensational", "tremendous",
                "wondrous", "marvelous", "prodigious", "stupendous", "phenomenal", "colossal",
                "legendary"],
    "Deutsch": ["miserabel", "kläglich", "furchtbar", "unbeholfen", "mittelmäßig", "akzeptabel",
                "beachtlich", "überzeugend", "ausgezeichnet", "herausragend", "erstklassig",
                "sensationell", "überwältigend", "atemberaubend", "fabelhaft",
                "außergewöhnlich", "ruhmreich", "phänomenal", "kolossal", "legendär"],
}
CAPTIONS = {
    "English": ["Jump Shot:", "Jump Range:", "Outside Def.:", "Handling:", "Driving:", "Passing:",
                "Inside Shot:", "Inside Def.:", "Rebounding:", "Shot Blocking:", "Stamina:",
                "Free Throw:", "Experience:"],
    "Deutsch": ["Sprungwurf:", "Reichweite:", "Aussenvert:", "Dribbling:", "Zug zum Korb:",
                "Passspiel:", "Zonenwurf:", "Innenvert:", "Rebounds:", "Blocking:", "Kondition:",
                "Freiwurf:", "Erfahrung:"],
}
SALARY_CAPTIONS = {"English": "Weekly Salary:", "Deutsch": "Gehalt:"}
LANGUAGES = ["English", "Türkçe", "Español", "Italiano", "Français", "Deutsch", "Polski",
             "Português"]

JS, JR, STAMINA, FREE_THROW, EXPERIENCE = 0, 1, 10, 11, 12  # label indexes
LEFT, RIGHT = 1, 3  # X button numbers


class Aborted(Exception):
    """A failure after which the remaining checks cannot run."""


# ---------------------------------------------------------------- reporting

class Report:
    def __init__(self):
        self.passed = 0
        self.failed = 0

    def check(self, what, ok, expected, seen):
        if ok:
            self.passed += 1
            print(f"PASS: {what}: {seen!r}", flush=True)
        else:
            self.failed += 1
            print(f"FAIL: {what}: expected {expected!r}, seen {seen!r}", flush=True)
        return ok

    def equal(self, what, expected, seen):
        return self.check(what, expected == seen, expected, seen)

    def fail(self, what, why):
        self.failed += 1
        print(f"FAIL: {what}: {why}", flush=True)


def poll(read, done, timeout=WAIT, interval=0.05):
    """Calls read() until done(value) or the deadline; returns the last value."""
    deadline = time.monotonic() + timeout
    while True:
        value = read()
        if done(value) or time.monotonic() >= deadline:
            return value
        time.sleep(interval)


# ---------------------------------------------------------------- X helpers

def run(args, timeout=10, check=True):
    result = subprocess.run(args, stdout=subprocess.PIPE, stderr=subprocess.PIPE,
                            stdin=subprocess.DEVNULL, timeout=timeout, text=True)
    if check and result.returncode != 0:
        raise Aborted(f"{' '.join(args)} failed ({result.returncode}): {result.stderr.strip()}")
    return result


def search_windows(pattern, pid=None, visible=False):
    args = ["xdotool", "search"]
    if visible:
        args += ["--onlyvisible"]  # mapped, not merely created
    if pid is not None:
        args += ["--all", "--pid", str(pid)]  # all conditions, not any
    result = run(args + ["--name", pattern], check=False)
    return [int(w) for w in result.stdout.split()]


def geometry(wid):
    """(x, y, width, height) of the client area, x and y absolute on the screen."""
    out = run(["xwininfo", "-id", str(wid)]).stdout
    field = lambda name: int(re.search(name + r":\s+(-?\d+)", out).group(1))
    return (field("Absolute upper-left X"), field("Absolute upper-left Y"),
            field("Width"), field("Height"))


def frame_geometry(wid):
    """(x, y, width, height) of the window with the frame the window manager put around it."""
    x, y, width, height = geometry(wid)
    out = run(["xprop", "-id", str(wid), "_NET_FRAME_EXTENTS"]).stdout
    left, right, top, bottom = map(int, re.findall(r"\d+", out.split("=", 1)[1])) if "=" in out else (0,) * 4
    return x - left, y - top, width + left + right, height + top + bottom


def work_area():
    """(x, y, width, height) of the screen's area that panels leave to windows (_NET_WORKAREA)."""
    out = run(["xprop", "-root", "_NET_WORKAREA"]).stdout
    return tuple(map(int, re.findall(r"-?\d+", out.split("=", 1)[1])[:4]))


def stacking():
    """The managed windows, lowest first."""
    out = run(["xprop", "-root", "_NET_CLIENT_LIST_STACKING"]).stdout
    return [int(w, 16) for w in re.findall(r"0x[0-9a-f]+", out)]


def inside(rect, area):  # rectangles as (x, y, width, height)
    return area[0] <= rect[0] and area[1] <= rect[1] and rect[0] + rect[2] <= area[0] + area[2] \
        and rect[1] + rect[3] <= area[1] + area[3]


def overlap(a, b):
    return a[0] < b[0] + b[2] and b[0] < a[0] + a[2] and a[1] < b[1] + b[3] and b[1] < a[1] + a[3]


def wm_states(wid):
    out = run(["xprop", "-id", str(wid), "_NET_WM_STATE"]).stdout
    if "=" not in out:
        return set()
    return {atom.strip() for atom in out.split("=", 1)[1].split(",") if atom.strip()}


def size_hints(wid):
    out = run(["xprop", "-id", str(wid), "WM_NORMAL_HINTS"]).stdout
    sizes = dict(re.findall(r"program specified (minimum|maximum) size: (\d+ by \d+)", out))
    return sizes.get("minimum"), sizes.get("maximum")


DOUBLE_CLICK_GAP = 0.6  # seconds; past the toolkit's double-click interval
_last_click = (None, 0.0)


def click(wid, x, y, button):
    """One single click; the same click twice in a row is spaced so that it is no double click.
    Returns the time.monotonic() just before the click was sent."""
    global _last_click
    spot = (wid, x, y, button)
    if _last_click[0] == spot:
        time.sleep(max(0.0, _last_click[1] + DOUBLE_CLICK_GAP - time.monotonic()))
    sent = time.monotonic()
    run(["xdotool", "mousemove", "--window", str(wid), str(x), str(y), "click", str(button)])
    _last_click = (spot, time.monotonic())
    return sent


def key(*keys):
    run(["xdotool", "key", "--delay", "30", *keys])


def read_clipboard(target=None, timeout=10):
    """(exit status, bytes) of xclip reading CLIPBOARD, as target if given."""
    args = ["xclip", "-selection", "clipboard", "-o"] + (["-t", target] if target else [])
    try:
        result = subprocess.run(args, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL,
                                stdin=subprocess.DEVNULL, timeout=timeout)
    except subprocess.TimeoutExpired:
        return None, b""
    return result.returncode, result.stdout


def end(process):
    """Ends a process this test started, by its pid; returns its exit status."""
    if process.poll() is None:
        process.terminate()
        try:
            process.wait(timeout=5)
        except subprocess.TimeoutExpired:
            process.kill()
            process.wait(timeout=5)
    return process.returncode


class Clipboard:
    """Owns the CLIPBOARD selection, one content at a time: through xclip, or
    through silent_owner.py, which never answers."""

    def __init__(self):
        self.process = None

    def set(self, text):
        self.offer(text.encode("utf-8"))

    def offer(self, data, target=None):
        """Puts bytes on offer, as UTF8_STRING (xclip's default) or as target."""
        self.release()
        args = ["xclip", "-selection", "clipboard", "-i", "-quiet"] + (["-t", target] if target else [])
        self.process = subprocess.Popen(args, stdin=subprocess.PIPE, stdout=subprocess.DEVNULL,
                                        stderr=subprocess.DEVNULL)
        self.process.stdin.write(data)
        self.process.stdin.close()
        # Only once another client reads the bytes back are they really on offer.
        seen = poll(lambda: read_clipboard(target)[1], lambda out: out == data)
        if seen != data:
            raise Aborted(f"the clipboard does not hold the {len(data)} bytes set: "
                          f"{len(seen)} bytes, beginning {seen[:60]!r}")

    def silent(self, seconds):
        """Has silent_owner.py take the selection; returns the window it owns it with."""
        self.release()
        self.process = subprocess.Popen(["/usr/bin/python3", os.path.join(HERE, "silent_owner.py"),
                                         str(seconds)],
                                        stdin=subprocess.DEVNULL, stdout=subprocess.PIPE,
                                        stderr=subprocess.STDOUT, text=True)
        ready, _, _ = select.select([self.process.stdout], [], [], WAIT)
        line = self.process.stdout.readline() if ready else ""
        match = re.fullmatch(r"owning (0x[0-9a-f]+)\n", line)
        if not match:
            raise Aborted(f"silent_owner.py did not take the clipboard: {line!r}")
        return int(match.group(1), 16)

    def empty(self):
        """Leaves CLIPBOARD with no owner at all."""
        self.release()
        return poll(clipboard_owner, lambda owner: owner == 0)

    def release(self):
        if self.process is not None:
            end(self.process)
            if self.process.stdout is not None:
                self.process.stdout.close()
            self.process = None


# ---------------------------------------------------------------- the oracle

class Oracle:
    def __init__(self, cli, tip_texts):
        self.cli = cli
        self.tip_texts = tip_texts

    def calc(self, levels, language):
        out = run([self.cli, "calc", *map(str, levels[:10]), "--lang", language, "--json"]).stdout
        return json.loads(out)

    def tips(self, levels, language):
        """The ten level tips and the chart's text, as the window's view of the
        player writes them; e2e_tip_texts checks them against wagecourt-cli advise."""
        advice = run([self.cli, "advise", *map(str, levels[:10]), "--lang", language, "--json"]).stdout
        result = subprocess.run([self.tip_texts], input=advice, stdout=subprocess.PIPE,
                                stderr=subprocess.PIPE, timeout=10, text=True)
        if result.returncode != 0:
            raise Aborted(f"{self.tip_texts} failed ({result.returncode}): {result.stderr.strip()}")
        return json.loads(result.stdout)

    def imports(self, text, language):
        """The levels wagecourt-cli reads from a pasted text (str, or bytes as they
        would come off the clipboard), or None when it rejects it."""
        data = text.encode("utf-8") if isinstance(text, str) else text
        result = subprocess.run([self.cli, "import", "--lang", language, "--json", "-"],
                                input=data, stdout=subprocess.PIPE, stderr=subprocess.PIPE,
                                timeout=10)
        return json.loads(result.stdout)["levels"] if result.returncode == 0 else None


def import_text(salary):
    """The salary as shown after an import: a space before the last three digits."""
    return str(salary) if salary < 1000 else f"{salary // 1000} {salary % 1000:03d}"


def click_text(salary):
    """The salary as shown after a level click: below 1000 it keeps a leading space."""
    return " " + str(salary) if salary < 1000 else import_text(salary)


def skill_list(language, levels):
    """A skill list as copied from the game's page: thirteen lines, caption and level name."""
    names = LEVEL_NAMES[language]
    return "".join(f"{caption} {names[level - 1]}\n"
                   for caption, level in zip(CAPTIONS[language], levels))


def copied_player(language, levels, result):
    """What Copy puts on the clipboard: the thirteen skills as the game lists
    them, then the salary caption without its colon (a list holds 13 at most),
    the salary as an import shows it and the position."""
    return (skill_list(language, levels) +
            f"{SALARY_CAPTIONS[language].rstrip(':')} {import_text(result['salary'])} ({result['position_name']})\n")


# ---------------------------------------------------------------- the window

def descendants(accessible, depth=4):
    for child in accessible:
        if child is None:
            continue
        yield child
        if depth > 1:
            yield from descendants(child, depth - 1)


class Window:
    def __init__(self, binary, report):
        self.report = report
        self.log = open(os.path.join(os.environ.get("TMPDIR", "/tmp"),
                                     f"wagecourt-e2e-app-{os.getpid()}.log"), "w+")
        env = dict(os.environ, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
        self.process = subprocess.Popen([binary], env=env, stdin=subprocess.DEVNULL,
                                        stdout=self.log, stderr=subprocess.STDOUT)
        pattern = "^(" + "|".join(map(re.escape, TITLES.values())) + ")$"

        def windows():
            if self.process.poll() is not None:
                raise Aborted(f"the application ended with status {self.process.returncode} before its "
                              f"window appeared:\n{self.output()}")
            return search_windows(pattern, self.process.pid)

        wids = poll(windows, bool, timeout=20, interval=0.1)
        if not wids:
            raise Aborted(f"no window titled {' or '.join(TITLES.values())!r} appeared; the application said:\n{self.output()}")
        self.wid = wids[0]
        # Placed and framed by the window manager once _NET_FRAME_EXTENTS is set.
        framed = poll(lambda: run(["xprop", "-id", str(self.wid), "_NET_FRAME_EXTENTS"],
                                  check=False).stdout,
                      lambda out: "=" in out, timeout=10)
        if "=" not in framed:
            raise Aborted("the window manager never framed the window")
        self.frame = self._find_frame()
        self._find_controls()

    def close(self):
        if self.process.poll() is None:
            self.process.terminate()
            try:
                self.process.wait(timeout=5)
            except subprocess.TimeoutExpired:
                self.process.kill()
                self.process.wait(timeout=5)

    def output(self):
        self.log.seek(0)
        return self.log.read()

    # -- AT-SPI

    def _application(self):
        desktop = pyatspi.Registry.getDesktop(0)
        desktop.clear_cache()
        for i in range(desktop.childCount):
            app = desktop.getChildAtIndex(i)
            try:
                if app is not None and app.get_process_id() == self.process.pid:
                    return app
            except Exception:  # an application leaving the bus meanwhile
                continue
        return None

    def _find_frame(self):
        def frame():
            app = self._application()
            if app is None:
                return None
            for child in app:
                if child is not None and child.name in TITLES.values():
                    return child
            return None
        found = poll(frame, lambda f: f is not None, timeout=20, interval=0.2)
        if found is None:
            raise Aborted("the window never appeared on the AT-SPI bus")
        return found

    def _find_controls(self):
        self.levels = [None] * len(SKILLS)
        self.salary = self.position = self.calculate = self.info = None
        self.checkbox = self.combo = self.js_caption = None
        # A level label is found by its place, in every language: in its skill
        # caption's row, the nearest label right of it.
        captions, labels = [None] * len(SKILLS), []
        for child in self.frame:
            role, name, description = child.getRole(), child.name, child.description
            if role == pyatspi.ROLE_LABEL:
                for known in CAPTIONS.values():
                    if name in known:
                        captions[known.index(name)] = child
                labels.append(child)
            if description in ("Weekly salary", "Wochengehalt"):
                self.salary = child
            elif description in ("Best position", "Beste Position"):
                self.position = child
            elif role == pyatspi.ROLE_PUSH_BUTTON and name in (shown for shown, _ in INFO_CAPTIONS.values()):
                self.info = child
            elif role == pyatspi.ROLE_PUSH_BUTTON:  # its caption is in the language the window starts in
                self.calculate = child
            elif role == pyatspi.ROLE_CHECK_BOX:
                self.checkbox = child
            elif role == pyatspi.ROLE_COMBO_BOX:
                self.combo = child
        self.js_caption = captions[JS]
        boxes = {id(label): label.queryComponent().getExtents(pyatspi.DESKTOP_COORDS) for label in labels}
        for index, caption in enumerate(captions):
            if caption is None:
                continue
            at = boxes[id(caption)]
            beside = [label for label in labels if label is not caption and abs(boxes[id(label)].y - at.y) <= 3
                      and boxes[id(label)].x >= at.x + at.width]
            if beside:
                self.levels[index] = min(beside, key=lambda label: boxes[id(label)].x)
        missing = [f"{skill} level" for skill, a in zip(SKILLS, self.levels) if a is None]
        for what, accessible in (("Weekly salary", self.salary), ("Best position", self.position),
                                 ("Calculate Salary button", self.calculate),
                                 ("Show Info button", self.info), ("check box", self.checkbox),
                                 ("language list", self.combo), ("Jump Shot: caption", self.js_caption)):
            if accessible is None:
                missing.append(what)
        self.report.check("every control is on the AT-SPI bus", not missing, [], missing)
        if missing:
            raise Aborted("controls missing on the AT-SPI bus")

    @staticmethod
    def name(accessible):
        accessible.clear_cache()
        return accessible.name

    @staticmethod
    def states(accessible):
        accessible.clear_cache()
        return accessible.getState()

    def checked(self):
        return self.states(self.checkbox).contains(pyatspi.STATE_CHECKED)

    def snapshot(self):
        """Everything the player card shows: the thirteen levels, salary and position."""
        return {"levels": [self.name(a) for a in self.levels],
                "salary": self.name(self.salary),
                "position": self.name(self.position)}

    def other_windows(self):
        """The application's windows in sight besides the main one."""
        return [w for w in search_windows(".", self.process.pid, visible=True) if w != self.wid]

    def top_level(self, role):
        """The application's window in sight of this AT-SPI role (an alert), or None."""
        for child in self._application() or []:
            try:
                child.clear_cache()
                if child.getRole() == role and child.getState().contains(pyatspi.STATE_SHOWING):
                    return child
            except Exception:  # a window closing meanwhile
                continue
        return None

    def point_in(self, accessible):
        """The middle of a control, in the window's own coordinates."""
        self.frame.clear_cache()
        accessible.clear_cache()
        origin = self.frame.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        box = accessible.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        return box.x - origin.x + box.width // 2, box.y - origin.y + box.height // 2

    def click(self, accessible, button=LEFT):
        x, y = self.point_in(accessible)
        return click(self.wid, x, y, button)

    def bare_point(self):
        """A point on the window's own surface that no control covers."""
        self.frame.clear_cache()
        origin = self.frame.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        boxes = []
        for child in self.frame:
            if child.getState().contains(pyatspi.STATE_SHOWING):
                e = child.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
                boxes.append((e.x - origin.x, e.y - origin.y, e.width, e.height))
        x, y = 215, 12  # between the check box and the language list
        covered = [b for b in boxes if b[0] <= x < b[0] + b[2] and b[1] <= y < b[1] + b[3]]
        if covered:
            raise Aborted(f"the point {x},{y} meant to be bare surface is covered by {covered}")
        return x, y


# ---------------------------------------------------------------- the checks

class Session:
    def __init__(self, binary, window, oracle, clipboard, report):
        self.binary = binary
        self.w = window
        self.oracle = oracle
        self.clipboard = clipboard
        self.report = report
        self.place = None  # (x, y) the window must keep
        self.box_times = []  # (what, seconds from the click until the ERROR box was up)
        self.language = "English"  # the window's, which its own words follow

    def expect_card(self, what, expected):
        """Waits until the card shows what is expected, then checks each part of it."""
        seen = poll(self.w.snapshot, lambda s: s == expected)
        for i, skill in enumerate(SKILLS):
            self.report.equal(f"{what}: {skill} level", expected["levels"][i], seen["levels"][i])
        self.report.equal(f"{what}: salary", expected["salary"], seen["salary"])
        self.report.equal(f"{what}: position", expected["position"], seen["position"])
        return seen

    def expected_card(self, language, levels, salary_form):
        """levels: the ten, and the last list's Stamina, Free Throw and Experience
        when there was a list with them (else they show the lowest level)."""
        result = self.oracle.calc(levels, language)
        names = LEVEL_NAMES[language]
        others = levels[10:13] if len(levels) >= 13 else [1] * 3
        return {"levels": [names[level - 1] for level in levels[:10] + others],
                "salary": salary_form(result["salary"]),
                "position": result["position_name"]}

    def expect_place(self, what, height):
        seen = poll(lambda: geometry(self.w.wid),
                    lambda g: g == (*self.place, WIDTH, height))
        self.report.equal(f"{what}: window position x,y", self.place, seen[:2])
        self.report.equal(f"{what}: window width,height", (WIDTH, height), seen[2:])

    # -- start

    def start_state(self):
        r, w = self.report, self.w
        r.equal("start: title", TITLE, run(["xdotool", "getwindowname", str(w.wid)]).stdout.strip())
        x, y, width, height = geometry(w.wid)
        self.place = (x, y)
        r.equal("start: window width,height", (WIDTH, COMPACT_HEIGHT), (width, height))
        size = f"{WIDTH} by {COMPACT_HEIGHT}"
        r.equal("start: fixed size (min, max hints)", (size, size), size_hints(w.wid))
        # Asked for once the window is mapped, so it may take a moment.
        states = poll(lambda: wm_states(w.wid), lambda s: "_NET_WM_STATE_ABOVE" in s)
        r.check("start: _NET_WM_STATE_ABOVE set", "_NET_WM_STATE_ABOVE" in states,
                "_NET_WM_STATE_ABOVE", sorted(states))
        r.equal("start: Always on Top ticked", True, w.checked())
        r.equal("start: language list", "English", w.name(w.combo))
        r.equal("start: info button", "Show Info", w.name(w.info))
        self.expect_card("start", {"levels": ["atrocious"] * 13, "salary": " 504",
                                   "position": "Small Forward"})

    def oracle_sanity(self):
        known = self.oracle.calc([8, 7, 9, 10, 8, 11, 3, 3, 5, 2], "English")
        self.report.equal("oracle: 8 7 9 10 8 11 3 3 5 2",
                          (16736, "16 736", "Point Guard"),
                          (known["salary"], known["salary_text"], known["position_name"]))
        self.report.equal("oracle: salary text rule agrees", known["salary_text"],
                          import_text(known["salary"]))
        lowest = self.oracle.calc([1] * 10, "English")
        self.report.equal("oracle: all ten at 1", (504, "504", "Small Forward"),
                          (lowest["salary"], lowest["salary_text"], lowest["position_name"]))

    # -- level clicks

    def click_level(self, index, button):
        self.w.click(self.w.levels[index], button)

    def start_clicks(self):
        # A right click at level 1 must leave it at 1: the left click after it reaches 2.
        self.click_level(JS, RIGHT)
        self.click_level(JS, LEFT)
        self.expect_card("start, Jump Shot right then left click",
                         self.expected_card("English", [2] + [1] * 9, click_text))
        self.click_level(JS, RIGHT)
        self.expect_card("start, Jump Shot right click back",
                         {"levels": ["atrocious"] * 13, "salary": " 504", "position": "Small Forward"})

    # -- tooltips

    def shown_tooltip(self):
        """The text of the application's tooltip on show, or None."""
        app = self.w._application()
        for child in app or []:
            try:
                if child is None or child.getRole() != pyatspi.ROLE_TOOL_TIP:
                    continue
                child.clear_cache()
                if child.getState().contains(pyatspi.STATE_SHOWING):
                    return child.name
            except Exception:  # a tip closing meanwhile
                continue
        return None

    def hover(self, accessible):
        """Rests the pointer on a control, coming from the bare surface so that it moves."""
        x, y = self.w.bare_point()
        run(["xdotool", "mousemove", "--window", str(self.w.wid), str(x), str(y)])
        gone = poll(self.shown_tooltip, lambda t: t is None)
        if gone is not None:
            raise Aborted(f"a tooltip stays up over the bare surface: {gone!r}")
        x, y = self.w.point_in(accessible)
        run(["xdotool", "mousemove", "--window", str(self.w.wid), str(x), str(y)])

    def tooltips(self, language, levels):
        """A level label's tip appears on a hover and follows a click on it; the
        salary's tip is the chart of the five positions."""
        r, w = self.report, self.w
        self.hover(w.levels[JS])
        expected = self.oracle.tips(levels, language)["level_tips"][JS]
        r.equal("Jump Shot hover: tooltip", expected, poll(self.shown_tooltip, lambda t: t == expected))
        self.click_level(JS, LEFT)
        raised = [levels[JS] + 1] + levels[1:]
        expected = self.oracle.tips(raised, language)["level_tips"][JS]
        r.equal("Jump Shot hover, left click: the tooltip follows", expected,
                poll(self.shown_tooltip, lambda t: t == expected))
        self.expect_card("Jump Shot hover, left click", self.expected_card(language, raised, click_text))
        self.click_level(JS, RIGHT)
        self.expect_card("Jump Shot hover, right click", self.expected_card(language, levels, click_text))

        self.hover(w.salary)
        expected = self.oracle.tips(levels, language)["chart"]
        r.equal("salary hover: chart tooltip", expected, poll(self.shown_tooltip, lambda t: t == expected))
        x, y = w.bare_point()
        run(["xdotool", "mousemove", "--window", str(w.wid), str(x), str(y)])
        r.equal("pointer off the salary: the tooltip goes", None,
                poll(self.shown_tooltip, lambda t: t is None))

    # -- imports

    def calculate(self):
        return self.w.click(self.w.calculate)

    def paste(self, what, language, levels):
        return self.paste_text(what, language, skill_list(language, levels), levels)

    def paste_text(self, what, language, text, levels):
        read = self.oracle.imports(text, language)
        if read != levels[:10]:
            raise Aborted(f"wagecourt-cli reads {read} from the {language} list, not {levels[:10]}")
        self.clipboard.set(text)
        self.calculate()
        return self.expect_card(what, self.expected_card(language, levels, import_text))

    def reject(self, what, text, close_by_key):
        self.refuse(what, lambda: self.clipboard.set(text), close_by_key)

    def refuse(self, what, offer, close_by_key):
        """offer() puts on the clipboard what the press must turn away. Checks that
        the ERROR box is up in time after the click, closes it, and checks that the
        card is as before."""
        title, text = ERROR_BOXES[self.language]
        before = self.w.snapshot()
        offer()
        clicked = self.calculate()
        # Polled finely from outside the application, so that the time is its own.
        boxes = poll(lambda: search_windows(f"^{title}$", self.w.process.pid, visible=True), bool,
                     timeout=WAIT + ERROR_BOX_LIMIT, interval=0.02)
        shown = time.monotonic() - clicked
        if not self.report.check(f"{what}: ERROR box shown", bool(boxes), "a window titled ERROR", boxes):
            raise Aborted("no ERROR box to close")
        self.box_times.append((what, shown))
        self.report.check(f"{what}: ERROR box up within {ERROR_BOX_LIMIT:.1f} s of the click",
                          shown <= ERROR_BOX_LIMIT, f"<= {ERROR_BOX_LIMIT:.3f} s", f"{shown:.3f} s")
        box = self._error_dialog(title)
        inside = list(descendants(box))
        labels = [c.name for c in inside if c.getRole() == pyatspi.ROLE_LABEL]
        buttons = [c for c in inside if c.getRole() == pyatspi.ROLE_PUSH_BUTTON]
        self.report.check(f"{what}: ERROR box text", text in labels, text, labels)
        self.report.equal(f"{what}: ERROR box buttons", ["OK"], [b.name for b in buttons])
        if len(buttons) != 1:
            raise Aborted("no single button to close the ERROR box with")
        if close_by_key:
            try:
                run(["xdotool", "windowactivate", "--sync", str(boxes[0])], timeout=WAIT, check=False)
            except subprocess.TimeoutExpired:
                pass  # the focus check below tells
            active = poll(lambda: run(["xdotool", "getactivewindow"], check=False).stdout.strip(),
                          lambda a: a == str(boxes[0]))
            self.report.equal(f"{what}: ERROR box has the focus", str(boxes[0]), active)
            key("Return")
        else:
            origin = box.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
            ok = buttons[0].queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
            click(boxes[0], ok.x - origin.x + ok.width // 2, ok.y - origin.y + ok.height // 2, LEFT)
        left = poll(lambda: search_windows(f"^{title}$", self.w.process.pid), lambda b: not b, interval=0.1)
        if not self.report.equal(f"{what}: ERROR box closed by {'Return' if close_by_key else 'OK'}",
                                 [], left):
            raise Aborted("the ERROR box stays open")
        # The handler has returned once its box is gone; whatever it changed shows now.
        self.expect_card(f"{what}: card unchanged", before)

    def _error_dialog(self, title):
        def find():
            app = self.w._application()
            for child in app or []:
                if child is not None and child.name == title:
                    return child
            return None
        box = poll(find, lambda b: b is not None)
        if box is None:
            raise Aborted("the ERROR box is not on the AT-SPI bus")
        return box

    # -- language

    def choose_language(self, language):
        w = self.w
        w.click(w.combo)
        opened = poll(lambda: w.states(w.combo).contains(pyatspi.STATE_EXPANDED), bool)
        if not self.report.equal("language list opens on a click", True, opened):
            raise Aborted("the language list did not open")
        steps = LANGUAGES.index(language) - LANGUAGES.index(w.name(w.combo))
        key(*(["Down"] * steps if steps > 0 else ["Up"] * -steps), "Return")
        closed = poll(lambda: w.states(w.combo).contains(pyatspi.STATE_EXPANDED), lambda e: not e)
        self.report.equal("language list closes on Return", False, closed)
        self.report.equal("language list shows the choice", language,
                          poll(lambda: w.name(w.combo), lambda n: n == language))
        self.language = language

    # -- on top

    def expect_on_top(self, what, on):
        states = poll(lambda: wm_states(self.w.wid), lambda s: ("_NET_WM_STATE_ABOVE" in s) == on)
        self.report.check(f"{what}: _NET_WM_STATE_ABOVE {'set' if on else 'cleared'}",
                          ("_NET_WM_STATE_ABOVE" in states) == on,
                          "ABOVE" if on else "no ABOVE", sorted(states))
        self.report.equal(f"{what}: Always on Top ticked", on,
                          poll(self.w.checked, lambda c: c == on))
        self.expect_place(what, COMPACT_HEIGHT)

    def on_top(self):
        w = self.w
        w.click(w.checkbox)
        self.expect_on_top("check box click", False)
        w.click(w.checkbox)
        self.expect_on_top("second check box click", True)
        x, y = w.bare_point()
        click(w.wid, x, y, LEFT)
        self.expect_on_top("click on the bare surface", False)
        click(w.wid, x, y, LEFT)
        self.expect_on_top("second click on the bare surface", True)

    # -- info

    def info(self):
        w = self.w
        show, hide = INFO_CAPTIONS[self.language]
        w.click(w.info)
        self.expect_place("Show Info", EXPANDED_HEIGHT)
        self.report.equal("Show Info: button caption", hide, poll(lambda: w.name(w.info), lambda n: n == hide))
        size = f"{WIDTH} by {EXPANDED_HEIGHT}"
        self.report.equal("Show Info: fixed size (min, max hints)", (size, size), size_hints(w.wid))
        w.click(w.info)
        self.expect_place("Hide Info", COMPACT_HEIGHT)
        self.report.equal("Hide Info: button caption", show, poll(lambda: w.name(w.info), lambda n: n == show))

    # -- keyboard

    def focus_window(self):
        """Keys go to the window that has the input focus; make it this one."""
        wid = str(self.w.wid)
        if run(["xdotool", "getactivewindow"], check=False).stdout.strip() != wid:
            try:
                run(["xdotool", "windowactivate", "--sync", wid], timeout=WAIT, check=False)
            except subprocess.TimeoutExpired:
                pass  # the check below tells
        active = poll(lambda: run(["xdotool", "getactivewindow"], check=False).stdout.strip(),
                      lambda a: a == wid)
        if active != wid:
            raise Aborted(f"the window does not get the keyboard: {active} is active")

    def keyboard(self, language):
        w, r = self.w, self.report
        levels = [12, 3, 18, 7, 1, 20, 9, 14, 5, 10, 4, 4, 4]
        text = skill_list(language, levels)
        if self.oracle.imports(text, language) != levels[:10]:
            raise Aborted(f"wagecourt-cli does not read the {language} list for Ctrl+V")
        self.clipboard.set(text)
        self.focus_window()
        key("ctrl+v")
        self.expect_card("Ctrl+V", self.expected_card(language, levels, import_text))

        expected = copied_player(language, levels, self.oracle.calc(levels, language))
        key("ctrl+c")
        seen = poll(lambda: read_clipboard()[1], lambda out: out == expected.encode("utf-8"))
        r.equal("Ctrl+C: the clipboard holds the player", expected, seen.decode("utf-8", "replace"))
        r.equal("Ctrl+C: wagecourt-cli imports the copy", levels[:10], self.oracle.imports(seen, language))

        # Tab goes round the buttons, the box and the list to the levels.
        js = w.levels[JS]
        focused = lambda: w.states(js).contains(pyatspi.STATE_FOCUSED)
        for _ in range(15):
            if poll(focused, bool, timeout=0.5):
                break
            key("Tab")
        if not r.equal("Tab reaches the Jump Shot level", True, focused()):
            raise Aborted("the Jump Shot level never gets the focus")
        key("Up")
        self.expect_card("Up on the Jump Shot level",
                         self.expected_card(language, [levels[JS] + 1] + levels[1:], click_text))
        key("minus")
        self.expect_card("- on the Jump Shot level", self.expected_card(language, levels, click_text))

        key("F1")
        self.expect_place("F1", EXPANDED_HEIGHT)
        key("F1")
        self.expect_place("F1 again", COMPACT_HEIGHT)

    # -- settings

    def remembered(self):
        """The language, Always on Top off and the place the window was moved to
        are what the next start shows; Ctrl+Q ends the run that chose them."""
        r = self.report
        settings = os.path.join(os.environ["XDG_CONFIG_HOME"], "Wagecourt", "Wagecourt.conf")
        self.choose_language("Deutsch")
        self.w.click(self.w.checkbox)
        self.expect_on_top("before quitting", False)
        run(["xdotool", "windowmove", str(self.w.wid), "300", "200"])
        moved = poll(lambda: geometry(self.w.wid)[:2], lambda at: at != self.place)
        if moved == self.place:
            raise Aborted("the window manager did not move the window")

        self.quit_with_book_held()
        try:
            status = self.w.process.wait(timeout=WAIT)
        except subprocess.TimeoutExpired:
            status = None
        r.equal("Ctrl+Q: the application ends", 0, status)
        kept = [json.loads(line)["name"] for line in run([self.oracle.cli, "book", "list", "--json"]).stdout.splitlines()]
        r.check("Ctrl+Q: the player kept while the book was held is in the book", HELD_NAME in kept, HELD_NAME, kept)
        r.check("the settings are stored under XDG_CONFIG_HOME", os.path.isfile(settings),
                settings, sorted(os.listdir(os.environ["XDG_CONFIG_HOME"])))

        self.w = Window(self.binary, self.report)
        w = self.w
        self.language = "Deutsch"
        r.equal("next start: language list", "Deutsch", poll(lambda: w.name(w.combo), lambda n: n == "Deutsch"))
        r.equal("next start: Always on Top ticked", False, w.checked())
        r.check("next start: _NET_WM_STATE_ABOVE cleared", "_NET_WM_STATE_ABOVE" not in wm_states(w.wid),
                "no ABOVE", sorted(wm_states(w.wid)))
        r.equal("next start: window position x,y", moved, geometry(w.wid)[:2])
        self.expect_card("next start", self.expected_card("Deutsch", [1] * 13, click_text))
        self.link_handed_over()

    def link_handed_over(self):
        """A wagecourt: link clicked elsewhere starts the program again: that start hands the link
        to the window open and ends, and the window asks about the players it holds."""
        r = self.report
        link = run([self.oracle.cli, "book", "export", "--link", HELD_NAME]).stdout.strip()
        if not link.startswith("wagecourt:book?"):
            raise Aborted(f"wagecourt-cli made no desktop link: {link!r}")
        started = time.monotonic()
        second = subprocess.run([self.binary, link], env=dict(os.environ, QT_QPA_PLATFORM="xcb"),
                                stdin=subprocess.DEVNULL, capture_output=True, text=True, timeout=WAIT)
        r.check("a second start with a link hands it over and ends at once, opening no window",
                second.returncode == 0 and time.monotonic() - started < WAIT, "status 0",
                (second.returncode, second.stderr))
        question = poll(lambda: self.w.top_level(pyatspi.ROLE_ALERT), bool, timeout=WAIT)
        texts = [c.name or "" for c in descendants(question or [])]
        r.check("the window open asks about the link's player", any("1" in t for t in texts) and question,
                "a question naming 1 player", texts)
        for box in self.w.other_windows():
            try:  # the book's window, then the question over it
                run(["xdotool", "windowactivate", "--sync", str(box)], timeout=WAIT, check=False)
            except subprocess.TimeoutExpired:
                pass
        key("Escape")  # the default: add nothing
        r.check("Escape adds nothing and closes the question",
                poll(lambda: self.w.top_level(pyatspi.ROLE_ALERT) is None, bool), True, None)

    # -- the player book

    def quit_with_book_held(self):
        """Keeps a player while another program holds the book, the card naming him at once, then Ctrl+Q:
        the window says it is saving, asks after two seconds naming one player, and waits again when told to."""
        r, w = self.report, self.w
        levels = [12, 10, 10, 10, 10, 13, 10, 10, 10, 10, 4, 4, 4]
        self.clipboard.set(skill_list(self.language, levels))
        self.focus_window()
        key("ctrl+v")
        self.expect_card("Ctrl+V before a keep", self.expected_card(self.language, levels, import_text))
        key("ctrl+k")
        book = os.path.join(os.environ["XDG_DATA_HOME"], "Wagecourt", "book.sqlite")
        if not poll(lambda: w.other_windows() and os.path.isfile(book), bool):
            raise Aborted("Ctrl+K after a list opened no keep box, or no book")
        holder = sqlite3.connect(book, timeout=0, isolation_level=None)
        holder.execute("BEGIN EXCLUSIVE")
        run(["xdotool", "type", "--delay", "20", HELD_NAME])
        key("Return")
        r.equal("a keep: the card names the player", [HELD_NAME],
                poll(lambda: [c.name for c in w.frame if c is not None and c.name == HELD_NAME], bool))
        self.focus_window()
        key("ctrl+q")
        quitting = time.monotonic()
        r.check("Ctrl+Q, the book held: the window says it is saving", poll(w.other_windows, bool, timeout=1.5),
                "a window", w.other_windows())
        question = poll(lambda: w.top_level(pyatspi.ROLE_ALERT), bool, timeout=WAIT)
        waited, texts = time.monotonic() - quitting, [c.name or "" for c in descendants(question or [])]
        r.check("Ctrl+Q, the book held: after two seconds a question that names one player",
                waited >= 1.5 and any(re.search(r"\b1\b", text) for text in texts), ">= 1.5 s, '1'", (waited, texts))
        for box in w.other_windows():
            run(["xdotool", "windowactivate", "--sync", str(box)], timeout=WAIT, check=False)
        key("Return")  # the default answer: wait
        r.check("the answer wait: the window waits again, saying so",
                poll(lambda: w.top_level(pyatspi.ROLE_ALERT) is None and w.other_windows(), bool), True, None)
        holder.execute("ROLLBACK")
        holder.close()

    # -- hostile clipboards

    def still_answers(self, what, language, levels):
        """A level click still changes the card, and the opposite click undoes it."""
        self.click_level(JS, LEFT)
        self.expect_card(f"{what}, then a Jump Shot left click",
                         self.expected_card(language, [levels[JS] + 1] + levels[1:], click_text))
        self.click_level(JS, RIGHT)
        self.expect_card(f"{what}, then a Jump Shot right click",
                         self.expected_card(language, levels, click_text))

    def offer_without_owner(self):
        owner = self.clipboard.empty()
        self.report.equal("no clipboard owner: XGetSelectionOwner(CLIPBOARD)", 0, owner)
        status, out = read_clipboard(timeout=WAIT)
        self.report.check("no clipboard owner: xclip -o fails", status not in (0, None),
                          "a failing exit status", (status, out[:60]))
        if owner != 0 or status in (0, None):
            raise Aborted("the clipboard still has an owner")

    def offer_silent_owner(self):
        window = self.clipboard.silent(60)
        owner = clipboard_owner()
        if not self.report.equal("silent owner: XGetSelectionOwner(CLIPBOARD)", hex(window), hex(owner)):
            raise Aborted("silent_owner.py does not own the clipboard")

    def offer_picture(self, path):
        run(["convert", "-size", "40x40", "xc:red", path])
        with open(path, "rb") as picture:
            data = picture.read()
        if not data.startswith(b"\x89PNG\r\n\x1a\n"):
            raise Aborted(f"convert made no PNG: {data[:16]!r}")
        self.clipboard.offer(data, "image/png")
        status, out = read_clipboard("TARGETS", timeout=WAIT)
        targets = out.decode("ascii", "replace").split()
        text_targets = {"UTF8_STRING", "STRING", "TEXT", "text/plain", "text/plain;charset=utf-8"}
        if status != 0 or "image/png" not in targets or text_targets & set(targets):
            raise Aborted(f"the clipboard offers {targets} (xclip status {status}), not a picture alone")

    def hostile_clipboards(self):
        """Clipboards that hold no skill list, or nothing to be had: each is turned
        away with the ERROR box in time, the card stays and the window answers after."""
        r = self.report
        self.choose_language("English")
        names = LEVEL_NAMES["English"]

        # The big text is this list with letters behind it. With a few letters the
        # window takes it, so that with megabytes it is the size alone that counts.
        head_levels = [20, 5, 16, 3, 12, 9, 18, 1, 14, 7, 10, 6, 19]
        head = skill_list("English", head_levels)
        self.paste_text("English list with 4000 letters behind it", "English", head + "a" * 4000,
                        head_levels)
        big = (head + "a" * (10_000_000 - len(head))).encode("ascii")

        # Invalid UTF-8 inside the level names of an otherwise good list: a UTF-16
        # high and a low surrogate encoded on their own, an overlong '/', a byte
        # never in UTF-8; and NULs, inside a name, on a line of their own and last.
        odd_levels = [6, 17, 2, 19, 11, 8, 15, 4, 13, 10, 1, 1, 1]
        lines = [f"{caption} {names[level - 1]}".encode("utf-8")
                 for caption, level in zip(CAPTIONS["English"], odd_levels)]
        clean = b"".join(line + b"\n" for line in lines)
        for index, odd in ((JS, b"\xed\xa0\x80"), (3, b"\x00"), (5, b"\xed\xb0\x80"),
                           (8, b"\xc0\xaf"), (9, b"\xff")):
            lines[index] = lines[index][:-3] + odd + lines[index][-3:]
        odd_text = b"".join(line + b"\n" for line in lines[:7]) + b"\x00\n" + \
            b"".join(line + b"\n" for line in lines[7:]) + b"\x00"
        if self.oracle.imports(clean, "English") != odd_levels[:10]:
            raise Aborted("wagecourt-cli does not take the list the odd bytes go into")
        if self.oracle.imports(odd_text, "English") is not None:
            raise Aborted("wagecourt-cli takes the list with the odd bytes")

        junk = random.Random(58203).randbytes(100_000)
        if self.oracle.imports(junk, "English") is not None:
            raise Aborted("wagecourt-cli takes the random bytes")

        picture = os.path.join(os.environ.get("TMPDIR", "/tmp"), f"wagecourt-e2e-red-{os.getpid()}.png")

        # A result other than all of the above, so that taking any of them would show.
        levels = [13, 4, 17, 6, 19, 2, 11, 8, 15, 10, 7, 14, 3]
        self.paste("English import before the hostile clipboards", "English", levels)

        cases = [
            ("10 MB text beginning with an English list", lambda: self.clipboard.offer(big), False),
            ("100 kB of random bytes as text", lambda: self.clipboard.offer(junk), True),
            ("English list with surrogates, invalid UTF-8 and NULs", lambda: self.clipboard.offer(odd_text),
             False),
            ("clipboard without an owner", self.offer_without_owner, True),
            ("clipboard owner that never answers", self.offer_silent_owner, False),
            ("PNG picture only", lambda: self.offer_picture(picture), True),
        ]
        try:
            for what, offer, close_by_key in cases:
                try:
                    self.refuse(what, offer, close_by_key)
                    r.equal(f"{what}: the application is still running after the ERROR box", None,
                            self.w.process.poll())
                    # The silent owner is ended by its pid before the window is used again.
                    self.clipboard.release()
                    self.still_answers(what, "English", levels)
                except Aborted as error:
                    # One clipboard going wrong need not hide what the others do.
                    r.fail(what, f"aborted: {error}")
                    self.clipboard.release()
                    if self.w.process.poll() is not None:
                        raise Aborted(f"the application ended with status {self.w.process.returncode}")
                    if search_windows(f"^{ERROR_BOXES[self.language][0]}$", self.w.process.pid):
                        raise Aborted("an ERROR box is still open")
                    self.paste(f"{what}: English import again", "English", levels)
        finally:
            if os.path.exists(picture):
                os.remove(picture)
        for what, shown in self.box_times:
            print(f"ERROR box time: {shown:.3f} s: {what}", flush=True)

    # -- the whole run

    def run(self):
        w, r = self.w, self.report
        self.start_state()
        self.oracle_sanity()
        self.start_clicks()

        # English, with Stamina, Free Throw and Experience not at 1: shown, but no salary.
        a = [8, 7, 9, 10, 8, 11, 3, 3, 5, 2, 12, 3, 20]
        card_a = self.paste("English import", "English", a)
        r.equal("English import: the known salary and position", ("16 736", "Point Guard"),
                (card_a["salary"], card_a["position"]))
        self.tooltips("English", a)

        self.click_level(JS, LEFT)
        self.expect_card("Jump Shot left click", self.expected_card("English", [9] + a[1:], click_text))
        # Clicks on the last three change nothing; the right click after them shows
        # they were handled (events come in order) and returns Jump Shot.
        self.click_level(STAMINA, LEFT)
        self.click_level(FREE_THROW, RIGHT)
        self.click_level(EXPERIENCE, LEFT)
        self.click_level(JS, RIGHT)
        self.expect_card("Stamina/Free Throw/Experience clicks, Jump Shot right click",
                         self.expected_card("English", a, click_text))

        # A list whose levels are all readable but one is taken not at all.
        bad = skill_list("English", [20, 19, 18, 17, 16, 1, 14, 13, 12, 11, 1, 1, 1])
        bad = bad.replace("Passing: atrocious", "Passing: superb")
        if self.oracle.imports(bad, "English") is not None:
            raise Aborted("wagecourt-cli takes the list meant to be rejected")
        self.reject("English list with one unreadable level", bad, close_by_key=False)
        noise = "".join(random.choice(string.ascii_letters + " \n") for _ in range(120))
        self.reject("random text", noise, close_by_key=True)

        self.choose_language("Deutsch")
        r.equal("Deutsch: Calculate Salary caption", "Berechn Gehalt",
                poll(lambda: w.name(w.calculate), lambda n: n == "Berechn Gehalt"))
        r.equal("Deutsch: Jump Shot caption", "Sprungwurf:",
                poll(lambda: w.name(w.js_caption), lambda n: n == "Sprungwurf:"))
        self.expect_card("Deutsch: same levels in the new language",
                         self.expected_card("Deutsch", a, click_text))

        # A list no language reads is refused in Deutsch as in English; one in
        # another language is read in it, and the window switches to that language.
        self.reject("unreadable English list while Deutsch is chosen", bad, close_by_key=False)
        self.paste("English list while Deutsch is chosen", "English", a)
        r.equal("English list: the language list follows", "English",
                poll(lambda: w.name(w.combo), lambda n: n == "English"))

        b = [20, 1, 15, 12, 6, 4, 17, 13, 2, 19, 9, 18, 14]
        self.paste("Deutsch list while English is chosen", "Deutsch", b)
        r.equal("Deutsch list: the language list follows", "Deutsch",
                poll(lambda: w.name(w.combo), lambda n: n == "Deutsch"))
        # Left click at 20 and right click at 1 must stay put: the opposite clicks
        # after them then reach 19 and 2.
        self.click_level(JS, LEFT)
        self.click_level(JS, RIGHT)
        self.expect_card("Jump Shot at 20: left then right click",
                         self.expected_card("Deutsch", [19] + b[1:], click_text))
        self.click_level(JR, RIGHT)
        self.click_level(JR, LEFT)
        self.expect_card("Jump Range at 1: right then left click",
                         self.expected_card("Deutsch", [19, 2] + b[2:], click_text))

        ones = [1] * 10 + [5, 6, 7]
        self.paste("Deutsch import of all level 1", "Deutsch", ones)
        self.click_level(JS, LEFT)
        self.click_level(JS, RIGHT)
        self.expect_card("all level 1, Jump Shot left then right click",
                         self.expected_card("Deutsch", ones, click_text))

        self.on_top()
        self.info()
        self.keyboard("Deutsch")
        self.hostile_clipboards()
        r.equal("the application is still running", None, w.process.poll())
        self.remembered()

    def run_on_top_only(self):
        self.start_state()
        self.on_top()


def screenshot():
    if shutil.which("import") is None:
        print("no screenshot: ImageMagick's import is not installed", flush=True)
        return
    result = subprocess.run(["import", "-window", "root", SCREENSHOT], timeout=20,
                            stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True)
    if result.returncode == 0:
        print(f"screenshot of the failure: {SCREENSHOT}", flush=True)
    else:
        print(f"no screenshot: {result.stderr.strip()}", flush=True)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--wm", default="openbox", help="the window manager run_e2e.sh started")
    parser.add_argument("wagecourt")
    parser.add_argument("wagecourt_cli")
    args = parser.parse_args()
    # The build's helper that writes the tooltips' texts; ctest names it.
    tip_texts = os.environ.get("WAGECOURT_E2E_TIP_TEXTS") or os.path.join(
        os.path.dirname(os.path.abspath(args.wagecourt_cli)), "..", "..", "tests", "e2e_tip_texts")
    if not os.access(tip_texts, os.X_OK):
        print(f"FAIL: {tip_texts} is not an executable; build the e2e_tip_texts target", flush=True)
        return 1
    if not os.environ.get("XDG_CONFIG_HOME", "").startswith(os.environ.get("TMPDIR", "/nonexistent")):
        print("FAIL: XDG_CONFIG_HOME is not a scratch folder; run through run_e2e.sh", flush=True)
        return 1

    report = Report()
    clipboard = Clipboard()
    session = None
    aborted = None
    try:
        session = Session(args.wagecourt, Window(args.wagecourt, report), Oracle(args.wagecourt_cli, tip_texts),
                          clipboard, report)
        if args.wm == "openbox":
            session.run()
        else:
            session.run_on_top_only()
    except Aborted as error:
        aborted = error
        print(f"FAIL: aborted: {error}", flush=True)
    except Exception as error:  # a tool timing out, the window vanishing from the bus
        aborted = error
        print("FAIL: aborted: " + "".join(traceback.format_exception(error)).rstrip(), flush=True)
    finally:
        if aborted is not None or report.failed:
            screenshot()
        clipboard.release()
        if session is not None:
            session.w.close()
            if aborted is not None or report.failed:
                print("--- application output ---\n" + session.w.output(), flush=True)
    failed = report.failed + (1 if aborted is not None else 0)
    print(f"{report.passed} passed, {failed} failed", flush=True)
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
