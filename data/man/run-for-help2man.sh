#!/bin/sh
# Runs PROGRAM with the remaining arguments for help2man. A help text that
# opens with "Usage:" on a line of its own, one indented line per form, gets
# the forms in the "Usage: ... / or: ..." shape that help2man makes into the
# page's synopsis; anything else passes unchanged.
program=$1
shift
case "$1" in
--help)
    "$program" "$@" | awk '
        NR == 1 && $0 == "Usage:" { usage = 1; next }
        usage && /^[ \t]+[^ \t]/ { sub(/^[ \t]+/, ""); print (forms++ ? "  or:  " : "Usage: ") $0; next }
        { usage = 0; print }'
    ;;
*)
    exec "$program" "$@"
    ;;
esac
