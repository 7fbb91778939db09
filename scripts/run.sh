#!/usr/bin/env bash
# Builds morvane-cli and prints every report of a stick: the stick named as the
# first argument, or else the sample stick that the build generates.
# Usage: scripts/run.sh [STICK]
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh native
cmake --preset native >/dev/null
cmake --build --preset native --target morvane-cli sample_stick >/dev/null
stick="${1:-build/native/sample-stick}"
exec build/native/cli/morvane-cli report all "$stick"
