#!/bin/sh
# scripts/draw-pictures.sh [build folder, default build]
# Redraws every picture under Resources/ (commit the result). Drawn text depends
# on the installed fonts, which is why the build itself never draws them.
set -e
root="$(cd "$(dirname "$0")/.." && pwd)"
folder="${1:-$root/build}"
cmake -S "$root" -B "$folder" >/dev/null
cmake --build "$folder" --target vantrel_draw_pictures
"$folder/tools/pictures/vantrel_draw_pictures" "$root/Resources"
