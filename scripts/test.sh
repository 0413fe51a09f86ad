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

echo "== ThreadSanitizer, device library tests only"
# The device library is the multi-threaded part (callers' threads, one reader
# per camera); only its tests, labelled tessvar, are built and run here.
cmake -S "$root" -B "$root/build-tsan" -DCMAKE_BUILD_TYPE=Debug -DVANTREL_SANITIZE=thread >/dev/null
tsan_targets="$(ctest --test-dir "$root/build-tsan" -N -L tessvar | sed -n 's/^ *Test *#[0-9]*: //p')"
cmake --build "$root/build-tsan" --parallel "$jobs" --target $tsan_targets
TSAN_OPTIONS="halt_on_error=1:suppressions=$root/scripts/tsan-suppressions.txt" \
    ctest --test-dir "$root/build-tsan" -L tessvar --output-on-failure --parallel "$jobs"
