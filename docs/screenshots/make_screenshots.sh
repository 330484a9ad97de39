#!/usr/bin/env bash
# Photographs the main window and every dialog on a virtual X display into this folder.
# docs/screenshots/make_screenshots.sh [BUILD_DIR]: with a build folder, its
# screenshot_tour is used as it is; without, build/screenshots is built first.
# SCREENSHOT_OUT names another folder for the pictures.
set -euo pipefail
cd "$(dirname "$0")/../.."
root=$PWD
build=${1:-build/screenshots}
if [[ $# -eq 0 ]]; then
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
  cmake --build "$build" --target screenshot_tour tip_screenshot ddsConverter -j 2
fi

display=:${SCREENSHOT_DISPLAY:-97}
Xvfb "$display" -screen 0 1600x1000x24 -nolisten tcp &
xvfb=$!
work=$(mktemp -d)
trap 'kill "$xvfb"; rm -rf "$work"' EXIT
sleep 1
# The app finds its texture converter in the working folder's Tools.
mkdir -p "$work/Tools"
ln -s "$root/$build/tools/dds_converter/ddsConverter" "$work/Tools/ddsConverter.exe"
# A fresh working folder: no settings file, so the first start shows the settings dialog.
(cd "$work" && DISPLAY=$display QT_QPA_PLATFORM=xcb "$root/$build/tests/app/screenshot_tour" "${SCREENSHOT_OUT:-$root/docs/screenshots}")
# A tip over a button, as the smart button library draws one.
DISPLAY=$display QT_QPA_PLATFORM=xcb "$root/$build/tests/smartbutton/tip_screenshot" "${SCREENSHOT_OUT:-$root/docs/screenshots}/tip.png"
