// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#pragma once
// The chronometer's daily rate ω, s/сут (chronometer/Chronometer.h for the
// signs): the change of the correction between two comparisons divided by
// the days between them, or the rate the navigator typed.
//
// RateFromComparisons raises EChronometerError for two comparisons at one
// instant or an undated one. RecordRate never raises for a record without
// faults (RecordFault): a typed rate is taken as it is; otherwise the last
// two dated comparisons give it; with fewer than two there is none, and the
// correction then stays that of its comparison.

#include "chronometer/Chronometer.h"

namespace tarvel {

enum class TRateSource { Typed, Comparisons, None };

struct TChronometerRate {
  Extended SecondsPerDay = 0;  // 0 when Source is None
  TRateSource Source = TRateSource::None;
};

// ω = (u₂ − u₁) / ((t₂ − t₁) / 86400 s), either order of the two.
Extended RateFromComparisons(const TComparison& first, const TComparison& second);

TChronometerRate RecordRate(const TChronometerRecord& record);

}  // namespace tarvel
