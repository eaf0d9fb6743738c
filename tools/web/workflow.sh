#!/usr/bin/env bash
# The web part of the test command: builds the QtCore for WebAssembly once
# (tools/web/build-qt.sh), then builds the module and the site, tests them
# under node against the Linux CLI and in headless chromium, and zips the site
# (the web workflow preset). Runs when WAGECOURT_WEB=1 asks for it, or when
# that Qt is already built and WAGECOURT_WEB is not 0; otherwise it says so and
# succeeds. The node test compares with the release build's CLI, so run the
# release workflow first.
set -euo pipefail
cd "$(dirname "$0")/../.."

prefix=${WAGECOURT_QT_WASM:-${HOME:?}/.cache/wagecourt/qt-wasm}
case "${WAGECOURT_WEB:-}" in
1) ;;
0) echo "Web part skipped (WAGECOURT_WEB=0)"; exit 0 ;;
*)
    if [[ ! -f "$prefix/wagecourt-qt.stamp" ]]; then
        echo "Web part skipped: no Qt for WebAssembly in $prefix yet; WAGECOURT_WEB=1 builds it (about 10 minutes on 2 cores)"
        exit 0
    fi
    ;;
esac

# Before the long builds: without the CLI the module is compared with, every
# case would differ. The web build's cache names another when it was set so.
linux_cli=$(sed -n 's/^WAGECOURT_LINUX_CLI:FILEPATH=//p' build/web/CMakeCache.txt 2>/dev/null || true)
linux_cli=${linux_cli:-build/release/src/cli/wagecourt-cli}
if [[ ! -x $linux_cli ]]; then
    echo "Web part failed: $linux_cli, the Linux wagecourt-cli the module is compared with, is missing;" \
        "run the release workflow first (cmake --workflow --preset release)" >&2
    exit 1
fi

tools/web/build-qt.sh
# The project is built against the installed Qt with Debian's emscripten as it is.
unset EMSDK EM_CACHE
cmake --workflow --preset web
