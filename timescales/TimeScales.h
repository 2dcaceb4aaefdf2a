// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#pragma once
// The time scales of a ship's instant: the one place where the program turns
// the ship's clock into UTC, UT1 and TT.
//
// The clock: ship's time − zone is UTC. TT = UTC + 32.184 s + (TAI − UTC),
// TAI − UTC from ERFA's eraDat (the leap seconds, and the drifting UTC of
// 1960–1971). UT1 = UTC + (UT1 − UTC). Before 1960 there was no UTC: the
// clock is taken as UT1, UT1 − UTC is 0 and TAI − UTC stands for
// ΔT − 32.184 s, so that the sums below hold on every date.
//
// The Earth's rotation:
// - 1962-01-01 … the last day of the IERS EOP 14 C04 series (2022-11-29 in
//   the checked-in table, timescales/EarthRotation.inc): UT1 − TAI at 0h UTC
//   of each day, interpolated linearly (it has no leap-second steps);
//   "measured", with the series' own error of that year.
// - 1930 … 1961: ΔT from the Astronomical Almanac's measured annual values at
//   1 January, interpolated linearly, the last interval ending at the series'
//   first day; "measured", the uncertainty their spread against Stephenson,
//   Morrison & Hohenkerk (2016), at least 0.05 s.
// - After the series: while UTC keeps leap seconds (up to kLeapSecondsEnd,
//   2035.0, when the CGPM's Resolution 4 of 2022 lets UT1 − UTC grow past
//   0.9 s), the last measured UT1 − UTC is held: leap seconds keep it within
//   0.9 s of 0, and TT = UTC + 32.184 s + (TAI − UTC) stays exact, so
//   ΔT = TT − UT1 follows. A ΔT carried on along a trend there would move UT1
//   itself, every hour angle with it (2.4 s, 0.6′, by 2026 along the
//   polynomials below). From kLeapSecondsEnd on: ΔT = ΔT(2035.0) + P(y) −
//   P(2035.0), P the polynomials of Espenak & Meeus (NASA/TP-2006-214141).
//   No step anywhere. "Predicted"; its uncertainty kPredictionErrorPerYear
//   for each year of drift (the root mean square by which ΔT carried on at
//   its mean rate from every month of 1972–2012 missed the measured value 1
//   to 20 years on, rounded up), capped at kUt1BandError while the leap
//   seconds hold UT1 − UTC in its band. Or, given a DUT1 the radio
//   broadcasts (UT1 − UTC to 0.1 s), UT1 − UTC = DUT1, "typed", uncertainty
//   kTypedDut1Error. Inside the
//   measured years a typed DUT1 is not used; TypedDut1Differs says whether it
//   stands more than kDut1Tolerance from the measured UT1 − UTC.
//
// Seconds: Second may be 60, the leap second at the end of a UTC day: the
// instant is one second after :59 of the same minute, and UtcSeconds is then
// 86400. Whether that day has a leap second is LeapSecondDay's question; the
// ship's-time check that takes or refuses the 60 is the caller's.
//
// Errors: an instant ShipTimeFault refuses (with its seconds up to 60), or a
// DUT1 outside −0.9 … +0.9 s, raises ETimeScaleError with its Russian text.

#include <cstdint>
#include <optional>

#include "core/Extended.h"
#include "core/RuntimeErrors.h"
#include "shiptime/ShipTime.h"

namespace tarvel {

class ETimeScaleError : public Exception {
 public:
  using Exception::Exception;
};

inline constexpr const char* kDut1RangeError = "DUT1 должна быть от -0,9 до +0,9 с";

inline constexpr Extended kPredictionErrorPerYear = 0.32L;  // s of ΔT for each year of drift
inline constexpr Extended kUt1BandError = 0.52L;            // s: UT1 − UTC anywhere in ±0.9 s (0.9 / √3)
inline constexpr Extended kLeapSecondsEnd = 2035;           // the year UT1 − UTC may leave its band
inline constexpr Extended kTypedDut1Error = 0.1L;           // s: |UT1 − (UTC + DUT1)| the broadcasts keep
inline constexpr Extended kDut1Tolerance = 0.05L;           // s: a typed DUT1 this far from the measured is flagged

enum class TTimeSource : std::uint8_t { Measured, Typed, Predicted };

struct TTimeScales {
  std::int32_t Mjd = 0;         // the UTC date, Modified Julian Day (JD − 2400000.5)
  Extended UtcSeconds = 0;      // seconds of that UTC day, 0 … 86400
  Extended TaiMinusUtc = 0;     // s
  Extended Ut1MinusUtc = 0;     // s
  Extended TtMinusUt1 = 0;      // ΔT, s
  Extended TtMinusUt1Error = 0; // its uncertainty (one standard deviation), s
  TTimeSource Source = TTimeSource::Measured;
  bool TypedDut1Differs = false;  // a typed DUT1 more than kDut1Tolerance from the measured
};

struct TTimeSettings {
  std::optional<Extended> Dut1;  // s, the DUT1 the radio gives, −0.9 … +0.9
};

TTimeScales TimeScales(const TShipTime& time, const TTimeSettings& settings = {});

// Whether the UTC day of that date ends in a leap second (23:59:60).
bool LeapSecondDay(std::int32_t year, std::int32_t month, std::int32_t day);
// Whether the ship's instant is that second: its seconds 60, at 23:59 UTC of
// such a day. The check of the ship's time takes its 60 as :59 then.
bool IsLeapSecond(const TShipTime& time);

// The measured series' first and last day, MJD.
std::int32_t MeasuredFirstMjd();
std::int32_t MeasuredLastMjd();

}  // namespace tarvel
