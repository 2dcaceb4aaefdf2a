#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tarvel developers
# Builds the fuzz targets with clang into build-fuzz/ (or the folder in
# FUZZ_BUILD_DIR) and runs each for SECONDS seconds (default 60) on a copy of
# its seed corpus in fuzz/corpus/. The sight log's reader starts also from
# the round-trip samples of the log file's tests, written by sight_log_seeds,
# and mutates with the words of fuzz/sight_log.dict. A crash, a leak, a
# failed check or a hang fails the run; the input that caused it is kept in
# build-fuzz/artifacts/.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
seconds="${1:-60}"
build="${FUZZ_BUILD_DIR:-$root/build-fuzz}"

# clang and its runtimes (libFuzzer, the sanitizers) are needed only here.
"$root/scripts/setup.sh" clang libclang-rt-14-dev

CXX=clang++ cmake -S "$root/fuzz" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$build" -j"$(nproc)"

export ASAN_OPTIONS="detect_leaks=1:halt_on_error=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
for pair in degrees:fuzz_degrees picture:fuzz_number_picture sightlog:fuzz_sight_log; do
  corpus="${pair%%:*}"
  target="${pair#*:}"
  # New inputs go to a copy: the seeds in the repository stay as they are.
  work="$build/corpus/$corpus"
  artifacts="$build/artifacts/$target"
  rm -rf "$work"
  mkdir -p "$work" "$artifacts"
  cp "$root/fuzz/corpus/$corpus"/* "$work/"
  options=()
  if [ "$target" = fuzz_sight_log ]; then
    "$build/sight_log_seeds" "$work"
    options+=(-dict="$root/fuzz/sight_log.dict")
  fi
  echo "== $target for ${seconds} s"
  "$build/$target" -max_total_time="$seconds" -timeout=25 -print_final_stats=1 \
    -artifact_prefix="$artifacts/" "${options[@]}" "$work"
done
