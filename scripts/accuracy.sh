#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tarvel developers
# Measures the engine's accuracy against ERFA (the IAU SOFA routines): set-up,
# liberfa-dev and kstars-data (its Hipparcos catalogue holds the reference
# star places) when missing, an optimised build of the accuracy tools into
# build-release (or the folder in BUILD_DIR), and their runs.
#   scripts/accuracy.sh                      the Sun, then the stars
#   scripts/accuracy.sh sun [instants] [seed]
#   scripts/accuracy.sh stars [instants] [seed] [stars.dat]
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${BUILD_DIR:-$root/build-release}"
which="${1:-all}"
case "$which" in
  sun | stars) shift ;;
  all) [ $# -eq 0 ] || { echo "usage: $0 [sun|stars] [instants] [seed]" >&2; exit 2; } ;;
  *) echo "usage: $0 [sun|stars] [instants] [seed]" >&2; exit 2 ;;
esac
"$root/scripts/setup.sh" liberfa-dev kstars-data

cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DTARVEL_BUILD_TOOLS=ON
cmake --build "$build" -j"$(nproc)" --target tarvel_accuracy tarvel_star_accuracy
if [ "$which" != stars ]; then "$build/tools/tarvel_accuracy" "$@"; fi
if [ "$which" = all ]; then echo; fi
if [ "$which" != sun ]; then "$build/tools/tarvel_star_accuracy" "$@"; fi
