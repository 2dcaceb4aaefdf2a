// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#include <benchmark/benchmark.h>

#include "ephemeris/CStars.h"

namespace {

void BM_SunEphemeris(benchmark::State& state) {
  tarvel::Extended second = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(tarvel::SunEphemeris(3, 14, 25, second, 17, 8, 2031));
    second = second < 59 ? second + 1 : 0;
  }
}
BENCHMARK(BM_SunEphemeris);

}  // namespace
