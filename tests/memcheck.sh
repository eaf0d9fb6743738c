#!/usr/bin/env bash
# Runs a command under valgrind's memcheck and fails on any memory error or
# definite leak. Usage: memcheck.sh COMMAND [ARGUMENT...]  (standard input is passed on)
set -uo pipefail
command -v valgrind >/dev/null || { echo "SKIP: valgrind is not installed"; exit 77; }
exec valgrind --tool=memcheck --error-exitcode=99 --leak-check=full \
    --errors-for-leak-kinds=definite --show-leak-kinds=definite --num-callers=30 --quiet "$@"
