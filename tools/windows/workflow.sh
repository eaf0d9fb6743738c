#!/usr/bin/env bash
# The Windows part of the test command: builds the Qt for MinGW once
# (tools/windows/build-qt.sh), then cross-builds the programs, tests them under
# Wine and zips them (the windows workflow preset). Runs when WAGECOURT_WINDOWS=1
# asks for it, or when that Qt is already built and WAGECOURT_WINDOWS is not 0;
# otherwise it says so and succeeds. The Wine tests take their expected results
# from the release build, so run the release workflow first.
set -euo pipefail
cd "$(dirname "$0")/../.."

prefix=${WAGECOURT_QT_MINGW:-${HOME:?}/.cache/wagecourt/qt-mingw}
case "${WAGECOURT_WINDOWS:-}" in
1) ;;
0) echo "Windows part skipped (WAGECOURT_WINDOWS=0)"; exit 0 ;;
*)
    if [[ ! -f "$prefix/wagecourt-qt.stamp" ]]; then
        echo "Windows part skipped: no Qt for MinGW in $prefix yet; WAGECOURT_WINDOWS=1 builds it (about 15 minutes on 2 cores)"
        exit 0
    fi
    ;;
esac

tools/windows/build-qt.sh
# A Qt built before its source was kept: fetch the same source for the zip's archive.
tools/qt-source.sh "${WAGECOURT_QT_SOURCE:-$HOME/.cache/wagecourt/qt6-base-source}"
cmake --workflow --preset windows
