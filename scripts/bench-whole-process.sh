#!/usr/bin/env bash
# Whole-process timings of morvane-cli, each against `cat` of the files the command
# reads, and `report all` on the sample stick stored compressed against the plain one,
# measured in the same run with hyperfine. Prints Markdown table rows: median times and
# the ratio to the baseline.
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

source scripts/bench-measure.sh
# Each command against its baseline, many runs: the commands take milliseconds.
measure_many() { measure "$@" --shell=none --warmup 20 --min-runs 300; }

# A stick whose only LAN file holds SIZE bytes of CR LF lines.
lan_stick() {
    local dir="$scratch/lan-$1"
    mkdir -p "$dir/OPEN-R/SYSTEM/CONF"
    cp "$stick/MEMSTICK.IND" "$dir/"
    cp -r "$stick/OPEN-R/APP" "$dir/OPEN-R/"
    python3 -c "import sys; line=b'SETTING=value of a wireless setting\r\n'; sys.stdout.buffer.write(line * ($1 // len(line)))" \
        > "$dir/OPEN-R/SYSTEM/CONF/WLANDFLT.TXT"
    echo "$dir"
}

# The files `report all` reads (HMMDATA.BIN is only measured by seeking, so it is left out).
report_files=(MEMSTICK.IND OPEN-R/APP/VERSION CUSTOM/COMMENTS.INI OPEN-R/APP/DATA/P/CUS.CFG
    OPEN-R/APP/DATA/P/FVAR OPEN-R/APP/DATA/P/GVAR OPEN-R/APP/DATA/P/ARRMAIN.BIN
    OPEN-R/APP/DATA/P/ESCENE.BIN OPEN-R/SYSTEM/DATA/P/AIBO-ID
    OPEN-R/SYSTEM/CONF/WLAN/HTML/WLANDFLT.TXT OPEN-R/SYSTEM/CONF/WLAN/HTML/WLANCONF.TXT
    OPEN-R/APP/DATA/P/RVAR OPEN-R/APP/DATA/P/DVAR OPEN-R/MW/VERSION OPEN-R/SYSTEM/VERSION
    OPEN-R/APP/DATA/P/CUSVER)

echo "| command | morvane-cli | cat of the same files | ratio |"
echo "|---|---|---|---|"
measure_many "detect (open the sample stick)" "$cli detect $stick" \
    "cat $stick/MEMSTICK.IND $stick/OPEN-R/APP/VERSION"
measure_many "report all (sample stick)" "$cli report all $stick" \
    "cat ${report_files[*]/#/$stick/}"
for size in 1048576 2097152 4194304; do
    dir=$(lan_stick $size)
    measure_many "report lan-settings, $((size / 1048576)) MB of CR LF lines" \
        "$cli report lan-settings $dir" "cat $dir/OPEN-R/SYSTEM/CONF/WLANDFLT.TXT"
done

# The sample stick with its settings files (.CFG) compressed, as the robot stores them,
# and with every file compressed.
settings="$scratch/settings-compressed"
cp -r "$stick" "$settings"
python3 - "$settings" <<'PY'
import gzip, pathlib, sys
for path in pathlib.Path(sys.argv[1]).rglob("*.CFG"):
    data = path.read_bytes()
    with open(path, "wb") as raw, gzip.GzipFile(path.name, "wb", fileobj=raw, mtime=0) as packed:
        packed.write(data)
PY
compressed="$scratch/compressed-stick"
"$build/tools/stickgen/make_sample_stick" --gzip "$compressed" >/dev/null
echo
echo "| command | compressed stick | plain stick | ratio |"
echo "|---|---|---|---|"
measure_many "report all, the .CFG files compressed" "$cli report all $settings" "$cli report all $stick"
measure_many "report all, every file compressed" "$cli report all $compressed" "$cli report all $stick"
measure_many "volume (the editor's read), VOLUME.CFG compressed" "$cli volume $settings" "$cli volume $stick"
