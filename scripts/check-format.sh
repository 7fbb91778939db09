#!/usr/bin/env bash
# Checks that every C++ source (*.cpp, *.h) is laid out as .clang-format says; each file
# that differs is an error. Resource scripts (.rc) keep the layout resource editors write
# and are not checked. To fix: clang-format -i FILE.
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t sources < <(git ls-files '*.cpp' '*.h')
if ! clang-format --dry-run --Werror "${sources[@]}" 2>"${TMPDIR:-/tmp}/morvane-format.log"; then
    grep -E '^[^ ].*(warning|error):' "${TMPDIR:-/tmp}/morvane-format.log" | cut -d: -f1 | sort -u |
        sed 's/^/not formatted: /'
    echo "clang-format found the files above (clang-format -i FILE lays them out)" >&2
    exit 1
fi
echo "clang-format: ${#sources[@]} files, all laid out as .clang-format says"
