#!/usr/bin/env bash
# Takes the README's screenshots of the window, compact and expanded, with a
# player's list imported, on a private X server.
# Usage: tools/screenshots.sh [BUILD_DIR]   (writes docs/window-compact.png and docs/window-expanded.png)
set -euo pipefail
build=${1:-build/release}
app=$build/src/ui/wagecourt
out=docs
pids=()
cleanup() { for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done; }
trap cleanup EXIT

exec 3<> <(:)
Xvfb -displayfd 3 -noreset -nolisten tcp -screen 0 1280x1024x24 >/dev/null 2>&1 &
pids+=($!)
read -r -t 10 display <&3
export DISPLAY=:$display
openbox --sm-disable >/dev/null 2>&1 &
pids+=($!)
sleep 0.5

QT_QPA_PLATFORM=xcb "$app" >/dev/null 2>&1 &
pids+=($!)
window=
for _ in $(seq 50); do
    window=$(xdotool search --name "Wagecourt v1.0" 2>/dev/null | head -n 1) && [[ -n $window ]] && break
    sleep 0.1
done
[[ -n $window ]] || { echo "the window did not appear" >&2; exit 1; }

printf 'Jump Shot: prominent\nJump Range: proficient\nOutside Def.: strong\nHandling: wondrous\nDriving: respectable\nPassing: prolific\nInside Shot: awful\nInside Def.: inept\nRebounding: average\nShot Blocking: pitiful\nStamina: strong\nFree Throw: average\nExperience: mediocre\n' \
    | xclip -selection clipboard -i -quiet >/dev/null 2>&1 &
pids+=($!)
sleep 0.3
xdotool mousemove --window "$window" 187 165 click 1   # Calculate Salary
sleep 0.8
import -window "$window" -frame "$out/window-compact.png" 2>/dev/null || import -window "$window" "$out/window-compact.png"
xdotool mousemove --window "$window" 547 14 click 1    # Show Info
sleep 0.8
import -window "$window" -frame "$out/window-expanded.png" 2>/dev/null || import -window "$window" "$out/window-expanded.png"
echo "wrote $out/window-compact.png and $out/window-expanded.png"
