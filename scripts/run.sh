#!/usr/bin/env bash
# Sets up, builds and starts the program; arguments go to the program
# (--simulate: use the emulated mouse when no mouse is attached).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh plain
exec build/bin/karvo-gmouse "$@"
