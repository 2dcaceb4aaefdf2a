// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#include <benchmark/benchmark.h>

#include "ephemeris/CStars.h"

namespace {

// 17 August 2031, 14:25 ship's time in zone 3.
const tarvel::TSunData kSun = tarvel::SunEphemeris(3, 14, 25, 0, 17, 8, 2031);

void BM_StarPlace(benchmark::State& state) {
  std::int32_t star = 1;
  for (auto _ : state) {
    benchmark::DoNotOptimize(
        tarvel::StarPlace(star, kSun.NutLon, kSun.NutObl, kSun.SunMeanLon, kSun.GrAries, kSun.Years));
    star = star < 160 ? star + 1 : 1;
  }
}
BENCHMARK(BM_StarPlace);

void BM_StarPlaceAllStars(benchmark::State& state) {
  for (auto _ : state) {
    for (std::int32_t star = 1; star <= 160; ++star)
      benchmark::DoNotOptimize(tarvel::StarPlace(star, kSun.NutLon, kSun.NutObl, kSun.SunMeanLon,
                                                 kSun.GrAries, kSun.Years));
  }
}
BENCHMARK(BM_StarPlaceAllStars);

}  // namespace
