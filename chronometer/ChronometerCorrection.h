// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#pragma once
// The chronometer's correction at an instant, from the record
// (chronometer/Chronometer.h for the signs):
//
//   u(t) = u₀ + ω · (t − t₀) / 86400 s
//
// where t₀, u₀ are the last comparison at or before t (the earliest dated
// one when t comes before them all, the days then negative; the undated one
// when no dated one is at or before t, with no rate: its u applies at any
// instant), and ω the record's rate (chronometer/ChronometerRate.h). The
// result is flagged (Drifted) when the rate moves u by more than 10 s from
// its comparison: the chronometer should be compared again.
//
// t is universal seconds from 1970 (shiptime's UniversalSeconds), with its
// fraction. No comparison: no correction (std::nullopt), as 0 s. Never
// raises for a record without faults (RecordFault).

#include <cstddef>
#include <optional>

#include "chronometer/ChronometerRate.h"

namespace tarvel {

struct TChronometerCorrection {
  Extended Seconds = 0;          // u(t), s
  std::size_t Comparison = 0;    // the index of t₀'s comparison in the record
  TChronometerRate Rate{};       // ω, as the record gives it
  Extended Days = 0;             // (t − t₀) / 86400 s; 0 from the undated one
  Extended Drift = 0;            // ω · days, s
  bool Drifted = false;          // |Drift| > 10 s
};

std::optional<TChronometerCorrection> CorrectionAt(const TChronometerRecord& record, Extended universalSeconds);

}  // namespace tarvel
