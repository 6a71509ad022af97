#!/usr/bin/env bash
# Sets everything up, builds and runs every test; arguments go to CMake's configure step.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh "$@"
ctest --test-dir build --output-on-failure -j"$(nproc)"
