#!/bin/sh
# Runs PROGRAM with the remaining arguments for help2man. A help text that
# opens with "Usage:" on a line of its own, one indented line per form, gets
# the forms in the "Usage: ... / or: ..." shape that help2man makes into the
# page's synopsis. A closing "Exit status:" block is left out: the page has an
# EXIT STATUS section of its own. Anything else passes unchanged.
# The pages are English, whatever language the build machine speaks.
LC_ALL=C.UTF-8
LANGUAGE=
export LC_ALL LANGUAGE
program=$1
shift
case "$1" in
--help)
    "$program" "$@" | awk '
        NR == 1 && $0 == "Usage:" { usage = 1; next }
        usage && /^[ \t]+[^ \t]/ { sub(/^[ \t]+/, ""); print (forms++ ? "  or:  " : "Usage: ") $0; next }
        $0 == "Exit status:" { exitStatus = 1 }
        exitStatus { next }
        { usage = 0; print }'
    ;;
*)
    exec "$program" "$@"
    ;;
esac
