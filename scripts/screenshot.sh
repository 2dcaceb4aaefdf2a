#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tarvel developers
# Set-up, build, and the README's screenshots: the main window
# (docs/main-window.png), a Sun sight reduced in the navigation window
# (docs/sight-reduction.png) and a three-star running fix on the plotting
# sheet (docs/running-fix.png).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$root/scripts/setup.sh"
"$root/scripts/build.sh" >/dev/null
QT_QPA_PLATFORM=offscreen "${BUILD_DIR:-$root/build}/tools/tarvel_screenshot" "$root/docs/main-window.png"
QT_QPA_PLATFORM=offscreen "${BUILD_DIR:-$root/build}/tools/tarvel_sight_screenshot" sun "$root/docs/sight-reduction.png"
QT_QPA_PLATFORM=offscreen "${BUILD_DIR:-$root/build}/tools/tarvel_sight_screenshot" fix "$root/docs/running-fix.png"
