#!/bin/sh
# Installs what is missing, builds, and runs every test through CTest:
# once in a plain build, once under AddressSanitizer and UndefinedBehaviorSanitizer,
# then the device library's tests once more under ThreadSanitizer.
set -e
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/install-deps.sh"
jobs="$(nproc)"

echo "== plain build"
"$root/scripts/build.sh" "$root/build"
ctest --test-dir "$root/build" --output-on-failure --parallel "$jobs"

echo "== AddressSanitizer and UndefinedBehaviorSanitizer"
"$root/scripts/build.sh" "$root/build-asan" -DCMAKE_BUILD_TYPE=Debug -DVANTREL_SANITIZE=address,undefined
# Qt keeps process-wide allocations until exit; leaks are not what this run looks for.
ASAN_OPTIONS=detect_leaks=0:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --test-dir "$root/build-asan" --output-on-failure --parallel "$jobs"

echo "== ThreadSanitizer, device library and device core tests"
# The multi-threaded parts: the device library (callers' threads, one reader
# per camera) and the device core above it (readers, discovery, closes, the
# GUI thread). Only their tests, labelled tessvar and core, are built and run.
cmake -S "$root" -B "$root/build-tsan" -DCMAKE_BUILD_TYPE=Debug -DVANTREL_SANITIZE=thread >/dev/null
tsan_targets="$(ctest --test-dir "$root/build-tsan" -N -L 'tessvar|core' | sed -n 's/^ *Test *#[0-9]*: //p' | sort -u)"
# Tests that run another test program with other settings name no target.
known_targets="$(cmake --build "$root/build-tsan" --target help | sed -e 's/^\.\.\. //' -e 's/:.*//')"
tsan_targets="$(for t in $tsan_targets; do echo "$known_targets" | grep -qx "$t" && echo "$t"; done)"
cmake --build "$root/build-tsan" --parallel "$jobs" --target $tsan_targets
TSAN_OPTIONS="halt_on_error=1:suppressions=$root/scripts/tsan-suppressions.txt" \
    ctest --test-dir "$root/build-tsan" -L 'tessvar|core' --output-on-failure --parallel "$jobs"
