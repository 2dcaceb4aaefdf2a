// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#include <benchmark/benchmark.h>

#include <vector>

#include "sights/Fix.h"
#include "sights/Sailing.h"

namespace {

using tarvel::TSight;

// Five stars at dusk, 20 March 2025 in zone −2, with the ship at 45° N 30° W
// at the last sight and making 15 knots on 060°; the sextant altitudes are
// those the corrections turn into the altitudes seen from the track.
constexpr tarvel::Extended kCourse = 60, kSpeed = 15;

std::vector<TSight> DuskSights() {
  const int stars[] = {46, 28, 67, 72, 24};
  std::vector<TSight> sights;
  for (int k = 0; k < 5; ++k) {
    TSight s{tarvel::TBody::Star, stars[k], -2, 19, 30 + 2 * k, 0, 20, 3, 2025, 45, 1.2L, 15, 8, 1018};
    const tarvel::TPosition at = tarvel::CarryPosition({45, -30}, kCourse, kSpeed, (2 * k - 8) / 60.0L);
    s.Hs = tarvel::SextantAltitude(s, tarvel::ReduceSight(s, at.Lat, at.Lon).Hc, at.Lat, at.Lon);
    sights.push_back(s);
  }
  return sights;
}

const std::vector<TSight> kSights = DuskSights();

void BM_ReduceSight(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(tarvel::ReduceSight(kSights[0], 45.1L, -30.2L));
}
BENCHMARK(BM_ReduceSight);

// From a dead reckoning about 25 miles off: three steps of five reductions each,
// and the reductions at the fix.
void BM_FixPositionFiveStars(benchmark::State& state) {
  const tarvel::TDeadReckoning dr{45.3L, -30.25L, -2, 19, 0, 0, 20, 3, 2025, kCourse, kSpeed};
  for (auto _ : state) benchmark::DoNotOptimize(tarvel::FixPosition(kSights, dr));
  state.counters["steps"] = tarvel::FixPosition(kSights, dr).Iterations;
}
BENCHMARK(BM_FixPositionFiveStars);

}  // namespace
