#!/usr/bin/env bash
# Whole-process timing of morvane-cli diary --csv on a generated diary of 3,650 days (ten
# years of the robot's days, each a day file of some 80 counters, and its index), against
# its baseline in the same run: the XML parser alone over the same files
# (bench/XmlParseOnly.cpp). Then how long morvane's Diary window takes to open on the same
# stick (bench/qt/DiaryWindowCost.cpp, offscreen) against that command. Prints Markdown
# table rows.
# Usage: scripts/bench-diary.sh [BUILD_DIR]   (default build/native)
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(cd "${1:-build/native}" && pwd)
cli="$build/cli/morvane-cli"
parser="$build/bench/morvane_xml_parse_only"
command -v hyperfine >/dev/null || { sudo=""; [ "$(id -u)" -ne 0 ] && sudo=sudo; $sudo apt-get install -y -qq hyperfine >/dev/null; }
[ -x "$cli" ] && [ -x "$parser" ] && [ -f "$build/sample-stick/MEMSTICK.IND" ] || { echo "build $build first" >&2; exit 1; }

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
stick="$scratch/stick"
cp -r "$build/sample-stick" "$stick"
python3 - "$stick/OPEN-R/APP/PC/DIARY" <<'PY'
import datetime, os, sys
folder = sys.argv[1]
for name in os.listdir(folder):
    os.remove(os.path.join(folder, name))
head = '<?xml version="1.0" encoding="iso-8859-1"?>\r\n'
groups = {
    "COMMON": ["VERSION"], "CHARACTER": ["TYPE"], "REGISTRATION": ["OWNER1", "OWNER2", "OWNER3", "AIBONAME"],
    "SKILL": ["BALL", "BONE", "WALK", "BABY", "RESET"], "PASSAGE": ["START_DAY"],
    "BEHAVIOR": [f"COUNTER_{n:02}" for n in range(50)],
    "RECOGNITION": ["FACE", "VOICE", "BALL", "BONE", "TOUCH_ON", "ECARD", "COLLISION",
                    "FACE_OWNER1", "FACE_OWNER2", "FACE_OWNER3"],
    "STATISTICS": ["WALK_DISTANCE", "OPERATION_TIME"],
}
entries = []
day = datetime.date(2005, 1, 1)
for n in range(3650):
    name = f"AI{day:%y%m%d}.XML"
    body = "".join(f"<{g}>\r\n" + "".join(f"<{e}>{(n * 7 + i) % 10000}</{e}>\r\n" for i, e in enumerate(es)) +
                   f"</{g}>\r\n" for g, es in groups.items())
    with open(os.path.join(folder, name), "w", encoding="latin-1", newline="") as f:
        f.write(head + "<DIARYSRC>\r\n" + body + "</DIARYSRC>\r\n")
    entries.append(f"<ENTRY><FILENAME>{name}</FILENAME><DATE>{day:%Y%m%d}</DATE><TIME>203000</TIME></ENTRY>\r\n")
    day += datetime.timedelta(days=1)
with open(os.path.join(folder, "AIFILES.XML"), "w", encoding="latin-1", newline="") as f:
    f.write(head + "<FILELIST>\r\n<COMMON><VERSION>1.0</VERSION></COMMON>\r\n" + "".join(entries) + "</FILELIST>\r\n")
PY

source scripts/bench-measure.sh
echo "| command (3,650 days) | morvane-cli | baseline | ratio |"
echo "|---|---|---|---|"
measure "diary --csv / the XML parser alone" "$cli diary $stick --csv" "$parser $stick/OPEN-R/APP/PC/DIARY" \
    --warmup 2 --min-runs 10
window_cost="$build/bench/morvane_diary_window_cost"
if [ -x "$window_cost" ]; then
    window=$(QT_QPA_PLATFORM=offscreen "$window_cost" "$stick" 5 2>/dev/null)
    command=$(python3 -c "import json; print(json.load(open('$scratch/result.json'))['results'][0]['median'] * 1e3)")
    python3 -c "w, c = $window, $command; print(f'| the Diary window opening / diary --csv | {w:.2f} ms | {c:.2f} ms | {w / c:.2f} |')"
fi
