#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tarvel developers
# Renders the hicolor PNG sizes from tarvel.svg (needs librsvg2-bin). The PNGs
# are kept in the repository, so a build never needs the renderer.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")"
for size in 32 48 64 128 256; do
  rsvg-convert -w "$size" -h "$size" tarvel.svg -o "tarvel-$size.png"
done
