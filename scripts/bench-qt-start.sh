#!/usr/bin/env bash
# Start to Summary shown, offscreen: the window program `morvane` on the sample stick
# against a bare Qt main window with a tree and a list (bench/qt/BareQtWindow.cpp),
# started the same way and measured in the same run with hyperfine. Both are ended by the
# start-check plugin of the tests (tests/qtstartcheck) as soon as a list shows
# "Summary:". Prints a Markdown table row: median times and the ratio to the baseline.
# Usage: scripts/bench-qt-start.sh [BUILD_DIR]   (default build/native)
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(cd "${1:-build/native}" && pwd)
command -v hyperfine >/dev/null || { sudo=""; [ "$(id -u)" -ne 0 ] && sudo=sudo; $sudo apt-get install -y -qq hyperfine >/dev/null; }
cmake --build "$build" --target morvane morvane_bare_qt_window morvane_qt_start_check sample_stick >/dev/null

export QT_QPA_PLATFORM=offscreen QT_PLUGIN_PATH="$build/tests/qtstartcheck" QT_QPA_GENERIC_PLUGINS=morvane_start_check
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
hyperfine --shell=none --warmup 5 --min-runs 40 --export-json "$scratch/result.json" \
    --command-name morvane "$build/app/qt/morvane $build/sample-stick" \
    --command-name bare "$build/bench/morvane_bare_qt_window" >/dev/null
python3 - "$scratch/result.json" <<'PY'
import json, sys
results = {r["command"]: r for r in json.load(open(sys.argv[1]))["results"]}
m, b = results["morvane"]["median"], results["bare"]["median"]
print("| start to Summary shown | morvane | bare Qt window | ratio |")
print("|---|---|---|---|")
print(f"| offscreen, sample stick | {m*1e3:.1f} ms | {b*1e3:.1f} ms | {m/b:.2f} |")
PY
