#!/usr/bin/env bash
# Installs what the machine lacks, builds the app, prepares the working folder work/
# (temp, work and Tools folders) and starts the app there.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-packages.sh

build=build/release
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DSTROHVIK_TESTS=OFF "${launcher[@]}" >/dev/null
cmake --build "$build" --target strohvik ddsConverter strohvik-inspect -j 2

# The program finds everything relative to its working directory.
mkdir -p work/LS_2011_Data_Temp work/Data_Temp work/Tools
ln -sfn /usr/bin/7z work/Tools/7z.exe
ln -sfn "$PWD/$build/tools/dds_converter/ddsConverter" work/Tools/ddsConverter.exe

cd work
exec "../$build/app/strohvik"
