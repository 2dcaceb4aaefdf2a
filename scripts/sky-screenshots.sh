#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tarvel developers
# The navigation window at the evening star time of today's date, as a user
# gets there: on a private X server (Xvfb with openbox) the program is
# started, the position and zone are typed into the main window with real
# key presses and clicks (xdotool), the navigation window is opened and its
# "Вечерние звёзды" button pressed; then the window is captured (ImageMagick,
# reduced to 255 colours).
# First 55°45' N 037°37' E in zone 3 E, then 33°52' S 151°13' E in zone 10 E.
# Usage: scripts/sky-screenshots.sh NORTH.png [SOUTH.png]   (BUILD_DIR: the build)
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
north="${1:?usage: $0 NORTH.png [SOUTH.png]}"
south="${2:-}"
program="${BUILD_DIR:-$root/build}/app/tarvel"
"$root/scripts/setup.sh" xvfb openbox xdotool imagemagick
[ -x "$program" ] || "$root/scripts/build.sh" >/dev/null

work="$(mktemp -d)"
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT

Xvfb -displayfd 3 -screen 0 1280x900x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
pids+=($!)
for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(cat "$work/display")"
export QT_QPA_PLATFORM=xcb
openbox >/dev/null 2>&1 &
pids+=($!)
sleep 1

"$program" >/dev/null 2>&1 &
pids+=($!)
main="$(xdotool search --sync --onlyvisible --name '^Тарвел$' | head -1)"

# Places in the main window's own coordinates (app/MainLayout.cpp).
type_into() {  # x y text
  xdotool mousemove --window "$main" "$1" "$2" click 1
  xdotool key Home
  xdotool type --delay 60 "$3"
}
place() {  # latitude digits, longitude digits, "S" to switch to the south, zone clicks up from 3
  xdotool windowraise "$main"
  sleep 0.3
  type_into 400 56 "$1"
  type_into 560 56 "$2"
  [ "$3" = S ] && xdotool mousemove --window "$main" 522 56 click 1
  for _ in $(seq "$4"); do xdotool mousemove --window "$main" 657 88 click 1; sleep 0.1; done
}
evening_stars() {  # output file
  xdotool mousemove --window "$main" 362 385 click 1    # Навигация...
  local navigation
  navigation="$(xdotool search --sync --onlyvisible --name '^Навигация' | head -1)"
  xdotool windowmove "$navigation" 0 0
  sleep 0.5
  # "Вечерние звёзды" stands in the bottom right corner of the tab, however
  # wide the window is: taken from the window's size, not from a fixed point.
  local WIDTH HEIGHT
  eval "$(xdotool getwindowgeometry --shell "$navigation" | grep -E '^(WIDTH|HEIGHT)=')"
  xdotool mousemove --window "$navigation" $((WIDTH - 122)) $((HEIGHT - 49)) click 1
  xdotool mousemove 1279 899
  sleep 1
  import -window "$navigation" "$1"
  convert "$1" -colors 255 -define png:compression-level=9 "$1"
  echo "$1"
}

place 554500 0373700 N 0
evening_stars "$north"
if [ -n "$south" ]; then
  place 335200 1511300 S 7
  evening_stars "$south"
fi
