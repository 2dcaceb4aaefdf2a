// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#pragma once
// The navigator's chronometer record: the comparisons with a time signal and
// the daily rate, as the sight log keeps them (reports/SightLog.h).
//
// Sign rule: the correction u is what is added to the chronometer's reading
// to give the true time, u = T − Tchr, in seconds. A chronometer that is fast
// ("спешит") by 3,4 s has u = −3,4 s; one that is slow ("отстаёт") by 3,4 s
// has u = +3,4 s. The daily rate ω ("ход", s/сут) is the change of u in a
// day: ω > 0 when the chronometer loses (u grows), ω < 0 when it gains.
//
// A comparison has a ship's date, time and zone (shiptime/ShipTime.h) and
// its correction, −3600,0 … +3600,0 s. One comparison may be undated: the
// one correction of a log written before the record was kept, where that log
// held no sight to date it; it applies at any instant, with no rate.
// The comparisons are kept in time order, the undated one first, no two at
// one instant (AddComparison, RecordFault). Errors raise EChronometerError
// with its Russian text.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/Extended.h"
#include "core/RuntimeErrors.h"
#include "shiptime/ShipTime.h"

namespace tarvel {

class EChronometerError : public Exception {
 public:
  using Exception::Exception;
};

inline constexpr Extended kSecondsPerDay = 86400;
inline constexpr Extended kComparisonBound = 3600;  // |u| of a comparison, s
inline constexpr Extended kRateBound = 60;          // |ω| typed, s/сут
inline constexpr Extended kDriftLimit = 10;         // s the rate may move u before a sight is flagged

// The texts of a comparison's instant that is out of range.
inline constexpr TInstantTexts kComparisonInstantTexts = {
    "Часовой пояс сравнения должен быть от -12 до +12",
    "Часы времени сравнения должны быть от 0 до 23",
    "Минуты времени сравнения должны быть от 0 до 59",
    "Секунды времени сравнения должны быть от 0 до 59",
    "Дата сравнения задана неверно: такого дня нет",
    "Дата сравнения должна быть от 01.01.1930 до 31.12.2099",
};

struct TComparison {
  std::optional<TShipTime> Time;  // none: undated (applies at any instant)
  Extended Correction = 0;        // u, s: negative when the chronometer is fast
};

struct TChronometerRecord {
  std::vector<TComparison> Comparisons;  // earliest first, the undated one before all
  std::optional<Extended> TypedRate;     // ω typed, s/сут; none: from the last two dated comparisons
};

// u of a chronometer fast ("спешит", fast true) or slow by seconds ≥ 0.
Extended CorrectionOfError(Extended seconds, bool fast);

// Universal seconds of a dated comparison (shiptime's UniversalSeconds).
std::int64_t ComparisonSeconds(const TComparison& comparison);

// The first fault of a record, in Russian, or empty: a comparison's instant
// out of range, a correction out of its bound, two comparisons out of order
// or at one instant, more than one undated, a typed rate out of its bound.
// Comparisons are counted from 1 in the texts.
std::string RecordFault(const TChronometerRecord& record);

// The record with the comparison in its place by time; raises
// EChronometerError, leaving the record as it was, when the comparison is
// faulty, undated, or falls at the instant of another ("Сравнение в этот
// момент уже записано").
void AddComparison(TChronometerRecord& record, const TComparison& comparison);

}  // namespace tarvel
