#!/usr/bin/env bash
# Builds the libFuzzer targets with clang in build-fuzz/ and runs each for a while.
#   scripts/fuzz.sh [seconds per target]   (default 60)
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
scripts/setup.sh plain >/dev/null
CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DKARVO_BUILD_FUZZ=ON -DKARVO_BUILD_TESTS=OFF \
    -DKARVO_BUILD_BENCH=OFF >/dev/null
cmake --build build-fuzz
for target in build-fuzz/bin/*_fuzz; do
    name=$(basename "$target")
    corpus="build-fuzz/corpus/$name"
    mkdir -p "$corpus"
    seeds="tests/fuzz/seeds/$name"
    [ -d "$seeds" ] || seeds=""
    # Each target's source names the options it needs in a line "// fuzz-options: ...".
    options=$(sed -n 's|^// fuzz-options: ||p' "tests/fuzz/$name.cpp" 2>/dev/null || true)
    echo "== $name for ${seconds}s ${options}"
    log="build-fuzz/$name.log"
    # A private temporary folder: whatever a target writes there goes with it (libFuzzer ends a
    # timed run without running exit handlers, so the targets cannot remove their own folder).
    scratch=$(mktemp -d)
    rc=0
    TMPDIR="$scratch" "$target" -max_total_time="$seconds" -print_final_stats=1 $options \
        "$corpus" $seeds >"$log" 2>&1 || rc=$?
    rm -rf "$scratch"
    grep -E '^(Done|stat::number_of_executed_units)|ERROR|SUMMARY' "$log" || true
    [ "$rc" -eq 0 ] || { echo "$name found a fault (see $log)" >&2; exit 1; }
done
