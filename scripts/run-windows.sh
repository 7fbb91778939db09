#!/usr/bin/env bash
# Builds the Windows program and starts it under Wine on a stick: the stick named as the
# first argument, or else the sample stick. Needs a desktop ($DISPLAY); the program's
# window opens there. Installs missing Debian packages first.
# Usage: scripts/run-windows.sh [STICK]
set -euo pipefail
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
stick=$(winepath -w "${1:-build/native/sample-stick}")
exec wine build/windows/app/win32/Morvane.exe "$stick"
