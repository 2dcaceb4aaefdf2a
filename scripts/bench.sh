#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tarvel developers
# Set-up, an optimised build, and the benchmarks.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$root/scripts/setup.sh"
BUILD_DIR="${BUILD_DIR:-$root/build-release}" BUILD_TYPE=Release "$root/scripts/build.sh"
export QT_QPA_PLATFORM=offscreen
"${BUILD_DIR:-$root/build-release}/bench/tarvel_bench" "$@"
