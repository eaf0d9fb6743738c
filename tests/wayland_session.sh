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

for tool in weston Xwayland xwininfo; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
compgen -G "$plugins/platforms/libqwayland-*.so" >/dev/null || { echo "SKIP: qt6-wayland is not installed"; exit 77; }

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
asan=$(ldd "$window" | sed -n 's|.* => \(/[^ ]*/libasan\.so[^ ]*\) .*|\1|p')
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
    if [[ -n "$found" ]]; then echo "PASS XWayland with XDG_SESSION_TYPE $session"
    else cat "$scratch/xwayland.log"; echo "FAIL not on XWayland with XDG_SESSION_TYPE $session"; status=1; fi
done

# Natively: with no X server to reach, only Wayland can paint the first frame.
for display in "$stale" unset; do
    display_env=(DISPLAY="$display")
    [[ $display == unset ]] && display_env=()
    started=$SECONDS
    set +e
    output=$(env "${display_env[@]}" WAYLAND_DISPLAY="$socket" XDG_SESSION_TYPE=wayland ${preload:+LD_PRELOAD="$preload"} \
        timeout "$start_seconds" "$window" --quit-after-first-frame 2>"$scratch/native.log")
    code=$?
    set -e
    if [[ $code -eq 0 && $output == first-frame* ]]; then
        echo "PASS native Wayland with DISPLAY $display in $((SECONDS - started)) s"
    else cat "$scratch/native.log"; echo "FAIL exit status $code with DISPLAY $display"; status=1; fi
done
exit $status
