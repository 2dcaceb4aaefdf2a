// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "ephemeris/CStars.h"
#include "ephemeris/Stars.h"

namespace tarvel {
namespace {

// The five values of the solar ephemeris that the star place reads.
struct Instant {
  Extended NutLon, NutObl, SunMeanLon, GrAries, Years;
};

TStarData Place(int star, const Instant& t) {
  return StarPlace(star, t.NutLon, t.NutObl, t.SunMeanLon, t.GrAries, t.Years);
}

Instant FromSun(const TSunData& s) { return {s.NutLon, s.NutObl, s.SunMeanLon, s.GrAries, s.Years}; }

// 1 January 2000, 12:00:00 in zone 0 (T = 1): the published inputs, and the
// same instant straight from the solar ephemeris.
const Instant kJ2000Published = {0.003923738L, -0.001468356L, 36280.45912L, 280.4566219L, 9.5L};
Instant J2000FromSun() { return FromSun(SunEphemeris(0, 12, 0, 0, 1, 1, 2000)); }

// x rounded to the given number of decimals, as the worked example shows it.
Extended Rounded(Extended x, int decimals) {
  const Extended scale = std::pow(10.0L, decimals);
  return std::round(x * scale) / scale;
}

Extended Rebuilt(Extended deg, Extended min) { return min * OneSixtieth + deg; }

struct WorkedStar {
  int star;
  const char* name;
  Extended alpha0, delta0;  // mean place of date, 7 decimals
  Extended alpha, delta;    // apparent place, 7 decimals
  Extended decDeg, decMin;  // minutes to 4 decimals
  Extended gha;             // 6 decimals
  Extended ghaDeg, ghaMin;
  Extended shaDeg, shaMin;
};

const WorkedStar kWorked[] = {
    {46, "Sirius", 101.2869604L, -16.7160542L, 101.2899016L, -16.7175301L, -16, -43.0518L,
     179.166720L, 179, 10.0032L, 258, 42.6059L},
    {160, "Polaris", 37.8182291L, 89.2647722L, 38.0404036L, 89.2676204L, 89, 16.0572L,
     242.416218L, 242, 24.9731L, 321, 57.5758L},
    {32, "Mintaka", 83.0016583L, -0.2990417L, 83.0035790L, -0.3011122L, 0, -18.0667L,
     197.453043L, 197, 27.1826L, 276, 59.7853L},
};

struct WorkedCase {
  WorkedStar star;
  bool fromSun;
};

// Keeps the test names that the test runner lists short.
void PrintTo(const WorkedCase& c, std::ostream* os) { *os << c.star.name << (c.fromSun ? " from SunEphemeris" : ""); }

class StarPlaceWorkedExample : public ::testing::TestWithParam<WorkedCase> {};

TEST_P(StarPlaceWorkedExample, MatchesToTheDigitsShown) {
  const WorkedStar& w = GetParam().star;
  const Instant t = GetParam().fromSun ? J2000FromSun() : kJ2000Published;

  // The catalogue row carried to the date.
  const TStar& row = StarTable(w.star);
  EXPECT_EQ(Rounded(row.AlphaRate * t.Years + row.Alpha, 7), w.alpha0);
  EXPECT_EQ(Rounded(row.DeltaRate * t.Years + row.Delta, 7), w.delta0);

  const TStarData d = Place(w.star, t);
  // The apparent right ascension is 360° less the sidereal hour angle.
  EXPECT_EQ(Rounded(360 - Rebuilt(d.StarShaDeg, d.StarShaMin), 7), w.alpha);
  EXPECT_EQ(Rounded(Rebuilt(d.StarDecDeg, d.StarDecMin), 7), w.delta);

  EXPECT_EQ(d.StarDecDeg, w.decDeg);
  EXPECT_EQ(Rounded(d.StarDecMin, 4), w.decMin);
  EXPECT_EQ(Rounded(d.StarGha, 6), w.gha);
  EXPECT_EQ(d.StarGhaDeg, w.ghaDeg);
  EXPECT_EQ(Rounded(d.StarGhaMin, 4), w.ghaMin);
  EXPECT_EQ(d.StarShaDeg, w.shaDeg);
  EXPECT_EQ(Rounded(d.StarShaMin, 4), w.shaMin);
}

INSTANTIATE_TEST_SUITE_P(
    J2000, StarPlaceWorkedExample,
    ::testing::Values(WorkedCase{kWorked[0], false}, WorkedCase{kWorked[1], false},
                      WorkedCase{kWorked[2], false}, WorkedCase{kWorked[0], true},
                      WorkedCase{kWorked[1], true}, WorkedCase{kWorked[2], true}),
    [](const auto& info) {
      return std::string(info.param.star.name) + (info.param.fromSun ? "FromSunEphemeris" : "Published");
    });

// A southern declination carries its sign in both fields; one between -1°
// and 0° has 0 degrees and the sign in the minutes alone.
TEST(StarPlace, SignOfTheDeclination) {
  const TStarData sirius = Place(46, kJ2000Published);
  EXPECT_LT(sirius.StarDecDeg, 0);
  EXPECT_LT(sirius.StarDecMin, 0);
  const TStarData mintaka = Place(32, kJ2000Published);
  EXPECT_EQ(mintaka.StarDecDeg, 0);
  EXPECT_FALSE(std::signbit(mintaka.StarDecDeg));
  EXPECT_LT(mintaka.StarDecMin, 0);
}

// GrAries below the right ascension: one turn is added.
TEST(StarPlace, NegativeHourAngleGetsOneTurn) {
  for (const Instant& base : {kJ2000Published, J2000FromSun()}) {
    Instant t = base;
    t.GrAries = 50;
    const TStarData d = Place(46, t);
    EXPECT_EQ(Rounded(d.StarGha, 7), 308.7100984L);
    EXPECT_EQ(d.StarGhaDeg, 308);
    EXPECT_EQ(Rounded(d.StarGhaMin, 4), 42.6059L);
  }
}

// The sidereal hour angle does not depend on GrAries; the Greenwich hour
// angle follows it one for one, modulo a turn.
TEST(StarPlace, HourAnglesAgainstGrAries) {
  const Extended ariesValues[] = {0, 1e-9L, 50, 83.0035802L, 101.2899016L, 180, 280.4566219L, 359.999L, 360};
  for (int star : {1, 32, 46, 106, 160}) {
    SCOPED_TRACE(star);
    const TStarData ref = Place(star, kJ2000Published);
    for (Extended aries : ariesValues) {
      SCOPED_TRACE(static_cast<double>(aries));
      Instant t = kJ2000Published;
      t.GrAries = aries;
      const TStarData d = Place(star, t);
      EXPECT_EQ(d.StarShaDeg, ref.StarShaDeg);
      EXPECT_EQ(d.StarShaMin, ref.StarShaMin);
      EXPECT_EQ(d.StarDecDeg, ref.StarDecDeg);
      EXPECT_EQ(d.StarDecMin, ref.StarDecMin);
      EXPECT_GE(d.StarGha, 0);
      EXPECT_LE(d.StarGha, 360);
      Extended change = (d.StarGha - ref.StarGha) - (aries - kJ2000Published.GrAries);
      change = std::remainder(change, 360.0L);
      EXPECT_NEAR(static_cast<double>(change), 0.0, 1e-12);
    }
  }
}

// Every star at both ends of the dates the window accepts.
class StarPlaceAtRangeEnd : public ::testing::TestWithParam<int> {};

TEST_P(StarPlaceAtRangeEnd, EveryStarInRange) {
  const TSunData sun = GetParam() == 1930 ? SunEphemeris(12, 0, 0, 0, 1, 1, 1930)
                                          : SunEphemeris(-12, 23, 59, 59, 31, 12, 2099);
  for (int k = 1; k <= 160; ++k) {
    SCOPED_TRACE(k);
    TStarData d{};
    ASSERT_NO_THROW(d = Place(k, FromSun(sun)));
    for (Extended field : {d.StarDecDeg, d.StarDecMin, d.StarGha, d.StarGhaDeg, d.StarGhaMin,
                           d.StarShaDeg, d.StarShaMin})
      EXPECT_TRUE(std::isfinite(field));
    EXPECT_LT(std::fabs(Rebuilt(d.StarDecDeg, d.StarDecMin)), 90);
    EXPECT_GE(d.StarGha, 0);
    EXPECT_LE(d.StarGha, 360);
    const Extended sha = Rebuilt(d.StarShaDeg, d.StarShaMin);
    EXPECT_GE(sha, 0);
    EXPECT_LE(sha, 360);
    for (Extended min : {d.StarDecMin, d.StarGhaMin, d.StarShaMin}) EXPECT_LT(std::fabs(min), 60);
  }
}

INSTANTIATE_TEST_SUITE_P(Window, StarPlaceAtRangeEnd, ::testing::Values(1930, 2099),
                         [](const auto& info) { return std::to_string(info.param); });

}  // namespace
}  // namespace tarvel
