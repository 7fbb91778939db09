#!/usr/bin/env bash
# How long morvane's Photo Album window takes to show its first screen on a generated album
# of 1,000 photos (the sample's first photo and thumbnail copied under a thousand names,
# with an index listing them in three categories), against reading and decoding the
# thumbnails of that screen alone, measured in the same process in alternating rounds
# (bench/qt/PhotoAlbumCost.cpp, offscreen), with what the album's reading takes of it and
# what decoding every thumbnail would; then the same window on an album of 16 photos, no
# more than its first screen shows. Prints Markdown table rows.
# Usage: scripts/bench-photos.sh [BUILD_DIR]   (default build/native)
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(cd "${1:-build/native}" && pwd)
cost="$build/bench/morvane_photo_album_cost"
[ -x "$cost" ] && [ -f "$build/sample-stick/MEMSTICK.IND" ] || { echo "build $build first" >&2; exit 1; }

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
# album_stick FOLDER COUNT: a copy of the sample stick whose album holds COUNT photos.
album_stick() {
    cp -r "$build/sample-stick" "$1"
    python3 - "$1/OPEN-R/APP/PC" "$2" <<'PY'
import os, shutil, sys
pc, count = sys.argv[1], int(sys.argv[2])
photos = os.path.join(pc, "PHOTO")
photo = open(os.path.join(photos, "IMG00001.JPG"), "rb").read()
thumbnail = open(os.path.join(photos, "THM00001.JPG"), "rb").read()
shutil.rmtree(photos)
os.mkdir(photos)
entries = {"OWNER": [], "FAVORITE": [], "AUTONOMY": []}
for n in range(1, count + 1):
    open(os.path.join(photos, f"IMG{n:05}.JPG"), "wb").write(photo)
    open(os.path.join(photos, f"THM{n:05}.JPG"), "wb").write(thumbnail)
    category = list(entries)[n % 3]
    entries[category].append(f"<ENTRY><FILENAME>IMG{n:05}.JPG</FILENAME><DATE>20170525</DATE>"
                             f"<TIME>{n // 3600 % 24:02}{n // 60 % 60:02}{n % 60:02}</TIME></ENTRY>\r\n")
body = "".join(f'<PHOTO ID="{c}">\r\n' + "".join(e) + "</PHOTO>\r\n" for c, e in entries.items())
with open(os.path.join(pc, "DIARY", "IMGFILES.XML"), "w", encoding="latin-1", newline="") as f:
    f.write('<?xml version="1.0" encoding="iso-8859-1"?>\r\n<PHOTOLIST>\r\n<COMMON><VERSION>1.0</VERSION></COMMON>\r\n'
            + body + "</PHOTOLIST>\r\n")
PY
}
album_stick "$scratch/large" 1000
album_stick "$scratch/small" 16

read -r shown reading showing first every < <(QT_QPA_PLATFORM=offscreen "$cost" "$scratch/large" 31 2>/dev/null)
read -r _ small_reading small_showing _ _ < <(QT_QPA_PLATFORM=offscreen "$cost" "$scratch/small" 31 2>/dev/null)
python3 - "$shown" "$reading" "$showing" "$first" "$every" "$small_reading" "$small_showing" <<'PY'
import sys
shown = sys.argv[1]
reading, showing, first, every, small_reading, small_showing = map(float, sys.argv[2:])
def row(name, a, b):
    print(f"| {name} | {a:.2f} ms | {b:.2f} ms | {a / b:.2f} |")
row(f"View > Photo Album to its first screen ({shown} thumbnails) / reading and decoding them alone",
    reading + showing, first)
row("of which reading the album's index and folder / the same baseline", reading, first)
row("of which the window, from the album read to its first screen / the same baseline", showing, first)
row("reading and decoding all 1,000 thumbnails / the whole first screen", every, reading + showing)
row("the album of 16 photos to its first screen / reading and decoding its thumbnails alone",
    small_reading + small_showing, first)
row("the album of 1,000 to its first screen / the album of 16 to its first screen",
    reading + showing, small_reading + small_showing)
PY
