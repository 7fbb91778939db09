#!/usr/bin/env bash
# Runs the windows build's tests under Wine: one prefix per build directory with Wine's
# null display driver, and a persistent wineserver whose services and desktop are started
# before CTest and kept until the end (see wine_server_start in wine-prefix.sh: otherwise
# every test waits for Wine's services, or the first one hangs, and the tests that happen
# to start the desktop wait for it to end). The server is stopped at the end.
# Usage: scripts/wine-ctest.sh BUILD_DIR [ctest arguments...]
set -euo pipefail
build_dir=$(cd "$1" && pwd)
shift
source "$(dirname "$0")/wine-prefix.sh"

wine_prefix "$build_dir/wineprefix" null
wine_server_start
status=0
(cd "$build_dir" && ctest --output-on-failure --timeout 120 "$@") || status=$?
wine_server_stop
exit $status
