// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <string>

#include "core/RuntimeErrors.h"
#include "ephemeris/CStars.h"
#include "ephemeris/EnginePaths.h"

namespace tarvel {
namespace {

// The decimal altitude as a reader rebuilds it from the record.
Extended Altitude(const THorizonData& r) { return r.AltMin * OneSixtieth + r.AltDeg; }

double D(Extended x) { return static_cast<double>(x); }

// Half a unit in the seventh decimal, and in the fourth for minutes.
constexpr double kHalf7 = 5e-8;
constexpr double kHalf4 = 5e-5;

struct WorkedRow {
  const char* name;
  Extended Dec, Lat, Gha, Lon;
  Extended H, c, A;
  Extended AltDeg, AltMin;
  Extended Azimuth;
  bool west;  // sin t > 0, so Azimuth = 360 - A
};

const WorkedRow kWorkedRows[] = {
    {"East", 20, 50, 300, 30, 51.7300849L, -0.6515668L, 130.6598349L, 51, 43.8051L, 130.6598349L, false},
    {"West", 20, 50, 10, 20, 51.7300849L, -0.6515668L, 130.6598349L, 51, 43.8051L, 229.3401651L, true},
    {"BelowHorizon", -20, 50, 120, 0, -34.3338509L, 0.1696328L, 80.2335315L, -34, -20.0311L, 279.7664685L, true},
    {"HourAngleNotReduced", -30, -33.9L, 350, 18.4L, 81.8794696L, 0.4448208L, 63.5881243L, 81, 52.7682L, 296.4118757L, true},
    {"JustBelowHorizon", 20, 50, 116.6L, 0, -0.4843875L, 0.5421834L, 57.1676027L, 0, -29.0632L, 302.8323973L, true},
};

void PrintTo(const WorkedRow& w, std::ostream* os) { *os << w.name; }

class HorizonWorkedRow : public ::testing::TestWithParam<WorkedRow> {};

TEST_P(HorizonWorkedRow, MatchesToTheDigitsShown) {
  const WorkedRow& w = GetParam();
  const THorizonData r = HorizonCoords(w.Dec, w.Lat, w.Gha, w.Lon);
  EXPECT_EQ(r.AltDeg, w.AltDeg);
  EXPECT_NEAR(D(r.AltMin), D(w.AltMin), kHalf4);
  EXPECT_NEAR(D(Altitude(r)), D(w.H), kHalf7);
  EXPECT_NEAR(D(r.Azimuth), D(w.Azimuth), kHalf7);
  // The azimuth angle A and its cosine c, recovered through the side of the
  // meridian that the row names.
  const Extended A = w.west ? 360 - r.Azimuth : r.Azimuth;
  EXPECT_NEAR(D(A), D(w.A), kHalf7);
  EXPECT_NEAR(D(std::cos(A * DegToRad)), D(w.c), kHalf7);
}

INSTANTIATE_TEST_SUITE_P(WorkedRows, HorizonWorkedRow, ::testing::ValuesIn(kWorkedRows),
                         [](const auto& info) { return std::string(info.param.name); });

// The Sun of 1 January 2000, 12:00 in zone 0, seen from 55°45,00' N
// 37°37,00' E. Declination and hour angle are quoted to six decimals, which
// moves the seventh decimal of the altitude by about a unit, so H is held to
// one unit there; everything else to half a unit of its last digit.
TEST(HorizonCoords, SunExampleFromQuotedInputs) {
  const Extended lon = 37 * OneSixtieth + 37;
  const THorizonData r = HorizonCoords(-23.032910L, 55.75L, 359.179886L, lon);
  const Extended H = Altitude(r);
  EXPECT_NEAR(D(std::sin(H * DegToRad)), 0.0913368, kHalf7);  // x
  EXPECT_NEAR(D(H), 5.2405144, 1e-7);
  EXPECT_EQ(r.AltDeg, 5);
  EXPECT_NEAR(D(r.AltMin), 14.4309, kHalf4);
  EXPECT_NEAR(D(r.Azimuth), 213.6101449, kHalf7);
  const Extended A = 360 - r.Azimuth;  // west of the meridian
  EXPECT_NEAR(D(A), 146.3898551, kHalf7);
  EXPECT_NEAR(D(std::cos(A * DegToRad)), -0.8328232, kHalf7);
}

// The same Sun straight from the solar ephemeris, its declination and hour
// angle rebuilt from degrees and minutes as the window does: the window shows
// 05° 14,43' and 213,61°.
TEST(HorizonCoords, SunFromTheEphemerisAsTheWindowShowsIt) {
  const TSunData s = SunEphemeris(0, 12, 0, 0, 1, 1, 2000);
  const THorizonData r = HorizonCoords(s.SunDecMin * OneSixtieth + s.SunDecDeg, 45 * OneSixtieth + 55,
                                       s.SunGhaMin * OneSixtieth + s.SunGhaDeg, 37 * OneSixtieth + 37);
  EXPECT_EQ(r.AltDeg, 5);
  EXPECT_EQ(std::round(r.AltMin * 100), 1443);
  EXPECT_EQ(std::round(r.Azimuth * 100), 21361);
}

// Hour angles t and -t put the body at the same altitude on the two sides of
// the meridian: azimuths A (east) and 360 - A (west).
TEST(HorizonCoords, SidesOfTheMeridianMirror) {
  struct Case { Extended Dec, Lat, t; };
  const Case cases[] = {{20, 50, 30}, {-20, 50, 120}, {-30, -33.9L, 8.4L}, {60, 40, 150},
                        {-75, -60, 95}, {5, 0, 1}, {85, 70, 179}, {10, -45, 0.001L}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "Dec " << D(c.Dec) << " Lat " << D(c.Lat) << " t " << D(c.t));
    const THorizonData west = HorizonCoords(c.Dec, c.Lat, c.t, 0);
    const THorizonData east = HorizonCoords(c.Dec, c.Lat, 0, -c.t);
    EXPECT_EQ(west.AltDeg, east.AltDeg);
    EXPECT_EQ(west.AltMin, east.AltMin);
    EXPECT_LE(east.Azimuth, 180);
    EXPECT_GE(west.Azimuth, 180);
    EXPECT_EQ(west.Azimuth, 360 - east.Azimuth);
  }
}

// On the upper meridian (Gha + Lon = 0, so sin t = 0) the azimuth is A
// itself: 0 for a body north of the zenith, 180 south of it, never near 360.
TEST(HorizonCoords, OnTheMeridianNorthIsZeroSouthIs180) {
  struct Case { Extended Dec, Lat, Gha, Lon, Azimuth; };
  const Case cases[] = {
      {60, 50, 0, 0, 0},      {80, 20, 0, 0, 0},       {10, 0, 0, 0, 0},        {-20, -50, 0, 0, 0},
      {20, 50, 0, 0, 180},    {-60, 20, 0, 0, 180},    {10, 20, 0, 0, 180},     {0, 70, 0, 0, 180},
      {60, 50, 25, -25, 0},   {20, 50, 137.5L, -137.5L, 180},                  {45, 50, 359, -359, 180},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "Dec " << D(c.Dec) << " Lat " << D(c.Lat) << " Gha " << D(c.Gha));
    const THorizonData r = HorizonCoords(c.Dec, c.Lat, c.Gha, c.Lon);
    EXPECT_NEAR(D(r.Azimuth), D(c.Azimuth), 1e-7);
    EXPECT_LE(r.Azimuth, 180);
    // The altitude is the meridian altitude 90 - |Lat - Dec|.
    EXPECT_NEAR(D(Altitude(r)), D(90 - std::fabs(c.Lat - c.Dec)), 1e-7);
  }
}

// On the meridian the cosine of the azimuth can round to a hair beyond ±1.
// Which inputs do so rests on the processor's last bits, so the step is
// checked with its argument set exactly, and the inputs (whole degrees where
// one processor was seen to round so) must give the limiting azimuth to far
// below what is shown, and no error, whichever way they round here.
TEST(HorizonCoords, MeridianCosineBeyondOneGivesLimitingAzimuth) {
  constexpr Extended kHair = 1.0L / (1ULL << 62);
  EXPECT_EQ(AzimuthAngle(1 + kHair), 0);
  EXPECT_EQ(AzimuthAngle(-1 - kHair), 180);
  EXPECT_EQ(AzimuthAngle(1), 0);
  EXPECT_EQ(AzimuthAngle(-1), 180);
  EXPECT_NEAR(D(AzimuthAngle(1 - kHair)), 0, 1e-7);

  struct Case { Extended Dec, Lat, Gha, Lon, Azimuth; };
  const Case cases[] = {
      // upper meridian, north of the zenith
      {7, 0, 0, 0, 0},   {30, 20, 0, 0, 0},  {45, 44, 0, 0, 0},  {-67, -68, 0, 0, 0},
      {29, 0, 0, 0, 0},  {0, -29, 0, 0, 0},  {7, 0, 37.5L, -37.5L, 0}, {30, 20, 150, -150, 0},
      // upper meridian, south of the zenith
      {18, 30, 0, 0, 180}, {37, 39, 0, 0, 180}, {-48, -47, 0, 0, 180}, {-89, 8, 0, 0, 180},
      {74, 89, 0, 0, 180}, {18, 30, 120.25L, -120.25L, 180}, {37, 39, 359, -359, 180},
      // lower meridian, Gha + Lon = 180
      {45, 50, 180, 0, 0}, {-20, 50, 180, 0, 0}, {45, 0, 180, 0, 0}, {45, 50, 200, -20, 0},
      {-20, 50, 300, -120, 0}, {20, -50, 180, 0, 180}, {20, -50, 0, 180, 180},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "Dec " << D(c.Dec) << " Lat " << D(c.Lat) << " Gha " << D(c.Gha)
                                    << " Lon " << D(c.Lon));
    THorizonData r{};
    ASSERT_NO_THROW(r = HorizonCoords(c.Dec, c.Lat, c.Gha, c.Lon));
    // North may read a hair past 0 either way: 0,000001° or 359,999999°.
    const Extended off = std::fabs(r.Azimuth - c.Azimuth);
    EXPECT_LT(D(std::fmin(off, 360 - off)), 1e-5);
  }
}

// Gha + Lon = 360 is the upper meridian again; the sine of the unreduced
// hour angle is a rounding residue there, so due north may read 0 or 360.
TEST(HorizonCoords, FullTurnOfHourAngleIsStillTheMeridian) {
  struct Case { Extended Dec, Lat, Gha, Lon; bool north; };
  const Case cases[] = {{80, 50, 360, 0, true},  {45, 0, 300, 60, true}, {7, -48, 180, 180, true},
                        {20, 50, 360, 0, false}, {0, 50, 300, 60, false}, {-60, 20, 250, 110, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "Dec " << D(c.Dec) << " Lat " << D(c.Lat) << " Gha " << D(c.Gha));
    const THorizonData r = HorizonCoords(c.Dec, c.Lat, c.Gha, c.Lon);
    EXPECT_GE(r.Azimuth, 0);
    EXPECT_LE(r.Azimuth, 360);
    if (c.north) {
      EXPECT_NEAR(D(std::fmin(r.Azimuth, 360 - r.Azimuth)), 0, 1e-7);
    } else {
      EXPECT_NEAR(D(r.Azimuth), 180, 1e-7);
    }
  }
}

// Dec 0 at Lat 0 puts every body off the meridian due east or west (c = 0):
// exactly 90 when east (sin t <= 0) and 270 when west.
TEST(HorizonCoords, DueEastOrWestIsExact) {
  struct Case { Extended Gha, Lon, Azimuth; };
  const Case cases[] = {{1, 0, 270},    {45, 0, 270},    {90, 0, 270},   {179, 0, 270},
                        {181, 0, 90},   {270, 0, 90},    {315, 0, 90},   {359, 0, 90},
                        {300, 30, 90},  {10, -100, 90},  {350, 18.4L, 270}, {120, -180, 90}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "Gha " << D(c.Gha) << " Lon " << D(c.Lon));
    THorizonData r{};
    ASSERT_NO_THROW(r = HorizonCoords(0, 0, c.Gha, c.Lon));
    EXPECT_EQ(r.Azimuth, c.Azimuth);
  }
  // The altitude there is 90° less the hour angle from the meridian.
  EXPECT_NEAR(D(Altitude(HorizonCoords(0, 0, 60, 0))), 30, 1e-9);
}

// In the zenith or nadir the azimuth has no meaning: x = ±1 exactly divides
// by zero, |x| rounded beyond 1 takes the root of a negative number, and |x|
// rounded a hair below 1 gives an altitude a hair from ±90°. Which of the
// three an input meets rests on the processor's last bits, but at the
// equator's zenith (sin 0 and cos 0 exact on every x87); the rule itself is
// checked with x set exactly.
TEST(HorizonCoords, ZenithAndNadirRaise) {
  constexpr Extended kHair = 1.0L / (1ULL << 62);
  const auto raised = [](auto&& f) -> std::string {
    try {
      f();
    } catch (const EZeroDivide& e) {
      return std::string("zero divide: ") + e.what();
    } catch (const EInvalidOp& e) {
      return std::string("invalid: ") + e.what();
    }
    return "no error";
  };
  const std::string zeroDivide = "zero divide: Floating point division by zero";
  const std::string invalid = "invalid: Invalid floating point operation";
  EXPECT_EQ(raised([] { AltitudeOfSine(1); }), zeroDivide);
  EXPECT_EQ(raised([] { AltitudeOfSine(-1); }), zeroDivide);
  EXPECT_EQ(raised([&] { AltitudeOfSine(1 + kHair); }), invalid);
  EXPECT_EQ(raised([&] { AltitudeOfSine(-1 - kHair); }), invalid);
  EXPECT_EQ(raised([] { HorizonCoords(0, 0, 0, 0); }), zeroDivide);

  struct Case { Extended Dec, Lat, Gha, Lon; };
  const Case cases[] = {
      {30, 30, 0, 0},   {30, 30, 10, -10}, {45, 45, 0, 0},    {-87, -87, 0, 0}, {2, 2, 0, 0},
      {80, 80, 0, 0},   {-88, -88, 0, 0},  {-2, -2, 5, -5},
      // nadir: Dec = -Lat, Gha + Lon = 180
      {0, 0, 180, 0},   {10, -10, 180, 0}, {0, 0, 90, 90},    {-2, 2, 180, 0},  {-80, 80, 180, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "Dec " << D(c.Dec) << " Lat " << D(c.Lat) << " Gha " << D(c.Gha)
                                    << " Lon " << D(c.Lon));
    THorizonData r{};
    const std::string error = raised([&] { r = HorizonCoords(c.Dec, c.Lat, c.Gha, c.Lon); });
    if (error == "no error") {
      EXPECT_NEAR(std::fabs(D(Altitude(r))), 90, 1e-7);
    } else {
      EXPECT_TRUE(error == zeroDivide || error == invalid) << error;
    }
  }
}

// Whole degrees cut toward zero; the minutes carry the sign, so an altitude
// between -1° and 0° has 0 degrees and negative minutes.
TEST(HorizonCoords, AltitudeSplit) {
  struct Case { Extended Dec, Lat, Gha, Lon, AltDeg, AltMin; };
  const Case cases[] = {
      {0, 0, 90.5L, 0, 0, -30},        {0, 0, 89.5L, 0, 0, 30},
      {0, 0, 90.99L, 0, 0, -59.4L},    {0, 0, 91.25L, 0, -1, -15},
      {0, 0, 120.25L, 0, -30, -15},    {0, 0, 30.000000001L, 0, 59, 60 - 6e-8L},
      {20, 50, 116.6L, 0, 0, -29.0632495L},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "Dec " << D(c.Dec) << " Lat " << D(c.Lat) << " Gha " << D(c.Gha));
    const THorizonData r = HorizonCoords(c.Dec, c.Lat, c.Gha, c.Lon);
    EXPECT_EQ(r.AltDeg, c.AltDeg);
    EXPECT_NEAR(D(r.AltMin), D(c.AltMin), 1e-6);
  }
  // A hair below a whole degree stays below it, unrounded.
  const THorizonData r = HorizonCoords(0, 0, 30.000000001L, 0);
  EXPECT_LT(r.AltMin, 60);
}

// Over a grid of inputs: the azimuth stays in 0 … 360, the altitude's degrees
// are whole with minutes of the same sign below 60, and errors come only in
// the zenith or nadir.
TEST(HorizonCoords, GridStaysInRange) {
  int results = 0;
  for (int dec = -90; dec <= 90; dec += 5) {
    for (int lat = -89; lat <= 89; lat += 4) {
      for (int gha = 0; gha <= 360; gha += 15) {
        for (int lon = -180; lon <= 180; lon += 45) {
          const int t = ((gha + lon) % 360 + 360) % 360;
          const bool zenith = dec == lat && t == 0;
          const bool nadir = dec == -lat && t == 180;
          try {
            const THorizonData r = HorizonCoords(dec, lat, gha, lon);
            ++results;
            const bool inRange = r.Azimuth >= 0 && r.Azimuth <= 360;
            const bool whole = r.AltDeg == std::trunc(r.AltDeg);
            const bool sameSign = !(r.AltDeg > 0 && r.AltMin < 0) && !(r.AltDeg < 0 && r.AltMin > 0);
            const bool minutesBelow60 = std::fabs(r.AltMin) < 60;
            const bool altitudeInRange = std::fabs(Altitude(r)) <= 90;
            if (!(inRange && whole && sameSign && minutesBelow60 && altitudeInRange)) {
              ADD_FAILURE() << "Dec " << dec << " Lat " << lat << " Gha " << gha << " Lon " << lon
                            << ": AltDeg " << D(r.AltDeg) << " AltMin " << D(r.AltMin) << " Azimuth "
                            << D(r.Azimuth);
            }
          } catch (const EMathError& e) {
            if (!zenith && !nadir) {
              ADD_FAILURE() << "Dec " << dec << " Lat " << lat << " Gha " << gha << " Lon " << lon << ": "
                            << e.what();
            }
          }
        }
      }
    }
  }
  EXPECT_GT(results, 370000);
}

}  // namespace
}  // namespace tarvel
