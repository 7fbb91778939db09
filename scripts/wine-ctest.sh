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
# A test that fails is run once more, for one known fault of the runs that is not yet
# understood: now and then (about one full run in ten) a test's `wine` process ends at
# once, in 0.02 s, with no output at all, before the test's program has started. A real
# fault of a test fails both times.
(cd "$build_dir" && ctest --output-on-failure --timeout 120 --repeat until-pass:2 "$@") || status=$?
wine_server_stop
exit $status
