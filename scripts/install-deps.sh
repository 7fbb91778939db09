#!/usr/bin/env bash
# Installs the Debian packages a build needs, only those that are missing.
# Usage: scripts/install-deps.sh native|all|release
#   native:  compilers, CMake, Ninja, clang-format, GoogleTest, Google Benchmark, stb (PNG
#            writing), zlib (the robot's compressed stick files), OpenSSL's libcrypto
#            (SHA-256 of backups), expat (the robot's XML diary and photo index), Qt 6 for the program morvane (its development package
#            brings the OpenGL headers its CMake files look for, and the offscreen platform
#            the window tests run on) and a font for those tests
#   all:     also clang's fuzzer runtime, MinGW-w64 with its zlib, and Wine for the
#            Windows build
#   release: also what makes and checks the release packages: NSIS, the Debian package
#            tools (dpkg-shlibdeps, file, lintian), man and desktop-file-validate
set -euo pipefail

packages=(cmake ninja-build g++ clang-format python3 googletest libgtest-dev libgmock-dev libbenchmark-dev libstb-dev zlib1g-dev libssl-dev libexpat1-dev
          qt6-base-dev qt6-base-dev-tools fonts-dejavu-core)
if [ "${1:-native}" != native ]; then
    packages+=(clang libclang-rt-14-dev g++-mingw-w64-x86-64-posix mingw-w64-tools libz-mingw-w64-dev wine wine64)
fi
if [ "${1:-native}" = release ]; then
    packages+=(nsis dpkg-dev file lintian man-db desktop-file-utils)
fi

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
