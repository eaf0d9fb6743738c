#!/usr/bin/env bash
# 200 keeps, one program each, killed with SIGKILL partway through: the book
# must still open and hold every keep that had returned.
#   book_kill.sh WAGECOURT_CLI
set -euo pipefail
cli=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
export XDG_DATA_HOME=$scratch/data XDG_CONFIG_HOME=$scratch/config
book=$scratch/book.sqlite
list=$scratch/list.txt
printf 'Jump Shot: 8\nJump Range: 7\nOutside Def.: 9\nHandling: 10\nDriving: 8\nPassing: 11\nInside Shot: 3\nInside Def.: 3\nRebounding: 5\nShot Blocking: 2\n' >"$list"

(
    for i in $(seq 1 200); do
        "$cli" book --book "$book" keep "Player $i" "$list" >/dev/null
        echo "$i" >>"$scratch/returned"
    done
) &
loop=$!
# Partway, at a moment no one chooses: once some keeps have returned.
until [[ -s "$scratch/returned" && $(wc -l <"$scratch/returned") -ge 40 ]]; do
    sleep 0.01
done
# The loop stopped first, so that it neither starts another keep nor notes one
# as returned; then the keep under way is killed wherever it is.
kill -STOP "$loop"
for child in $(pgrep -P "$loop" || true); do
    kill -KILL "$child" 2>/dev/null || true
done
kill -KILL "$loop"
wait "$loop" 2>/dev/null || true

kept=$("$cli" book --book "$book" list --json)
returned=$(wc -l <"$scratch/returned")
if (( returned >= 200 )); then
    echo "all 200 keeps returned before the kill" >&2
    exit 1
fi
missing=0
while read -r i; do
    grep -q "\"name\":\"Player $i\"" <<<"$kept" || { echo "keep $i returned but is not in the book" >&2; missing=1; }
done <"$scratch/returned"
echo "$returned keeps had returned; the book holds $(grep -c . <<<"$kept")"
exit "$missing"
