#!/bin/sh
# Rebuilds the drawing program and regenerates the shipped symbol pictures
# and program icons in assets/, each at 1x and in its @2x and @3x variants.
#   tools/render_artwork.sh [build directory]
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-"$root/build-artwork"}

cmake -S "$root" -B "$build" -G Ninja -DBUILD_TESTING=OFF >/dev/null
cmake --build "$build" --target corvella_draw_artwork
QT_QPA_PLATFORM=offscreen "$build/assets/corvella_draw_artwork" "$root/assets"
echo "artwork written to $root/assets/symbols and $root/assets/icons"
