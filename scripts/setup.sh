#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian 12 packages Velmora needs to build, test and run. As root it installs what
# is missing; otherwise it prints the one command that would.
set -euo pipefail

packages=(
  g++ cmake make pkgconf
  qt6-base-dev qt6-svg-dev libgl-dev qt6-translations-l10n qt6-l10n-tools qt6-tools-dev
  libgtest-dev libbenchmark-dev
  fonts-dejavu-core locales
  clang libclang-rt-14-dev clang-format
  xvfb xauth
  poppler-utils
  nec2c
  dpkg-dev lintian desktop-file-utils appstream man-db
  cups printer-driver-cups-pdf ghostscript
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

if [ "$(id -u)" -eq 0 ]; then
  echo "setup: installing ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq || true
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
else
  echo "setup: these Debian packages are missing. Install them with:" >&2
  echo "  sudo apt-get install -y --no-install-recommends ${missing[*]}" >&2
  exit 1
fi
