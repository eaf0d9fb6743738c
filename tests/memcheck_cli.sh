#!/usr/bin/env bash
# wagecourt-cli's commands under memcheck: a calculation, training advice, an
# accepted and a rejected import, and batches with names, a header and a bad line.
# Usage: memcheck_cli.sh WAGECOURT_CLI
set -uo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
cli=$1
status=0
expect() { # expect STATUS DESCRIPTION COMMAND...
    local want=$1 what=$2
    shift 2
    "$@" >/dev/null 2>"$work/err"
    local got=$?
    [[ $got == 77 ]] && { echo "SKIP: valgrind is not installed"; exit 77; }
    if [[ $got == "$want" ]]; then echo "PASS $what"; else echo "FAIL $what: status $got"; cat "$work/err"; status=1; fi
}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
printf 'Jump Shot: legendary\nJump Range: awful\nOutside Def.: prominent\nHandling: atrocious\nDriving: strong\nPassing: average\nInside Shot: mediocre\nInside Def.: wondrous\nRebounding: pitiful\nShot Blocking: colossal\n' > "$work/list.txt"

expect 0 "calc --json" "$here/memcheck.sh" "$cli" calc 8 7 9 10 8 11 3 3 5 2 --json
expect 0 "advise" "$here/memcheck.sh" "$cli" advise 20 7 9 10 8 11 3 3 5 1 --lang tr
expect 0 "advise --json" "$here/memcheck.sh" "$cli" advise 8 7 9 10 8 11 3 3 5 2 --json
expect 0 "import, auto" "$here/memcheck.sh" "$cli" import --lang auto "$work/list.txt"
expect 1 "import, rejected" "$here/memcheck.sh" "$cli" import --lang Deutsch --json "$work/list.txt"
expect 1 "batch with a bad line" sh -c "printf '1 1 1 1 1 1 1 1 1 1\n1 2 x\n20,20,20,20,20,20,20,20,20,20\n' | '$here/memcheck.sh' '$cli' batch --json"
printf '\357\273\277Name,JS,JR\n"Doe, ""Jr""",1 1 1 1 1 1 1 1 1 1\nAnn\t20 20 20 20 20 20 20 20 20 20\n' > "$work/roster.csv"
expect 0 "batch of a named roster" "$here/memcheck.sh" "$cli" batch --header "$work/roster.csv"
expect 0 "batch --json of a named roster" "$here/memcheck.sh" "$cli" batch --json --lang pt "$work/roster.csv"
expect 2 "usage error" "$here/memcheck.sh" "$cli" calc 1 2 3
exit $status
