#!/usr/bin/env bash
# tests/fuzz/make_seeds.sh: writes the seeds of the DDS and the mod fuzzers into
# tests/fuzz/seeds: a small texture in every pixel format the converter knows or may
# come to know, and small mods in the shapes the mod page reads. Same output every time.
set -euo pipefail
cd "$(dirname "$0")/seeds"
export TZ=UTC LC_ALL=C

# Four little-endian bytes, as printf escapes.
le32() { printf '\\x%02x\\x%02x\\x%02x\\x%02x' $(($1 & 255)) $(($1 >> 8 & 255)) $(($1 >> 16 & 255)) $(($1 >> 24 & 255)); }

# The header: width, height, pixel format flags, FourCC (or ""), bits a pixel, the red,
# green, blue and alpha masks, mip levels.
dds_header() {
  local fourcc=${4:-}
  local header="DDS $(le32 124)$(le32 0x2100f)$(le32 "$2")$(le32 "$1")$(le32 0)$(le32 0)$(le32 "${10}")"
  for _ in {1..11}; do header+=$(le32 0); done
  header+="$(le32 32)$(le32 "$3")${fourcc:-$(le32 0)}$(le32 "$5")$(le32 "$6")$(le32 "$7")$(le32 "$8")$(le32 "$9")"
  header+="$(le32 0x401008)$(le32 0)$(le32 0)$(le32 0)$(le32 0)"
  printf "$header"
}

# COUNT times the bytes given as printf escapes.
repeat() { for ((i = 0; i < $1; i++)); do printf "$2"; done; }

# Red to blue in each block: two RGB565 end colours and their indices.
dxt1_block='\x00\xf8\x1f\x00\xe4\xe4\x1b\x1b'
# Explicit then interpolated alpha, followed by a colour block.
dxt3_block="\\x10\\x32\\x54\\x76\\x98\\xba\\xdc\\xfe$dxt1_block"
dxt5_block="\\xff\\x00\\x49\\x92\\x24\\x49\\x92\\x24$dxt1_block"

mkdir -p fuzz_dds fuzz_mod
{ dds_header 8 8 0x4 DXT1 0 0 0 0 0 1; repeat 4 "$dxt1_block"; } >fuzz_dds/dxt1.dds
{ dds_header 5 3 0x4 DXT1 0 0 0 0 0 1; repeat 2 "$dxt1_block"; } >fuzz_dds/dxt1_odd_size.dds
{ dds_header 4 4 0x4 DXT3 0 0 0 0 0 3; repeat 3 "$dxt3_block"; } >fuzz_dds/dxt3_mipmaps.dds
{ dds_header 8 4 0x4 DXT5 0 0 0 0 0 1; repeat 2 "$dxt5_block"; } >fuzz_dds/dxt5.dds
{ dds_header 2 2 0x41 "" 32 0xff0000 0xff00 0xff 0xff000000 1; repeat 4 '\x10\x80\xf0\x7f'; } >fuzz_dds/argb32.dds
{ dds_header 3 2 0x40 "" 24 0xff0000 0xff00 0xff 0 1; repeat 6 '\x20\x40\x60'; } >fuzz_dds/rgb24.dds
{ dds_header 4 2 0x40 "" 16 0xf800 0x7e0 0x1f 0 1; repeat 8 '\x1f\xf8'; } >fuzz_dds/rgb565.dds
{ dds_header 4 4 0x20000 "" 8 0xff 0 0 0 1; repeat 16 '\x7f'; } >fuzz_dds/luminance8.dds

# The files of a mod are put into a staging folder, then zipped in the order given.
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
put() { mkdir -p "$stage/$(dirname "$1")" && cat >"$stage/$1"; }
# zip_mod NAME LEVEL FILE...: LEVEL 0 stores the files, so that the fuzzer changes their text.
zip_mod() {
  local name=$1 level=$2
  shift 2
  (cd "$stage" && touch -d '2011-10-28 12:00:00' "$@" && rm -f "$OLDPWD/fuzz_mod/$name" &&
    zip -X -q -"$level" "$OLDPWD/fuzz_mod/$name" "$@")
  rm -rf "${stage:?}"/*
}

description() {
  printf '<?xml version="1.0" encoding="utf-8"?>\n<modDesc descVersion="4"><author>Hofmann</author>'
  printf '<version>1.2</version><title><de>Traktor</de></title><description><de>Zieht.</de></description>'
  printf '<multiplayer supported="true"/>%s</modDesc>\n' "$1"
}
store_item() { printf '<storeItems><storeItem><image><active>%s</active></image>%s</storeItem></storeItems>' "$1" "$2"; }

description "<price>45000</price>$(store_item store.dds '<xmlFilename>vehicles/tractor.xml</xmlFilename>')" |
  put modDesc.xml
put store.dds <fuzz_dds/dxt1.dds
printf '<vehicle type="trailer"><capacity>8000</capacity><fuelCapacity>150</fuelCapacity>%s</vehicle>\n' \
  '<fillTypes fruitTypes="wheat oats"/>' | put vehicles/tractor.xml
zip_mod tractor.zip 0 modDesc.xml store.dds vehicles/tractor.xml

# The description in capitals, a Latin-1 author, a PNG name served by its DDS texture.
description "$(store_item store.png '')" | sed 's/Hofmann/M\xfcller/' | put MODDESC.XML
put store.dds <fuzz_dds/dxt5.dds
zip_mod png_name.zip 9 MODDESC.XML store.dds

# An icon instead of a store item, the picture a texture in a folder.
description '<iconFilename>pics/icon.dds</iconFilename>' | put modDesc.xml
put pics/icon.dds <fuzz_dds/argb32.dds
zip_mod icon.zip 9 modDesc.xml pics/icon.dds

printf 'this is no xml <' | put modDesc.xml
zip_mod damaged_description.zip 0 modDesc.xml
