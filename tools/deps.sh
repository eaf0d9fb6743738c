#!/usr/bin/env bash
# Installs the Debian packages that building and testing Wagecourt need, but
# only those that are missing, so a ready machine is not touched.
#   tools/deps.sh          install what is missing (uses sudo when not root)
#   tools/deps.sh --list   print the package names and change nothing
# The Windows build and its tests under Wine need about a gigabyte more; their
# packages are named only when that part runs (see tools/windows/workflow.sh):
# WAGECOURT_WINDOWS=1, or a Qt for MinGW already built and WAGECOURT_WINDOWS
# not 0. So are the web page's (tools/web/workflow.sh): WAGECOURT_WEB=1, or a
# Qt for WebAssembly already built and WAGECOURT_WEB not 0.
set -euo pipefail

packages=(
    # build
    cmake ninja-build g++ pkg-config qt6-base-dev libxcb1-dev libfontconfig-dev
    # the player book's file: Qt's SQLite driver, a plugin loaded at run time
    libqt6sql6-sqlite
    # the translations: lupdate and lrelease, and Qt's own texts in the game's languages
    qt6-l10n-tools qt6-tools-dev qt6-translations-l10n
    # the check of the salary's embedded powers
    python3
    # the window's faces and their stand-in
    fonts-wine fonts-dejavu-core
    # the icons, drawn from their SVG by the picture tool, checked against the tree's
    libqt6svg6
    # the real-window test: an X server, a window manager, the clipboard, the mouse and a screen reader's view
    xvfb xauth xdotool xclip x11-utils openbox icewm dbus at-spi2-core python3-pyatspi imagemagick
    # native Wayland for the window, and a headless Wayland session with XWayland to test it in;
    # Mesa's EGL, as every desktop has it, so the window starts natively as it does there
    qt6-wayland weston xwayland libegl-mesa0
    # desktop integration checks, the manual pages and the Debian package
    desktop-file-utils appstream help2man man-db dpkg-dev file lintian
    # the web page's icons made small when redrawn (tools/drawpictures/redraw.sh)
    pngquant
    # memory checks and fuzzing
    valgrind clang libclang-rt-14-dev
    # benchmarks
    libbenchmark-dev
)
qt_mingw=${WAGECOURT_QT_MINGW:-${HOME:-/nonexistent}/.cache/wagecourt/qt-mingw}
if [[ "${WAGECOURT_WINDOWS:-}" == 1 || ( "${WAGECOURT_WINDOWS:-}" != 0 && -f "$qt_mingw/wagecourt-qt.stamp" ) ]]; then
    packages+=(
        # cross-compiling Qt from Debian's source and the programs
        g++-mingw-w64-x86-64-posix dpkg-dev xz-utils qt6-base-dev-tools
        # running them
        wine wine64
    )
fi
qt_wasm=${WAGECOURT_QT_WASM:-${HOME:-/nonexistent}/.cache/wagecourt/qt-wasm}
if [[ "${WAGECOURT_WEB:-}" == 1 || ( "${WAGECOURT_WEB:-}" != 0 && -f "$qt_wasm/wagecourt-qt.stamp" ) ]]; then
    packages+=(
        # compiling Qt from Debian's source and the module
        emscripten dpkg-dev xz-utils qt6-base-dev-tools
        # running the module's tests, the page's in a real browser, and npm for puppeteer-core
        nodejs npm chromium
    )
fi

if [[ "${1:-}" == "--list" ]]; then
    printf '%s\n' "${packages[@]}"
    exit 0
fi

provided=$(dpkg-query -W -f='${Provides}\n' 2>/dev/null | tr ',' '\n' | sed 's/ *(.*//; s/^ *//' | sort -u)
missing=()
for package in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${db:Status-Status}' "$package" 2>/dev/null || true)
    # Another package may provide it, as NodeSource's nodejs provides npm.
    [[ "$status" == "installed" ]] || grep -qxF "$package" <<<"$provided" || missing+=("$package")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "Installing missing packages: ${missing[*]}" >&2
sudo=()
[[ $(id -u) -eq 0 ]] || sudo=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update
"${sudo[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
