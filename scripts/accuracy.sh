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
#   scripts/accuracy.sh bodies [instants per body type] [seed]
#       the bodies library (the Sun, the Moon, Venus, Mars, Jupiter, Saturn,
#       the stars) against JPL's DE405 (casacore-data-jpl-de405) through ERFA:
#       tools/de405_reference.py checks its own reader first, then compares
#       the library's places that tarvel_body_accuracy prints (CSV kept in
#       the build folder as bodies.csv).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${BUILD_DIR:-$root/build-release}"
which="${1:-all}"
case "$which" in
  sun | stars | bodies) shift ;;
  all) [ $# -eq 0 ] || { echo "usage: $0 [sun|stars|bodies] [instants] [seed]" >&2; exit 2; } ;;
  *) echo "usage: $0 [sun|stars|bodies] [instants] [seed]" >&2; exit 2 ;;
esac

if [ "$which" = bodies ]; then
  "$root/scripts/setup.sh" liberfa-dev libswe-dev swe-basic-data \
    python3-numpy python3-erfa python3-casacore casacore-data-jpl-de405
  # The build's messages on standard error, so that standard output is the Markdown report.
  cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DTARVEL_BUILD_TOOLS=ON >&2
  cmake --build "$build" -j"$(nproc)" --target tarvel_body_accuracy >&2
  # Debian's python3-erfa and python3-casacore are the system interpreter's.
  python=/usr/bin/python3
  start=$(date +%s)
  "$python" "$root/tools/de405_reference.py" validate
  echo
  "$build/tools/tarvel_body_accuracy" "$@" >"$build/bodies.csv"
  "$python" "$root/tools/de405_reference.py" compare --command "scripts/accuracy.sh bodies${*:+ $*}" "$build/bodies.csv"
  echo "Whole run: $(($(date +%s) - start)) s."
  exit 0
fi

"$root/scripts/setup.sh" liberfa-dev kstars-data

cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DTARVEL_BUILD_TOOLS=ON
cmake --build "$build" -j"$(nproc)" --target tarvel_accuracy tarvel_star_accuracy
if [ "$which" != stars ]; then "$build/tools/tarvel_accuracy" "$@"; fi
if [ "$which" = all ]; then echo; fi
if [ "$which" != sun ]; then "$build/tools/tarvel_star_accuracy" "$@"; fi
