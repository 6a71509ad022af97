#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package velmora_<version>_amd64.deb from a Release build with Debian's own
# hardening flags, in its own build folder ${PACKAGE_BUILD_DIR:-build-package}, and prints the
# package's path. Extra arguments go to CMake's configure step.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
build=${PACKAGE_BUILD_DIR:-build-package}

export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cxxflags="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)"
ldflags=$(dpkg-buildflags --get LDFLAGS)
# Flags on the command line, not in the environment, so a second run on the same folder sees
# them too. Debian's -O2 stands instead of CMake's -O3 for Release (at -O3 GCC 12 reports false
# -Wrestrict alarms in std::string). The tests are not part of the package.
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS_RELEASE=-DNDEBUG \
  -DVELMORA_WITH_TESTS=OFF -DCMAKE_CXX_FLAGS="$cxxflags" -DCMAKE_EXE_LINKER_FLAGS="$ldflags" \
  "$@" >/dev/null
cmake --build "$build" -j"$(nproc)"
rm -f "$build"/velmora_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
ls "$build"/velmora_*_amd64.deb
