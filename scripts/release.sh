#!/usr/bin/env bash
# Builds the release packages into dist/: the Windows zip and installer from the windows
# build, the Debian package from the release build, and dist/SHA256SUMS. Installs missing
# Debian packages first. Every packed file is dated SOURCE_DATE_EPOCH (by default the
# last commit's time), so two runs from one commit give the same packages.
# Usage: scripts/release.sh
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh release
export SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct)}
# The zip stores local times: the same in every time zone.
export TZ=UTC

cmake --preset release >/dev/null
cmake --build --preset release
cmake --preset windows >/dev/null
cmake --build --preset windows --target Morvane morvane-cli

rm -rf dist
for build in build/release build/windows; do
    (cd "$build" && cpack -B "$OLDPWD/dist" >/dev/null)
done
rm -rf dist/_CPack_Packages
(cd dist && sha256sum -- * >SHA256SUMS)
ls -l dist
