#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tarvel developers
# Proves that the build keeps the layering: on a scratch copy of the tracked
# tree, each kind of back-edge is tried in turn, and the configure or the
# build must refuse it.
#   1. a declared dependency upward (core DEPENDS app);
#   2. an include of a library that is not a dependency (core includes app);
#   3. an include through ".." in a nested file of a folder.
# Exits non-zero when any back-edge gets through, or when the untouched copy
# does not configure and build the library it is tried on.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT

copy() {
  rm -rf "$scratch/src" "$scratch/build"
  mkdir -p "$scratch/src"
  git -C "$root" ls-files -z --cached --others --exclude-standard |
    (cd "$root" && xargs -0 cp --parents -t "$scratch/src" 2>/dev/null || true)
}

# Configures and builds the core library; true when both succeed.
builds() {
  cmake -S "$scratch/src" -B "$scratch/build" -DTARVEL_BUILD_TESTS=OFF -DTARVEL_BUILD_BENCHMARKS=OFF \
    -DTARVEL_BUILD_TOOLS=OFF >"$scratch/log" 2>&1 &&
    cmake --build "$scratch/build" --target core -j"$(nproc)" >>"$scratch/log" 2>&1
}

copy
if ! builds; then
  cat "$scratch/log" >&2
  echo "check-layering: the untouched tree does not build its core library" >&2
  exit 1
fi

failed=0
# Refused, and for the reason expected (a pattern of the log).
refuse() {
  local what="$1" why="$2"
  if builds; then
    echo "check-layering: NOT refused: $what" >&2
    failed=1
  elif ! grep -q -- "$why" "$scratch/log"; then
    cat "$scratch/log" >&2
    echo "check-layering: refused, but not for the layering: $what" >&2
    failed=1
  else
    echo "check-layering: refused as it must be: $what"
  fi
}

copy
sed -i 's/^tarvel_library(core SOURCES/tarvel_library(core DEPENDS app SOURCES/' "$scratch/src/core/CMakeLists.txt"
grep -q 'DEPENDS app' "$scratch/src/core/CMakeLists.txt" || { echo "check-layering: could not plant the edge" >&2; exit 1; }
refuse "core DEPENDS app" "not defined below it"

copy
sed -i '0,/#include "core\//s//#include "app\/Main.h"\n#include "core\//' "$scratch/src/core/TextToNumber.cpp"
grep -q 'app/Main.h' "$scratch/src/core/TextToNumber.cpp" || { echo "check-layering: could not plant the include" >&2; exit 1; }
refuse "core/TextToNumber.cpp includes app/Main.h" "app/Main.h: No such file"

copy
mkdir -p "$scratch/src/core/nested"
printf '#pragma once\n#include "../../app/Main.h"\n' >"$scratch/src/core/nested/Escape.h"
refuse "core/nested/Escape.h includes through .." "include through"

exit "$failed"
