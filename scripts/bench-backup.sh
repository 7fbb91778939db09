#!/usr/bin/env bash
# Whole-process timings of morvane-cli backup and check on a generated 64 MB stick of
# realistic files (the sample stick, 200 photos of 20 to 60 KB with their thumbnails, 25
# voice recordings of 40 to 160 KB, a diary of 200 small XML days), each against its
# baseline in the same run: `cp -r` of the tree followed by `sha256sum` over the copy, and
# `sha256sum` over the stick's files. Also the peak memory of each (GNU time's maximum
# resident set), and what morvane's progress window costs a backup (bench/qt/ProgressCost,
# offscreen, with and without the window in turns). Prints Markdown table rows.
# Usage: scripts/bench-backup.sh [BUILD_DIR]   (default build/native)
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(cd "${1:-build/native}" && pwd)
cli="$build/cli/morvane-cli"
command -v hyperfine >/dev/null || { sudo=""; [ "$(id -u)" -ne 0 ] && sudo=sudo; $sudo apt-get install -y -qq hyperfine >/dev/null; }
[ -x "$cli" ] && [ -f "$build/sample-stick/MEMSTICK.IND" ] || { echo "build $build first" >&2; exit 1; }

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
stick="$scratch/stick"
cp -r "$build/sample-stick" "$stick"
python3 - "$stick" <<'PY'
import os, random, sys
root = sys.argv[1]
random.seed(7)
def write(path, size):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(random.randbytes(size))
pc = os.path.join(root, "OPEN-R", "APP", "PC")
total = 0
for n in range(200):
    size = random.randint(20_000, 60_000)
    write(os.path.join(pc, "PHOTO", f"IMG{n:05}.JPG"), size)
    write(os.path.join(pc, "PHOTO", f"THM{n:05}.JPG"), size // 12)
    total += size + size // 12
for n in range(25):
    size = 40_000 if n < 20 else 160_000
    write(os.path.join(pc, "VOICE", f"{n:04}.WAV"), size)
    total += size
for n in range(200):
    write(os.path.join(pc, "DIARY", f"AI{n:06}.XML"), 3_000)
    total += 3_000
# Fill up to 64 MB with the robot's larger files: its motion and sound data.
n = 0
while total < 64 * 1024 * 1024:
    size = min(2_000_000, 64 * 1024 * 1024 - total)
    write(os.path.join(root, "OPEN-R", "MW", "DATA", "P", f"MOTION{n:02}.BIN"), size)
    total += size
    n += 1
PY

source scripts/bench-measure.sh
# Each backup starts with no destination.
measure_backup() { measure "$@" --warmup 2 --min-runs 10 --prepare "rm -rf $scratch/out"; }

peak() {
    rm -rf "$scratch/out"
    /usr/bin/time -f %M "$@" 2>&1 >/dev/null | tail -1
}

echo "| command (64 MB stick) | morvane-cli | baseline | ratio |"
echo "|---|---|---|---|"
measure_backup "backup / cp -r + sha256sum" "$cli backup $stick $scratch/out" \
    "sh -c 'cp -r $stick $scratch/out && cd $scratch/out && find . -type f -print0 | xargs -0 sha256sum >/dev/null'"
measure_backup "check / sha256sum" "sh -c '$cli check $stick >/dev/null; true'" \
    "sh -c 'cd $stick && find . -type f -print0 | xargs -0 sha256sum >/dev/null'"
echo
echo "| command | peak memory |"
echo "|---|---|"
echo "| backup | $(( $(peak "$cli" backup "$stick" "$scratch/out") / 1024 )) MB |"
echo "| check | $(( $(peak "$cli" check "$stick") / 1024 )) MB |"
if [ -x "$build/bench/morvane_progress_cost" ]; then
    echo
    echo "| command (64 MB stick) | with | without | ratio |"
    echo "|---|---|---|---|"
    QT_QPA_PLATFORM=offscreen "$build/bench/morvane_progress_cost" "$stick" "$scratch" 15 2>/dev/null
fi
