#!/usr/bin/env bash
# scripts/windows/build-deps.sh DIR: builds the libraries the Windows programs and tests
# link, statically, from Debian's own source packages, into DIR/x86_64-w64-mingw32.
# Each is built once: a finished one leaves a mark in DIR/done and is skipped after.
# zlib itself comes built, from libz-mingw-w64-dev.
set -euo pipefail
repo=$(cd "$(dirname "$0")/../.." && pwd)
dir=$(mkdir -p "$1" && cd "$1" && pwd)
prefix=$dir/x86_64-w64-mingw32
toolchain=$repo/scripts/windows/mingw-w64-x86_64.cmake
mingw=x86_64-w64-mingw32
mkdir -p "$dir/src" "$dir/done" "$prefix/lib/pkgconfig" "$prefix/include"

# The unpacked source folder of a Debian source package, fetched when missing. Where the
# security suite's sources cannot be had, the release's own.
source_of() {
  local package=$1
  local folder
  folder=$(find "$dir/src" -mindepth 1 -maxdepth 1 -type d -name "$2-*" | head -n 1)
  if [ -z "$folder" ]; then
    (cd "$dir/src" && { apt-get source -qq "$package" || apt-get source -qq "$package/bookworm"; } >/dev/null 2>&1)
    folder=$(find "$dir/src" -mindepth 1 -maxdepth 1 -type d -name "$2-*" | head -n 1)
  fi
  [ -n "$folder" ] || { echo "build-deps: no source for $package" >&2; exit 1; }
  echo "$folder"
}

# A library with a CMake build of its own: configured with our toolchain, static.
cmake_library() {
  local name=$1 folder=$2
  shift 2
  cmake -S "$folder" -B "$dir/build/$name" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DSTROHVIK_WINDOWS_DEPS="$prefix" -DCMAKE_INSTALL_PREFIX="$prefix" \
    -DBUILD_SHARED_LIBS=OFF -Wno-dev "$@" >/dev/null
  cmake --build "$dir/build/$name" -j "$(nproc)" >/dev/null
  cmake --install "$dir/build/$name" >/dev/null
}

# minizip lies in zlib's contrib folder and has no CMake build: three C files. Its users
# link zlib themselves (ZLIB::ZLIB), the static one.
build_minizip() {
  local folder
  folder=$(source_of zlib zlib)/contrib/minizip
  local objects=$dir/build/minizip
  mkdir -p "$objects" "$prefix/include/minizip"
  for unit in ioapi zip unzip; do
    $mingw-gcc-posix -O2 -c "$folder/$unit.c" -o "$objects/$unit.o"
  done
  $mingw-ar rcs "$prefix/lib/libminizip.a" "$objects"/{ioapi,zip,unzip}.o
  cp "$folder"/{ioapi,zip,unzip,crypt}.h "$prefix/include/minizip/"
  printf 'prefix=%s\nName: minizip\nDescription: minizip for Windows\nVersion: 1.2.13\n%s\n%s\n' "$prefix" \
    'Libs: -L${prefix}/lib -lminizip' 'Cflags: -I${prefix}/include -I${prefix}/include/minizip' \
    >"$prefix/lib/pkgconfig/minizip.pc"
}

build_libpng() {
  cmake_library libpng "$(source_of libpng1.6 libpng1.6)" -DPNG_SHARED=OFF -DPNG_STATIC=ON -DPNG_TESTS=OFF \
    -DPNG_EXECUTABLES=OFF -DSKIP_INSTALL_PROGRAMS=ON
}

# Without SIMD: the store pictures are small, and it spares the assembler.
build_libjpeg() {
  cmake_library libjpeg "$(source_of libjpeg-turbo libjpeg-turbo)" -DENABLE_SHARED=OFF -DENABLE_STATIC=ON \
    -DWITH_TURBOJPEG=OFF -DWITH_SIMD=OFF
}

# Built with OpenMP, as Debian builds it: a program linking it statically needs OpenMP too.
build_libsquish() {
  cmake_library libsquish "$(source_of libsquish libsquish)" -DBUILD_SQUISH_WITH_OPENMP=ON -DBUILD_SQUISH_EXTRA=OFF
}

build_googletest() {
  cmake_library googletest "$(source_of googletest googletest)" -DBUILD_GMOCK=ON -DINSTALL_GTEST=ON
}

for library in minizip libpng libjpeg libsquish googletest; do
  [ -e "$dir/done/$library" ] && continue
  echo "build-deps: $library"
  "build_$library"
  touch "$dir/done/$library"
done
