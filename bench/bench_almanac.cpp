// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
// The almanac model: one whole recalculation as the main window asks for it,
// and the whole sky at one instant as the sky window will every tick.
#include <benchmark/benchmark.h>

#include "almanac/Almanac.h"

namespace {

// 1 January 2000, 12:00:00 in zone 0, at 55°45' N 37°37' E, star 46; the
// seconds stepping round.
tarvel::TAlmanacInputs WorkedExample() {
  tarvel::TAlmanacInputs in;
  in.Time.Hour = 12;
  in.Latitude = 45 * tarvel::OneSixtieth + 55;
  in.Longitude = 37 * tarvel::OneSixtieth + 37;
  in.StarNumber = 46;
  return in;
}

// The four records and the twelve texts.
void BM_AlmanacRecalculation(benchmark::State& state) {
  tarvel::TAlmanacInputs in = WorkedExample();
  for (auto _ : state) {
    benchmark::DoNotOptimize(tarvel::AlmanacTexts(tarvel::ComputeAlmanac(in), in.Longitude));
    in.Time.Second = in.Time.Second < 59 ? in.Time.Second + 1 : 0;
  }
}
BENCHMARK(BM_AlmanacRecalculation);

// The Sun and all 160 stars' places and altitudes and azimuths.
void BM_ComputeSky(benchmark::State& state) {
  tarvel::TAlmanacInputs in = WorkedExample();
  for (auto _ : state) {
    benchmark::DoNotOptimize(tarvel::ComputeSky(in));
    in.Time.Second = in.Time.Second < 59 ? in.Time.Second + 1 : 0;
  }
}
BENCHMARK(BM_ComputeSky)->Unit(benchmark::kMicrosecond);

}  // namespace
