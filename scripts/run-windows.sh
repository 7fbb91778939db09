#!/usr/bin/env bash
# Builds the Windows program and starts it under Wine on a stick: the stick named as the
# first argument, or else the sample stick. Needs a desktop ($DISPLAY); the program's
# window opens there. Installs missing Debian packages first.
# Usage: scripts/run-windows.sh [STICK]
set -euo pipefail
# A relative STICK names a folder below the caller's directory, which the cd below leaves.
case "${1:-}" in
    "") stick_dir="" ;;
    /*) stick_dir=$1 ;;
    *) stick_dir=$PWD/$1 ;;
esac
cd "$(dirname "$0")/.."
if [ -z "${DISPLAY:-}" ]; then
    echo "No desktop: set DISPLAY (or run under xvfb-run) to see the window." >&2
    exit 1
fi
scripts/install-deps.sh all
cmake --preset native >/dev/null
cmake --build --preset native --target sample_stick >/dev/null
cmake --preset windows >/dev/null
cmake --build --preset windows --target Morvane >/dev/null
source scripts/wine-prefix.sh
wine_prefix "$PWD/build/windows/wineprefix-desktop" x11
# Wine puts an argument holding a blank in double quotes on the program's command line,
# as Windows does; the program takes the folder without them.
stick=$(winepath -w "${stick_dir:-$PWD/build/native/sample-stick}")
exec wine build/windows/app/win32/Morvane.exe "$stick"
