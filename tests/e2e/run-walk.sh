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
# The program reads log4cxx.properties from its working folder first. Debian's
# log4cxx deletes its rolling appender's policy through the wrong type when
# logging shuts down, which AddressSanitizer reports at every exit; the walk
# logs to a plain file so that a report means a fault of the program.
cat > log4cxx.properties <<'PROPERTIES'
log4j.rootLogger=INFO, file
log4j.appender.file=org.apache.log4j.FileAppender
log4j.appender.file.File=log/Vantrel.log
log4j.appender.file.layout=org.apache.log4j.PatternLayout
log4j.appender.file.layout.ConversionPattern=%d{yyyy-MM-dd HH:mm:ss.SSS} [%t] %-5p %c - %m%n
PROPERTIES
set +e
HOME="$scratch/home" TMPDIR="$scratch/tmp" XDG_RUNTIME_DIR="$scratch/tmp" \
VANTREL_E2E_WALK="$walk" VANTREL_E2E_SCRATCH="$scratch" VANTREL_E2E_CAMERAS="$cameras" \
    "$launcher" "$@" --preload "$driver" -- "$program"
status=$?
echo "the program ended with $status"
exit $status
