#!/usr/bin/env bash
# Installs what the machine lacks, builds with the sanitizers and runs every test,
# then gives each fuzzer a short run; with STROHVIK_WINDOWS=1, then scripts/build-windows.sh.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-packages.sh
scripts/build.sh build/test Sanitize
export QT_QPA_PLATFORM=offscreen
# Leak reports from the system's own libraries (fontconfig, Qt plugins) are not ours to fix.
export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
# The tests run with a temporary folder of their own, which every test must leave as it
# found it: empty. Qt's runtime folder, which a desktop session would provide, lies beside it.
run=$PWD/build/test/run
rm -rf "$run"
mkdir -p "$run/tmp"
mkdir -m 700 "$run/runtime"
(cd build/test && TMPDIR=$run/tmp TEST_TMPDIR=$run/tmp XDG_RUNTIME_DIR=$run/runtime ctest --output-on-failure -j "$(nproc)")
leftovers=$(ls -A "$run/tmp")
if [ -n "$leftovers" ]; then
  printf 'test: left behind in the temporary folder %s:\n%s\n' "$run/tmp" "$leftovers"
  exit 1
fi
scripts/fuzz.sh "${STROHVIK_FUZZ_SECONDS:-15}"
# The Windows programs, cross-built and run under Wine, held to the Linux ones just tested.
if [ "${STROHVIK_WINDOWS:-0}" = 1 ]; then
  STROHVIK_LINUX_BUILD=build/test scripts/build-windows.sh
fi
