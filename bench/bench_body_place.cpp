// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#include <benchmark/benchmark.h>

#include "bodies/BodyPlace.h"

namespace {

using tarvel::TCelestialBody;

// One body, a new instant every call (the frame is computed each time).
void BM_BodyPlace(benchmark::State& state) {
  const auto body = static_cast<TCelestialBody>(state.range(0));
  tarvel::TShipTime t{3, 14, 25, 0, 17, 8, 2031};
  for (auto _ : state) {
    benchmark::DoNotOptimize(tarvel::BodyPlace(body, 46, t));
    t.Second = t.Second < 59 ? t.Second + 1 : 0;
  }
}
BENCHMARK(BM_BodyPlace)->DenseRange(0, 6)->ArgName("body");

// The Sun, the Moon, four planets and the 160 stars at one instant, a new
// instant each time: what a screen of all the bodies costs.
void BM_BodyPlaceAllAtOneInstant(benchmark::State& state) {
  tarvel::TShipTime t{3, 14, 25, 0, 17, 8, 2031};
  for (auto _ : state) {
    for (int body = 0; body < 6; ++body)
      benchmark::DoNotOptimize(tarvel::BodyPlace(static_cast<TCelestialBody>(body), 0, t));
    for (std::int32_t k = 1; k <= 160; ++k) benchmark::DoNotOptimize(tarvel::BodyPlace(TCelestialBody::Star, k, t));
    t.Second = t.Second < 59 ? t.Second + 1 : 0;
  }
}
BENCHMARK(BM_BodyPlaceAllAtOneInstant)->Unit(benchmark::kMicrosecond);

}  // namespace
