#!/bin/sh
# scripts/screenshots.sh [folder, default build/screenshots]
# Installs what is missing, builds the screenshot program and writes every
# shot of the program's windows in English and Chinese:
# <folder>/en/<shot>.png and <folder>/zh/<shot>.png.
set -e
root="$(cd "$(dirname "$0")/.." && pwd)"
folder="${1:-$root/build/screenshots}"
"$root/scripts/install-deps.sh"
cmake -S "$root" -B "$root/build" >/dev/null
cmake --build "$root/build" --parallel "$(nproc)" --target vantrel_screenshots
mkdir -p "$folder"
folder="$(cd "$folder" && pwd)"
QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8 exec "$root/build/tools/screenshots/vantrel_screenshots" "$folder"
