#!/usr/bin/env bash
# Builds the libFuzzer targets of tests/fuzz with clang and runs each one for a
# while; exits non-zero as soon as one of them finds a crash, a leak, a hang or
# undefined behaviour.
#
#   bash scripts/fuzz.sh [SECONDS]                  source = this checkout, build = <source>/build-fuzz
#   bash scripts/fuzz.sh SOURCE BUILD [SECONDS]
#
# Seeds are made at run time: each target writes a few real inputs into its
# corpus when VANTOR_FUZZ_SEEDS names a directory, and the .map files of a
# normal build (VANTOR_DATA_DIR, or <source>/build/data) are added when present.
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
if [ $# -le 1 ]; then
    src="$here"
    build="$here/build-fuzz"
    seconds="${1:-60}"
else
    src="$1"
    build="$2"
    seconds="${3:-60}"
fi
case "$seconds" in '' | *[!0-9]*) echo "fuzz.sh: seconds must be a number, not '$seconds'" >&2; exit 2 ;; esac

# The whole game library gets coverage and sanitizers, not just the fuzz
# drivers: the code under test lives there.
flags="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer -g"
mkdir -p "$build"
CC=clang CXX=clang++ cmake -S "$src" -B "$build" -DVANTOR_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_FLAGS="$flags" >"$build/configure.log" 2>&1 || { cat "$build/configure.log" >&2; exit 1; }

targets=()
for f in "$src"/tests/fuzz/*.cpp; do
    [ -e "$f" ] || continue
    targets+=("$(basename "$f" .cpp)")
done
if [ ${#targets[@]} -eq 0 ]; then
    echo "fuzz.sh: no fuzz targets"
    exit 0
fi
cmake --build "$build" --target "${targets[@]}" -j2

data_dir="${VANTOR_DATA_DIR:-$src/build/data}"
status=0
for t in "${targets[@]}"; do
    corpus="$build/corpus/$t"
    mkdir -p "$corpus" "$build/artifacts"
    # Small real maps only: one huge seed would make libFuzzer try huge inputs throughout.
    if [ "$t" = fuzz_tilemap ] && [ -d "$data_dir" ]; then
        find "$data_dir" -maxdepth 1 -name '*.map' -size -32k -exec cp {} "$corpus/" \; 2>/dev/null || true
    fi
    echo "== $t: ${seconds}s"
    if ! VANTOR_FUZZ_SEEDS="$corpus" "$build/$t" -max_total_time="$seconds" -timeout=20 -print_final_stats=1 \
        -artifact_prefix="$build/artifacts/$t-" "$corpus" >"$build/$t.log" 2>&1; then
        status=1
        echo "fuzz.sh: $t found a fault; see $build/$t.log and $build/artifacts/" >&2
        grep -E "ERROR|SUMMARY|runtime error|$t:" "$build/$t.log" | head -20 >&2 || true
    fi
    grep -E "stat::number_of_executed_units|stat::peak_rss_mb" "$build/$t.log" || true
done
exit $status
