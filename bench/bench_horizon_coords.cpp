// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#include <benchmark/benchmark.h>

#include "ephemeris/CStars.h"

namespace {

// One altitude and azimuth, the hour angle stepping round so that the
// sine and cosine never see the same argument twice in a row.
void BM_HorizonCoords(benchmark::State& state) {
  tarvel::Extended gha = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(tarvel::HorizonCoords(-23.03291L, 55.75L, gha, 37.6166667L));
    gha = gha < 359 ? gha + 0.731L : 0.25L;
  }
}
BENCHMARK(BM_HorizonCoords);

}  // namespace
