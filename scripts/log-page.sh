#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tarvel developers
# The README's picture of a printed page (docs/sight-log-page.png): the
# three-star running fix of docs/running-fix.png printed to PDF as "PDF…"
# prints it, its first page rendered at 60 dpi by poppler.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$root/scripts/setup.sh"
"$root/scripts/build.sh" >/dev/null
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
QT_QPA_PLATFORM=offscreen "${BUILD_DIR:-$root/build}/tools/tarvel_sight_screenshot" log "$scratch/log.pdf"
pdftoppm -png -r 60 -f 1 -l 1 -singlefile "$scratch/log.pdf" "$scratch/page"
cp "$scratch/page.png" "$root/docs/sight-log-page.png"
