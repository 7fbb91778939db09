#!/usr/bin/env bash
# Runs every libFuzzer target of a fuzz build for SECONDS each, on a scratch copy of its
# corpus in tests/corpus/<format>/, so the committed seeds stay as they are. As many
# fuzzers run at a time as the machine has processors (FUZZ_JOBS sets it). Prints one
# line per fuzzer, in name order, and exits non-zero when any fuzzer finds a fault; the
# scratch place, with the fault's input and the fuzzer's log, is then kept and named.
#
# Usage: fuzz/run-fuzzers.sh BUILD_DIR SECONDS   (BUILD_DIR from the fuzz preset)
set -euo pipefail

if [ $# -ne 2 ]; then
  echo "usage: $0 BUILD_DIR SECONDS" >&2
  exit 2
fi
build_dir=$1
seconds=$2
source_dir=$(cd "$(dirname "$0")/.." && pwd)
scratch=$(mktemp -d "${TMPDIR:-/tmp}/morvane-fuzz.XXXXXX")

# The value of libFuzzer's final statistic NAME in LOG, or "?".
final_stat() {
  local value
  value=$(sed -n "s/^stat::$1: *//p" "$2" | tail -n 1)
  echo "${value:-?}"
}

# The coverage that libFuzzer reported last in LOG, or "?".
last_coverage() {
  local value
  value=$(grep -o 'cov: [0-9]*' "$1" | tail -n 1 | cut -d' ' -f2 || true)
  echo "${value:-?}"
}

# fuzz_one FUZZER: runs one fuzzer and writes its line (and, after a fault, where its
# input and log are) to its scratch place's "report"; a fault also leaves "fault" there.
fuzz_one() {
  local fuzzer=$1 format work seeds verdict
  format=$(basename "$fuzzer")
  format=${format#fuzz_}
  work="$scratch/$format"
  mkdir -p "$work/corpus"
  if [ ! -d "$source_dir/tests/corpus/$format" ]; then
    printf '%-14s %-5s no corpus directory tests/corpus/%s\n' "$format" FAULT "$format" >"$work/report"
    touch "$work/fault"
    return
  fi
  find "$source_dir/tests/corpus/$format" -maxdepth 1 -type f -exec cp {} "$work/corpus/" \;
  seeds=$(find "$work/corpus" -type f | wc -l)
  if "$fuzzer" -max_total_time="$seconds" -timeout=10 -print_final_stats=1 \
       -artifact_prefix="$work/" "$work/corpus" >"$work/log" 2>&1; then
    verdict=ok
  else
    verdict=FAULT
    touch "$work/fault"
  fi
  {
    printf '%-14s %-5s %s runs, %s/s, coverage %s, corpus %s -> %s\n' "$format" "$verdict" \
      "$(final_stat number_of_executed_units "$work/log")" \
      "$(final_stat average_exec_per_sec "$work/log")" \
      "$(last_coverage "$work/log")" "$seeds" "$(find "$work/corpus" -type f | wc -l)"
    if [ "$verdict" = FAULT ]; then
      find "$work" -maxdepth 1 -type f \( -name 'crash-*' -o -name 'leak-*' -o -name 'timeout-*' \
        -o -name 'oom-*' \) -printf '  input: %p\n'
      echo "  log: $work/log"
    fi
  } >"$work/report"
}

jobs=${FUZZ_JOBS:-$(nproc)}
fuzzers=()
for fuzzer in "$build_dir"/fuzz/fuzz_*; do
  [ -f "$fuzzer" ] && [ -x "$fuzzer" ] && fuzzers+=("$fuzzer")
done
found=${#fuzzers[@]}
for fuzzer in "${fuzzers[@]}"; do
  while [ "$(jobs -rp | wc -l)" -ge "$jobs" ]; do
    wait -n || true
  done
  fuzz_one "$fuzzer" &
done
wait || true

status=0
for fuzzer in "${fuzzers[@]}"; do
  format=$(basename "$fuzzer")
  format=${format#fuzz_}
  cat "$scratch/$format/report"
  [ ! -e "$scratch/$format/fault" ] || status=1
done

if [ "$found" -eq 0 ]; then
  rm -rf "$scratch"
  echo "no fuzzers in $build_dir/fuzz; build the fuzz preset first" >&2
  exit 1
fi
if [ "$status" -eq 0 ]; then
  rm -rf "$scratch"
else
  echo "kept: $scratch" >&2
fi
exit "$status"
