#!/usr/bin/env bash
# Set-up, build, and run every test. The window tests draw offscreen.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$root/scripts/setup.sh"
"$root/scripts/build.sh"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "${BUILD_DIR:-$root/build}" --output-on-failure -j"$(nproc)"
