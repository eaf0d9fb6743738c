#!/usr/bin/env bash
# Builds the Debian package from a build folder with CPack, checks it with
# lintian, unpacks it into a scratch root and runs both programs from there,
# against the same programs in the build folder.
# Usage: check_package.sh CPACK BUILD_DIR SCRATCH_DIR
set -euo pipefail
cpack=$1
build=$2
scratch=$3

for tool in "$cpack" dpkg-deb dpkg-shlibdeps file lintian readelf; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done

status=0
pass() { echo "PASS $*"; }
fail() { echo "FAIL $*"; status=1; }

rm -rf "$scratch"
mkdir -p "$scratch"
if ! "$cpack" --config "$build/CPackConfig.cmake" -B "$scratch/out" >"$scratch/cpack.log" 2>&1; then
    cat "$scratch/cpack.log"
    echo "FAIL cpack"
    exit 1
fi

built_cli=$build/src/cli/wagecourt-cli
built_window=$build/src/app/wagecourt
version=$("$built_cli" --version)
deb=$scratch/out/wagecourt_${version%% *}-1_$(dpkg --print-architecture).deb
[[ -f "$deb" ]] || { ls "$scratch/out"; echo "FAIL no $(basename "$deb")"; exit 1; }
pass "built $(basename "$deb"), $(stat -c %s "$deb") bytes"

# The control fields a user and apt see.
depends=$(dpkg-deb -f "$deb" Depends)
for dependency in fonts-wine fonts-dejavu-core qt6-translations-l10n libqt6sql6-sqlite libqt6widgets6 libc6; do
    [[ ", $depends," == *", $dependency"[\ ,]* ]] && pass "depends on $dependency" || fail "Depends lacks $dependency: $depends"
done
for field in Maintainer Section Description; do
    [[ -n "$(dpkg-deb -f "$deb" "$field")" ]] && pass "has $field" || fail "no $field"
done

# Every file in its place.
id=io.github.wagecourt.Wagecourt
contents=$(dpkg-deb -c "$deb" | awk '{print $NF}')
for file in usr/bin/wagecourt usr/bin/wagecourt-cli usr/share/applications/$id.desktop \
            usr/share/icons/hicolor/scalable/apps/$id.svg usr/share/icons/hicolor/48x48/apps/$id.png \
            usr/share/icons/hicolor/128x128/apps/$id.png usr/share/icons/hicolor/256x256/apps/$id.png \
            usr/share/metainfo/$id.metainfo.xml usr/share/man/man1/wagecourt.1.gz \
            usr/share/man/man1/wagecourt-cli.1.gz usr/share/doc/wagecourt/copyright \
            usr/share/doc/wagecourt/changelog.Debian.gz; do
    grep -qx "\./$file" <<<"$contents" && pass "packs $file" || fail "does not pack $file"
done

# No error and no warning that is not overridden with its reason in the package.
lintian --tag-display-limit 0 "$deb" >"$scratch/lintian.log" 2>&1 || true
cat "$scratch/lintian.log"
if grep -Eq '^[EW]: ' "$scratch/lintian.log"; then fail "lintian"; else pass "lintian"; fi

root=$scratch/root
dpkg-deb -x "$deb" "$root"
grep -qx 'MimeType=x-scheme-handler/wagecourt;' "$root/usr/share/applications/$id.desktop" \
    && pass "registers wagecourt: links" || fail "does not register wagecourt: links"
for program in wagecourt wagecourt-cli; do
    sections=$(readelf -S --wide "$root/usr/bin/$program")
    grep -Eq ' \.(symtab|debug_info) ' <<<"$sections" && fail "$program is not stripped" || pass "$program is stripped"
    readelf -d "$root/usr/bin/$program" | grep -Eq '\((RPATH|RUNPATH)\)' \
        && fail "$program has an RPATH or RUNPATH" || pass "$program has no library search path"
done

# The unpacked programs answer as the built ones do; the window's help needs no display.
run_both() {
    local what=$1 packed_program=$2 built_program=$3
    shift 3
    local packed built
    packed=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$packed_program" "$@" 2>&1) \
        || { fail "$what: exit status $?"; return; }
    built=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$built_program" "$@" 2>&1) || true
    [[ -n "$packed" && "$packed" == "$built" ]] && pass "$what" || fail "$what: '$packed', built: '$built'"
}
run_both "wagecourt-cli --version" "$root/usr/bin/wagecourt-cli" "$built_cli" --version
run_both "wagecourt-cli calc" "$root/usr/bin/wagecourt-cli" "$built_cli" calc 8 7 9 10 8 11 3 3 5 2
run_both "wagecourt --help" "$root/usr/bin/wagecourt" "$built_window" --help
exit $status
