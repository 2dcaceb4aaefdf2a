// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
// The almanac model without a window: the worked example's twelve texts, the
// whole sky against one star at a time, and faults that pass through.
#include <gtest/gtest.h>

#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "ZenithFault.h"
#include "almanac/Almanac.h"
#include "core/RuntimeErrors.h"

namespace tarvel {
namespace {

TAlmanacInputs At(std::int32_t zone, std::int32_t hour, std::int32_t minute, std::int32_t second, std::int32_t day,
                  std::int32_t month, std::int32_t year, Extended latitude, Extended longitude, std::int32_t star) {
  return {zone, hour, minute, second, day, month, year, latitude, longitude, star};
}

// 1 January 2000, 12:00:00 in zone 0, at 55°45,00' N 037°37,00' E.
TAlmanacInputs WorkedExample(std::int32_t star) {
  return At(0, 12, 0, 0, 1, 1, 2000, 45 * OneSixtieth + 55, 37 * OneSixtieth + 37, star);
}

TEST(Almanac, WorkedExampleGivesTheTwelveTexts) {
  const TAlmanacInputs in = WorkedExample(46);
  const TAlmanacTexts t = AlmanacTexts(ComputeAlmanac(in), in.Longitude);
  const struct { const char* what; const std::string& text; const char* expected; } rows[] = {
      {"GrAries", t.GrAries, "280° 27,40'"},        {"SunLha", t.SunLha, "036° 47,79'"},
      {"SunDec", t.SunDec, "023° 01,97' S"},        {"SemiDiameter", t.SemiDiameter, "16,29'"},
      {"SunRa", t.SunRa, "281° 16,60'"},            {"StarDec", t.StarDec, "016° 43,05' S"},
      {"StarLha", t.StarLha, "216° 47,00'"},        {"StarSha", t.StarSha, "258° 42,61'"},
      {"SunAlt", t.SunAlt, "05° 14,43'"},           {"SunAz", t.SunAz, "213,61°"},
      {"StarAlt", t.StarAlt, "-42° 01,59'"},        {"StarAz", t.StarAz, "050,54°"},
  };
  for (const auto& r : rows) EXPECT_EQ(r.text, r.expected) << r.what;
}

// Equal to the last bit of the format (the padding of long double aside).
bool Same(Extended a, Extended b) {
  constexpr std::size_t bytes = std::numeric_limits<Extended>::digits == 64 ? 10 : sizeof(Extended);
  return std::memcmp(&a, &b, bytes) == 0;
}

::testing::AssertionResult SameStar(const TStarData& a, const TStarData& b) {
  for (auto field : {&TStarData::StarDecDeg, &TStarData::StarDecMin, &TStarData::StarGha, &TStarData::StarGhaDeg,
                     &TStarData::StarGhaMin, &TStarData::StarShaDeg, &TStarData::StarShaMin}) {
    if (!Same(a.*field, b.*field)) return ::testing::AssertionFailure() << "place differs";
  }
  return ::testing::AssertionSuccess();
}

::testing::AssertionResult SameHorizon(const THorizonData& a, const THorizonData& b) {
  for (auto field : {&THorizonData::AltDeg, &THorizonData::AltMin, &THorizonData::Azimuth}) {
    if (!Same(a.*field, b.*field)) return ::testing::AssertionFailure() << "altitude or azimuth differs";
  }
  return ::testing::AssertionSuccess();
}

TEST(Almanac, SkyGivesEachStarAsTheSingleRecalculationDoes) {
  std::vector<TAlmanacInputs> instants = {
      WorkedExample(1),
      At(-11, 23, 45, 10, 10, 2, 2015, -33.87L, 151.21L, 1),
      At(12, 0, 0, 0, 1, 1, 1930, 89.99L, -180, 1),
      At(0, 23, 59, 59, 31, 12, 2099, -89.99L, 180, 1),
  };
  std::mt19937 rng(2000);
  const auto draw = [&rng](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
  for (int n = 0; n < 12; ++n) {
    const std::int32_t zone = draw(-12, 12), hour = draw(0, 23), minute = draw(0, 59), second = draw(0, 59);
    const std::int32_t day = draw(1, 28), month = draw(1, 12), year = draw(1930, 2099);
    const Extended lat = draw(-8999, 8999) / 100.0L, lon = draw(-18000, 18000) / 100.0L;
    instants.push_back(At(zone, hour, minute, second, day, month, year, lat, lon, 1));
  }
  for (const TAlmanacInputs& in : instants) {
    const TSky sky = ComputeSky(in);
    for (std::int32_t k = 1; k <= kStarCount; ++k) {
      TAlmanacInputs one = in;
      one.StarNumber = k;
      const TAlmanacResults r = ComputeAlmanac(one);
      const TSkyStar& s = sky.Stars[static_cast<std::size_t>(k - 1)];
      ASSERT_TRUE(SameStar(s.Place, r.Star)) << "star " << k << ", year " << in.Time.Year;
      ASSERT_TRUE(SameHorizon(s.Horizon, r.StarHorizon)) << "star " << k << ", year " << in.Time.Year;
      ASSERT_TRUE(SameHorizon(sky.SunHorizon, r.SunHorizon)) << "year " << in.Time.Year;
      ASSERT_TRUE(Same(sky.Sun.GrAries, r.Sun.GrAries) && Same(sky.Sun.SunGha, r.Sun.SunGha)) << "year " << in.Time.Year;
    }
  }
}

// The Sun stands exactly in the zenith of 16°15,73' N 013°12,63' E on
// 7 August 2000 at 11:12:53 universal time, where the processor's bits put
// it there (tests/ZenithFault.h); a year far past the calendar's range
// cannot be cut to a whole day count on any.
TEST(Almanac, ArithmeticFaultsPassThroughBothComputations) {
  TAlmanacInputs zenith = ZenithInputs();
  TAlmanacInputs farYear = WorkedExample(46);
  farYear.Time.Year = 400'000'000;
  const struct { const char* what; TAlmanacInputs in; const char* error; } rows[] = {
      {"zenith", zenith, "Floating point division by zero"},
      {"far year", farYear, "Invalid floating point operation"},
  };
  for (const auto& r : rows) {
    if (&r == &rows[0] && !ZenithFaultsHere()) continue;  // kNoZenithHere; the far year faults everywhere
    const auto errorOf = [](auto compute) -> std::string {
      try {
        compute();
      } catch (const EMathError& e) {
        return e.what();
      }
      return "no error";
    };
    EXPECT_EQ(errorOf([&] { ComputeAlmanac(r.in); }), r.error) << r.what;
    EXPECT_EQ(errorOf([&] { ComputeSky(r.in); }), r.error) << r.what;
  }
  // One second earlier the Sun is a hair off the zenith and all goes well.
  zenith.Time.Second = 52;  // on every processor
  EXPECT_EQ(AlmanacTexts(ComputeAlmanac(zenith), zenith.Longitude).SunAlt, "89° 59,76'");
}

}  // namespace
}  // namespace tarvel
