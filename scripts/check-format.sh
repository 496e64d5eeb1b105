#!/usr/bin/env bash
# Checks that every C++ file of ours (src/, tests/, bench/; not third_party/) is as
# clang-format and the repository's .clang-format would write it. Prints the files that
# differ and fails when there is one. Installs clang-format when it is missing.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh format

mapfile -d '' files < <(find src tests bench -type f \( -name '*.h' -o -name '*.cpp' \) -print0 | sort -z)
# One clang-format for all the files: it goes on past a file that differs, and names
# each place that does as "FILE:LINE:COLUMN: error: ...".
if report=$(clang-format --dry-run -Werror "${files[@]}" 2>&1); then
    echo "All ${#files[@]} C++ files are formatted."
    exit 0
fi
differing=$(sed -n 's/^\(.*\):[0-9]*:[0-9]*: error: code should be clang-formatted.*/  \1/p' \
                <<<"$report" | uniq)
if [ -n "$differing" ]; then
    echo "Not formatted as clang-format would (clang-format -i FILE fixes one):"
    echo "$differing"
else
    # Something else went wrong (an unreadable file, a broken .clang-format): shown whole.
    echo "$report"
fi
exit 1
