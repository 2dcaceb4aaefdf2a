// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#include <benchmark/benchmark.h>

#include "ephemeris/Twilight.h"

namespace {

// One date and place, as the navigation window asks when the date, zone or
// position changes: 55° N in spring, all six crossings present.
void BM_Twilight(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(tarvel::Twilight(3, 17, 4, 2031, 55.75L, 37.62L));
}
BENCHMARK(BM_Twilight)->Unit(benchmark::kMillisecond);

}  // namespace
