// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
// The time scales against published values: the Astronomical Almanac's ΔT,
// the IERS EOP 14 C04 series' UT1 − UTC as its file prints it, TAI − UTC
// from USNO's tai-utc.dat; the leap second against the steady run of UT1 and
// TT; the prediction after the series against Espenak & Meeus' published
// values, carried from the measured end.

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "bodies/BodyPlace.h"
#include "timescales/DeltaTTrend.h"
#include "timescales/TimeScales.h"

namespace tarvel {
namespace {

constexpr long double kNone = 1e9L;  // a column the case does not check

TShipTime Utc(int year, int month, int day, int hour = 0, int minute = 0, int second = 0) {
  return {0, hour, minute, second, day, month, year};
}

// Seconds of UT1 and TT from the first day of the series.
long double Ut1Seconds(const TTimeScales& s) {
  return static_cast<long double>(s.Mjd - MeasuredFirstMjd()) * 86400 + s.UtcSeconds + s.Ut1MinusUtc;
}
long double TtSeconds(const TTimeScales& s) { return Ut1Seconds(s) + s.TtMinusUt1; }

TEST(TimeScales, PublishedValues) {
  struct Case {
    TShipTime utc;
    long double taiMinusUtc, ut1MinusUtc, deltaT, tolerance;
    TTimeSource source;
  };
  const Case kCases[] = {
      // The Almanac's annual ΔT at 1 January; the clock is UT1.
      {Utc(1930, 1, 1), kNone, 0, 24.02L, 0.005L, TTimeSource::Measured},
      {Utc(1950, 1, 1), kNone, 0, 29.15L, 0.005L, TTimeSource::Measured},
      // C04 at 0h UTC (its UT1−UTC column); tai-utc.dat's 1.8458580 + (MJD − 37665) × 0.0011232 in 1962.
      {Utc(1962, 1, 1), 1.845858L, 0.0326338L, 32.184L + 1.845858L - 0.0326338L, 1e-4L, TTimeSource::Measured},
      {Utc(1972, 1, 1), 10, -0.0454859L, 42.184L + 0.0454859L, 1e-4L, TTimeSource::Measured},
      {Utc(2000, 1, 1), 32, 0.3553880L, 64.184L - 0.3553880L, 1e-4L, TTimeSource::Measured},
      {Utc(2016, 12, 31), 36, -0.4077492L, 68.184L + 0.4077492L, 1e-4L, TTimeSource::Measured},
      {Utc(2017, 1, 1), 37, 0.5912977L, 69.184L - 0.5912977L, 1e-4L, TTimeSource::Measured},
      {Utc(2022, 11, 29), 37, -0.0192085L, 69.184L + 0.0192085L, 1e-4L, TTimeSource::Measured},  // the last day
      // The day after: carried on from the last day, no step.
      {Utc(2022, 11, 30), 37, kNone, 69.184L + 0.0192085L, 0.01L, TTimeSource::Predicted},
      // While leap seconds hold UT1 − UTC in its band, the last measured value is held.
      {Utc(2026, 12, 10), 37, -0.0192085L, 69.184L + 0.0192085L, 1e-4L, TTimeSource::Predicted},
      // From 2035.0 on along Espenak & Meeus' polynomials: their published 93.0 s at 2050.0 and
      // 200.4 s at 2099.0, less their 81.05 s at 2035.0 (62.92 + 0.32217 t + 0.005589 t²).
      {Utc(2050, 1, 1), 37, kNone, 69.2032L + 93.0L - 81.05L, 0.05L, TTimeSource::Predicted},
      {Utc(2099, 1, 1), 37, kNone, 69.2032L + 200.4L - 81.05L, 0.1L, TTimeSource::Predicted},
  };
  for (const Case& c : kCases) {
    const TTimeScales s = TimeScales(c.utc);
    const std::string at = std::to_string(c.utc.Year) + "-" + std::to_string(c.utc.Month) + "-" +
                           std::to_string(c.utc.Day);
    if (c.taiMinusUtc != kNone) {
      EXPECT_NEAR(s.TaiMinusUtc, c.taiMinusUtc, 1e-6L) << at;
    }
    if (c.ut1MinusUtc != kNone) {
      EXPECT_NEAR(s.Ut1MinusUtc, c.ut1MinusUtc, c.tolerance) << at;
    }
    EXPECT_NEAR(s.TtMinusUt1, c.deltaT, c.tolerance) << at;
    EXPECT_NEAR(s.Ut1MinusUtc + s.TtMinusUt1, 32.184L + s.TaiMinusUtc, 1e-9L) << at;  // TT − UTC both ways
    EXPECT_EQ(s.Source, c.source) << at;
  }
}

TEST(TimeScales, JoinsWithoutSteps) {
  // Across the series' first day (annual values before it) and its last (prediction after it).
  const TShipTime kJoins[][2] = {{Utc(1961, 12, 31, 23, 59, 59), Utc(1962, 1, 1)},
                                 {Utc(2022, 11, 29), Utc(2022, 11, 29, 0, 0, 1)},
                                 {Utc(2034, 12, 31, 23, 59, 59), Utc(2035, 1, 1)}};
  for (const auto& j : kJoins) {
    const TTimeScales a = TimeScales(j[0]), b = TimeScales(j[1]);
    EXPECT_NEAR(a.TtMinusUt1, b.TtMinusUt1, 0.01L) << j[0].Year;
    EXPECT_NEAR(TtSeconds(b) - TtSeconds(a), 1, 1e-6L) << j[0].Year;
  }
  EXPECT_EQ(TimeScales(Utc(2022, 11, 29, 0, 0, 1)).Source, TTimeSource::Predicted);
}

TEST(TimeScales, LeapSecondRunsOneSecondLikeAnyOther) {
  struct Case {
    TShipTime before, leap, after;  // :59, :60 and the next day's 00:00:00, in the ship's zone
  };
  const Case kCases[] = {
      {Utc(1972, 6, 30, 23, 59, 59), Utc(1972, 6, 30, 23, 59, 60), Utc(1972, 7, 1)},
      {Utc(2016, 12, 31, 23, 59, 59), Utc(2016, 12, 31, 23, 59, 60), Utc(2017, 1, 1)},
      {{3, 2, 59, 59, 1, 1, 2017}, {3, 2, 59, 60, 1, 1, 2017}, {3, 3, 0, 0, 1, 1, 2017}},  // zone +3: 02:59:60
  };
  for (const Case& c : kCases) {
    EXPECT_TRUE(IsLeapSecond(c.leap)) << c.leap.Year;
    const TTimeScales a = TimeScales(c.before), l = TimeScales(c.leap), b = TimeScales(c.after);
    EXPECT_EQ(l.UtcSeconds, 86400) << c.leap.Year;
    EXPECT_NEAR(TtSeconds(l) - TtSeconds(a), 1, 1e-9L) << c.leap.Year;
    EXPECT_NEAR(TtSeconds(b) - TtSeconds(l), 1, 1e-9L) << c.leap.Year;
    EXPECT_NEAR(Ut1Seconds(b) - Ut1Seconds(a), 2, 1e-4L) << c.leap.Year;  // the Earth turns on regardless
    EXPECT_EQ(b.TaiMinusUtc - a.TaiMinusUtc, 1) << c.leap.Year;
  }
  // The same 60 on a day without one, or in another minute, is not a leap second, and BodyPlace refuses it.
  for (const TShipTime& t : {Utc(2016, 12, 30, 23, 59, 60), Utc(2017, 12, 31, 23, 59, 60),
                             Utc(2016, 12, 31, 23, 58, 60), Utc(2016, 12, 31, 22, 59, 60)}) {
    EXPECT_FALSE(IsLeapSecond(t)) << t.Day << "." << t.Month << "." << t.Year << " " << t.Hour << ":" << t.Minute;
    try {
      BodyPlace(TCelestialBody::Sun, 0, t);
      ADD_FAILURE() << "60 taken on " << t.Day << "." << t.Month << "." << t.Year;
    } catch (const EBodyError& e) {
      EXPECT_EQ(e.Message(), kBodyInstantTexts.Second);
    }
  }
  EXPECT_NO_THROW(BodyPlace(TCelestialBody::Moon, 0, Utc(2016, 12, 31, 23, 59, 60)));
}

TEST(TimeScales, TypedDut1) {
  struct Case {
    TShipTime utc;
    long double dut1;
    TTimeSource source;
    long double ut1MinusUtc;
    bool differs;
  };
  const Case kCases[] = {
      {Utc(2026, 12, 10, 12), 0.2L, TTimeSource::Typed, 0.2L, false},          // past the series: used
      {Utc(2026, 12, 10, 12), -0.9L, TTimeSource::Typed, -0.9L, false},
      {Utc(2000, 1, 1), 0.4L, TTimeSource::Measured, 0.3553880L, false},      // 0.045 s off: taken as agreeing
      {Utc(2000, 1, 1), 0.3L, TTimeSource::Measured, 0.3553880L, true},       // 0.055 s off: flagged
  };
  for (const Case& c : kCases) {
    const TTimeScales s = TimeScales(c.utc, {c.dut1});
    EXPECT_EQ(s.Source, c.source) << c.dut1;
    EXPECT_NEAR(s.Ut1MinusUtc, c.ut1MinusUtc, 1e-4L) << c.dut1;
    EXPECT_EQ(s.TypedDut1Differs, c.differs) << c.dut1;
    EXPECT_NEAR(s.Ut1MinusUtc + s.TtMinusUt1, 32.184L + s.TaiMinusUtc, 1e-9L) << c.dut1;
  }
  for (const long double bad : {0.95L, -1.0L, 9.0L}) {
    try {
      TimeScales(Utc(2026, 12, 10), {bad});
      ADD_FAILURE() << bad;
    } catch (const ETimeScaleError& e) {
      EXPECT_EQ(e.Message(), kDut1RangeError);
    }
  }
}

TEST(TimeScales, UncertaintyGrowsAfterTheSeries) {
  EXPECT_LT(TimeScales(Utc(2000, 6, 1)).TtMinusUt1Error, 1e-4L);       // the series' own error
  EXPECT_NEAR(TimeScales(Utc(1930, 6, 1)).TtMinusUt1Error, 0.42L, 0.01L);  // the Almanac against the 2016 spline
  EXPECT_NEAR(TimeScales(Utc(2023, 5, 30)).TtMinusUt1Error, 0.5L * kPredictionErrorPerYear, 0.01L);
  EXPECT_NEAR(TimeScales(Utc(2026, 11, 29)).TtMinusUt1Error, kUt1BandError, 1e-4L);  // the band's
  EXPECT_NEAR(TimeScales(Utc(2045, 1, 1)).TtMinusUt1Error, std::hypot(0.52, 3.2), 0.01L);
  EXPECT_NEAR(TimeScales(Utc(2026, 11, 29), {0.1L}).TtMinusUt1Error, kTypedDut1Error, 1e-9L);
}

// Measured ΔT (IERS; Meeus table 10.A) that the trend's polynomials fit within
// 0.5 s, and no step where one piece hands over to the next.
TEST(DeltaTTrend, FitsMeasuredValuesAndIsContinuous) {
  const double kMeasured[][2] = {{1930, 24.02}, {1940, 24.35}, {1950, 29.15}, {1960, 33.15}, {1970, 40.18},
                                 {1980, 50.54}, {1990, 56.86}, {2000, 63.83}, {2005, 64.69}};
  for (const auto& m : kMeasured) EXPECT_NEAR(static_cast<double>(DeltaTTrend(m[0])), m[1], 0.5) << m[0];
  for (const double y : {1941.0, 1961.0, 1986.0, 2005.0, 2050.0})
    EXPECT_NEAR(static_cast<double>(DeltaTTrend(y - 1e-9L) - DeltaTTrend(y)), 0, 0.1) << y;
}

}  // namespace
}  // namespace tarvel
