#!/usr/bin/env bash
# clang-tidy (the checks of .clang-tidy, every finding an error) over base/, the portable code
# and morvane-cli, with the native build's compile commands.
# Usage: scripts/clang-tidy.sh [BUILD_DIR]   (default build/native; configure it first)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/native}
[ -f "$build/compile_commands.json" ] || { echo "configure $build first (cmake --preset native)" >&2; exit 1; }
mapfile -t sources < <(git ls-files 'base/*.cpp' 'stick/*.cpp' 'reports/*.cpp' 'dialogs/*.cpp' 'app/*.cpp' 'cli/*.cpp' 'ui/*.cpp' |
    grep -v -e '/win32/' -e '/qt/')
run-clang-tidy-14 -p "$build" -quiet "${sources[@]}" >"$build/clang-tidy.log" 2>&1 || {
    grep -E 'warning:|error:' "$build/clang-tidy.log" | sort -u
    echo "clang-tidy found the above (full log: $build/clang-tidy.log)" >&2
    exit 1
}
echo "clang-tidy: ${#sources[@]} files, no findings"
