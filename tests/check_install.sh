#!/usr/bin/env bash
# Installs the build into a scratch prefix and checks that every file lands in
# its standard place and that the desktop entry and the metainfo validate.
# Usage: check_install.sh BUILD_DIR SCRATCH_DIR
set -euo pipefail
build=$1
prefix=$2/prefix

for tool in desktop-file-validate appstreamcli; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done

rm -rf "$prefix"
cmake --install "$build" --prefix "$prefix" >/dev/null

id=io.github.wagecourt.Wagecourt
status=0
for file in bin/wagecourt bin/wagecourt-cli share/applications/$id.desktop \
            share/icons/hicolor/scalable/apps/$id.svg share/metainfo/$id.metainfo.xml; do
    if [[ -e "$prefix/$file" ]]; then echo "PASS installed $file"; else echo "FAIL missing $file"; status=1; fi
done
[[ -x "$prefix/bin/wagecourt" ]] && [[ "$("$prefix/bin/wagecourt" --version)" == "1.00" ]] \
    && echo "PASS wagecourt --version" || { echo "FAIL wagecourt --version"; status=1; }

desktop-file-validate "$prefix/share/applications/$id.desktop" && echo "PASS desktop-file-validate" \
    || { echo "FAIL desktop-file-validate"; status=1; }
appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml" && echo "PASS appstreamcli validate" \
    || { echo "FAIL appstreamcli validate"; status=1; }
exit $status
