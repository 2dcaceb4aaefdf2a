// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#include "chronometer/ChronometerCorrection.h"

#include <cmath>

#include "core/Arithmetic.h"

namespace tarvel {

std::optional<TChronometerCorrection> CorrectionAt(const TChronometerRecord& record, Extended t) {
  const std::vector<TComparison>& list = record.Comparisons;
  if (list.empty()) return std::nullopt;
  const std::size_t firstDated = list.front().Time ? 0 : 1;
  // The last dated comparison at or before t; else the first of the list:
  // the undated one, or the earliest dated.
  std::size_t base = 0;
  for (std::size_t k = firstDated; k < list.size(); ++k) {
    if (static_cast<Extended>(ComparisonSeconds(list[k])) <= t) base = k;
  }
  TChronometerCorrection c;
  c.Comparison = base;
  c.Rate = RecordRate(record);
  const TComparison& from = list[base];
  if (from.Time) {
    c.Days = arith::Divide(t - static_cast<Extended>(ComparisonSeconds(from)), kSecondsPerDay);
    c.Drift = c.Rate.SecondsPerDay * c.Days;
  }
  c.Seconds = from.Correction + c.Drift;
  c.Drifted = std::fabs(c.Drift) > kDriftLimit;
  return c;
}

}  // namespace tarvel
