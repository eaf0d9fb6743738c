#!/usr/bin/env bash
# Runs the start-up benchmark on a private X server.
# Usage: bench/run_startup.sh [BUILD_DIR] [RUNS]
set -euo pipefail
# A desktop session always has a session bus; measure with one, as users run.
if [[ -z ${DBUS_SESSION_BUS_ADDRESS:-} && -z ${WAGECOURT_IN_BUS:-} ]] && command -v dbus-run-session >/dev/null; then
    WAGECOURT_IN_BUS=1 exec dbus-run-session -- "$0" "$@"
fi
build=${1:-build/bench}
runs=${2:-21}
# The window reads a settings file of its own, as it does at every start but the
# first, and never the user's.
config=$(mktemp -d)
mkdir "$config/Wagecourt"
printf '[General]\nalwaysOnTop=true\nlanguage=Deutsch\n' >"$config/Wagecourt/Wagecourt.conf"
export XDG_CONFIG_HOME=$config
exec 3<> <(:)
Xvfb -displayfd 3 -noreset -nolisten tcp -screen 0 1280x1024x24 >/dev/null 2>&1 &
server=$!
trap 'kill $server 2>/dev/null; rm -rf "$config"' EXIT
read -r -t 10 display <&3
DISPLAY=:$display QT_QPA_PLATFORM=xcb "$build/bench/bench_startup" "$build/src/app/wagecourt" "$build/bench/bare_window" \
    "$build/bench/text_window" "$runs"
