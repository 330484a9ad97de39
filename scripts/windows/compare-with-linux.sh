#!/usr/bin/env bash
# scripts/windows/compare-with-linux.sh LINUX_BUILD WINDOWS_BUILD DIR: runs the Linux
# and the Windows (under Wine) build of strohvik-inspect on the folder of
# make-check-folder.sh, and of ddsConverter on its textures, in DIR. Both must print the
# same bytes (no CR before LF) with the same exit code, and write the same PNG bytes.
# WINEPREFIX must name a ready prefix.
set -euo pipefail
repo=$(cd "$(dirname "$0")/../.." && pwd)
linux=$(cd "$1" && pwd) windows=$(cd "$2" && pwd)
dir=$(mkdir -p "$3" && cd "$3" && pwd)
# Wine hands the arguments and file names on in the Unix locale's character set.
export LC_ALL=C.UTF-8 WINEDEBUG=-all
"$repo/scripts/windows/make-check-folder.sh" "$dir"
cd "$dir"
failures=0

fail() {
  printf 'compare: %s\n' "$1" >&2
  failures=$((failures + 1))
}

# same_inspection ARGUMENTS...: both builds of the inspector, run on the same arguments.
same_inspection() {
  local code_linux=0 code_windows=0
  "$linux/tools/inspect/strohvik-inspect" "$@" >linux.out 2>/dev/null || code_linux=$?
  wine "$windows/tools/inspect/strohvik-inspect.exe" "$@" >windows.out 2>/dev/null || code_windows=$?
  if [ "$code_linux" != "$code_windows" ]; then
    fail "strohvik-inspect $*: exit code $code_linux on Linux, $code_windows on Windows"
  elif ! cmp -s linux.out windows.out; then
    fail "strohvik-inspect $*: the reports differ"
    diff linux.out windows.out | head -n 20 >&2 || true
  else
    printf 'same: strohvik-inspect %s (%s bytes, exit code %s)\n' "$*" "$(wc -c <linux.out)" "$code_linux"
  fi
}

same_inspection --check mods
same_inspection --verify --format csv mods
same_inspection "mods/Größe_tractor.zip" mods/Traktor.zip
same_inspection --check -j 1 mods/Saemaschine.zip "mods/Anleitung für Mähdrescher.txt"
same_inspection --check mods/missing.zip

# same_conversion NAME.dds: each build converts the texture in a working folder of its own.
same_conversion() {
  local name=$1 png=${1%.dds}.png
  for build in linux windows; do
    rm -rf "$build" && mkdir -p "$build/LS_2011_Data_Temp" && cp "LS_2011_Data_Temp/$name" "$build/LS_2011_Data_Temp/"
  done
  (cd linux && "$linux/tools/dds_converter/ddsConverter" "$name") || fail "ddsConverter $name failed on Linux"
  (cd windows && wine "$windows/tools/dds_converter/ddsConverter.exe" "$name") || fail "ddsConverter $name failed on Windows"
  if cmp -s "linux/LS_2011_Data_Temp/$png" "windows/LS_2011_Data_Temp/$png"; then
    printf 'same: ddsConverter %s (%s bytes of PNG)\n' "$name" "$(wc -c <"linux/LS_2011_Data_Temp/$png")"
  else
    fail "ddsConverter $name: the PNG files differ or are missing"
  fi
}

for texture in LS_2011_Data_Temp/*.dds; do same_conversion "$(basename "$texture")"; done

[ "$failures" -eq 0 ] || { printf 'compare: %d differences between Linux and Windows\n' "$failures" >&2; exit 1; }
