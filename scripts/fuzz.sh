#!/usr/bin/env bash
# scripts/fuzz.sh SECONDS: builds the libFuzzer targets with clang and runs each one
# for SECONDS. Crash inputs land in build/fuzz/artifacts. Skips when clang is missing.
# A fuzzer that leaves anything in its temporary folder fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-30}
if ! command -v clang++ >/dev/null; then
  echo "fuzz: clang++ not found, skipped"
  exit 0
fi
CC=clang CXX=clang++ scripts/build.sh build/fuzz Debug -DSTROHVIK_FUZZ=ON -DSTROHVIK_TESTS=OFF
mkdir -p build/fuzz/artifacts
# The fuzzers' TMPDIR, in memory where the host has it: saving an XML document flushes
# it to disk, which would otherwise take most of the run.
scratch=$(mktemp -d -p /dev/shm strohvik-fuzz.XXXXXX 2>/dev/null || mktemp -d)
trap 'rm -rf "$scratch"' EXIT
for fuzzer in build/fuzz/tests/fuzz/fuzz_*; do
  [ -x "$fuzzer" ] || continue
  name=$(basename "$fuzzer")
  corpus=build/fuzz/corpus/$name
  mkdir -p "$corpus"
  seeds=tests/fuzz/seeds/$name
  [ -d "$seeds" ] || seeds=
  echo "fuzz: $name for ${seeds:+seeded }${seconds}s"
  TMPDIR=$scratch "$fuzzer" -max_total_time="$seconds" -print_final_stats=1 -artifact_prefix=build/fuzz/artifacts/ \
    -rss_limit_mb=2048 "$corpus" $seeds 2>build/fuzz/$name.log || { tail -50 build/fuzz/$name.log; exit 1; }
  grep -E 'stat::number_of_executed_units|stat::peak_rss_mb' build/fuzz/$name.log | sed "s/^/fuzz: $name /"
  leftovers=$(ls -A "$scratch")
  if [ -n "$leftovers" ]; then
    printf 'fuzz: %s left behind in its temporary folder:\n%s\n' "$name" "$leftovers"
    exit 1
  fi
done
