#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tarvel developers
# Idle CPU of the program with automatic time on: the main window alone, then
# with the navigation window open as well. Each run starts the built program
# on a private X server (Xvfb), switches automatic time on and opens the
# navigation window with real clicks (xdotool), lets it settle, then reads the
# process's user and system time from /proc/<pid>/stat over SECONDS (60).
# Usage: scripts/idle-cpu.sh [SECONDS]   (BUILD_DIR: the build, default build/)
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
seconds="${1:-60}"
program="${BUILD_DIR:-$root/build}/app/tarvel"
"$root/scripts/setup.sh" xvfb xdotool
[ -x "$program" ] || "$root/scripts/build.sh" >/dev/null

work="$(mktemp -d)"
xvfb=""
app=""
cleanup() {
  [ -n "$app" ] && kill "$app" 2>/dev/null || true
  [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# A display of its own: Xvfb picks a free number and writes it to fd 3.
Xvfb -displayfd 3 -screen 0 1280x900x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
xvfb=$!
for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(cat "$work/display")"
export QT_QPA_PLATFORM=xcb

ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }

measure() {  # $1: "navigation" to open the navigation window too
  "$program" >/dev/null 2>&1 &
  app=$!
  local window
  window="$(xdotool search --sync --onlyvisible --name '^Тарвел$' | head -1)"
  xdotool mousemove --window "$window" 40 25 click 1        # Автоматический ввод времени
  if [ "$1" = navigation ]; then
    xdotool mousemove --window "$window" 362 385 click 1    # Навигация...
    xdotool search --sync --onlyvisible --name '^Навигация' >/dev/null
  fi
  sleep 5
  local before after
  before="$(ticks "$app")"
  sleep "$seconds"
  after="$(ticks "$app")"
  kill "$app"
  wait "$app" 2>/dev/null || true
  app=""
  awk -v t=$((after - before)) -v hz="$(getconf CLK_TCK)" -v s="$seconds" -v what="$2" \
    'BEGIN { printf "%-44s %6.2f s of CPU in %d s = %5.2f %% of one core\n", what, t / hz, s, 100 * t / hz / s }'
}

measure main "automatic time, main window"
measure navigation "automatic time, navigation window open"
