#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tarvel developers
# Measures the engine's accuracy against ERFA (the IAU SOFA routines): set-up,
# liberfa-dev when missing, an optimised build of tarvel_accuracy into
# build-release (or the folder in BUILD_DIR), and its run. Arguments go to the
# tool: [instants] [seed].
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${BUILD_DIR:-$root/build-release}"
"$root/scripts/setup.sh" liberfa-dev

cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DTARVEL_BUILD_TOOLS=ON
cmake --build "$build" -j"$(nproc)" --target tarvel_accuracy
"$build/tools/tarvel_accuracy" "$@"
