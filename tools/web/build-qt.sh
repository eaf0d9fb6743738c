#!/usr/bin/env bash
# Builds the QtCore the web module links, statically for WebAssembly with
# Debian's emscripten, from Debian's own qt6-base source, and installs it into
# a cache folder outside the tree:
#   $WAGECOURT_QT_WASM (default ~/.cache/wagecourt/qt-wasm)
# A finished cache with the same recipe is reused, so a second run takes
# seconds. The source comes from tools/qt-source.sh, into
#   $WAGECOURT_QT_SOURCE (default ~/.cache/wagecourt/qt6-base-source)
# Needs: emscripten, nodejs, qt6-base-dev-tools, dpkg-dev, cmake, ninja.
#   WAGECOURT_QT_WASM_JOBS   parallel compile jobs (default 2)
#   WAGECOURT_QT_WASM_WORK   scratch folder (default: a new one under /var/tmp, removed afterwards)
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
prefix=${WAGECOURT_QT_WASM:-${HOME:?}/.cache/wagecourt/qt-wasm}
jobs=${WAGECOURT_QT_WASM_JOBS:-2}
source_files=${WAGECOURT_QT_SOURCE:-${HOME:?}/.cache/wagecourt/qt6-base-source}
emscripten_toolchain=/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake

# Qt's host tools and the WebAssembly Qt must be the same release.
host_version=$(dpkg-query -W -f='${Version}' qt6-base-dev-tools 2>/dev/null || true)
host_version=${host_version#*:}
host_version=${host_version%%[+~-]*}
if [[ -z "$host_version" ]]; then
    echo "build-qt.sh: qt6-base-dev-tools is not installed (WAGECOURT_WEB=1 tools/deps.sh)" >&2
    exit 1
fi
for tool in emcc node cmake ninja dpkg-source patch; do
    command -v "$tool" >/dev/null || { echo "build-qt.sh: $tool is missing (WAGECOURT_WEB=1 tools/deps.sh)" >&2; exit 1; }
done
[[ -f "$emscripten_toolchain" ]] || { echo "build-qt.sh: $emscripten_toolchain is missing (emscripten)" >&2; exit 1; }
emcc_version=$(dpkg-query -W -f='${Version}' emscripten)

features=(
    -DFEATURE_gui=OFF -DFEATURE_widgets=OFF -DFEATURE_network=OFF -DFEATURE_sql=OFF
    -DFEATURE_testlib=OFF -DFEATURE_xml=OFF -DFEATURE_dbus=OFF -DFEATURE_concurrent=OFF
    -DFEATURE_printsupport=OFF -DFEATURE_opengl=OFF -DFEATURE_thread=OFF
    -DFEATURE_icu=OFF -DFEATURE_glib=OFF -DFEATURE_pkg_config=OFF
    -DFEATURE_system_zlib=OFF -DFEATURE_system_pcre2=OFF -DFEATURE_system_doubleconversion=OFF
    # What the core never uses, which a static link would still drag into the
    # module through the logging, the settings and the JSON's CBOR values.
    -DFEATURE_settings=OFF -DFEATURE_library=OFF
    -DFEATURE_process=OFF -DFEATURE_processenvironment=OFF -DFEATURE_mimetype=OFF
    -DFEATURE_sharedmemory=OFF -DFEATURE_systemsemaphore=OFF -DFEATURE_filesystemwatcher=OFF
    -DFEATURE_xmlstream=OFF -DFEATURE_xmlstreamreader=OFF -DFEATURE_xmlstreamwriter=OFF
    -DFEATURE_itemmodel=OFF -DFEATURE_easingcurve=OFF -DFEATURE_animation=OFF -DFEATURE_gestures=OFF
    -DFEATURE_jalalicalendar=OFF -DFEATURE_islamiccivilcalendar=OFF -DFEATURE_timezone=OFF
    -DFEATURE_commandlineparser=OFF
    -DFEATURE_temporaryfile=OFF -DFEATURE_filesystemiterator=OFF -DFEATURE_hijricalendar=OFF
    -DFEATURE_cborstreamwriter=OFF -DFEATURE_sha3_fast=OFF
)
# Qt's own messages: none below critical, and those few go to standard error
# as they are (qt-messages.patch), without the logging rules and the message
# pattern, whose reading of files and settings would bring most of QtCore into
# the page. The system locale is the C one: the page formats its numbers itself.
defines="-DQT_NO_DEBUG_OUTPUT -DQT_NO_INFO_OUTPUT -DQT_NO_WARNING_OUTPUT -DQT_MESSAGES_TO_STDERR_ONLY -DQT_NO_SYSTEMLOCALE"
# qt-ascii-lower.patch: the JSON reader's number parsing asked the C++
# library's locale for ASCII lower case, which brought its whole locale and
# stream machinery (some 100 KB) into the page.
patches=("$here/qt-messages.patch" "$here/qt-ascii-lower.patch")
# Built for size: the page is downloaded, and its core is not where QtCore's speed counts.
build_type=MinSizeRel
# What the build depends on; a cache built from another recipe is built again.
recipe=$(printf '%s\n' "qtbase $host_version" "emscripten $emcc_version" "${features[@]}" "$defines" "$build_type" \
         | cat - "${patches[@]}" | sha256sum | cut -d' ' -f1)
stamp="$prefix/wagecourt-qt.stamp"
if [[ -f "$stamp" && "$(cat "$stamp")" == "$recipe" && -f "$prefix/lib/cmake/Qt6/Qt6Config.cmake" ]]; then
    echo "Qt $host_version for WebAssembly is ready in $prefix"
    exit 0
fi

if [[ -n "${WAGECOURT_QT_WASM_WORK:-}" ]]; then
    work=$WAGECOURT_QT_WASM_WORK
    mkdir -p "$work"
else
    work=$(mktemp -d /var/tmp/wagecourt-qt-wasm.XXXXXX)
    trap 'rm -rf "$work"' EXIT
fi
echo "Building Qt $host_version for WebAssembly in $work, installing into $prefix" >&2

# Debian's source files stay in their own cache, for the workflow to ship them.
"$here/../qt-source.sh" "$source_files"
dsc=$(ls "$source_files"/qt6-base_*.dsc | head -n1)
src="$work/qt6-base"
if [[ ! -d "$src" ]]; then
    dpkg-source --no-check -x "$dsc" "$src" >&2
    for patch in "${patches[@]}"; do
        patch -d "$src" -p1 --forward < "$patch" >&2
    done
fi
src_version=$(sed -n 's/^set(QT_REPO_MODULE_VERSION "\([0-9.]*\)").*/\1/p' "$src/.cmake.conf")
if [[ "$src_version" != "$host_version" ]]; then
    echo "build-qt.sh: the source is qtbase $src_version but the host tools are $host_version" >&2
    exit 1
fi

# Qt's configure asks an emscripten SDK for its version through EMSDK, laid out
# as the official SDK is; Debian's emscripten is spread over /usr. The toolchain
# file is named outright, so the installed Qt records Debian's and needs no
# EMSDK afterwards.
emsdk="$work/emsdk"
mkdir -p "$emsdk/upstream/emscripten"
echo "EMSCRIPTEN_ROOT = emsdk_path + '/upstream/emscripten'" > "$emsdk/.emscripten"
ln -sf /usr/bin/emcc "$emsdk/upstream/emscripten/emcc"
export EMSDK="$emsdk"
# emcc's own scripts need Debian's node modules when the node on PATH is not Debian's.
export NODE_PATH=${NODE_PATH:-/usr/share/nodejs}

# Only ever clear a folder this script filled.
if [[ -d "$prefix" && -n "$(ls -A "$prefix")" && ! -f "$stamp" && ! -f "$prefix/lib/cmake/Qt6/Qt6Config.cmake" ]]; then
    echo "build-qt.sh: $prefix is not empty and holds no Qt; choose another WAGECOURT_QT_WASM" >&2
    exit 1
fi
rm -rf "$prefix"
host_cmake_dir=$(dirname "$(dirname "$(dpkg -L qt6-base-dev | grep -m1 '/cmake/Qt6HostInfo/Qt6HostInfoConfig.cmake$')")")
cmake -S "$src" -B "$work/build" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$emscripten_toolchain" \
    -DQT_QMAKE_TARGET_MKSPEC=wasm-emscripten \
    -DCMAKE_BUILD_TYPE="$build_type" \
    -DCMAKE_INSTALL_PREFIX="$prefix" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR="$host_cmake_dir" \
    -DBUILD_SHARED_LIBS=OFF -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF \
    -DCMAKE_CXX_FLAGS="$defines" \
    "${features[@]}"
cmake --build "$work/build" --parallel "$jobs"
cmake --install "$work/build"
# Which source the library came from and how it was configured, for the notice
# that ships with what links it.
cp "$dsc" "$prefix/"
cp "$0" "$prefix/build-qt.sh"
cp "${patches[@]}" "$prefix/"
echo "$recipe" > "$stamp"
echo "Qt $host_version for WebAssembly is ready in $prefix"
