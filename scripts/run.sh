#!/bin/sh
# Installs what is missing, builds, and starts Vantrel from build/bin.
set -e
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh" "$root/build"
cd "$root/build/bin"
exec ./Vantrel "$@"
