// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "ephemeris/CStars.h"

namespace tarvel {
namespace {

// Rounds minutes to the hundredth, as the worked examples give them.
Extended Hundredths(Extended minutes) { return std::round(minutes * 100) / 100; }

struct SunCase {
  const char* name;
  int zone, hour, minute, second, day, month, year;
  Extended T;
  int ariesDeg; Extended ariesMin;
  int raDeg; Extended raMin;
  int decDeg; Extended decMin;
  int ghaDeg; Extended ghaMin;
  Extended semiDiameter;
};

const SunCase kSunCases[] = {
    {"J2000", 0, 12, 0, 0, 1, 1, 2000, 1.000000000000L, 280, 27.40L, 281, 16.60L, -23, -1.97L, 359, 10.79L, 16.29L},
    {"Equinox2024", 3, 1, 30, 0, 20, 3, 2024, 1.242147501711L, 155, 27.31L, 359, 49.49L, 0, -4.56L, 155, 37.82L, 16.09L},
    {"Feb2015", -11, 23, 45, 10, 10, 2, 2015, 1.151127940655L, 302, 28.50L, 324, 44.03L, -14, -3.05L, 337, 44.46L, 16.23L},
    {"Nov2010", -5, 8, 20, 30, 15, 11, 2010, 1.108721585292L, 254, 39.02L, 230, 40.41L, -18, -32.35L, 23, 58.61L, 16.19L},
    {"Solstice1999", 3, 12, 0, 0, 22, 6, 1999, 0.994712525667L, 45, 6.24L, 90, 34.16L, 23, 26.19L, 314, 32.08L, 15.76L},
};

void PrintTo(const SunCase& c, std::ostream* os) { *os << c.name; }

class SunWorkedExample : public ::testing::TestWithParam<SunCase> {};

TEST_P(SunWorkedExample, MatchesToTheHundredthOfAMinute) {
  const SunCase& c = GetParam();
  const TSunData s = SunEphemeris(c.zone, c.hour, c.minute, c.second, c.day, c.month, c.year);
  EXPECT_NEAR(static_cast<double>(s.Centuries), static_cast<double>(c.T), 5e-13);
  EXPECT_EQ(s.GrAriesDeg, c.ariesDeg);
  EXPECT_EQ(Hundredths(s.GrAriesMin), c.ariesMin);
  EXPECT_EQ(s.SunRaDeg, c.raDeg);
  EXPECT_EQ(Hundredths(s.SunRaMin), c.raMin);
  EXPECT_EQ(s.SunDecDeg, c.decDeg);
  EXPECT_EQ(Hundredths(s.SunDecMin), c.decMin);
  EXPECT_EQ(s.SunGhaDeg, c.ghaDeg);
  EXPECT_EQ(Hundredths(s.SunGhaMin), c.ghaMin);
  EXPECT_EQ(Hundredths(s.SemiDiameter), c.semiDiameter);
}

INSTANTIATE_TEST_SUITE_P(WorkedRows, SunWorkedExample, ::testing::ValuesIn(kSunCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SunEphemeris, IntermediateValuesOfJ2000) {
  const TSunData s = SunEphemeris(0, 12, 0, 0, 1, 1, 2000);
  EXPECT_EQ(s.Centuries, 1.0L);
  EXPECT_NEAR(static_cast<double>(s.NutLon), 0.00392374, 5e-9);
  EXPECT_NEAR(static_cast<double>(s.NutObl), -0.00146836, 5e-9);
  EXPECT_NEAR(static_cast<double>(s.GrAries), 280.456622, 5e-7);
  EXPECT_NEAR(static_cast<double>(s.SunMeanLon), 36280.45912, 5e-6);
  EXPECT_NEAR(static_cast<double>(s.SunGha), 359.179886, 5e-7);
  EXPECT_NEAR(static_cast<double>(s.SunDecDeg + s.SunDecMin / 60), -23.032910, 5e-7);
  EXPECT_NEAR(static_cast<double>(s.SunRaDeg + s.SunRaMin / 60), 281.276735, 5e-7);
  EXPECT_EQ(s.Years, 9.5L);
}

TEST(SunEphemeris, DeclinationBetweenZeroAndMinusOneIsCarriedByTheMinutes) {
  const TSunData s = SunEphemeris(3, 1, 30, 0, 20, 3, 2024);
  EXPECT_EQ(s.SunDecDeg, 0);
  EXPECT_LT(s.SunDecMin, 0);
}

bool BitIdentical(const TSunData& a, const TSunData& b) {
  // Compare the ten value bytes of each field; the padding is not part of it.
  const Extended* x = &a.GrAriesDeg;
  const Extended* y = &b.GrAriesDeg;
  for (int i = 0; i < 16; ++i) {
    if (std::memcmp(x + i, y + i, 10) != 0) return false;
  }
  return true;
}

TEST(SunEphemeris, DayRunningIntoThePreviousYearIsBitIdentical) {
  EXPECT_TRUE(BitIdentical(SunEphemeris(3, 1, 0, 0, 1, 1, 2000), SunEphemeris(0, 22, 0, 0, 31, 12, 1999)));
}

TEST(SunEphemeris, UniversalHour24IsNotWrappedAndIsBitIdenticalToNextMidnight) {
  EXPECT_TRUE(BitIdentical(SunEphemeris(-12, 12, 0, 0, 14, 5, 2030), SunEphemeris(0, 0, 0, 0, 15, 5, 2030)));
}

TEST(SunEphemeris, EqualArgumentsGiveBitIdenticalResults) {
  EXPECT_TRUE(BitIdentical(SunEphemeris(-5, 8, 20, 30, 15, 11, 2010), SunEphemeris(-5, 8, 20, 30, 15, 11, 2010)));
}

// The day count N is recovered from T at 00:00 UT: T * 36525 = N exactly
// enough for the half days of the table.
Extended DayCountAtMidnight(int day, int month, int year) {
  return SunEphemeris(0, 0, 0, 0, day, month, year).Centuries * 36525;
}

TEST(SunEphemeris, DayCounts) {
  const struct { int d, m, y; double n; } cases[] = {
      {1, 1, 1930, 10957.5}, {31, 12, 2099, 73048.5}, {29, 2, 2024, 45349.5}, {1, 3, 2024, 45350.5}, {1, 3, 1900, 59.5}};
  for (const auto& c : cases) {
    EXPECT_NEAR(static_cast<double>(DayCountAtMidnight(c.d, c.m, c.y)), c.n, 1e-9) << c.d << "." << c.m << "." << c.y;
  }
}

TEST(SunEphemeris, WindowRangeEnds) {
  const TSunData first = SunEphemeris(12, 0, 0, 0, 1, 1, 1930);
  const TSunData last = SunEphemeris(-12, 23, 59, 59, 31, 12, 2099);
  EXPECT_NEAR(static_cast<double>(first.Centuries), 0.29999, 1e-5);
  EXPECT_LT(last.Centuries, 2);
  EXPECT_GT(last.Centuries, 1.9999);
  EXPECT_NEAR(static_cast<double>(first.Years), -60.5, 0.01);
  EXPECT_NEAR(static_cast<double>(last.Years), 109.5, 0.01);
}

TEST(SunEphemeris, SemiDiameterAndHourAngleStayInRangeOverAYear) {
  for (int day = 1; day <= 365; day += 3) {
    for (int hour = 0; hour < 24; hour += 5) {
      const TSunData s = SunEphemeris(0, hour, 0, 0, day, 1, 2021);
      EXPECT_GE(s.SemiDiameter, 15.7494L);
      EXPECT_LE(s.SemiDiameter, 16.2858L);
      EXPECT_GE(s.SunGha, 0);
      EXPECT_LE(s.SunGha, 360);
      EXPECT_GE(s.GrAries, 0);
      EXPECT_LE(s.GrAries, 360);
    }
  }
}

// Right ascension at the solstices. When the apparent longitude is exactly
// 90° or 270° the routine sets the right ascension to it: there the cosine of
// the longitude is a rounding residue (-2.7e-20 at 90°), and the arctangent
// of the quotient would put the Sun at 270° instead of 90°.
//
// No input the window can give reaches those two values: the window passes
// whole seconds, in which the longitude moves 1.1e-5°, while the longitude
// is formed in steps of 8.9e-16° (1930) to 7.1e-15° (2099). Searched
// solstice by solstice, the whole second nearest each of the 340 from 1930
// to 2099 leaves the longitude at least 2.9e-8° from 90° or 270°. The
// routine's arithmetic holds for a second of any real value, and for 300 of
// those solstices a fractional second (found by bisection) puts the
// longitude exactly on 90° or 270°; two of them below. Through them the
// right ascension must run on smoothly.
TEST(SunEphemeris, RightAscensionRunsThroughTheSolsticesExactly) {
  const struct { int day, month, hour, minute; Extended second; int longitude; } solstices[] = {
      {21, 6, 1, 46, 30.964343381028811L, 90},
      {21, 12, 13, 37, 14.791328569286862L, 270},
  };
  const auto ra = [](const TSunData& s) { return s.SunRaMin / 60 + s.SunRaDeg; };
  for (const auto& c : solstices) {
    SCOPED_TRACE(c.longitude);
    const auto at = [&c](Extended second) {
      return SunEphemeris(0, c.hour, c.minute, second, c.day, c.month, 2000);
    };
    const TSunData exact = at(c.second);
    const TSunData before = at(c.second - 1e-9L);  // three steps of T either side
    const TSunData after = at(c.second + 1e-9L);
    EXPECT_EQ(exact.SunRaDeg, c.longitude);
    EXPECT_EQ(exact.SunRaMin, 0);
    // Either side the arctangent gives the right ascension, within a few
    // units of the 64th bit of the longitude.
    EXPECT_EQ(before.SunRaDeg, c.longitude - 1);
    EXPECT_GT(before.SunRaMin, 60 - 1e-9L);
    EXPECT_EQ(after.SunRaDeg, c.longitude);
    EXPECT_GT(after.SunRaMin, 0);
    EXPECT_LT(after.SunRaMin, 1e-9L);
    EXPECT_LT(ra(before), ra(exact));
    EXPECT_LT(ra(exact), ra(after));
    // The hour angle is Aries' less the right ascension, also at the exact point.
    for (const TSunData* s : {&before, &exact, &after}) {
      const Extended gha = s->GrAries - ra(*s);
      EXPECT_NEAR(static_cast<double>(s->SunGha), static_cast<double>(gha < 0 ? gha + 360 : gha), 1e-9);
    }
  }
}

TEST(Reduce360, Examples) {
  const struct { Extended x, expected; } cases[] = {
      {361, 1}, {360, 360}, {-10, -10}, {720, 360}, {1440, 360}, {1080, 0}, {3600, 0}, {725.5L, 5.5L}};
  for (const auto& c : cases) {
    EXPECT_EQ(Reduce360(c.x), c.expected) << static_cast<double>(c.x);
  }
}

TEST(Reduce360, LargeArgumentsStillComeIntoRange) {
  // Beyond 2^31 degrees the count of turns still fits 32 bits; 360 times it
  // must not wrap.
  const Extended r = Reduce360(3.0e9L + 10);
  EXPECT_GE(r, 0);
  EXPECT_LT(r, 360);
}

TEST(DegToRad, IsPiOver180InExtended) {
  const unsigned char expected[10] = {0xAE, 0xC8, 0xE9, 0x94, 0x12, 0x35, 0xFA, 0x8E, 0xF9, 0x3F};
  const Extended value = DegToRad;
  EXPECT_EQ(std::memcmp(&value, expected, 10), 0);
}

TEST(Tan, QuotientOfSineAndCosine) {
  EXPECT_NEAR(static_cast<double>(Tan(45 * DegToRad)), 1.0, 1e-18);
  EXPECT_NEAR(static_cast<double>(Tan(-30 * DegToRad)), -0.57735026918962576, 1e-17);
}

}  // namespace
}  // namespace tarvel
