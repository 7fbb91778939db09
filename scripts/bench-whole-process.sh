#!/usr/bin/env bash
# Whole-process timings of morvane-cli on the sample stick, each against `cat` of the
# files the command reads, measured in the same run with hyperfine. Prints one Markdown
# table row per command: mean times and the ratio to the cat baseline.
# Usage: scripts/bench-whole-process.sh [BUILD_DIR]   (default build/native)
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(cd "${1:-build/native}" && pwd)
stick="$build/sample-stick"
cli="$build/cli/morvane-cli"
command -v hyperfine >/dev/null || { sudo=""; [ "$(id -u)" -ne 0 ] && sudo=sudo; $sudo apt-get install -y -qq hyperfine >/dev/null; }
[ -x "$cli" ] && [ -f "$stick/MEMSTICK.IND" ] || { echo "build $build first (cmake --build --preset native)" >&2; exit 1; }

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

# measure NAME "COMMAND" "BASELINE": hyperfine runs both alternately in one session.
measure() {
    hyperfine --shell=none --warmup 20 --min-runs 200 --export-json "$scratch/$1.json" \
        --command-name morvane "$2" --command-name cat "$3" >/dev/null
    python3 - "$scratch/$1.json" "$1" <<'PY'
import json, sys
results = {r["command"]: r for r in json.load(open(sys.argv[1]))["results"]}
m, c = results["morvane"]["mean"], results["cat"]["mean"]
print(f"| {sys.argv[2]} | {m*1e3:.2f} ms | {c*1e3:.2f} ms | {m/c:.2f} |")
PY
}

echo "| command | morvane-cli | cat of the same files | ratio |"
echo "|---|---|---|---|"
measure "detect (open the sample stick)" "$cli detect $stick" \
    "cat $stick/MEMSTICK.IND $stick/OPEN-R/APP/VERSION"
