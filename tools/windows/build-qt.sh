#!/usr/bin/env bash
# Builds the small Qt the Windows programs need, from Debian's own qt6-base
# source, with MinGW-w64, and installs it into a cache folder outside the tree:
#   $WAGECOURT_QT_MINGW (default ~/.cache/wagecourt/qt-mingw)
# A finished cache with the same recipe is reused, so a second run takes
# seconds. The source comes from tools/qt-source.sh, into
#   $WAGECOURT_QT_SOURCE (default ~/.cache/wagecourt/qt6-base-source)
# Needs: g++-mingw-w64-x86-64-posix, qt6-base-dev-tools, dpkg-dev, cmake, ninja.
#   WAGECOURT_QT_MINGW_JOBS   parallel compile jobs (default 2)
#   WAGECOURT_QT_MINGW_WORK   scratch folder (default: a new one under /var/tmp, removed afterwards)
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
toolchain="$here/mingw-w64-x86_64.cmake"
prefix=${WAGECOURT_QT_MINGW:-${HOME:?}/.cache/wagecourt/qt-mingw}
jobs=${WAGECOURT_QT_MINGW_JOBS:-2}
source_files=${WAGECOURT_QT_SOURCE:-${HOME:?}/.cache/wagecourt/qt6-base-source}

# Qt's host tools and the Windows Qt must be the same release.
host_version=$(dpkg-query -W -f='${Version}' qt6-base-dev-tools 2>/dev/null || true)
host_version=${host_version#*:}
host_version=${host_version%%[+~-]*}
if [[ -z "$host_version" ]]; then
    echo "build-qt.sh: qt6-base-dev-tools is not installed (tools/deps.sh --windows)" >&2
    exit 1
fi
for tool in x86_64-w64-mingw32-g++-posix cmake ninja dpkg-source; do
    command -v "$tool" >/dev/null || { echo "build-qt.sh: $tool is missing (tools/deps.sh --windows)" >&2; exit 1; }
done

features=(
    -DFEATURE_gui=ON -DFEATURE_widgets=ON -DFEATURE_jpeg=ON -DFEATURE_ico=ON -DFEATURE_png=ON
    -DFEATURE_network=OFF -DFEATURE_sql=OFF -DFEATURE_dbus=OFF -DFEATURE_testlib=OFF
    -DFEATURE_printsupport=OFF -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF
    -DINPUT_opengl=no -DFEATURE_opengl=OFF -DFEATURE_vulkan=OFF
    -DFEATURE_freetype=OFF -DFEATURE_fontconfig=OFF -DFEATURE_icu=OFF -DFEATURE_glib=OFF
    -DFEATURE_pkg_config=OFF
    -DFEATURE_system_zlib=OFF -DFEATURE_system_pcre2=OFF -DFEATURE_system_png=OFF
    -DFEATURE_system_jpeg=OFF -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_doubleconversion=OFF
    # Without Direct2D, qwindows.dll fails to link on the DirectWrite 3 font database.
    -DFEATURE_direct2d=OFF -DFEATURE_directwrite3=OFF
    # Debian's tarball drops the wintab sources the tablet events need.
    -DFEATURE_tabletevent=OFF
)
# What the build depends on; a cache built from another recipe is built again.
recipe=$(printf '%s\n' "qtbase $host_version" "${features[@]}" | cat - "$toolchain" | sha256sum | cut -d' ' -f1)
stamp="$prefix/wagecourt-qt.stamp"
if [[ -f "$stamp" && "$(cat "$stamp")" == "$recipe" && -f "$prefix/lib/cmake/Qt6/Qt6Config.cmake" ]]; then
    echo "Qt $host_version for MinGW is ready in $prefix"
    exit 0
fi

if [[ -n "${WAGECOURT_QT_MINGW_WORK:-}" ]]; then
    work=$WAGECOURT_QT_MINGW_WORK
    mkdir -p "$work"
else
    work=$(mktemp -d /var/tmp/wagecourt-qt.XXXXXX)
    trap 'rm -rf "$work"' EXIT
fi
echo "Building Qt $host_version for MinGW in $work, installing into $prefix" >&2

# Debian's source files stay in their own cache, for the workflow to ship them.
"$here/../qt-source.sh" "$source_files"
(cd "$work" && dpkg-source --no-check -x "$(ls "$source_files"/qt6-base_*.dsc | head -n1)" >&2)
src=$(find "$work" -maxdepth 1 -type d -name "qt6-base-*" | head -n1)
[[ -n "$src" ]] || { echo "build-qt.sh: apt-get source unpacked nothing" >&2; exit 1; }
src_version=$(sed -n 's/^set(QT_REPO_MODULE_VERSION "\([0-9.]*\)").*/\1/p' "$src/.cmake.conf")
if [[ "$src_version" != "$host_version" ]]; then
    echo "build-qt.sh: the mirror has qtbase $src_version but the host tools are $host_version" >&2
    exit 1
fi

# Only ever clear a folder this script filled.
if [[ -d "$prefix" && -n "$(ls -A "$prefix")" && ! -f "$stamp" && ! -f "$prefix/lib/cmake/Qt6/Qt6Config.cmake" ]]; then
    echo "build-qt.sh: $prefix is not empty and holds no Qt; choose another WAGECOURT_QT_MINGW" >&2
    exit 1
fi
rm -rf "$prefix"
host_cmake_dir=$(dirname "$(dirname "$(dpkg -L qt6-base-dev | grep -m1 '/cmake/Qt6HostInfo/Qt6HostInfoConfig.cmake$')")")
cmake -S "$src" -B "$work/build" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_INSTALL_PREFIX="$prefix" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR="$host_cmake_dir" \
    -DBUILD_SHARED_LIBS=ON -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF \
    "${features[@]}"
cmake --build "$work/build" --parallel "$jobs"
cmake --install "$work/build" --strip
echo "$recipe" > "$stamp"
echo "Qt $host_version for MinGW is ready in $prefix"
