#!/usr/bin/env bash
# Runs shellcheck over every shell script of the source tree: the *.sh files,
# the scripts that name sh or bash on their first line, and those that declare
# their shell to shellcheck (the sourced helpers). Warnings fail as errors do.
# Usage: check_shell_scripts.sh SOURCE_DIR [BUILD_DIR]
set -euo pipefail
source_dir=$(cd "$1" && pwd)
build_dir=${2:+$(cd "$2" && pwd)}

command -v shellcheck >/dev/null || { echo "SKIP: shellcheck is not installed"; exit 77; }

scripts=()
while IFS= read -r -d '' file; do
    if [[ $file == *.sh ]] || head -n 1 "$file" | grep -Eq '^#!(/usr)?/bin/(env )?(ba)?sh( |$)' \
        || head -n 1 "$file" | grep -Eq '^# shellcheck shell=(ba)?sh'; then
        scripts+=("$file")
    fi
done < <(find "$source_dir" \( -name .git -o -name node_modules -o -path "$source_dir/build" \
                               ${build_dir:+-o -path "$build_dir"} \) -prune -o -type f -size -1000k -print0)

if [[ ${#scripts[@]} -eq 0 ]]; then
    echo "FAIL no shell script found under $source_dir"
    exit 1
fi
if shellcheck --severity=warning --external-sources "${scripts[@]}"; then
    echo "PASS shellcheck finds nothing in ${#scripts[@]} scripts"
else
    echo "FAIL shellcheck (above) in the ${#scripts[@]} scripts"
    exit 1
fi
