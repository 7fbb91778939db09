#!/usr/bin/env bash
# Runs the windows build's tests under Wine: one fresh prefix per run with Wine's null
# display driver, a persistent wineserver warmed up before CTest (otherwise every test
# waits for Wine's services, or the first one hangs), and the server stopped at the end.
# Usage: scripts/wine-ctest.sh BUILD_DIR [ctest arguments...]
set -euo pipefail
build_dir=$(cd "$1" && pwd)
shift

export WINEPREFIX="$build_dir/wineprefix" WINEARCH=win64
export WINEDEBUG=-all,err+winediag,err+module
export WINEDLLOVERRIDES="mscoree,mshtml=,winemenubuilder.exe=d"
unset DISPLAY

if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "Creating the Wine prefix in $WINEPREFIX"
    wineboot -i >/dev/null 2>&1
    wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f >/dev/null 2>&1
    wineserver -k || true
    wineserver -w
fi

wineserver -k 2>/dev/null || true
wineserver -w
wineserver -p
wine cmd /c exit 0 </dev/null >/dev/null 2>&1

status=0
(cd "$build_dir" && ctest --output-on-failure --timeout 120 "$@") || status=$?
wineserver -k || true
wineserver -w
exit $status
