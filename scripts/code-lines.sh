#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Non-blank lines of code (C++ sources and headers, CMake files, scripts), and the share of them
# that tests and fuzz targets take.
set -euo pipefail
cd "$(dirname "$0")/.."
count() { git ls-files -- "$@" | grep -E '\.(cpp|h|cmake|sh|in)$|CMakeLists\.txt$|^\.ci/run$' |
  xargs -r grep -vc '^[[:space:]]*$' | awk -F: '{s += $NF} END {print s + 0}'; }
all=$(count .)
tests=$(count tests fuzz)
echo "code lines: $all, tests and fuzz targets: $tests ($(( 100 * tests / all )) %)"
