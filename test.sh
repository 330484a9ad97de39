#!/usr/bin/env bash
# Installs what the machine lacks, builds with the sanitizers and runs every test,
# then gives each fuzzer a short run.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-packages.sh
scripts/build.sh build/test Sanitize
export QT_QPA_PLATFORM=offscreen
# Leak reports from the system's own libraries (fontconfig, Qt plugins) are not ours to fix.
export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
(cd build/test && ctest --output-on-failure -j "$(nproc)")
scripts/fuzz.sh "${STROHVIK_FUZZ_SECONDS:-15}"
