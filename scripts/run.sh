#!/bin/sh
# Installs what is missing, builds, and starts Vantrel from build/bin.
# run.sh --cameras N attaches N simulated cameras instead of real ones;
# run.sh --profile NAME [--profile NAME...] chooses the kind of each camera;
# every option goes to the launcher (see build/bin/vantrel-sim-launch --help).
set -e
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/install-deps.sh"
"$root/scripts/install-udev-rule.sh"
"$root/scripts/build.sh" "$root/build"
cd "$root/build/bin"
case "$1" in
--*) exec ./vantrel-sim-launch "$@" -- ./Vantrel ;;
esac
exec ./Vantrel "$@"
