#!/usr/bin/env bash
# scripts/build.sh DIR BUILD_TYPE [cmake options...]: configures (once) and builds with both cores.
set -euo pipefail
cd "$(dirname "$0")/.."
dir=$1 type=$2
shift 2
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE="$type" "${launcher[@]}" "$@" >/dev/null
cmake --build "$dir" -j "$(nproc)"
