#!/bin/sh
# scripts/build.sh <build folder> [extra CMake arguments...]
# Configures and builds the whole project into the given folder.
set -e
root="$(cd "$(dirname "$0")/.." && pwd)"
folder="$1"
shift
cmake -S "$root" -B "$folder" "$@" >/dev/null
cmake --build "$folder" --parallel "$(nproc)"
