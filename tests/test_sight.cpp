// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <string>

#include "almanac/Almanac.h"
#include "sights/Sight.h"

namespace tarvel {
namespace {

double D(Extended x) { return static_cast<double>(x); }

TSight Star(std::int32_t number, std::int32_t zone, std::int32_t h, std::int32_t m, std::int32_t s,
            std::int32_t day, std::int32_t month, std::int32_t year, Extended hs, Extended ie,
            Extended eye, Extended t, Extended p, TBody body = TBody::Star) {
  return {body, number, zone, h, m, s, day, month, year, hs, ie, eye, t, p};
}

TSight Sun(TBody limb, std::int32_t zone, std::int32_t h, std::int32_t m, std::int32_t s,
           std::int32_t day, std::int32_t month, std::int32_t year, Extended hs, Extended ie,
           Extended eye, Extended t, Extended p) {
  return Star(0, zone, h, m, s, day, month, year, hs, ie, eye, t, p, limb);
}

// Each row: a sight, the assumed position, and the dip, refraction and
// parallax worked by hand to 0.0001'.
struct ReduceRow {
  const char* name;
  TSight sight;
  Extended lat, lon;
  double dip, refraction, parallax;
};

const ReduceRow kReduceRows[] = {
    {"SunLowerLimb", Sun(TBody::SunLowerLimb, -2, 9, 0, 0, 20, 3, 2025, 29 + 10.0L / 60, 1.5L, 12, 15, 1013),
     45, -30, 6.0968, 1.7615, 0.1282},
    {"SunUpperLimb", Sun(TBody::SunUpperLimb, 3, 12, 0, 0, 21, 6, 2024, 27.5L, -2, 4, -5, 1030),
     -33.9L, 18.4L, 3.5200, 2.0535, 0.1301},
    {"LowStarAlpheratz", Star(1, -2, 19, 30, 0, 20, 3, 2025, 8.7L, 0, 10, 10, 1010), 45, -30, 5.5656, 6.2033, 0},
    {"MiddleStarRegulus", Star(67, -2, 19, 30, 0, 20, 3, 2025, 41.9L, 0.8L, 20, 25, 990), 45, -30, 7.8710,
     1.0383, 0},
    {"HighStarCastor", Star(54, -2, 19, 30, 0, 20, 3, 2025, 76.8L, -0.5L, 0, -30, 1050), 45, -30, 0, 0.2821, 0},
};

void PrintTo(const ReduceRow& r, std::ostream* os) { *os << r.name; }

class ReduceSightRow : public ::testing::TestWithParam<ReduceRow> {};

// Every step worked again from the almanac's formulas with the C library's
// long double functions, the body's declination and hour angle taken from
// the model; x87 and the library differ only in the last bits.
TEST_P(ReduceSightRow, FollowsTheAlmanacFormulas) {
  const ReduceRow& row = GetParam();
  const TSight& s = row.sight;
  const bool star = s.Body == TBody::Star;
  const long double rad = 3.14159265358979323846264338327950288L / 180;

  const long double dip = 1.76L * std::sqrt(s.EyeHeight);
  const long double ha = s.Hs - s.IndexError / 60 - dip / 60;
  const long double refraction =
      60 * (0.28L * s.Pressure / (s.Temperature + 273)) * 0.0167L / std::tan((ha + 7.31L / (ha + 4.4L)) * rad);
  const TAlmanacResults a = ComputeAlmanac({s.Zone, s.Hour, s.Minute, s.Second, s.Day, s.Month, s.Year,
                                            row.lat, row.lon, star ? s.StarNumber : 1});
  const long double sd = star ? 0 : s.Body == TBody::SunLowerLimb ? a.Sun.SemiDiameter : -a.Sun.SemiDiameter;
  const long double parallax = star ? 0 : 0.1466L * std::cos(ha * rad);
  const long double ho = ha + (sd + parallax - refraction) / 60;
  const long double dec = star ? a.Star.StarDecDeg + a.Star.StarDecMin / 60 : a.Sun.SunDecDeg + a.Sun.SunDecMin / 60;
  const long double gha = star ? a.Star.StarGhaDeg + a.Star.StarGhaMin / 60 : a.Sun.SunGhaDeg + a.Sun.SunGhaMin / 60;
  const long double lha = (gha + row.lon) * rad, phi = row.lat * rad, delta = dec * rad;
  const long double hc =
      std::asin(std::sin(phi) * std::sin(delta) + std::cos(phi) * std::cos(delta) * std::cos(lha)) / rad;
  long double zn = std::atan2(-std::cos(delta) * std::sin(lha),
                              std::cos(phi) * std::sin(delta) - std::sin(phi) * std::cos(delta) * std::cos(lha)) /
                   rad;
  if (zn < 0) zn += 360;

  const TSightReduction r = ReduceSight(s, row.lat, row.lon);
  EXPECT_NEAR(D(r.Dip), row.dip, 5e-5);
  EXPECT_NEAR(D(r.Refraction), row.refraction, 5e-5);
  EXPECT_NEAR(D(r.Parallax), row.parallax, 5e-5);
  EXPECT_NEAR(D(r.Dip), D(dip), 1e-15);
  EXPECT_NEAR(D(r.Ha), D(ha), 1e-15);
  EXPECT_NEAR(D(r.Refraction), D(refraction), 1e-14);
  EXPECT_NEAR(D(r.SemiDiameter), D(sd), 0);
  EXPECT_NEAR(D(r.Parallax), D(parallax), 1e-15);
  EXPECT_NEAR(D(r.Ho), D(ho), 1e-14);
  EXPECT_NEAR(D(r.Hc), D(hc), 1e-12);
  EXPECT_NEAR(D(r.Zn), D(zn), 1e-10);
  EXPECT_NEAR(D(r.Intercept), D((ho - hc) * 60), 1e-10);
  // The window's altitude of the same body is the very same Hc.
  EXPECT_EQ(r.Hc, AltitudeDegrees(star ? a.StarHorizon : a.SunHorizon));

  // Run backwards, the corrections give the sextant altitude again.
  EXPECT_NEAR(D(SextantAltitude(s, r.Ho)), D(s.Hs), 1e-15);
}

INSTANTIATE_TEST_SUITE_P(WorkedRows, ReduceSightRow, ::testing::ValuesIn(kReduceRows),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ReduceSight, LimbsDifferByTheSunsDiameter) {
  TSight lower = kReduceRows[0].sight;
  TSight upper = lower;
  upper.Body = TBody::SunUpperLimb;
  const TSightReduction l = ReduceSight(lower, 45, -30), u = ReduceSight(upper, 45, -30);
  EXPECT_GT(l.SemiDiameter, 15.9L);
  EXPECT_EQ(u.SemiDiameter, -l.SemiDiameter);
  EXPECT_NEAR(D((l.Ho - u.Ho) * 60), D(2 * l.SemiDiameter), 1e-12);
  EXPECT_EQ(l.Hc, u.Hc);
}

// A sight one minute higher lies one mile nearer the body.
TEST(ReduceSight, InterceptFollowsHsAndPointsTowardTheBody) {
  TSight s = kReduceRows[3].sight;
  const TSightReduction a = ReduceSight(s, 45, -30);
  s.Hs += 1.0L / 60;
  const TSightReduction b = ReduceSight(s, 45, -30);
  EXPECT_NEAR(D(b.Intercept - a.Intercept), 1.0, 1e-3);
  // Moving the assumed position one mile along Zn takes a mile off.
  const Extended rad = 3.14159265358979323846L / 180;
  const TSightReduction c = ReduceSight(s, 45 + std::cos(a.Zn * rad) / 60,
                                        -30 + std::sin(a.Zn * rad) / (60 * std::cos(45 * rad)));
  EXPECT_NEAR(D(b.Intercept - c.Intercept), 1.0, 1e-3);
}

const TSight kValid = Star(67, -2, 19, 30, 0, 20, 3, 2025, 41.9L, 0.8L, 20, 25, 990);

struct BadRow {
  const char* name;
  std::function<void(TSight&)> spoil;
  const char* message;
};

const Extended kNaN = std::numeric_limits<Extended>::quiet_NaN();

const BadRow kBadRows[] = {
    {"HsZero", [](TSight& s) { s.Hs = 0; }, kSightHsError},
    {"HsNinety", [](TSight& s) { s.Hs = 90; }, kSightHsError},
    {"HsNotANumber", [](TSight& s) { s.Hs = kNaN; }, kSightHsError},
    {"IndexErrorSixty", [](TSight& s) { s.IndexError = 60; }, kSightIndexError},
    {"IndexErrorMinusSixty", [](TSight& s) { s.IndexError = -60; }, kSightIndexError},
    {"EyeBelowSea", [](TSight& s) { s.EyeHeight = -0.1L; }, kSightEyeHeightError},
    {"EyeTooHigh", [](TSight& s) { s.EyeHeight = 100.01L; }, kSightEyeHeightError},
    {"TemperatureLow", [](TSight& s) { s.Temperature = -60.5L; }, kSightTemperatureError},
    {"TemperatureHigh", [](TSight& s) { s.Temperature = 60.5L; }, kSightTemperatureError},
    {"PressureLow", [](TSight& s) { s.Pressure = 849.9L; }, kSightPressureError},
    {"PressureHigh", [](TSight& s) { s.Pressure = 1100.1L; }, kSightPressureError},
    {"ThirtyFirstApril", [](TSight& s) { s.Day = 31, s.Month = 4; }, kSightInstantTexts.Date},
    {"TwentyNinthFebruary2023", [](TSight& s) { s.Day = 29, s.Month = 2, s.Year = 2023; }, kSightInstantTexts.Date},
    {"MonthThirteen", [](TSight& s) { s.Month = 13; }, kSightInstantTexts.Date},
    {"DayZero", [](TSight& s) { s.Day = 0; }, kSightInstantTexts.Date},
    {"Year1929", [](TSight& s) { s.Day = 31, s.Month = 12, s.Year = 1929; }, kSightInstantTexts.DateRange},
    {"Year2100", [](TSight& s) { s.Day = 1, s.Month = 1, s.Year = 2100; }, kSightInstantTexts.DateRange},
    {"Hour24", [](TSight& s) { s.Hour = 24; }, kSightInstantTexts.Hour},
    {"MinuteSixty", [](TSight& s) { s.Minute = 60; }, kSightInstantTexts.Minute},
    {"SecondNegative", [](TSight& s) { s.Second = -1; }, kSightInstantTexts.Second},
    {"ZoneThirteenEast", [](TSight& s) { s.Zone = 13; }, kSightInstantTexts.Zone},
    {"ZoneThirteenWest", [](TSight& s) { s.Zone = -13; }, kSightInstantTexts.Zone},
    {"StarZero", [](TSight& s) { s.StarNumber = 0; }, kSightStarNumberError},
    {"Star161", [](TSight& s) { s.StarNumber = 161; }, kSightStarNumberError},
    {"NoSuchBody", [](TSight& s) { s.Body = static_cast<TBody>(7); }, kSightBodyError},
    {"HaBelowHorizon", [](TSight& s) { s.Hs = 0.1L, s.EyeHeight = 30; }, kSightHaError},
};

void PrintTo(const BadRow& r, std::ostream* os) { *os << r.name; }

class ReduceSightBadInput : public ::testing::TestWithParam<BadRow> {};

TEST_P(ReduceSightBadInput, NamesTheField) {
  TSight s = kValid;
  GetParam().spoil(s);
  try {
    ReduceSight(s, 45, -30);
    FAIL() << "no error";
  } catch (const ESightError& e) {
    EXPECT_EQ(e.Message(), GetParam().message);
  }
}

INSTANTIATE_TEST_SUITE_P(Fields, ReduceSightBadInput, ::testing::ValuesIn(kBadRows),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ReduceSight, AssumedPositionOutOfRange) {
  EXPECT_THROW(try { ReduceSight(kValid, 90.5L, 0); } catch (const ESightError& e) {
    EXPECT_EQ(e.Message(), kSightLatitudeError);
    throw;
  }, ESightError);
  EXPECT_THROW(try { ReduceSight(kValid, 0, -180.5L); } catch (const ESightError& e) {
    EXPECT_EQ(e.Message(), kSightLongitudeError);
    throw;
  }, ESightError);
}

// The edges of every range are inputs that reduce; the star number of a Sun
// sight is not looked at.
TEST(ReduceSight, EdgesOfTheRangesAreAccepted) {
  const std::function<void(TSight&)> edges[] = {
      [](TSight& s) { s.EyeHeight = 0; },    [](TSight& s) { s.EyeHeight = 100; },
      [](TSight& s) { s.Temperature = -60; }, [](TSight& s) { s.Temperature = 60; },
      [](TSight& s) { s.Pressure = 850; },   [](TSight& s) { s.Pressure = 1100; },
      [](TSight& s) { s.IndexError = -59.9L; }, [](TSight& s) { s.Zone = 12, s.Hour = 23, s.Minute = 59, s.Second = 59; },
      [](TSight& s) { s.Zone = -12, s.Hour = 0, s.Minute = 0, s.Second = 0; },
      [](TSight& s) { s.Day = 1, s.Month = 1, s.Year = 1930; }, [](TSight& s) { s.Day = 31, s.Month = 12, s.Year = 2099; },
      [](TSight& s) { s.Day = 29, s.Month = 2, s.Year = 2024; }, [](TSight& s) { s.Hs = 89.99L; },
      [](TSight& s) { s.Body = TBody::SunLowerLimb, s.StarNumber = 0; }, [](TSight& s) { s.StarNumber = 160; },
  };
  for (const auto& edge : edges) {
    TSight s = kValid;
    edge(s);
    EXPECT_NO_THROW(ReduceSight(s, 90, 180));
  }
}

TEST(SextantAltitude, BelowTheHorizonIsRefused) {
  EXPECT_THROW(SextantAltitude(kValid, -0.5L), ESightError);
  EXPECT_THROW(SextantAltitude(kValid, 89.999L), ESightError);  // Hs would pass 90°
}

}  // namespace
}  // namespace tarvel
