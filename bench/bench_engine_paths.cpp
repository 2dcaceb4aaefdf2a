// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
// One engine recalculation, the Sun, a star and both horizon positions, with
// each way of cutting to whole numbers side by side, and through the
// routines of CStars.h, which choose one at run time.
#include <benchmark/benchmark.h>

#include <type_traits>

#include "core/Arithmetic.h"
#include "ephemeris/EnginePaths.h"

namespace {

using tarvel::Extended;
using tarvel::OneSixtieth;

template <class Sun, class Star, class Horizon>
void Recalculate(benchmark::State& state, Sun sun, Star star, Horizon horizon) {
  // 1 January 2000 at 55°45' N 37°37' E, the seconds stepping round.
  const Extended lat = 45 * OneSixtieth + 55;
  const Extended lon = 37 * OneSixtieth + 37;
  Extended second = 0;
  for (auto _ : state) {
    const tarvel::TSunData s = sun(0, 12, 0, second, 1, 1, 2000);
    const tarvel::TStarData t = star(46, s.NutLon, s.NutObl, s.SunMeanLon, s.GrAries, s.Years);
    benchmark::DoNotOptimize(
        horizon(s.SunDecMin * OneSixtieth + s.SunDecDeg, lat, s.SunGhaMin * OneSixtieth + s.SunGhaDeg, lon));
    benchmark::DoNotOptimize(
        horizon(t.StarDecMin * OneSixtieth + t.StarDecDeg, lat, t.StarGhaMin * OneSixtieth + t.StarGhaDeg, lon));
    second = second < 59 ? second + 1 : 0;
  }
}

template <class Cut>
void BM_EngineRecalculation(benchmark::State& state) {
  if (std::is_same_v<Cut, tarvel::arith::FisttpCut> && !tarvel::arith::kHasFisttp) {
    state.SkipWithError("no SSE3 on this processor");
    return;
  }
  Recalculate(state, tarvel::SunEphemerisWith<Cut>, tarvel::StarPlaceWith<Cut>, tarvel::HorizonCoordsWith<Cut>);
}
BENCHMARK_TEMPLATE(BM_EngineRecalculation, tarvel::arith::PortableCut);
BENCHMARK_TEMPLATE(BM_EngineRecalculation, tarvel::arith::FisttpCut);

void BM_EngineRecalculationChosen(benchmark::State& state) {
  Recalculate(state, tarvel::SunEphemeris, tarvel::StarPlace, tarvel::HorizonCoords);
}
BENCHMARK(BM_EngineRecalculationChosen);

}  // namespace
