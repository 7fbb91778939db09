#!/usr/bin/env bash
# Builds everything and runs every test: on the optimised, hardened release build the
# packages are made from, with AddressSanitizer and UndefinedBehaviorSanitizer, the Windows
# build under Wine, the release packages, and a short run of each fuzzer. Installs missing
# Debian packages first.
# Usage: scripts/test.sh            (FUZZ_SECONDS=N sets each fuzzer's run, default 10)
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh release

step() { echo; echo "=== $* ($(date +%T)) ==="; }

step "layout of the C++ sources (clang-format)"
scripts/check-format.sh

# The tests and benchmarks are built into the release build, so that they run on the
# programs as they are packaged and the programs are compiled once. (scripts/release.sh
# configures the release preset again, without the tests; nothing is compiled again.)
step "release build with the tests and benchmarks, and its tests"
cmake --preset release -DMORVANE_TESTS=ON -DMORVANE_BENCH=ON -DCMAKE_EXPORT_COMPILE_COMMANDS=ON >/dev/null
cmake --build --preset release
ctest --test-dir build/release -j2 --output-on-failure --timeout 120

step "static analysis (clang-tidy)"
scripts/clang-tidy.sh build/release

# The sanitizer build is clang's, so that it makes the fuzz targets too: one build, not two.
step "sanitizer build and tests (ASan+UBSan), with the fuzz targets"
cmake --preset asan >/dev/null
cmake --build --preset asan
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 ctest --preset asan -j2

step "Windows build and tests under Wine"
cmake --preset windows >/dev/null
cmake --build --preset windows
scripts/wine-ctest.sh build/windows -j2

step "release packages and their checks"
scripts/release.sh
scripts/check-release.sh

step "fuzzers (the sanitizer build's)"
fuzz/run-fuzzers.sh build/asan "${FUZZ_SECONDS:-10}"
