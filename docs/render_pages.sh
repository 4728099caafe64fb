#!/usr/bin/env bash
# Renders the four pages of the window, drawn by the program itself on the emulated mouse
# without a display, into docs/screenshots/*.png. Run after a build (build/ by default).
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build}"
runtime="$(mktemp -d)"
trap 'rm -rf "$runtime"' EXIT
QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$runtime" \
    "$build/bin/karvo-gmouse" --simulate --render-pages docs/screenshots
ls docs/screenshots
