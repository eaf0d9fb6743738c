#!/usr/bin/env bash
# Builds the small Qt the Windows programs need, from Debian's own qt6-base
# source, with MinGW-w64, and installs it into a cache folder outside the tree:
#   $WAGECOURT_QT_MINGW (default ~/.cache/wagecourt/qt-mingw)
# A finished cache with the same recipe is reused, so a second run takes
# seconds. The source comes from tools/qt-source.sh, into
#   $WAGECOURT_QT_SOURCE (default ~/.cache/wagecourt/qt6-base-source)
# Debian's qt6-base source leaves out Qt's copy of SQLite, so the SQL module's
# SQLite driver is built against SQLite from Debian's sqlite3 source, kept in
#   $WAGECOURT_SQLITE_SOURCE (default ~/.cache/wagecourt/sqlite3-source)
# and built with Debian's own options, so that a book file behaves on Windows
# as on Linux; it is linked into qsqlite.dll, not shipped as a DLL of its own.
# Needs: g++-mingw-w64-x86-64-posix, qt6-base-dev-tools, dpkg-dev, cmake, ninja,
# and gcc and tcl to generate SQLite's single-file source.
#   WAGECOURT_QT_MINGW_JOBS   parallel compile jobs (default 2)
#   WAGECOURT_QT_MINGW_WORK   scratch folder (default: a new one under /var/tmp, removed afterwards)
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
toolchain="$here/mingw-w64-x86_64.cmake"
prefix=${WAGECOURT_QT_MINGW:-${HOME:?}/.cache/wagecourt/qt-mingw}
jobs=${WAGECOURT_QT_MINGW_JOBS:-2}
source_files=${WAGECOURT_QT_SOURCE:-${HOME:?}/.cache/wagecourt/qt6-base-source}
sqlite_files=${WAGECOURT_SQLITE_SOURCE:-${HOME:?}/.cache/wagecourt/sqlite3-source}

# Qt's host tools and the Windows Qt must be the same release.
host_version=$(dpkg-query -W -f='${Version}' qt6-base-dev-tools 2>/dev/null || true)
host_version=${host_version#*:}
host_version=${host_version%%[+~-]*}
if [[ -z "$host_version" ]]; then
    echo "build-qt.sh: qt6-base-dev-tools is not installed (tools/deps.sh --windows)" >&2
    exit 1
fi
for tool in x86_64-w64-mingw32-g++-posix x86_64-w64-mingw32-gcc-posix cmake ninja dpkg-source gcc make tclsh; do
    command -v "$tool" >/dev/null || { echo "build-qt.sh: $tool is missing (tools/deps.sh --windows)" >&2; exit 1; }
done

features=(
    -DFEATURE_gui=ON -DFEATURE_widgets=ON -DFEATURE_jpeg=ON -DFEATURE_ico=ON -DFEATURE_png=ON
    -DFEATURE_network=OFF -DFEATURE_dbus=OFF -DFEATURE_testlib=OFF
    # The player book's store: SQLite alone among the database drivers.
    -DFEATURE_sql=ON -DFEATURE_sql_sqlite=ON -DINPUT_sqlite=system -DFEATURE_system_sqlite=ON
    -DFEATURE_sql_odbc=OFF -DFEATURE_sql_psql=OFF -DFEATURE_sql_mysql=OFF -DFEATURE_sql_ibase=OFF
    -DFEATURE_sql_oci=OFF -DFEATURE_sql_db2=OFF
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
# Debian's own options for libsqlite3 (debian/rules), and the modules and
# functions its configure switches on.
sqlite_options=(
    -DSQLITE_SECURE_DELETE -DSQLITE_ENABLE_COLUMN_METADATA
    -DSQLITE_ENABLE_FTS3 -DSQLITE_ENABLE_FTS3_PARENTHESIS
    -DSQLITE_ENABLE_RTREE=1 -DSQLITE_SOUNDEX=1
    -DSQLITE_ENABLE_UNLOCK_NOTIFY
    -DSQLITE_OMIT_LOOKASIDE=1 -DSQLITE_ENABLE_DBSTAT_VTAB
    -DSQLITE_ALLOW_ROWID_IN_VIEW
    -DSQLITE_ENABLE_UPDATE_DELETE_LIMIT=1
    -DSQLITE_ENABLE_LOAD_EXTENSION
    -DSQLITE_ENABLE_JSON1
    -DSQLITE_LIKE_DOESNT_MATCH_BLOBS
    -DSQLITE_THREADSAFE=1
    -DSQLITE_ENABLE_FTS3_TOKENIZER=1
    -DSQLITE_USE_URI=1
    -DSQLITE_MAX_SCHEMA_RETRY=25
    -DSQLITE_ENABLE_PREUPDATE_HOOK
    -DSQLITE_ENABLE_SESSION
    -DSQLITE_ENABLE_STMTVTAB
    -DSQLITE_MAX_VARIABLE_NUMBER=250000
    -DSQLITE_ENABLE_FTS4 -DSQLITE_ENABLE_FTS5 -DSQLITE_ENABLE_MATH_FUNCTIONS
)
"$here/../qt-source.sh" "$sqlite_files" sqlite3
sqlite_dsc=$(ls "$sqlite_files"/sqlite3_*.dsc | head -n1)
sqlite_version=$(sed -n 's/^Version: *//p' "$sqlite_dsc")

# What the build depends on; a cache built from another recipe is built again.
recipe=$(printf '%s\n' "qtbase $host_version" "${features[@]}" "sqlite3 $sqlite_version" "${sqlite_options[@]}" \
    | cat - "$toolchain" | sha256sum | cut -d' ' -f1)
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

# SQLite's single-file source is generated by its own tools, built for this
# machine; that file is then compiled for Windows into a static library in the
# Qt prefix, where the driver's build and the programs' find_package find it.
build_sqlite() {
    (cd "$work" && dpkg-source --no-check -x "$sqlite_dsc" >&2)
    local sqlite_src
    sqlite_src=$(find "$work" -maxdepth 1 -type d -name "sqlite3-*" | head -n1)
    [[ -n "$sqlite_src" ]] || { echo "build-qt.sh: the sqlite3 source unpacked nothing" >&2; exit 1; }
    mkdir -p "$work/sqlite-generate" "$prefix/lib" "$prefix/include" "$prefix/licences"
    (cd "$work/sqlite-generate" && "$sqlite_src/configure" --disable-tcl --enable-threadsafe \
        CFLAGS="-O2 ${sqlite_options[*]}" >&2 && make sqlite3.c >&2)
    x86_64-w64-mingw32-gcc-posix -O2 -fno-strict-aliasing -DNDEBUG "${sqlite_options[@]}" \
        -c "$work/sqlite-generate/sqlite3.c" -o "$work/sqlite-generate/sqlite3.obj"
    rm -f "$prefix/lib/libsqlite3.a"
    x86_64-w64-mingw32-ar rcs "$prefix/lib/libsqlite3.a" "$work/sqlite-generate/sqlite3.obj"
    cp "$work/sqlite-generate/sqlite3.h" "$work/sqlite-generate/sqlite3ext.h" "$prefix/include/"
    # What the Windows folder says of the SQLite inside qsqlite.dll.
    cp "$sqlite_src/debian/copyright" "$prefix/licences/SQLite-copyright.txt"
    echo "$sqlite_version" > "$prefix/licences/SQLite-version.txt"
}

# Only ever clear a folder this script filled (the mark says it began to).
partial="$prefix/wagecourt-qt.partial"
if [[ -d "$prefix" && -n "$(ls -A "$prefix")" && ! -f "$stamp" && ! -f "$partial" \
      && ! -f "$prefix/lib/cmake/Qt6/Qt6Config.cmake" ]]; then
    echo "build-qt.sh: $prefix is not empty and holds no Qt; choose another WAGECOURT_QT_MINGW" >&2
    exit 1
fi
rm -rf "$prefix"
mkdir -p "$prefix"
touch "$partial"
build_sqlite
host_cmake_dir=$(dirname "$(dirname "$(dpkg -L qt6-base-dev | grep -m1 '/cmake/Qt6HostInfo/Qt6HostInfoConfig.cmake$')")")
cmake -S "$src" -B "$work/build" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_INSTALL_PREFIX="$prefix" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR="$host_cmake_dir" \
    -DBUILD_SHARED_LIBS=ON -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF \
    -DSQLite3_INCLUDE_DIR="$prefix/include" -DSQLite3_LIBRARY="$prefix/lib/libsqlite3.a" \
    "${features[@]}"
cmake --build "$work/build" --parallel "$jobs"
cmake --install "$work/build" --strip
echo "$recipe" > "$stamp"
rm -f "$partial"
echo "Qt $host_version for MinGW is ready in $prefix"
