#!/usr/bin/env bash
# scripts/windows/make-check-folder.sh DIR: writes into DIR/mods a mods folder that gives
# the folder check one archive (or file) for each problem it reports, with umlauts in
# names and DDS store pictures, and into DIR/LS_2011_Data_Temp the DDS textures the
# converter is tried on. The textures are the DDS fuzz seeds (tests/fuzz/make_seeds.sh).
# Same files every time.
set -euo pipefail
repo=$(cd "$(dirname "$0")/../.." && pwd)
dir=$(mkdir -p "$1" && cd "$1" && pwd)
seeds=$repo/tests/fuzz/seeds/fuzz_dds
export TZ=UTC LC_ALL=C
rm -rf "$dir/mods" "$dir/LS_2011_Data_Temp" "$dir/stage"
mkdir -p "$dir/mods" "$dir/LS_2011_Data_Temp" "$dir/stage"

cp "$seeds"/*.dds "$dir/LS_2011_Data_Temp/"
cp "$seeds/dxt5.dds" "$dir/LS_2011_Data_Temp/Größe Ähre.dds"

# The files of a mod are put into the staging folder, then zipped in the order given.
put() { mkdir -p "$dir/stage/$(dirname "$1")" && cat >"$dir/stage/$1"; }
zip_mod() {
  local name=$1
  shift
  (cd "$dir/stage" && touch -d '2011-10-28 12:00:00' "$@" && zip -X -q -0 "$dir/mods/$name" "$@")
  rm -rf "${dir:?}/stage"/*
}

# description TITLE AUTHOR VERSION PICTURE
description() {
  local version=${3:+<version>$3</version>} picture=${4:+<storeItems><storeItem><image><active>$4</active></image></storeItem></storeItems>}
  printf '<?xml version="1.0" encoding="utf-8"?>\n<modDesc descVersion="4"><author>%s</author>%s' "$2" "$version"
  printf '<title><de>%s</de></title><description><de>Fährt.</de></description>%s</modDesc>\n' "$1" "$picture"
}

# mod NAME TITLE AUTHOR VERSION SEED: a sound mod whose store picture is that DDS seed.
mod() {
  description "$2" "$3" "$4" store.dds | put modDesc.xml
  put store.dds <"$seeds/$5.dds"
  zip_mod "$1" modDesc.xml store.dds
}

mod Traktor.zip Traktor Hofmann 1.0 dxt1
cp "$dir/mods/Traktor.zip" "$dir/mods/Traktor (1).zip"         # probable-copy, duplicate
mod Größe_tractor.zip "Größe Traktor" Müller 1.1 dxt5          # name-invalid
mod Maehdrescher.zip Mähdrescher Jäger 1.0 argb32
mod Maehdrescher_Neu.zip Mähdrescher Jäger 2.0 rgb24           # same-mod
mod Anhaenger.zip Anhänger Hofmann "" rgb565                   # no-version

description Pflug Hofmann 1.0 "" | put modDesc.xml             # no-store-picture
zip_mod Pflug.zip modDesc.xml

description Egge Hofmann 1.0 store.dds | put modDesc.xml       # store-picture-unreadable
printf 'DDS but nothing after' | put store.dds
zip_mod Egge.zip modDesc.xml store.dds

printf 'this is no xml <' | put modDesc.xml                   # moddesc-unreadable
zip_mod Kaputt.zip modDesc.xml

description Walze Hofmann 1.0 "" | put Walze/modDesc.xml       # nested
zip_mod Walze.zip Walze/modDesc.xml

printf 'Nur eine Anleitung.\n' | put liesmich.txt              # no-moddesc
zip_mod Anleitung.zip liesmich.txt

cp "$dir/mods/Pflug.zip" "$dir/stage/Pflug.zip"                # mod-pack
cp "$dir/mods/Egge.zip" "$dir/stage/Egge.zip"
zip_mod Paket.zip Pflug.zip Egge.zip

printf 'Rar!\x1a\x07\x00 not really' >"$dir/mods/Saemaschine.zip" # not-zip
printf 'Für die Mähdrescher.\n' >"$dir/mods/Anleitung für Mähdrescher.txt" # foreign-file

# damaged (--verify): a stored entry whose bytes no longer match its CRC.
description Kipper Hofmann 1.0 store.dds | put modDesc.xml
put store.dds <"$seeds/luminance8.dds"
printf '<vehicle>BROKEN-HERE</vehicle>\n' | put vehicle.xml
zip_mod Kipper.zip modDesc.xml store.dds vehicle.xml
sed -i 's/BROKEN-HERE/broken-here/' "$dir/mods/Kipper.zip"
rmdir "$dir/stage"
