#!/usr/bin/env bash
# Takes the README's screenshots of the window with a player's list imported,
# on a private X server: compact and expanded at 100 %, and compact at 200 %;
# then the player book's window beside it, after a keep, with a few players
# kept by wagecourt-cli in a book of the run's own.
# Usage: tools/screenshots.sh [BUILD_DIR [LANGUAGE [OUT_DIR]]]
#   (writes docs/window-compact.png, docs/window-expanded.png, docs/window-200.png
#   and docs/book-window.png)
# With a LANGUAGE as the list names it (Deutsch, Türkçe ...), the window switches
# to it after the import and is taken compact and expanded at 100 % and 200 %:
# OUT_DIR/window-LANGUAGE-{compact,expanded}[-200].png, OUT_DIR docs unless given.
set -euo pipefail
build=${1:-build/release}
language=${2:-}
app=$build/src/app/wagecourt
cli=$build/src/cli/wagecourt-cli
out=${3:-docs}
languages=(English Türkçe Español Italiano Français Deutsch Polski Português)
steps=
if [[ -n $language ]]; then
    for i in "${!languages[@]}"; do [[ ${languages[$i]} == "$language" ]] && steps=$i; done
    [[ -n $steps ]] || { echo "unknown language '$language': ${languages[*]}" >&2; exit 2; }
fi
scratch=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    rm -rf "$scratch"
}
trap cleanup EXIT

# The window as on a first start: none of the user's settings or players, no scale of the desktop's.
export XDG_CONFIG_HOME=$scratch/config XDG_DATA_HOME=$scratch/data
export LC_ALL=C.UTF-8 # in English: a first start follows the desktop's language
unset LANGUAGE
unset QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS QT_FONT_DPI QT_ENABLE_HIGHDPI_SCALING QT_STYLE_OVERRIDE \
    QT_QPA_PLATFORMTHEME

exec 3<> <(:)
Xvfb -displayfd 3 -noreset -nolisten tcp -screen 0 1600x1200x24 >/dev/null 2>&1 &
pids+=($!)
read -r -t 10 display <&3
export DISPLAY=:$display
openbox --sm-disable >/dev/null 2>&1 &
pids+=($!)
sleep 0.5

printf 'Jump Shot: prominent\nJump Range: proficient\nOutside Def.: strong\nHandling: wondrous\nDriving: respectable\nPassing: prolific\nInside Shot: awful\nInside Def.: inept\nRebounding: average\nShot Blocking: pitiful\nStamina: strong\nFree Throw: average\nExperience: mediocre\n' \
    | xclip -selection clipboard -i -quiet >/dev/null 2>&1 &
pids+=($!)
sleep 0.3

# shoot SCALE COMPACT_PNG [EXPANDED_PNG]: starts the window at the scale, imports
# the list and takes the window with its frame, then expanded if asked.
shoot() {
    local scale=$1 compact=$2 expanded=${3:-} window='' pid
    QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR=$scale "$app" >/dev/null 2>&1 &
    pid=$!
    pids+=("$pid")
    for _ in $(seq 50); do
        window=$(xdotool search --all --pid "$pid" --name "Wagecourt v1.0" 2>/dev/null | head -n 1) && [[ -n $window ]] && break
        sleep 0.1
    done
    [[ -n $window ]] || { echo "the window did not appear at scale $scale" >&2; exit 1; }
    sleep 0.5
    xdotool mousemove --window "$window" $((187 * scale)) $((165 * scale)) click 1 # Calculate Salary
    sleep 0.8
    if [[ -n $language ]]; then
        xdotool mousemove --window "$window" $((310 * scale)) $((13 * scale)) click 1 # the language list
        sleep 0.5
        for _ in $(seq "$steps"); do xdotool key Down; done
        xdotool key Return
        sleep 0.8
    fi
    import -window "$window" -frame "$out/$compact" 2>/dev/null || import -window "$window" "$out/$compact"
    if [[ -n $expanded ]]; then
        xdotool mousemove --window "$window" $((547 * scale)) $((14 * scale)) click 1 # Show Info
        sleep 0.8
        import -window "$window" -frame "$out/$expanded" 2>/dev/null || import -window "$window" "$out/$expanded"
    fi
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    echo "wrote $out/$compact${expanded:+ and $out/$expanded}"
}

# frame WINDOW: the window's frame on the screen as X Y WIDTH HEIGHT.
frame() {
    local x y width height left right top bottom
    read -r x y width height < <(xwininfo -id "$1" | awk '/Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF}
        /Width:/ {w=$NF} /Height:/ {h=$NF} END {print x, y, w, h}')
    read -r left right top bottom < <(xprop -id "$1" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g')
    echo $((x - ${left:-0})) $((y - ${top:-0})) $((width + ${left:-0} + ${right:-0})) $((height + ${top:-0} + ${bottom:-0}))
}

# shoot_book PNG: keeps the imported player under a new name, opens the book
# and takes both windows as they stand on the screen.
shoot_book() {
    local picture=$1 window='' book='' pid
    local list='Jump Shot: %s\nJump Range: strong\nOutside Def.: proficient\nHandling: strong\nDriving: respectable\nPassing: prominent\nInside Shot: mediocre\nInside Def.: average\nRebounding: average\nShot Blocking: pitiful\n'
    # shellcheck disable=SC2059 # the list is the format
    printf "$list" strong | "$cli" book keep "Ann Lee" --date 2026-11-30 --note "left-handed, ask in March" >/dev/null
    # shellcheck disable=SC2059
    printf "$list" prominent | "$cli" book keep "Ann Lee" --date 2026-12-07 >/dev/null
    # shellcheck disable=SC2059
    printf "$list" wondrous | "$cli" book keep "Bo Kim" --tag target --date 2026-12-07 >/dev/null
    QT_QPA_PLATFORM=xcb "$app" >/dev/null 2>&1 &
    pid=$!
    pids+=("$pid")
    for _ in $(seq 50); do
        window=$(xdotool search --all --pid "$pid" --name "Wagecourt v1.0" 2>/dev/null | head -n 1) && [[ -n $window ]] && break
        sleep 0.1
    done
    [[ -n $window ]] || { echo "the window did not appear for the book" >&2; exit 1; }
    sleep 0.5
    xdotool mousemove --window "$window" 187 165 click 1 # Calculate Salary
    sleep 0.8
    xdotool key ctrl+k
    sleep 0.8
    xdotool type --delay 30 "Dana Kowalski"
    xdotool key Return
    sleep 0.5
    xdotool key ctrl+b
    for _ in $(seq 50); do
        book=$(xdotool search --all --pid "$pid" --onlyvisible --name "^Player Book$" 2>/dev/null | head -n 1) && [[ -n $book ]] && break
        sleep 0.1
    done
    [[ -n $book ]] || { echo "the book's window did not appear" >&2; exit 1; }
    sleep 1
    local a b
    read -r -a a < <(frame "$window")
    read -r -a b < <(frame "$book")
    local left=$((a[0] < b[0] ? a[0] : b[0])) top=$((a[1] < b[1] ? a[1] : b[1]))
    local right=$((a[0] + a[2] > b[0] + b[2] ? a[0] + a[2] : b[0] + b[2]))
    local bottom=$((a[1] + a[3] > b[1] + b[3] ? a[1] + a[3] : b[1] + b[3]))
    import -window root -crop "$((right - left))x$((bottom - top))+$left+$top" +repage "$out/$picture"
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    echo "wrote $out/$picture"
}

if [[ -n $language ]]; then
    shoot 1 "window-$language-compact.png" "window-$language-expanded.png"
    shoot 2 "window-$language-compact-200.png" "window-$language-expanded-200.png"
else
    shoot 1 window-compact.png window-expanded.png
    shoot 2 window-200.png
    shoot_book book-window.png
fi
