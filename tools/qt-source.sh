#!/usr/bin/env bash
# Fetches a Debian source package (the .dsc and its tarballs, as apt-get
# source downloads them) into a folder, once:
#   tools/qt-source.sh FOLDER [PACKAGE]     PACKAGE defaults to qt6-base
# The Qt builds unpack it from there (and the Windows and web builds
# libqrencode's, cmake/Qrencode.cmake), and the workflows pack the same files
# beside what they ship, as the LGPL asks of a Qt and a libqrencode linked into
# our programs (and as is only fair for the SQLite the Windows Qt's database
# driver holds).
# apt runs with a private configuration (a deb-src entry for the Debian mirror
# this machine already uses, and its own package lists in a scratch folder),
# so the system's apt sources and lists stay untouched.
set -euo pipefail

dest=${1:?usage: tools/qt-source.sh FOLDER [PACKAGE]}
package=${2:-qt6-base}
if compgen -G "$dest/${package}_*.dsc" >/dev/null; then
    exit 0
fi
mkdir -p "$dest"
apt_dir=$(mktemp -d /var/tmp/wagecourt-apt.XXXXXX)
trap 'rm -rf "$apt_dir"' EXIT
mkdir -p "$apt_dir/sources.list.d" "$apt_dir/lists/partial" "$apt_dir/cache/archives/partial" "$apt_dir/download"
# A deb-src entry for each Debian mirror and suite the system's sources name.
python3 - "$apt_dir/sources.list.d/debian-src.list" <<'PY'
import glob, re, sys
lines = []
def add(uri, suite, comps, signed):
    opt = f" [signed-by={signed}]" if signed else ""
    line = f"deb-src{opt} {uri} {suite} {' '.join(comps)}"
    if line not in lines:
        lines.append(line)
for path in ["/etc/apt/sources.list"] + sorted(glob.glob("/etc/apt/sources.list.d/*.list")):
    try:
        text = open(path).read()
    except OSError:
        continue
    for raw in text.splitlines():
        m = re.match(r"\s*deb\s+(?:\[([^\]]*)\]\s+)?(\S+)\s+(\S+)\s+(.*)", raw)
        if not m:
            continue
        opts = dict(o.split("=", 1) for o in (m.group(1) or "").split() if "=" in o)
        add(m.group(2), m.group(3), m.group(4).split("#")[0].split(), opts.get("signed-by"))
for path in sorted(glob.glob("/etc/apt/sources.list.d/*.sources")):
    try:
        text = open(path).read()
    except OSError:
        continue
    for stanza in re.split(r"\n\s*\n", text):
        fields = {}
        for raw in stanza.splitlines():
            if raw.startswith("#") or ":" not in raw:
                continue
            key, value = raw.split(":", 1)
            fields[key.strip().lower()] = value.strip()
        if "deb" not in fields.get("types", "").split() or fields.get("enabled", "yes") == "no":
            continue
        for uri in fields.get("uris", "").split():
            for suite in fields.get("suites", "").split():
                add(uri, suite, fields.get("components", "main").split(), fields.get("signed-by"))
# Only Debian's own mirrors; the packages we build from live in main.
lines = [l for l in lines if "debian" in l and " main" in l]
if not lines:
    sys.exit("qt-source.sh: no Debian mirror found in /etc/apt/sources.list*")
open(sys.argv[1], "w").write("\n".join(lines) + "\n")
PY
apt_opts=(-o Dir::Etc::SourceList=/dev/null -o "Dir::Etc::SourceParts=$apt_dir/sources.list.d"
          -o "Dir::State::Lists=$apt_dir/lists" -o "Dir::Cache=$apt_dir/cache" -o Debug::NoLocking=1)
[[ $(id -u) -eq 0 ]] && apt_opts+=(-o APT::Sandbox::User=root)
apt-get "${apt_opts[@]}" -q update >&2
# apt checks every file against the signed Sources index it just fetched.
if ! (cd "$apt_dir/download" && apt-get "${apt_opts[@]}" -q source --download-only "$package" >&2); then
    # A mirror may lack a file of the package: Debian's packaging tarball,
    # which no build here unpacks. Each file is then fetched on its own and
    # checked against the index's hash; the .dsc and the upstream tarball must
    # come, and a file that does not is marked missing (NAME.missing) for the
    # source notice to say where Debian keeps it.
    echo "qt-source.sh: fetching $package's files one by one" >&2
    rm -rf "${apt_dir:?}/download" && mkdir -p "$apt_dir/download"
    apt-get "${apt_opts[@]}" -q source --print-uris "$package" | grep "^'" | while read -r uri name _ hash; do
        uri=${uri//\'/}
        if ! /usr/lib/apt/apt-helper "${apt_opts[@]}" download-file "$uri" "$apt_dir/download/$name" "$hash" >&2; then
            rm -f "$apt_dir/download/$name"
            case $name in
            *.dsc | *.orig.tar.*) echo "qt-source.sh: $uri could not be fetched" >&2; exit 1 ;;
            *) echo "qt-source.sh: $name is not on the mirror; the build does not need it" >&2
               : >"$apt_dir/download/$name.missing" ;;
            esac
        fi
    done
fi
compgen -G "$apt_dir/download/${package}_*.dsc" >/dev/null || { echo "qt-source.sh: apt-get source fetched no $package" >&2; exit 1; }
mv "$apt_dir"/download/* "$dest"/
