#!/usr/bin/env bash
# The window in a Wayland session: a headless Weston with XWayland. With no
# platform asked for, it must come up on XWayland when the X server answers,
# whatever XDG_SESSION_TYPE says, and natively on Wayland when DISPLAY is
# stale or unset.
# Usage: wayland_session.sh WAGECOURT QT_PLUGIN_DIR SCRATCH_DIR
set -euo pipefail
window=$1
plugins=$2
scratch=$3

for tool in weston Xwayland xwininfo dbus-run-session; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
compgen -G "$plugins/platforms/libqwayland-*.so" >/dev/null || { echo "SKIP: qt6-wayland is not installed"; exit 77; }

# On a session bus of its own, as a desktop session has one. Without a bus, the
# window's first call to it makes D-Bus try to launch one, and a sanitizer
# build on a busy machine was seen to wait there for good: Qt's D-Bus thread
# blocked reading the launch's answer, the window's start waiting on that thread.
if [[ -z ${WAGECOURT_WAYLAND_SESSION_BUS:-} ]]; then
    export WAGECOURT_WAYLAND_SESSION_BUS=1
    exec dbus-run-session -- "$BASH" "$0" "$@"
fi

# XWayland's socket folder, made by any X server that finds it missing.
if [[ ! -d /tmp/.X11-unix ]] && ! mkdir -m 1777 /tmp/.X11-unix; then
    echo "FAIL cannot make /tmp/.X11-unix for XWayland"
    exit 1
fi

rm -rf "$scratch"
mkdir -p "$scratch/config"
# Short, as socket paths must be.
runtime=$(mktemp -d /tmp/wagecourt-wayland.XXXXXX)
export XDG_RUNTIME_DIR=$runtime XDG_CONFIG_HOME=$scratch/config
unset QT_QPA_PLATFORM WAYLAND_DISPLAY DISPLAY XDG_SESSION_TYPE
socket=wagecourt-test
# What one start may take: a sanitizer build on a busy machine needs ten times
# what a release build needs alone.
start_seconds=90
polls=$((start_seconds * 5))

# In a sanitizer build, the native starts keep Mesa's driver loaded to the
# end. Mesa unloads it at eglTerminate, and what it keeps in its own globals
# would then read as leaked, from frames that LeakSanitizer can no longer name
# unless every allocation is unwound the slow way. Preloaded, it stays, and
# nothing of it is lost. The sanitizer's runtime must come first.
preload=
asan=$(ldd "$window" 2>/dev/null | sed -n 's|.* => \(/[^ ]*/libasan\.so[^ ]*\) .*|\1|p' || true)
if [[ -n $asan ]]; then
    driver=$(compgen -G "/usr/lib/*/dri/swrast_dri.so" | head -n 1 || true)
    [[ -n $driver ]] && preload="$asan:$driver"
fi

weston --backend=headless-backend.so --socket="$socket" --xwayland --no-config --idle-time=0 \
    --log="$scratch/weston.log" &
weston_pid=$!
window_pid=
cleanup() {
    [[ -n "$window_pid" ]] && kill "$window_pid" 2>/dev/null || true
    kill "$weston_pid" 2>/dev/null || true
    wait 2>/dev/null || true
    rm -rf "$runtime"
}
trap cleanup EXIT

xwayland=
for _ in $(seq "$polls"); do
    xwayland=$(sed -n 's/.*xserver listening on display \(:[0-9]*\).*/\1/p' "$scratch/weston.log" 2>/dev/null || true)
    [[ -S "$XDG_RUNTIME_DIR/$socket" && -n "$xwayland" ]] && break
    kill -0 "$weston_pid" 2>/dev/null || break
    sleep 0.2
done
if [[ ! -S "$XDG_RUNTIME_DIR/$socket" || -z "$xwayland" ]]; then
    cat "$scratch/weston.log"
    echo "FAIL Weston with XWayland did not start"
    exit 1
fi
stale=:4090
while [[ -e /tmp/.X11-unix/X${stale#:} ]]; do stale=:$((${stale#:} + 1)); done
echo "Weston at $socket, XWayland at $xwayland, stale DISPLAY $stale"

status=0

# On XWayland: the window shows up among the X server's windows.
for session in wayland unset tty; do
    session_env=(XDG_SESSION_TYPE="$session")
    started=$SECONDS
    [[ $session == unset ]] && session_env=()
    env "${session_env[@]}" WAYLAND_DISPLAY="$socket" DISPLAY="$xwayland" "$window" >"$scratch/xwayland.log" 2>&1 &
    window_pid=$!
    found=
    for _ in $(seq "$polls"); do
        DISPLAY=$xwayland xwininfo -root -tree 2>/dev/null | grep -q '"Wagecourt v' && { found=1; break; }
        kill -0 "$window_pid" 2>/dev/null || break
        sleep 0.2
    done
    kill "$window_pid" 2>/dev/null || true
    wait "$window_pid" 2>/dev/null || true
    window_pid=
    if [[ -n "$found" ]]; then echo "PASS XWayland with XDG_SESSION_TYPE $session in $((SECONDS - started)) s"
    else cat "$scratch/xwayland.log"; echo "FAIL not on XWayland with XDG_SESSION_TYPE $session"; status=1; fi
done

# Natively: with no X server to reach, only Wayland can paint the first frame.
# A start that outlives its time has its threads' stacks shown before it is
# stopped, so that a hang says where it is.
for display in "$stale" unset; do
    display_env=(DISPLAY="$display")
    [[ $display == unset ]] && display_env=()
    started=$SECONDS
    env "${display_env[@]}" WAYLAND_DISPLAY="$socket" XDG_SESSION_TYPE=wayland ${preload:+LD_PRELOAD="$preload"} \
        "$window" --quit-after-first-frame >"$scratch/native.out" 2>"$scratch/native.log" &
    window_pid=$!
    while kill -0 "$window_pid" 2>/dev/null && ((SECONDS - started < start_seconds)); do sleep 0.2; done
    if kill -0 "$window_pid" 2>/dev/null; then
        echo "The start with DISPLAY $display still runs after $start_seconds s (first frame: $(head -c 40 "$scratch/native.out"))"
        command -v gdb >/dev/null && gdb -batch -p "$window_pid" -ex 'thread apply all bt' 2>&1 | grep -E '^(Thread|#)'
        kill -9 "$window_pid" 2>/dev/null || true
    fi
    set +e
    wait "$window_pid"
    code=$?
    set -e
    window_pid=
    if [[ $code -eq 0 && $(cat "$scratch/native.out") == first-frame* ]]; then
        echo "PASS native Wayland with DISPLAY $display in $((SECONDS - started)) s"
    else cat "$scratch/native.log"; echo "FAIL exit status $code with DISPLAY $display"; status=1; fi
done
exit $status
