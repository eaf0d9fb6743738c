#!/usr/bin/env bash
# Installs the build into a scratch prefix and checks that every file lands in
# its standard place, that the desktop entry and the metainfo validate and carry
# the game's languages, and that the manual pages render without a warning.
# Usage: check_install.sh BUILD_DIR SCRATCH_DIR MANPAGES(1|0)
set -euo pipefail
build=$1
prefix=$2/prefix
manpages=${3:-1}

tools=(desktop-file-validate appstreamcli)
[[ $manpages == 1 ]] && tools+=(man)
for tool in "${tools[@]}"; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done

rm -rf "$prefix"
cmake --install "$build" --prefix "$prefix" >/dev/null

id=io.github.wagecourt.Wagecourt
files=(bin/wagecourt bin/wagecourt-cli "share/applications/$id.desktop" "share/metainfo/$id.metainfo.xml"
       "share/icons/hicolor/scalable/apps/$id.svg" share/doc/wagecourt/copyright)
for size in 48 128 256; do files+=("share/icons/hicolor/${size}x$size/apps/$id.png"); done
[[ $manpages == 1 ]] && files+=(share/man/man1/wagecourt.1.gz share/man/man1/wagecourt-cli.1.gz)
status=0
for file in "${files[@]}"; do
    if [[ -e "$prefix/$file" ]]; then echo "PASS installed $file"; else echo "FAIL missing $file"; status=1; fi
done
[[ -x "$prefix/bin/wagecourt" ]] && [[ "$("$prefix/bin/wagecourt" --version)" == "1.00 (formula 1)" ]] \
    && echo "PASS wagecourt --version" || { echo "FAIL wagecourt --version"; status=1; }

for program in wagecourt wagecourt-cli; do
    ! readelf -d "$prefix/bin/$program" | grep -Eq '\((RPATH|RUNPATH)\)' \
        && echo "PASS $program has no library search path" || { echo "FAIL $program has an RPATH or RUNPATH"; status=1; }
done

desktop=$prefix/share/applications/$id.desktop
metainfo=$prefix/share/metainfo/$id.metainfo.xml
desktop-file-validate "$desktop" && echo "PASS desktop-file-validate" \
    || { echo "FAIL desktop-file-validate"; status=1; }
# Links clicked in a mail or a chat come to the window, with the link as its argument.
grep -qx 'MimeType=x-scheme-handler/wagecourt;' "$desktop" && grep -qx 'Exec=wagecourt %u' "$desktop" \
    && echo "PASS the desktop entry opens wagecourt: links" || { echo "FAIL the desktop entry does not open wagecourt: links"; status=1; }
# Pedantic hints pass; errors, warnings and infos do not.
report=$(appstreamcli validate --pedantic --no-net "$metainfo" 2>&1) && ! grep -Eq '^[EWI]: ' <<<"$report" \
    && echo "PASS appstreamcli validate --pedantic" || { echo "$report"; echo "FAIL appstreamcli validate"; status=1; }

for lang in tr es it fr de pl pt; do
    missing=()
    for key in Name GenericName Comment Keywords; do
        grep -q "^$key\[$lang\]=." "$desktop" || missing+=("$key")
    done
    for tag in name summary p; do
        [[ $(grep -c "<$tag xml:lang=\"$lang\">" "$metainfo") -ge 1 ]] || missing+=("<$tag>")
    done
    [[ ${#missing[@]} -eq 0 ]] && echo "PASS translated into $lang" || { echo "FAIL no $lang for ${missing[*]}"; status=1; }
done

if [[ $manpages == 1 ]]; then
    for page in wagecourt wagecourt-cli; do
        file=$prefix/share/man/man1/$page.1.gz
        warnings=$(MANWIDTH=80 man --warnings -l "$file" 2>&1 >/dev/null || echo "man failed")
        [[ -z "$warnings" ]] && echo "PASS man $page renders cleanly" || { echo "$warnings"; echo "FAIL man $page"; status=1; }
        # The help text's options and the added sections both reached the page.
        text=$(MANWIDTH=80 man -l "$file" 2>/dev/null)
        for heading in SYNOPSIS OPTIONS "INPUT FORMATS" "EXIT STATUS" EXAMPLES; do
            grep -q "^$heading\$" <<<"$text" || { echo "FAIL man $page has no $heading"; status=1; }
        done
        grep -q -- '--version' <<<"$text" || { echo "FAIL man $page lacks --version"; status=1; }
    done
fi
exit $status
