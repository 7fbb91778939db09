#!/usr/bin/env bash
# Builds everything and runs every test: natively, with AddressSanitizer and
# UndefinedBehaviorSanitizer, the Windows build under Wine, the release packages, and a
# short run of each fuzzer. Installs missing Debian packages first.
# Usage: scripts/test.sh            (FUZZ_SECONDS=N sets each fuzzer's run, default 10)
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh release

step() { echo; echo "=== $* ($(date +%T)) ==="; }

step "layout of the C++ sources (clang-format)"
scripts/check-format.sh

step "native build and tests"
cmake --preset native >/dev/null
cmake --build --preset native
ctest --preset native -j2

step "static analysis (clang-tidy)"
scripts/clang-tidy.sh build/native

step "sanitizer build and tests (ASan+UBSan)"
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

step "fuzzers"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz
fuzz/run-fuzzers.sh build/fuzz "${FUZZ_SECONDS:-10}"
