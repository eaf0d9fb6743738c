#!/usr/bin/python3
"""Takes the CLIPBOARD selection and never answers a request for it.

Stands in for a clipboard owner that hangs: every program asking it for the
clipboard's content waits in vain. Prints "owning 0xWINDOW" once the selection
is its own, then sleeps SECONDS (60 unless given) and ends; end it earlier with
SIGTERM.

Usage: silent_owner.py [SECONDS]

Also imported by e2e_window.py for clipboard_owner(). Only ctypes on libX11,
so that Debian's python3 needs no more packages.
"""

import ctypes
import sys
import time

_xlib = None


def xlib():
    """libX11 with the prototypes used here; loaded once."""
    global _xlib
    if _xlib is None:
        x = ctypes.CDLL("libX11.so.6")
        display, window, atom = ctypes.c_void_p, ctypes.c_ulong, ctypes.c_ulong
        x.XOpenDisplay.argtypes = [ctypes.c_char_p]
        x.XOpenDisplay.restype = display
        x.XCloseDisplay.argtypes = [display]
        x.XDefaultRootWindow.argtypes = [display]
        x.XDefaultRootWindow.restype = window
        x.XCreateSimpleWindow.argtypes = [display, window, ctypes.c_int, ctypes.c_int,
                                          ctypes.c_uint, ctypes.c_uint, ctypes.c_uint,
                                          ctypes.c_ulong, ctypes.c_ulong]
        x.XCreateSimpleWindow.restype = window
        x.XInternAtom.argtypes = [display, ctypes.c_char_p, ctypes.c_int]
        x.XInternAtom.restype = atom
        x.XSetSelectionOwner.argtypes = [display, atom, window, ctypes.c_ulong]
        x.XGetSelectionOwner.argtypes = [display, atom]
        x.XGetSelectionOwner.restype = window
        _xlib = x
    return _xlib


def open_display():
    display = xlib().XOpenDisplay(None)
    if not display:
        raise OSError("cannot open the X display")
    return display


def clipboard_owner():
    """The window owning CLIPBOARD on $DISPLAY, 0 when nobody owns it."""
    x = xlib()
    display = open_display()
    try:
        return x.XGetSelectionOwner(display, x.XInternAtom(display, b"CLIPBOARD", 0))
    finally:
        x.XCloseDisplay(display)


def main():
    seconds = float(sys.argv[1]) if len(sys.argv) > 1 else 60.0
    x = xlib()
    display = open_display()
    window = x.XCreateSimpleWindow(display, x.XDefaultRootWindow(display), 0, 0, 1, 1, 0, 0, 0)
    clipboard = x.XInternAtom(display, b"CLIPBOARD", 0)
    x.XSetSelectionOwner(display, clipboard, window, 0)  # 0: CurrentTime
    # The query is a round trip, so the request above has reached the server.
    owner = x.XGetSelectionOwner(display, clipboard)
    if owner != window:
        print(f"CLIPBOARD stays with {owner:#x}", file=sys.stderr, flush=True)
        return 1
    print(f"owning {window:#x}", flush=True)
    # Requests for the selection queue up on the connection and are never read.
    time.sleep(seconds)
    return 0


if __name__ == "__main__":
    sys.exit(main())
