#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tarvel developers
# Builds every test with AddressSanitizer and UndefinedBehaviorSanitizer into
# build-asan/ (or the folder in ASAN_BUILD_DIR) and runs them. Any report,
# a leak included, fails the run. The same build stands in for another
# processor (TARVEL_X87_NOISE: the x87's sines, cosines and arctangents an
# ulp off here and there), so no test may rest on this one's last bits.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${ASAN_BUILD_DIR:-$root/build-asan}"

# The test programs also run while building (test discovery), so the options
# hold for the build as well as for ctest.
export ASAN_OPTIONS="detect_leaks=1:check_initialization_order=1:strict_init_order=1:detect_stack_use_after_return=1:halt_on_error=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export QT_QPA_PLATFORM=offscreen

BUILD_DIR="$build" BUILD_TYPE=RelWithDebInfo "$root/scripts/build.sh" \
  -DTARVEL_SANITIZE=ON -DTARVEL_X87_NOISE=ON -DTARVEL_BUILD_BENCHMARKS=OFF
ctest --test-dir "$build" --output-on-failure -j"$(nproc)"
