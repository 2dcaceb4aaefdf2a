#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tarvel developers
# Set-up, an optimised build, and the Debian package tarvel_<version>_<arch>.deb
# in build-package/ (or BUILD_DIR). Install it with: apt-get install ./tarvel_*.deb
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${BUILD_DIR:-$root/build-package}"
"$root/scripts/setup.sh"
BUILD_DIR="$build" BUILD_TYPE=Release "$root/scripts/build.sh" -DTARVEL_BUILD_TESTS=OFF -DTARVEL_BUILD_BENCHMARKS=OFF -DTARVEL_BUILD_TOOLS=OFF
(cd "$build" && cpack -G DEB)
ls "$build"/tarvel_*.deb
