#!/bin/sh
# Installs what is missing, builds, and starts Vantrel from build/bin.
# run.sh --cameras N [arguments...] attaches N simulated cameras instead of real ones.
set -e
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/install-deps.sh"
"$root/scripts/install-udev-rule.sh"
"$root/scripts/build.sh" "$root/build"
cd "$root/build/bin"
if [ "$1" = "--cameras" ]; then
    cameras="$2"
    shift 2
    exec ./vantrel-sim-launch --cameras "$cameras" -- ./Vantrel "$@"
fi
exec ./Vantrel "$@"
