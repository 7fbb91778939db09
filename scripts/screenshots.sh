#!/usr/bin/env bash
# Pictures of the Win32 program for the documentation, and its start-up time under Wine.
# Builds the windows preset if needed, writes the sample stick, runs the program on it
# under Wine (null display driver) and saves docs/images/main-window.png (Summary shown),
# about.png, and the editors' and viewers' dialogs: skill-levels.png, volume.png,
# color-preferences.png, human-faces.png (a face selected), diary.png (the newest day
# chosen), photo-album.png (the first photo chosen), photo.png (that photo opened),
# voice-recordings.png (a recording chosen) and progress.png (the progress window
# half-way). It also writes the pictures
# of morvane-cli's colors and faces commands for the same stick: colors.png and face-0.png
# (the windows build's morvane-cli.exe, so this needs no native build). Prints the start-up figure twice: measured inside the
# process (from its creation until the Summary is in the list) and as the wall-clock
# time of a whole `wine` run that ends as soon as the Summary is shown.
# Then the pictures of the Qt program, morvane, on Qt's offscreen platform: builds the
# native preset's morvane_qt_screenshots (configuring the preset if needed), writes the
# sample stick to /tmp/Sticks/Sample and saves docs/images/qt-main-window.png, qt-about.png,
# qt-skill-levels.png, qt-volume.png, qt-color-preferences.png, qt-human-faces.png,
# qt-diary.png, qt-photo-album.png, qt-photo.png, qt-voice-recordings.png, qt-progress.png and qt-search.png (the search window probing a mount point).
# Usage: scripts/screenshots.sh [BUILD_DIR] [NATIVE_BUILD_DIR]
#        (defaults: build/windows and build/native)
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${1:-build/windows}
native_dir=${2:-build/native}

if [ ! -f "$build_dir/CMakeCache.txt" ]; then
    cmake --preset windows -B "$build_dir"
fi
cmake --build "$build_dir" --target morvane_screenshots make_sample_stick morvane-cli
build_dir=$(cd "$build_dir" && pwd)

source scripts/wine-prefix.sh
wine_prefix "$build_dir/wineprefix" null
wine_server_start
trap wine_server_stop EXIT

# The stick sits at the same place on every run, so the Summary's first line is stable.
stick="$WINEPREFIX/drive_c/Sticks/Sample"
rm -rf "$stick"
wine "$build_dir/tools/stickgen/make_sample_stick.exe" 'C:\Sticks\Sample' >/dev/null
driver="$build_dir/tests/win32/morvane_screenshots.exe"

mkdir -p docs/images
images='Z:'"$(pwd | tr / '\\')"'\docs\images'
wine "$driver" 'C:\Sticks\Sample' "$images" | tr -d '\r'
cli="$build_dir/cli/morvane-cli.exe"
wine "$cli" colors 'C:\Sticks\Sample' --png "$images\colors.png" >/dev/null
faces_dir=$(mktemp -d)
trap 'rm -rf "$faces_dir"; wine_server_stop' EXIT
wine "$cli" faces 'C:\Sticks\Sample' --png 'Z:'"$(echo "$faces_dir" | tr / '\\')" >/dev/null
cp "$faces_dir/face-0.png" docs/images/face-0.png

# Warm runs only: the first run after the server start pays for loading Wine's DLLs.
# The baseline is a whole run of morvane-cli.exe --version under the same server.
milliseconds() {
    local start end
    start=$(date +%s%N)
    "$@" >/dev/null
    end=$(date +%s%N)
    echo $(( (end - start) / 1000000 ))
}
for run in 1 2 3; do
    wine "$driver" 'C:\Sticks\Sample' | tr -d '\r'
    program=$(milliseconds wine "$driver" 'C:\Sticks\Sample')
    baseline=$(milliseconds wine "$cli" --version)
    echo "whole wine run $run: $program ms to the Summary; morvane-cli.exe --version: $baseline ms"
done
echo "Wrote main-window.png, about.png, skill-levels.png, volume.png, color-preferences.png," \
     "human-faces.png, diary.png, photo-album.png, photo.png, voice-recordings.png, progress.png, colors.png and face-0.png in docs/images"

# The Qt program's pictures. The stick sits at the same place on every run, as above; the
# built-in key pads are named in the About box whatever pads the user keeps.
if [ ! -f "$native_dir/CMakeCache.txt" ]; then
    cmake --preset native -B "$native_dir"
fi
cmake --build "$native_dir" --target morvane_qt_screenshots make_sample_stick
native_stick=/tmp/Sticks/Sample
rm -rf "$native_stick"
"$native_dir/tools/stickgen/make_sample_stick" "$native_stick" >/dev/null
no_config=$(mktemp -d)
trap 'rm -rf "$faces_dir" "$no_config"; wine_server_stop' EXIT
env -u MORVANE_KEY_PADS XDG_CONFIG_HOME="$no_config" QT_QPA_PLATFORM=offscreen \
    "$native_dir/tests/qt/morvane_qt_screenshots" "$native_stick" docs/images
