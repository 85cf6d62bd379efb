#!/usr/bin/env bash
# Builds and runs every test twice (a normal build, then one with
# AddressSanitizer and UndefinedBehaviorSanitizer), then fuzzes the map and save-file loaders and the datafile check
# for a bounded time. Ends with ctest's summary of the sanitized run.
set -euo pipefail
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
cd "$ROOT"
JOBS="$(nproc)"

EXTRA_PACKAGES="xvfb xdotool clang-format" bash scripts/setup.sh build
echo "== tests (normal build; set-up and build took ${SECONDS} s)"
ctest --test-dir build --output-on-failure -j"$JOBS"

if [ -f scripts/fuzz.sh ]; then
    echo "== fuzzing the map loader, the save-file loader and the datafile check"
    bash scripts/fuzz.sh "${VANTOR_FUZZ_SECONDS:-60}"
fi

echo "== tests (AddressSanitizer + UndefinedBehaviorSanitizer; ${SECONDS} s so far)"
export ASAN_OPTIONS="detect_leaks=0:abort_on_error=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
bash scripts/setup.sh build-asan -DVANTOR_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug
ctest --test-dir build-asan --output-on-failure -j"$JOBS"
