#!/usr/bin/env bash
# Sets up, builds and runs the whole test suite.
#   scripts/test.sh [plain|asan|tsan]   (default: plain)
set -euo pipefail
cd "$(dirname "$0")/.."
kind="${1:-plain}"
scripts/setup.sh "$kind"
dir=build
[ "$kind" = plain ] || dir="build-$kind"
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}"
export TSAN_OPTIONS="${TSAN_OPTIONS:-suppressions=$PWD/cmake/tsan.supp:halt_on_error=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"
ctest --test-dir "$dir" --output-on-failure -j 2
