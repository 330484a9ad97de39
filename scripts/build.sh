#!/usr/bin/env bash
# scripts/build.sh DIR BUILD_TYPE [cmake options...]: configures (once) and builds with both cores.
set -euo pipefail
cd "$(dirname "$0")/.."
dir=$1 type=$2
shift 2
launcher=()
if command -v ccache >/dev/null; then
  launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
  # Build folders of the same sources share their cached objects.
  export CCACHE_NOHASHDIR=1
fi
cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE="$type" "${launcher[@]}" "$@" >/dev/null
cmake --build "$dir" -j "$(nproc)"
