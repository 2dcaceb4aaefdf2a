#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tarvel developers
# Set-up, build, and run every test. The window tests draw offscreen. Then
# back-edges planted in a scratch copy, which the build must refuse; then
# the windows under a real X server and window manager, each fuzz target for
# a minute (build-fuzz/), the Debian package built and unpacked into a
# scratch root (build-package/), and last the whole suite again built with
# the sanitizers (build-asan/).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$root/scripts/setup.sh"
"$root/scripts/build.sh"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "${BUILD_DIR:-$root/build}" --output-on-failure -j"$(nproc)"
"$root/scripts/check-layering.sh"
"$root/scripts/check-desktop.sh"
"$root/scripts/fuzz.sh" 60
"$root/scripts/check-package.sh"
"$root/scripts/test-sanitized.sh"
