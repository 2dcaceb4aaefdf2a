// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#include "chronometer/ChronometerRate.h"

#include "core/Arithmetic.h"

namespace tarvel {

Extended RateFromComparisons(const TComparison& first, const TComparison& second) {
  if (!first.Time || !second.Time) throw EChronometerError("Ход по сравнению без даты не определить");
  const std::int64_t seconds = ComparisonSeconds(second) - ComparisonSeconds(first);
  if (seconds == 0) throw EChronometerError("Сравнения в один и тот же момент: ход не определить");
  const Extended days = arith::Divide(static_cast<Extended>(seconds), kSecondsPerDay);
  return arith::Divide(second.Correction - first.Correction, days);
}

TChronometerRate RecordRate(const TChronometerRecord& record) {
  if (record.TypedRate) return {*record.TypedRate, TRateSource::Typed};
  const std::vector<TComparison>& list = record.Comparisons;
  if (list.size() < 2 || !list[list.size() - 2].Time) return {};
  return {RateFromComparisons(list[list.size() - 2], list.back()), TRateSource::Comparisons};
}

}  // namespace tarvel
