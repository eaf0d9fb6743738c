#!/bin/bash
# The Windows programs under Wine, in a Wine prefix and home of their own that
# live in the build folder, so nothing of the user's Wine or desktop is touched.
#
# Usage: run_wine.sh SCRATCH prefix
#        run_wine.sh SCRATCH cli TST_CLI WAGECOURT_CLI WAGECOURT_CLI_EXE
#        run_wine.sh SCRATCH window WAGECOURT_EXE WAGECOURT_CLI [wine_window.py options]
#        run_wine.sh SCRATCH installer MSI FOLDER INSTALLER_PY WIXL SQLITECHECK_EXE WAGECOURT_CLI
#                    SQLITE_VERSION [wine_window.py options]
#   prefix  creates the Wine prefix (once; later runs reuse it)
#   cli     runs tst_cli's process-level cases against WAGECOURT_CLI_EXE, then
#           compares a roster's batch JSON of both builds byte for byte
#   window  starts Xvfb and openbox and runs wine_window.py (the window's starts,
#           Always on Top, and Ctrl+V and Ctrl+C through the X clipboard)
#   installer  installs an older version, upgrades it with the MSI, runs the
#           installed CLI, SQLite driver and window (the one its Start-menu
#           shortcut), uninstalls, and has the MSI refuse to replace a newer one
# Exit status: 0 passed, 1 failed, 77 a required tool is missing.
set -u

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
scratch=$1
mode=$2
shift 2

need=(wine wineserver)
[ "$mode" = window ] || [ "$mode" = installer ] && need+=(Xvfb xdotool xclip xprop xwininfo openbox import convert timeout)
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

# start_x NAME: a scratch folder $work, Xvfb and openbox, and a Wine server for the runs.
start_x() {
    work=$(mktemp -d "$scratch/$1.XXXXXX")
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
}

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
    run_tst_cli() {
        WAGECOURT_CLI_RUNNER=wine WAGECOURT_CLI_PROGRAM=$exe WAGECOURT_CLI_NEWLINE=crlf \
            QT_QPA_PLATFORM=offscreen "$tst_cli" "$@"
    }
    run_tst_cli >"$scratch/tst_cli.out" 2>&1
    tested=$?
    cat "$scratch/tst_cli.out"
    if [ $tested -ne 0 ]; then
        # Under Wine one run in some hundreds has failed in a way that no run
        # since, nor the Linux build, shows (a failure names its language and
        # what the program said). A test that fails again on its own is a
        # fault of the Windows build; one that passes when run again is named
        # as having failed once, and its failure above stays in the log.
        mapfile -t failed < <(sed -n 's/^FAIL! *: CliTest::\([A-Za-z_0-9]*\).*/\1/p' "$scratch/tst_cli.out" | sort -u)
        if [ ${#failed[@]} -gt 0 ] && run_tst_cli "${failed[@]}"; then
            echo "PASS: ${failed[*]} failed once under Wine and passed when run again"
        else
            status=1
        fi
    fi

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
    start_x window
    # Every run starts from what a first start finds: no remembered language, on-top state or place.
    wine reg delete 'HKCU\Software\Wagecourt' /f >/dev/null 2>&1
    /usr/bin/python3 "$here/wine_window.py" "$exe" "$@" </dev/null &
    pids+=($!)
    wait $!
    exit $?
    ;;
installer)
    # shellcheck disable=SC2034 # sqlite_version and expected are read in the checks' eval
    msi=$1 folder=$2 script=$3 wixl=$4 sqlitecheck=$5 linux_cli=$6 sqlite_version=${7%%-*}
    shift 7
    [ -f "$msi" ] || { echo "FAIL: $msi is missing"; exit 1; }
    [ -x "$linux_cli" ] || { echo "SKIP: $linux_cli is missing; build the release preset first"; exit 77; }
    start_x installer
    drive=$WINEPREFIX/drive_c
    installed="$drive/Program Files/Wagecourt"
    status=0
    check() {
        if eval "$2"; then echo "PASS: $1"; else echo "FAIL: $1"; status=1; fi
    }
    # other_version 1.01: the same folder as another version, with a file of its own.
    other_version() {
        local dir=$work/v$1
        mkdir -p "$dir/installer" && cp -r "$folder" "$dir/Wagecourt" && echo "$1" >"$dir/Wagecourt/only-in-$1.txt" \
            && /usr/bin/python3 "$script" wxs "$dir/Wagecourt" "$1" "$dir/installer/Wagecourt.wxs" "$here/../../data/icons" \
            && (cd "$dir/installer" && "$wixl" --arch x64 -o "$dir/Wagecourt-$1.msi" Wagecourt.wxs 2>/dev/null)
    }
    # The DisplayVersion of each Wagecourt in Apps & features.
    versions() {
        wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall' /s 2>/dev/null | tr -d '\r' \
            | awk '/^HKEY/ { name = ""; version = "" } $1 == "DisplayName" { name = $3 } $1 == "DisplayVersion" { version = $3 }
                   name == "Wagecourt" && version != "" { print version; name = "" }' | sort | xargs
    }
    shortcuts() { find "$drive/ProgramData" "$drive/users" -name Wagecourt.lnk 2>/dev/null; }
    msiexec() { wine msiexec "$@" /qn >>"$work/msiexec.log" 2>&1; }
    left() { [ ! -e "$installed" ] && [ -z "$(shortcuts)" ] && [ -z "$(versions)" ] \
                 && ! wine reg query 'HKLM\Software\Tarvel\Wagecourt' >/dev/null 2>&1 \
                 && ! wine reg query 'HKLM\Software\Classes\wagecourt' /v 'URL Protocol' >/dev/null 2>&1; }
    other_version 0.99 && other_version 1.01 || { echo "FAIL: the MSIs of versions 0.99 and 1.01"; exit 1; }
    # Whatever an interrupted run left installed in the prefix goes first.
    for package in "$msi" "$work"/v*/Wagecourt-*.msi; do msiexec /x "$package"; done
    left || { echo "FAIL: a Wagecourt of an earlier run stays in $WINEPREFIX"; exit 1; }

    msiexec /i "$work/v0.99/Wagecourt-0.99.msi"
    check "version 0.99 installed" '[ "$(versions)" = 0.99.0 ] && [ -f "$installed/only-in-0.99.txt" ]'
    msiexec /i "$msi"; code=$?
    check "the MSI upgrades 0.99 in place (status $code): one entry in Apps & features, 0.99's files gone" \
        '[ $code = 0 ] && [ "$(versions)" = 1.0.0 ] && [ ! -e "$installed/only-in-0.99.txt" ]'
    check "every file of the folder installed into Program Files" 'diff -r "$folder" "$installed"'
    lnk=$(shortcuts | head -n 1)
    check "a Start-menu shortcut" '[ -n "$lnk" ]'
    check "wagecourt: links open the installed window with the link" \
        'wine reg query "HKLM\Software\Classes\wagecourt" /v "URL Protocol" >/dev/null 2>&1 \
         && wine reg query "HKLM\Software\Classes\wagecourt\shell\open\command" /ve 2>/dev/null | tr -d "\r" \
            | grep -qiF "Wagecourt\Wagecourt.exe\" \"%1\""'
    manifest=$(find "$(dirname "$msi")/winget" -name '*.installer.yaml' 2>/dev/null | head -n 1)
    product=$(sed -n 's/^ProductCode: "\(.*\)"$/\1/p' "${manifest:-/dev/null}")
    check "Apps & features uninstalls it with msiexec, under the winget manifest's product code $product" \
        'wine reg query "HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\\$product" /v UninstallString 2>/dev/null | grep -qi "msiexec.exe /x"'
    check "the winget manifest gives the MSI's SHA256" \
        'grep -qx "  InstallerSha256: $(sha256sum "$msi" | cut -c1-64 | tr a-f A-F)" "$manifest"'
    # shellcheck disable=SC2034
    expected=$("$linux_cli" calc 12 11 10 9 8 7 6 5 4 3 --lang Deutsch)
    check "the installed wagecourt-cli.exe calculates as on Linux" \
        '[ "$(wine "$installed/wagecourt-cli.exe" calc 12 11 10 9 8 7 6 5 4 3 --lang Deutsch | tr -d "\r")" = "$expected" ]'
    cp -r "$installed" "$work/installed" && cp "$sqlitecheck" "$work/installed/"
    got=$(wine "$work/installed/$(basename "$sqlitecheck")" | tr -d '\r')
    check "the installed Qt6Sql.dll and sqldrivers/qsqlite.dll keep and read rows with SQLite $got" '[ "$got" = "$sqlite_version" ]'
    echo "--- the installed window, the one its Start-menu shortcut points at"
    wine reg delete 'HKCU\Software\Wagecourt' /f >/dev/null 2>&1
    /usr/bin/python3 "$here/wine_window.py" "$installed/Wagecourt.exe" "$linux_cli" --shortcut "$lnk" "$@" </dev/null || status=1
    msiexec /x "$msi"; code=$?
    check "uninstalled (status $code), leaving no file, shortcut or registry key" '[ $code = 0 ] && left'

    msiexec /i "$work/v1.01/Wagecourt-1.01.msi"
    # Wine's Windows Installer speaks the language of LC_ALL, and logs the message it would show.
    env LC_ALL=de_DE.UTF-8 wine msiexec /i "$msi" /qn /l*v "$(winepath -w "$work/refused.log")" >>"$work/msiexec.log" 2>&1
    code=$?
    check "with 1.01 installed, the MSI refuses the downgrade (status $code), in German for a German user" \
        '[ $code != 0 ] && [ "$(versions)" = 1.1.0 ] && [ -f "$installed/only-in-1.01.txt" ] &&
         grep -aq "NEWERMESSAGE = Eine neuere Version von Wagecourt ist bereits installiert\.\$" <(tr -d "\r" <"$work/refused.log")'
    msiexec /x "$work/v1.01/Wagecourt-1.01.msi"
    check "1.01 uninstalled, leaving nothing" 'left'
    [ $status = 0 ] || { echo "--- msiexec's output"; cat "$work/msiexec.log"; }
    exit $status
    ;;
*)
    echo "usage: $0 SCRATCH prefix|cli|window|installer ..." >&2
    exit 2
    ;;
esac
