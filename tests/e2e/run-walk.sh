#!/bin/sh
# run-walk.sh LAUNCHER PROGRAM DRIVER WALK [launcher options...]
# Runs PROGRAM under LAUNCHER with the walk's cameras and DRIVER preloaded,
# in a scratch folder of its own (working folder, home, temporary files), and
# exits with the program's exit code.
set -e
launcher="$1"
program="$2"
driver="$3"
walk="$4"
shift 4
scratch="$(mktemp -d "${TMPDIR:-/tmp}/vantrel-e2e.XXXXXX")"
trap 'rm -rf "$scratch"' EXIT
mkdir -p "$scratch/home" "$scratch/tmp" "$scratch/work"
chmod 700 "$scratch/tmp"
cameras=0
for argument in "$@"; do
    [ "$argument" = "--profile" ] && cameras=$((cameras + 1))
done
cd "$scratch/work"
set +e
HOME="$scratch/home" TMPDIR="$scratch/tmp" XDG_RUNTIME_DIR="$scratch/tmp" \
VANTREL_E2E_WALK="$walk" VANTREL_E2E_SCRATCH="$scratch" VANTREL_E2E_CAMERAS="$cameras" \
    "$launcher" "$@" --preload "$driver" -- "$program"
status=$?
echo "the program ended with $status"
exit $status
