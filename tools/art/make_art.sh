#!/usr/bin/env bash
# Draws the program's embedded pictures and synthesises its click sound into Images/.
# Everything here is our own art, made from ImageMagick primitives and the Liberation
# fonts; the output is committed, so this runs only when the art changes.
set -euo pipefail
cd "$(dirname "$0")/../.."
out=Images
mkdir -p "$out"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

bold=Liberation-Sans-Bold
# Deterministic output: no time stamps in the PNG files.
png() { convert "$@" -strip -define png:exclude-chunks=date,time "${@: -1}"; }
save() { convert "$1" -strip -define png:exclude-chunks=date,time "$2"; }

# --- 16 x 16 icons -----------------------------------------------------------------
icon() {  # icon FILE DRAW-ARGS...
  local file=$1
  shift
  convert -size 16x16 xc:none "$@" "$tmp/icon.png"
  save "$tmp/icon.png" "$file"
}
tractor() {  # tractor BODY-COLOUR FILE
  icon "$2" -fill "$1" -stroke none -draw "rectangle 2,6 13,10" -draw "rectangle 3,2 8,6" \
    -fill '#9fd3ff' -draw "rectangle 4,3 7,5" \
    -fill '#202020' -draw "circle 4,11 4,15" -draw "circle 12,12 12,14" \
    -fill '#a0a0a0' -draw "point 4,11" -draw "point 12,12" -fill '#303030' -draw "rectangle 11,3 11,6"
}
folder() {  # folder FILE EXTRA-DRAW-ARGS...
  local file=$1
  shift
  icon "$file" -fill '#c8961e' -stroke '#7a5a10' -draw "rectangle 1,3 6,5" -draw "rectangle 1,4 14,13" \
    -fill '#f2c94c' -stroke '#a07818' -draw "polygon 1,13 3,7 15,7 13,13" "$@"
}
disc() {  # disc FILE COLOUR EXTRA-DRAW-ARGS...
  local file=$1 colour=$2
  shift 2
  icon "$file" -fill "$colour" -stroke '#00000060' -draw "circle 7.5,7.5 7.5,0.5" "$@"
}
glyph() { echo -fill white -stroke none -font "$bold" -pointsize "$1" -gravity center -annotate +0+0 "$2"; }

tractor '#303030' "$out/16x16-images.png"
tractor '#2f6fd0' "$out/ls2011_1.png"
tractor '#3c9a3c' "$out/FarmingSimulator2011-16x16.PNG"
folder "$out/16x16-zip-images.png" -fill '#707070' -stroke none -draw "rectangle 7,8 8,12" \
  -fill '#d0d0d0' -draw "point 7,9" -draw "point 8,11"
folder "$out/Folder.png"
folder "$out/folder_go.png" -fill '#2ea043' -stroke '#1a6b2a' -draw "polygon 8,8 12,8 12,6 15,10 12,14 12,12 8,12"
folder "$out/folder_mo.png" -fill '#d73a3a' -stroke '#8a1e1e' -draw "polygon 8,8 12,8 12,6 15,10 12,14 12,12 8,12"
# shellcheck disable=SC2046
disc "$out/sign_question.png" '#2f6fd0' $(glyph 12 '?')
# shellcheck disable=SC2046
disc "$out/sign_explain.png" '#2ea043' $(glyph 12 '!')
disc "$out/sign_cacel.png" '#d73a3a' -stroke white -strokewidth 2 -draw "line 5,5 10,10" -draw "line 10,5 5,10"
disc "$out/sign_deny.png" '#d73a3a' -fill none -stroke white -strokewidth 2 -draw "line 4,11 11,4"
disc "$tmp/minus.png" '#d73a3a' -stroke white -strokewidth 2 -draw "line 4,7.5 11,7.5"
disc "$out/globe.png" '#3b82d6' -fill '#4caf50' -stroke none -draw "ellipse 5,6 3,2 0,360" \
  -draw "ellipse 10,10 3,2 0,360" -fill none -stroke '#ffffff80' -draw "ellipse 7.5,7.5 3,7 0,360" \
  -draw "line 1,7.5 14,7.5"
icon "$out/bulb_add.png" -fill '#ffd43b' -stroke '#b08a00' -draw "circle 6,6 6,1" -fill '#909090' -stroke none \
  -draw "rectangle 4,11 8,14" -fill '#2ea043' -draw "rectangle 11,8 12,15" -draw "rectangle 8,11 15,12"
icon "$out/save_dark.png" -fill '#2d3748' -stroke '#111' -draw "roundrectangle 1,1 14,14 2,2" \
  -fill '#cbd5e0' -stroke none -draw "rectangle 4,2 11,6" -fill '#f7fafc' -draw "rectangle 3,9 12,14" \
  -fill '#2d3748' -draw "rectangle 9,3 10,5"
icon "$out/spanner_go.png" -fill none -stroke '#8a8a8a' -strokewidth 3 -draw "line 2,13 9,6" \
  -strokewidth 1 -fill '#8a8a8a' -draw "circle 10,5 10,1" -fill none -stroke none -fill '#00000000' \
  -draw "circle 11,4 11,2" -fill '#2ea043' -stroke '#1a6b2a' -draw "polygon 8,10 11,10 11,8 15,12 11,16 11,14 8,14"
for name in sign_question.png; do cp "$out/$name" "$tmp/$name"; done

# --- textures ------------------------------------------------------------------------
brushed() {  # brushed WIDTH HEIGHT DARK LIGHT SEED FILE
  convert -size "$1x$2" xc:gray50 -seed "$5" +noise Uniform -colorspace gray -motion-blur 0x60+0 \
    -auto-level +level-colors "$3,$4" -depth 8 "$tmp/brushed.png"
  save "$tmp/brushed.png" "$6"
}
brushed 500 400 '#6e7378' '#b9bec3' 1 "$out/Brushed prepainted metal.png"
brushed 512 512 '#858b91' '#bfc4c9' 2 "$out/gebuerstetealuminiumtextur.png"
convert -size 956x61 gradient:'#4a4f55-#1c1f22' \( -size 956x61 xc:gray50 -seed 4 +noise Uniform \
  -colorspace gray -motion-blur 0x40+0 -auto-level \) -compose softlight -composite -depth 8 "$tmp/nav.png"
save "$tmp/nav.png" "$out/nav.png"

wood() {  # wood WIDTH HEIGHT SEED FILE
  convert -size "$1x$2" xc:gray50 -seed "$3" +noise Uniform -colorspace gray -motion-blur 0x80+90 -auto-level \
    -function sinusoid 3,0 -blur 0x1 +level-colors '#6b4423,#c08a52' -depth 8 "$4"
}
wood 512 512 5 "$tmp/wood.png"
save "$tmp/wood.png" "$out/holzblocktextur.png"

# --- pictures ----------------------------------------------------------------------------
wood 660 85 6 "$tmp/board.png"
convert "$tmp/board.png" -fill none -stroke '#3e2612' -strokewidth 3 -draw "roundrectangle 2,2 657,82 8,8" \
  -font "$bold" -pointsize 50 -gravity west -fill '#00000080' -stroke none -annotate +26+-6 'Strohvik' \
  -fill '#fff3d6' -annotate +23+-9 'Strohvik' \
  -font Liberation-Sans-Italic -pointsize 15 -fill '#fff3d6' -gravity southwest -annotate +26+8 \
  'Mods für LS 2011 ansehen, bearbeiten, installieren und sichern' "$tmp/logo.png"
save "$tmp/logo.png" "$out/Strohvik-Logo.png"

picture_frame() {  # picture_frame TEXT FILE
  wood 256 90 7 "$tmp/ground.png"
  convert -size 256x166 gradient:'#5aa0e6-#cfe8ff' "$tmp/ground.png" -append \
    -font "$bold" -pointsize 34 -gravity center -fill '#00000070' -annotate +2+2 "$1" -fill white -annotate +0+0 "$1" \
    "$tmp/frame.png"
  save "$tmp/frame.png" "$2"
}
picture_frame 'Mod Bild' "$out/bg-image-MB.png"
picture_frame 'Kein Bild' "$out/bg-image-KB.png"

# --- picture button faces: a dark rounded button, an icon at its left, a white label ---
face() {  # face FILE WIDTH LABEL [ICON]
  local file=$1 width=$2 label=$3 icon=${4:-}
  convert -size "${width}x24" xc:none -fill '#00000055' -stroke none -draw "roundrectangle 1,2 $((width - 1)),23 5,5" \
    \( -size "$((width - 2))x21" gradient:'#5b6168-#23272b' \) -geometry +0+0 -compose over -composite \
    -fill none -stroke '#101214' -draw "roundrectangle 0,0 $((width - 2)),20 5,5" "$tmp/face.png"
  convert "$tmp/face.png" \( -size "${width}x24" xc:none -fill white -draw "roundrectangle 0,0 $((width - 2)),20 5,5" \) \
    -compose dst-in -composite -fill none -stroke '#101214' -draw "roundrectangle 0,0 $((width - 2)),20 5,5" "$tmp/face.png"
  local text_x=8
  if [[ -n $icon ]]; then
    convert "$tmp/face.png" "$icon" -geometry +4+2 -compose over -composite "$tmp/face.png"
    text_x=24
  fi
  local gravity=west
  [[ -z $icon ]] && gravity=north text_x=0
  convert "$tmp/face.png" -font "$bold" -pointsize 12 -fill white -stroke none -gravity "$gravity" \
    -annotate "+${text_x}+$([[ $gravity == west ]] && echo -2 || echo 3)" "$label" "$tmp/face.png"
  save "$tmp/face.png" "$out/$file"
}
face 7.png 131 'Mod Speichern' "$out/save_dark.png"
face 8.png 109 'Mod Laden' "$out/bulb_add.png"
face 9.png 96 'Beenden' "$out/sign_cacel.png"
face 10.png 123 'Mod Löschen' "$out/sign_deny.png"
face 11.png 137 'Mod Installieren' "$out/spanner_go.png"
face 12.png 114 'Mod Ordner' "$out/save_dark.png"
face 13.png 133 'Backup Ordner' "$out/save_dark.png"
face 14.png 135 'LS 2011 Starten' "$out/ls2011_1.png"
face 15.png 117 'Mod Backup' "$out/folder_go.png"
face 16.png 153 'Backup & Löschen' "$out/folder_mo.png"
face 17.png 94 'Löschen' "$out/sign_deny.png"
face 18.png 57 'OK'
face 19.png 168 'Speischern und Ende' "$out/save_dark.png"
face 21.png 108 'Abbrechen' "$tmp/minus.png"
face 24.png 109 'Installieren' "$out/spanner_go.png"

# --- the click sound ---------------------------------------------------------------------
python3 - "$out/switch-19.wav" <<'PY'
import math, random, struct, sys, wave
random.seed(19)
rate = 22050
frames = []
for i in range(int(rate * 0.045)):
    t = i / rate
    envelope = math.exp(-t * 160)
    sample = envelope * (0.55 * math.sin(2 * math.pi * 2300 * t) + 0.45 * (random.random() * 2 - 1))
    if i > rate * 0.012:  # the second, softer snap of the switch
        t2 = t - 0.012
        sample += 0.5 * math.exp(-t2 * 220) * math.sin(2 * math.pi * 1500 * t2)
    frames.append(struct.pack('<h', int(max(-1.0, min(1.0, sample)) * 26000)))
with wave.open(sys.argv[1], 'wb') as out:
    out.setnchannels(1)
    out.setsampwidth(2)
    out.setframerate(rate)
    out.writeframes(b''.join(frames))
PY
