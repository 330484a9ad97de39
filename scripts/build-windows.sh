#!/usr/bin/env bash
# scripts/build-windows.sh: cross-builds strohvik-inspect.exe and ddsConverter.exe for
# 64-bit Windows into build/windows and tests them under Wine:
# - installs the MinGW-w64 and Wine packages the machine lacks (debian-packages-windows.txt),
# - builds the libraries from Debian's source packages, once, into build/windows-deps,
# - builds the programs and the test suites that can run on Windows, and runs the suites
#   under Wine,
# - holds the Windows programs to the Linux ones (scripts/windows/compare-with-linux.sh).
# The Linux programs are taken from STROHVIK_LINUX_BUILD (a build folder holding them),
# else built into build/wlinux.
set -euo pipefail
cd "$(dirname "$0")/.."
started=$SECONDS

scripts/install-packages.sh debian-packages.txt
scripts/install-packages.sh debian-packages-windows.txt
scripts/windows/enable-source-packages.sh
scripts/windows/build-deps.sh build/windows-deps

# Wine's own folder, made headless on first use (no display is needed). The build uses it
# already: the test programs list their tests through Wine.
export WINEPREFIX=$PWD/build/windows/wine WINEDEBUG=-all
mkdir -p build/windows
[ -d "$WINEPREFIX/drive_c" ] || wineboot --init >/dev/null 2>&1

scripts/build.sh build/windows Release -DCMAKE_TOOLCHAIN_FILE="$PWD/scripts/windows/mingw-w64-x86_64.cmake" \
  -DSTROHVIK_WINDOWS_DEPS="$PWD/build/windows-deps/x86_64-w64-mingw32" -DSTROHVIK_GUI=OFF \
  -DSTROHVIK_TEST_SUITES="xml;zip;mods;tools"

linux=${STROHVIK_LINUX_BUILD:-build/wlinux}
if [ -z "${STROHVIK_LINUX_BUILD:-}" ]; then
  scripts/build.sh "$linux" Release -DSTROHVIK_GUI=OFF -DSTROHVIK_TESTS=OFF
fi

(cd build/windows && ctest --output-on-failure -j "$(nproc)")
scripts/windows/compare-with-linux.sh "$linux" build/windows build/windows/compare
wineserver --wait

for program in build/windows/tools/inspect/strohvik-inspect.exe build/windows/tools/dds_converter/ddsConverter.exe; do
  printf 'build-windows: %s, %s bytes\n' "$program" "$(stat -c %s "$program")"
done
printf 'build-windows: done in %d s\n' $((SECONDS - started))
