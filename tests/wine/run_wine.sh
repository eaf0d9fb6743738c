#!/bin/bash
# The Windows programs under Wine, in a Wine prefix and home of their own that
# live in the build folder, so nothing of the user's Wine or desktop is touched.
#
# Usage: run_wine.sh SCRATCH prefix
#        run_wine.sh SCRATCH cli TST_CLI WAGECOURT_CLI WAGECOURT_CLI_EXE
#        run_wine.sh SCRATCH window WAGECOURT_EXE WAGECOURT_CLI [wine_window.py options]
#   prefix  creates the Wine prefix (once; later runs reuse it)
#   cli     runs tst_cli's process-level cases against WAGECOURT_CLI_EXE, then
#           compares a roster's batch JSON of both builds byte for byte
#   window  starts Xvfb and openbox and runs wine_window.py (the window's starts,
#           Always on Top, and Ctrl+V and Ctrl+C through the X clipboard)
# Exit status: 0 passed, 1 failed, 77 a required tool is missing.
set -u

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
scratch=$1
mode=$2
shift 2

need=(wine wineserver)
[ "$mode" = window ] && need+=(Xvfb xdotool xclip xprop xwininfo openbox import convert timeout)
missing=()
for tool in "${need[@]}"; do
    command -v "$tool" >/dev/null 2>&1 || missing+=("$tool")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "SKIP: missing ${missing[*]} (Debian: wine wine64 xvfb xdotool xclip x11-utils openbox imagemagick)"
    exit 77
fi

mkdir -p "$scratch"
scratch=$(cd "$scratch" && pwd)
export HOME=$scratch/home WINEPREFIX=$scratch/home/prefix XDG_CONFIG_HOME=$scratch/home/config \
    XDG_DATA_HOME=$scratch/home/data XDG_CACHE_HOME=$scratch/home/cache
export WINEDEBUG=-all WINEARCH=win64 LC_ALL=C.UTF-8
unset LANGUAGE # the window starts in the desktop's language; the tests expect English
# No Mono or Gecko installer prompts; no menu entries or file associations for the host desktop.
export WINEDLLOVERRIDES="mscoree=;mshtml=;winemenubuilder.exe="
unset DISPLAY WAYLAND_DISPLAY XAUTHORITY WINELOADER WINESERVER
mkdir -p "$HOME"

stop_wine() { wineserver -k >/dev/null 2>&1; wineserver -w >/dev/null 2>&1; }

case "$mode" in
prefix)
    stamp=$WINEPREFIX/wagecourt-prefix.stamp
    if [ -f "$stamp" ]; then
        echo "PASS: the Wine prefix $WINEPREFIX is ready"
        exit 0
    fi
    rm -rf "$WINEPREFIX"
    start=$SECONDS
    trap stop_wine EXIT
    if ! timeout 600 wine wineboot --init >"$scratch/wineboot.log" 2>&1 || ! wineserver -w; then
        echo "FAIL: wineboot could not create $WINEPREFIX"
        cat "$scratch/wineboot.log"
        exit 1
    fi
    # The faces every Windows has and the layout names, in Wine's free versions
    # (Debian: fonts-wine), installed as Windows installs them.
    for face in tahoma.ttf tahomabd.ttf sserife.fon; do
        if [ ! -f "/usr/share/wine/fonts/$face" ]; then
            echo "SKIP: /usr/share/wine/fonts/$face is missing (Debian: fonts-wine)"
            exit 77
        fi
        cp "/usr/share/wine/fonts/$face" "$WINEPREFIX/drive_c/windows/Fonts/"
    done
    # A crash is reported on standard error, never in a dialog that waits for a click.
    wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1 \
        || { echo "FAIL: wine reg add"; exit 1; }
    wineserver -w
    touch "$stamp"
    echo "PASS: the Wine prefix $WINEPREFIX created in $((SECONDS - start)) s"
    ;;
cli)
    tst_cli=$1 linux_cli=$2 exe=$3
    for file in "$tst_cli" "$linux_cli"; do
        if [ ! -x "$file" ]; then
            echo "SKIP: $file is missing; build the release preset first (cmake --workflow --preset release)"
            exit 77
        fi
    done
    [ -f "$exe" ] || { echo "FAIL: $exe is missing"; exit 1; }
    trap stop_wine EXIT
    wineserver -p60 # one server for all the runs below
    status=0
    echo "--- tst_cli against $exe"
    WAGECOURT_CLI_RUNNER=wine WAGECOURT_CLI_PROGRAM=$exe WAGECOURT_CLI_NEWLINE=crlf \
        QT_QPA_PLATFORM=offscreen "$tst_cli" || status=1

    # Every level from 1 to 20 in every skill, the corners, and random players:
    # the five position values, salary and position of both builds, bit for bit.
    roster=$scratch/roster.txt
    /usr/bin/python3 - "$roster" <<'PY'
import random, sys
rng = random.Random(20)
rows = [[level] * 10 for level in range(1, 21)]
rows += [[20 if s == skill else 1 for s in range(10)] for skill in range(10)]
rows += [[1 if s == skill else 20 for s in range(10)] for skill in range(10)]
rows += [[rng.randint(1, 20) for _ in range(10)] for _ in range(2000)]
open(sys.argv[1], "w").write("".join(" ".join(map(str, r)) + "\n" for r in rows))
PY
    for language in English Türkçe; do
        "$linux_cli" batch --json --lang "$language" <"$roster" >"$scratch/roster.linux.json"
        wine "$exe" batch --json --lang "$language" <"$roster" >"$scratch/roster.windows.json"
        lines=$(wc -l <"$scratch/roster.linux.json")
        if [ "$(tr -d '\r' <"$scratch/roster.windows.json" | cmp - "$scratch/roster.linux.json" && echo same)" = same ] \
            && [ "$(grep -c $'\r$' "$scratch/roster.windows.json")" = "$lines" ] && [ "$lines" -gt 2000 ]; then
            echo "PASS: batch --json --lang $language: $lines players, every value the same bits as on Linux"
        else
            echo "FAIL: batch --json --lang $language differs from the Linux build:"
            diff <(tr -d '\r' <"$scratch/roster.windows.json") "$scratch/roster.linux.json" | head -n 10
            status=1
        fi
    done
    exit $status
    ;;
window)
    exe=$1
    shift
    [ -f "$exe" ] || { echo "FAIL: $exe is missing"; exit 1; }
    if [ ! -x "$1" ]; then
        echo "SKIP: $1 is missing; build the release preset first (cmake --workflow --preset release)"
        exit 77
    fi
    work=$(mktemp -d "$scratch/window.XXXXXX")
    pids=()
    source "$here/../e2e/session.sh"
    cleanup() {
        stop_wine
        stop_session
    }
    trap cleanup EXIT
    trap 'exit 143' TERM INT HUP
    export XDG_RUNTIME_DIR=$work/runtime TMPDIR=$work
    mkdir -m 700 "$XDG_RUNTIME_DIR"
    Xvfb -displayfd 3 -noreset -nolisten tcp -screen 0 1280x1024x24 3>"$work/display" >"$work/xvfb.log" 2>&1 &
    pids+=($!)
    if ! wait_for 15 test -s "$work/display"; then
        echo "FAIL: Xvfb did not start"
        cat "$work/xvfb.log"
        exit 1
    fi
    DISPLAY=:$(head -n 1 "$work/display")
    export DISPLAY
    openbox --sm-disable >"$work/openbox.log" 2>&1 &
    pids+=($!)
    if ! wait_for 15 sh -c 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"'; then
        echo "FAIL: openbox did not start"
        cat "$work/openbox.log"
        exit 1
    fi
    wineserver -p60
    # Every run starts from what a first start finds: no remembered language, on-top state or place.
    wine reg delete 'HKCU\Software\Wagecourt' /f >/dev/null 2>&1
    /usr/bin/python3 "$here/wine_window.py" "$exe" "$@" </dev/null &
    pids+=($!)
    wait $!
    exit $?
    ;;
*)
    echo "usage: $0 SCRATCH prefix|cli|window ..." >&2
    exit 2
    ;;
esac
