#!/bin/bash
# The real-window test: starts a private session bus, an Xvfb server, the AT-SPI
# bus and a window manager, then runs e2e_window.py against the real wagecourt
# binary: the whole session under openbox, the start and the on-top toggles
# under any other. WAGECOURT_E2E_SCRIPT names another script to run instead
# (e2e_scale.py), under openbox.
#
# Usage: run_e2e.sh WAGECOURT [WAGECOURT_CLI [WINDOW_MANAGER]]
#   WAGECOURT_CLI defaults to ../cli/wagecourt-cli next to WAGECOURT's directory;
#   WINDOW_MANAGER is openbox (the default) or icewm.
# Exit status: 0 all checks passed, 1 a check failed, 77 a required tool is missing.
set -u

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

if [ "${WAGECOURT_E2E_INSIDE:-}" != 1 ]; then
    if [ $# -lt 1 ] || [ $# -gt 3 ]; then
        echo "usage: $0 WAGECOURT [WAGECOURT_CLI [openbox|icewm]]" >&2
        exit 2
    fi
    app=$(readlink -f "$1")
    cli=$(readlink -f "${2:-$(dirname "$app")/../cli/wagecourt-cli}")
    wm=${3:-openbox}
    case $wm in
        openbox | icewm) ;;
        *)
            echo "usage: $0 WAGECOURT [WAGECOURT_CLI [openbox|icewm]]" >&2
            exit 2
            ;;
    esac
    for binary in "$app" "$cli"; do
        if [ ! -x "$binary" ]; then
            echo "FAIL: $binary is not an executable; build first" >&2
            exit 1
        fi
    done

    missing=()
    for tool in Xvfb xdotool xclip xprop xwininfo "$wm" convert dbus-run-session timeout; do
        command -v "$tool" >/dev/null 2>&1 || missing+=("$tool")
    done
    [ -x /usr/libexec/at-spi-bus-launcher ] || missing+=(/usr/libexec/at-spi-bus-launcher)
    # Debian's interpreter, which has pyatspi; the python3 on PATH may be another.
    /usr/bin/python3 -c 'import pyatspi' >/dev/null 2>&1 || missing+=("/usr/bin/python3 with pyatspi")
    if [ ${#missing[@]} -gt 0 ]; then
        echo "SKIP: missing ${missing[*]} (Debian: xvfb xauth xdotool xclip x11-utils openbox icewm dbus at-spi2-core python3-pyatspi imagemagick)"
        exit 77
    fi

    # Everything below runs on its own session bus and is stopped after 150 s at most.
    export WAGECOURT_E2E_INSIDE=1
    exec timeout -k 5 150 dbus-run-session -- "$BASH" "$here/run_e2e.sh" "$app" "$cli" "$wm"
fi

app=$1
cli=$2
wm=$3
work=$(mktemp -d /tmp/wagecourt-e2e.XXXXXX)
pids=()

source "$here/session.sh"
trap stop_session EXIT
trap 'exit 143' TERM INT HUP

# Nothing of the caller's desktop may reach the window.
unset WAYLAND_DISPLAY XAUTHORITY QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS QT_FONT_DPI \
    QT_ENABLE_HIGHDPI_SCALING QT_AUTO_SCREEN_SCALE_FACTOR QT_STYLE_OVERRIDE QT_QPA_PLATFORMTHEME \
    QT_ACCESSIBILITY
# Settings of its own, never the user's.
export XDG_RUNTIME_DIR=$work/runtime TMPDIR=$work XDG_CONFIG_HOME=$work/config
mkdir -m 700 "$XDG_RUNTIME_DIR"
# Nor may anything here read or write the caller's settings: the window's, the
# window manager's, the screen reader's.
export HOME=$work/home XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data XDG_CACHE_HOME=$work/cache
mkdir "$HOME" "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_CACHE_HOME"

# -noreset: without it the server resets when its first client leaves, and a
# client starting just then fails.
Xvfb -displayfd 3 -noreset -nolisten tcp -screen 0 1280x1024x24 \
    3>"$work/display" >"$work/xvfb.log" 2>&1 &
pids+=($!)
if ! wait_for 15 test -s "$work/display"; then
    echo "FAIL: Xvfb did not start"
    cat "$work/xvfb.log"
    exit 1
fi
DISPLAY=:$(head -n 1 "$work/display")
export DISPLAY

/usr/libexec/at-spi-bus-launcher --launch-immediately >"$work/atspi.log" 2>&1 &
pids+=($!)

case $wm in
    openbox) openbox --sm-disable >"$work/wm.log" 2>&1 & ;;
    icewm) icewm >"$work/wm.log" 2>&1 & ;;
esac
pids+=($!)
if ! wait_for 15 sh -c 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"'; then
    echo "FAIL: $wm did not start"
    cat "$work/wm.log"
    exit 1
fi

if [ -n "${WAGECOURT_E2E_SCRIPT:-}" ]; then
    /usr/bin/python3 "$here/$WAGECOURT_E2E_SCRIPT" "$app" "$cli" </dev/null &
else
    /usr/bin/python3 "$here/e2e_window.py" --wm "$wm" "$app" "$cli" </dev/null &
fi
pids+=($!)
wait $!
rc=$?
exit $rc
