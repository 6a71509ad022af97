#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The program's CPU time per key while typing into the single-value dialog, under Xvfb at
# 3840x2160: once over a full-screen main window with the default curve, once over a 640x480
# main window with an empty plot. Usage: scripts/typing-cost.sh [path/to/velmora] [rounds]
set -euo pipefail
velmora=$(realpath "${1:-build/desktop/velmora}")
rounds=${2:-3}
display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 3840x2160x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
tmp=$(mktemp -d)
trap 'kill "$xvfb" 2>/dev/null; rm -rf "$tmp"' EXIT
sleep 1
export DISPLAY=$display QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR=$tmp
ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }

# $1: width, $2: height in pixels, $3: 1 to draw the default curve first. Prints ms per key.
measure() {
  export XDG_CONFIG_HOME=$tmp/$1x$2
  mkdir -p "$XDG_CONFIG_HOME/Velmora"
  printf '[Settings]\nMainLeft=0\nMainTop=0\nMainWidth=%d\nMainHeight=%d\n' \
    $(($1 * 15)) $(($2 * 15)) >"$XDG_CONFIG_HOME/Velmora/Velmora.conf"
  "$velmora" >/dev/null 2>&1 &
  local pid=$!
  sleep 2
  local win
  win=$(xdotool search --onlyvisible --name '^Velmora$' | head -1)
  xdotool windowfocus --sync "$win"
  if [ "$3" = 1 ]; then
    xdotool key ctrl+k && sleep 1 && xdotool key Return && sleep 2
    # Without a window manager the focus does not come back by itself.
    xdotool windowfocus --sync "$win"
  fi
  # The dialog opens on its choice box; Tab goes on to the frequency box.
  xdotool key ctrl+w && sleep 1.5 && xdotool key Tab
  local before after keys=0
  before=$(ticks "$pid")
  for _ in $(seq "$rounds"); do
    xdotool key --delay 15 $(printf '5 %.0s' $(seq 40)) $(printf 'BackSpace %.0s' $(seq 40))
    keys=$((keys + 80))
  done
  sleep 1
  after=$(ticks "$pid")
  kill "$pid"
  wait "$pid" 2>/dev/null || true
  echo "$(((after - before) * 1000 * 100 / $(getconf CLK_TCK) / keys))"
}
big=$(measure 3840 2160 1)
small=$(measure 640 480 0)
echo "CPU per key, hundredths of a ms: full screen with curve $big, 640x480 empty $small"
awk -v b="$big" -v s="$small" 'BEGIN { printf "ratio %.2f\n", b / s }'
