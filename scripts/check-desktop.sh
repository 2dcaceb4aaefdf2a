#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tarvel developers
# The windows under a real X server and window manager (Xvfb and openbox),
# where the offscreen tests cannot look: the title the window manager shows
# for the About window, the About window centred on the screen with its frame
# at its first and at a later show, and tooltips over the window that is not
# the active one. Builds the program if needed; fails on any miss.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$root/scripts/setup.sh" xvfb openbox xdotool x11-utils
program="${BUILD_DIR:-$root/build}/app/tarvel"
[ -x "$program" ] || "$root/scripts/build.sh" >/dev/null

scratch="$(mktemp -d)"
pids=()
cleanup() {
  for ((i = ${#pids[@]} - 1; i >= 0; i--)); do kill "${pids[i]}" 2>/dev/null || true; done
  rm -rf "$scratch"
}
trap cleanup EXIT

# Waits up to 10 s for a command or function to succeed.
eventually() {
  for _ in $(seq 100); do
    if "$@" >/dev/null 2>&1; then return 0; fi
    sleep 0.1
  done
  return 1
}

Xvfb -displayfd 3 -screen 0 1280x900x24 -nolisten tcp 3>"$scratch/display" 2>/dev/null &
pids+=($!)
eventually test -s "$scratch/display"
export DISPLAY=":$(head -n 1 "$scratch/display")"
openbox >/dev/null 2>&1 &
pids+=($!)
wm_running() { xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"; }
eventually wm_running
env -u QT_QPA_PLATFORM "$program" >/dev/null 2>&1 &
pids+=($!)

fail=0
miss() { echo "MISS: $*"; fail=1; }
main="$(timeout 20 xdotool search --sync --onlyvisible --name '^Тарвел$' | head -n 1)"
read -r screen_w screen_h < <(xwininfo -root | awk '/Width:/ {w = $2} /Height:/ {h = $2} END {print w, h}')

# The window's frame as "x y width height": its client rectangle and the
# frame extents the window manager reports.
frame() {
  local x y w h left right top bottom
  read -r x y w h < <(xwininfo -id "$1" |
    awk '/Absolute upper-left X/ {x = $4} /Absolute upper-left Y/ {y = $4} /Width:/ {w = $2} /Height:/ {h = $2}
         END {print x, y, w, h}')
  IFS=', ' read -r left right top bottom < <(xprop -id "$1" _NET_FRAME_EXTENTS | sed 's/.*= //')
  echo "$((x - left)) $((y - top)) $((w + left + right)) $((h + top + bottom))"
}
about_shown() { xdotool search --onlyvisible --name '^О программе' | head -n 1 | grep -q .; }
about_hidden() { ! about_shown; }
check_centred() {
  local x y w h
  read -r x y w h < <(frame "$1")
  local dx=$((2 * x + w - screen_w)) dy=$((2 * y + h - screen_h))
  if ((dx < -2 || dx > 2 || dy < -2 || dy > 2)); then
    miss "$2: the About window's frame ${w}x${h}+${x}+${y} is not centred on the ${screen_w}x${screen_h} screen"
  else
    echo "ok: $2: the About window's frame ${w}x${h}+${x}+${y} is centred"
  fi
}
tooltip_shown() {
  local window
  for window in $(xdotool search --onlyvisible --class tarvel 2>/dev/null); do
    if xprop -id "$window" _NET_WM_WINDOW_TYPE | grep -q TOOLTIP; then return 0; fi
  done
  return 1
}
no_tooltip() { ! tooltip_shown; }
hover_for_tooltip() {  # window x y what
  xdotool mousemove 0 0
  eventually no_tooltip || true
  # A hand on the mouse: it comes to rest after a few moves.
  xdotool mousemove --window "$1" "$2" "$3"
  sleep 0.1
  xdotool mousemove --window "$1" "$(($2 + 2))" "$(($3 + 1))"
  if eventually tooltip_shown; then echo "ok: $4"; else miss "$4"; fi
}

# The About window, opened by the main window's "О программе..." button.
xdotool mousemove --window "$main" 180 385 click 1
eventually about_shown || miss "the About window did not open"
about="$(xdotool search --onlyvisible --name '^О программе' | head -n 1)"
sleep 0.5  # let the window manager finish placing it
title="$(xprop -id "$about" _NET_WM_NAME | sed 's/^[^=]*= //')"
if [ "$title" = '"О программе"' ]; then echo "ok: the window manager shows the title $title"; else
  miss "the About window's title is $title, not \"О программе\""; fi
check_centred "$about" "first show"

about_active() { [ "$(xdotool getactivewindow)" = "$about" ]; }
eventually about_active || miss "the About window is not active"
hover_for_tooltip "$main" 180 385 "the main window's tooltip shows while the About window is active"
xdotool windowactivate --sync "$main" >/dev/null 2>&1 || true
hover_for_tooltip "$about" 100 250 "the About window's tooltip shows while the main window is active"

# Ok hides it; the next show is centred again.
xdotool mousemove --window "$about" 100 250 click 1
eventually about_hidden || miss "Ok did not hide the About window"
xdotool mousemove --window "$main" 180 385 click 1
eventually about_shown || miss "the About window did not open again"
sleep 0.5
check_centred "$about" "second show"

if [ "$fail" -ne 0 ]; then exit 1; fi
echo "desktop check passed"
