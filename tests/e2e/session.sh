# shellcheck shell=bash disable=SC2154 # work and pids are the caller's
# Shell helpers for the tests that start their own X server and window manager;
# sourced by run_e2e.sh and tests/wine/run_wine.sh. They set $work and pids=()
# before stop_session runs.

# stop_session: stops every process in pids, last started first, then removes $work.
stop_session() {
    local pid i
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
        pid=${pids[i]}
        kill "$pid" 2>/dev/null || continue
        for _ in $(seq 30); do
            kill -0 "$pid" 2>/dev/null || break
            sleep 0.1
        done
        kill -9 "$pid" 2>/dev/null
        wait "$pid" 2>/dev/null
    done
    rm -rf "$work"
}

# wait_for SECONDS COMMAND...: polls COMMAND until it succeeds or the time is up.
wait_for() {
    local deadline=$((SECONDS + $1))
    shift
    until "$@" >/dev/null 2>&1; do
        [ $SECONDS -lt $deadline ] || return 1
        sleep 0.1
    done
}
