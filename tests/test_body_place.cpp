// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
// The bodies' places against independent sources: USNO's NOVAS with JPL
// DE405 (the apparent places of date that Skyfield's test suite publishes,
// skyfield/tests/test_against_novas.py), J. Meeus' worked examples
// (Astronomical Algorithms, 2nd ed.), Mallama & Hilton's magnitude test data,
// and measured ΔT.

#include <erfa.h>
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "bodies/BodyPlace.h"
#include "bodies/Magnitude.h"
#include "bodies/Reduction.h"
#include "timescales/DeltaTTrend.h"

namespace tarvel {
namespace {

using B = TCelestialBody;
constexpr double kArcsec = 1.0 / 3600;
constexpr double kOldAuKm = 149597870.691;  // DE405's AU, in which NOVAS gives distances

double Wrapped(double degrees) { return std::remainder(degrees, 360.0); }

// TT Julian date → the instant, UT1 = TT − ΔT (ΔT of the polynomials: the
// places of date do not depend on it).
bodies::TInstant AtTT(double tt) {
  const double year = 2000 + (tt - 2451545.0) / 365.25;
  return {tt, -static_cast<double>(DeltaTTrend(year)) / 86400, tt, 0};
}

// NOVAS + DE405: apparent α (hours) and δ of date, geometric distance (AU of
// DE405) at TT; Polaris without a distance. Tolerances: 0.01″, the Swiss
// Ephemeris' DE431 against DE405 and its 0.001″ compression; Jupiter and
// Saturn 0.1″, their system's barycentre (NOVAS) against the planet itself,
// up to 250 km off for Jupiter and 300 km for Saturn (0.08″ and 0.05″);
// Polaris 0.02″, the two catalogues.
struct NovasCase {
  B body;
  std::int32_t star;
  double tt, raHours, dec, distance, tolerance;
};
const NovasCase kNovas[] = {
    {B::Sun, 0, 2440423.345833333, 8.000108116572395, 20.58493093599605, 1.0160878650466754, 0.01},
    {B::Sun, 0, 2451545.0, 18.75183797477899, -23.032488638722818, 0.9833276788862821, 0.01},
    {B::Sun, 0, 2456164.5, 10.279264504672039, 10.688507865341325, 1.0107820040799866, 0.01},
    {B::Moon, 0, 2440423.345833333, 12.446262111681095, -4.378227942512158, 0.0026034424248854585, 0.01},
    {B::Moon, 0, 2448031.5, 23.66827809687387, 1.8051891857266409, 0.0024815092296598847, 0.01},
    {B::Moon, 0, 2451545.0, 14.829573271760747, -10.897905576904787, 0.002690202988513297, 0.01},
    {B::Moon, 0, 2456164.5, 16.40383113143219, -20.96508913558473, 0.0024739078649309238, 0.01},
    {B::Venus, 0, 2440423.345833333, 4.93668626355443, 20.166644671858105, 0.9646045654448725, 0.01},
    {B::Venus, 0, 2456164.5, 7.188033727750362, 19.85167856390226, 0.7824924286112764, 0.01},
    {B::Mars, 0, 2448031.5, 23.536847630733252, -4.935089760397492, 1.430250679602913, 0.01},
    {B::Mars, 0, 2451545.0, 22.034417492807563, -13.182689288940116, 1.8496039270835372, 0.01},
    {B::Jupiter, 0, 2440423.345833333, 12.07798204538282, 0.8216129394812305, 5.8416003192317465, 0.1},
    {B::Jupiter, 0, 2456164.5, 4.835670404865468, 21.67058638943795, 5.129958529243068, 0.1},
    {B::Saturn, 0, 2448031.5, 19.805277718955743, -20.958164640919687, 9.420484451056101, 0.1},
    {B::Saturn, 0, 2451545.0, 2.584361121508456, 12.614774672730574, 8.652750126001484, 0.1},
    {B::Star, 160, 2440423.345833333, 2.0385816433557173, 89.11999387030946, 0, 0.02},
    {B::Star, 160, 2456164.5, 2.8064741334456413, 89.3136939266471, 0, 0.02},
};

TEST(BodyPlace, AgreesWithNovasAndDe405) {
  for (const NovasCase& c : kNovas) {
    const bodies::TInstant when = AtTT(c.tt);
    const TBodyPlace p = bodies::BodyPlaceAt(c.body, c.star, when);
    const double gast = eraGst06a(when.Ut1a, when.Ut1b, when.Tta, when.Ttb) * 180 / M_PI;
    const double cosDec = std::cos(c.dec * M_PI / 180);
    const std::string at = "body " + std::to_string(static_cast<int>(c.body)) + " at " + std::to_string(c.tt);
    EXPECT_NEAR(Wrapped(static_cast<double>(p.Gha) - (gast - c.raHours * 15)) * cosDec, 0, c.tolerance * kArcsec) << at;
    EXPECT_NEAR(static_cast<double>(p.Dec), c.dec, c.tolerance * kArcsec) << at;
    if (c.distance > 0) {
      const double hp = std::asin(6378.1366 / (c.distance * kOldAuKm)) * 180 / M_PI * 60;
      EXPECT_NEAR(static_cast<double>(p.HorizontalParallax), hp, 1e-6) << at;  // 7 m of the Moon's distance
    }
  }
}

// The instant whose TT is nearest to 0h TD of the date, in whole seconds of
// UTC: 0h TD − (TT − UTC). Within half a second the Moon moves 0.3″.
TShipTime ZeroHourTD(int day, int month, int year) {
  const TTimeScales scales = TimeScales({0, 0, 0, 0, day, month, year});
  const long seconds = std::lround(86400 - static_cast<double>(scales.Ut1MinusUtc + scales.TtMinusUt1));
  return {0, static_cast<int>(seconds / 3600), static_cast<int>(seconds / 60 % 60), static_cast<int>(seconds % 60),
          day - 1, month, year};
}

// Meeus' examples at 0h TD. Tolerances: his truncated theories, 10″ for the
// Moon (ELP-2000/82 in 60 terms), 1″ for Venus and the Sun (VSOP87 as he
// prints it); HP within his Δ to 10 km; magnitudes and phases to his digits.
struct MeeusCase {
  B body;
  int day, month, year;
  double ra, dec, tolerance;   // apparent, degrees; arcseconds
  double hp, illuminated;      // minutes (0: not given); fraction (−1: not given)
};
const MeeusCase kMeeus[] = {
    {B::Moon, 12, 4, 1992, 134.688470, 13.768368, 10, 0.991990 * 60, 0.6786},          // 47.a, 48.a
    {B::Sun, 13, 10, 1992, 198.378178, -7.783871, 1, 0, -1},                           // 25.b
    {B::Venus, 20, 12, 1992, (21 + 4 / 60.0 + 41.454 / 3600) * 15, -(18 + 53 / 60.0 + 16.84 / 3600), 1, 0, 0.647},  // 33.a, 41.a
};

TEST(BodyPlace, AgreesWithMeeusWorkedExamples) {
  for (const MeeusCase& c : kMeeus) {
    const TShipTime t = ZeroHourTD(c.day, c.month, c.year);
    const TBodyPlace p = BodyPlace(c.body, 0, t);
    const bodies::TInstant when = bodies::InstantOf(t);
    const double gast = eraGst06a(when.Ut1a, when.Ut1b, when.Tta, when.Ttb) * 180 / M_PI;
    const std::string at = std::to_string(c.year) + "-" + std::to_string(c.month) + "-" + std::to_string(c.day);
    EXPECT_NEAR(Wrapped(static_cast<double>(p.Gha) - (gast - c.ra)) * std::cos(c.dec * M_PI / 180), 0, c.tolerance * kArcsec) << at;
    EXPECT_NEAR(static_cast<double>(p.Dec), c.dec, c.tolerance * kArcsec) << at;
    if (c.hp > 0) {
      EXPECT_NEAR(static_cast<double>(p.HorizontalParallax), c.hp, 0.002) << at;
    }
    if (c.illuminated >= 0) {
      EXPECT_NEAR(static_cast<double>(p.Illuminated), c.illuminated, 0.0006) << at;
    }
  }
  // The Moon's SD is k × HP; the Sun's 959.63″ at 1 AU (Meeus ch. 55) at its
  // distance of 25.b, R = 0.99760775 AU, within 0.05″ (696 000 km: 959.65″).
  const TBodyPlace moon = BodyPlace(B::Moon, 0, ZeroHourTD(12, 4, 1992));
  EXPECT_NEAR(static_cast<double>(moon.SemiDiameter / moon.HorizontalParallax), 0.2724, 1e-12);
  EXPECT_NEAR(static_cast<double>(BodyPlace(B::Sun, 0, ZeroHourTD(13, 10, 1992)).SemiDiameter),
              959.63 / 0.99760775 / 60, 0.05 / 60);
}

// Mallama & Hilton's test data (as in Skyfield's test suite): r, Δ, phase,
// Saturn's two latitudes → V. Mars without its rotational terms, ±0.1.
struct MagnitudeCase {
  B body;
  double r, delta, phase, sunLatitude, earthLatitude, v, tolerance;
};
const MagnitudeCase kMagnitudes[] = {
    {B::Venus, 0.722722540169, 1.71607489554051, 1.3232, 0, 0, -3.917, 0.0005},
    {B::Venus, 0.721480714554, 0.37762511206278, 124.1348, 0, 0, -4.916, 0.0005},
    {B::Venus, 0.726166592736, 0.28889582420642, 179.1845, 0, 0, -3.090, 0.0005},
    {B::Mars, 1.381191244505, 0.37274381097911, 4.8948, 0, 0, -2.862, 0.1},
    {B::Mars, 1.664150453905, 2.58995164518460, 11.5877, 0, 0, 1.788, 0.1},
    {B::Jupiter, 5.446231815414, 6.44985867459088, 0.2446, 0, 0, -1.667, 0.0005},
    {B::Jupiter, 4.957681473205, 3.95393078136013, 0.3431, 0, 0, -2.934, 0.0005},
    {B::Saturn, 9.014989659493, 8.03160470546889, 0.1055, -26.224864126755417, -26.332275658328648, -0.552, 0.0005},
};

TEST(BodyPlace, MagnitudesFollowMallamaAndHilton) {
  for (const MagnitudeCase& c : kMagnitudes)
    EXPECT_NEAR(bodies::PlanetMagnitude(c.body, c.r, c.delta, c.phase, c.sunLatitude, c.earthLatitude), c.v, c.tolerance)
        << static_cast<int>(c.body) << " r " << c.r;
  // End to end, 2021-10-04 0h UT, Skyfield with DE421, which puts the Sun
  // at the barycentre (0.008 AU away then): 0.04 mag for Venus, 0.015 for
  // the others.
  const TShipTime t{0, 0, 0, 0, 4, 10, 2021};
  EXPECT_NEAR(static_cast<double>(BodyPlace(B::Venus, 0, t).Magnitude), -4.278, 0.04);
  EXPECT_NEAR(static_cast<double>(BodyPlace(B::Mars, 0, t).Magnitude), 1.592, 0.015);
  EXPECT_NEAR(static_cast<double>(BodyPlace(B::Jupiter, 0, t).Magnitude), -2.693, 0.015);
  EXPECT_NEAR(static_cast<double>(BodyPlace(B::Saturn, 0, t).Magnitude), 0.508, 0.015);
  // The full Moon near its mean distance, −12.7 (Allen).
  EXPECT_NEAR(bodies::MoonMagnitude(1, 384400 / 149597870.7, 0), -12.73, 0.01);
}

TEST(BodyPlace, StarsCarryTheirCatalogueValues) {
  const TShipTime t{3, 21, 30, 0, 15, 6, 2040};
  for (std::int32_t k = 1; k <= 160; ++k) {
    const TBodyPlace p = BodyPlace(B::Star, k, t);
    EXPECT_TRUE(p.Gha >= 0 && p.Gha < 360 && std::fabs(p.Dec) < 90) << k;
    EXPECT_EQ(p.SemiDiameter, 0);
    EXPECT_EQ(p.HorizontalParallax, 0);
    EXPECT_EQ(p.Illuminated, 1);
  }
}

struct BadInput {
  B body;
  std::int32_t star;
  TShipTime time;
  const char* text;
};
const TShipTime kGood{3, 12, 0, 0, 1, 7, 2030};
const BadInput kBad[] = {
    {B::Star, 0, kGood, kBodyStarNumberError},
    {B::Star, 161, kGood, kBodyStarNumberError},
    {static_cast<B>(7), 0, kGood, kBodyError},
    {B::Sun, 0, {13, 12, 0, 0, 1, 7, 2030}, kBodyInstantTexts.Zone},
    {B::Moon, 0, {0, 24, 0, 0, 1, 7, 2030}, kBodyInstantTexts.Hour},
    {B::Venus, 0, {0, 0, 60, 0, 1, 7, 2030}, kBodyInstantTexts.Minute},
    {B::Mars, 0, {0, 0, 0, -1, 1, 7, 2030}, kBodyInstantTexts.Second},
    {B::Jupiter, 0, {0, 0, 0, 0, 29, 2, 2023}, kBodyInstantTexts.Date},
    {B::Saturn, 0, {0, 0, 0, 0, 31, 12, 1929}, kBodyInstantTexts.DateRange},
    {B::Sun, 0, {0, 0, 0, 0, 1, 1, 2100}, kBodyInstantTexts.DateRange},
};

TEST(BodyPlace, BadInputRaisesItsText) {
  for (const BadInput& b : kBad) {
    try {
      BodyPlace(b.body, b.star, b.time);
      ADD_FAILURE() << b.text;
    } catch (const EBodyError& e) {
      EXPECT_EQ(e.Message(), b.text);
    }
  }
  // The range's ends themselves are good: 1 January 1930 0h in zone −12 is
  // already 12h UT, 31 December 2099 23:59:59 in zone +12 11:59:59 UT.
  EXPECT_NO_THROW(BodyPlace(B::Moon, 0, {-12, 0, 0, 0, 1, 1, 1930}));
  EXPECT_NO_THROW(BodyPlace(B::Moon, 0, {12, 23, 59, 59, 31, 12, 2099}));
}

// The frames kept for recent instants never mix: places asked for at twelve
// instants in turn, more than are kept, then again in another order, are the
// same to the last bit as each asked for alone after an unrelated instant.
TEST(BodyPlace, KeptFramesGiveTheSamePlacesInAnyOrder) {
  std::vector<TShipTime> times;
  for (int k = 0; k < 12; ++k) times.push_back({0, 19, 10 + k, 7 * k % 60, 20, 3, 2025});
  const auto place = [](const TShipTime& t, int k) {
    return BodyPlace(k % 3 == 0 ? B::Moon : k % 3 == 1 ? B::Jupiter : B::Star, 1 + k, t);
  };
  std::vector<TBodyPlace> first;
  for (int k = 0; k < 12; ++k) first.push_back(place(times[k], k));
  for (int round = 0; round < 2; ++round) {
    for (int k = 11; k >= 0; k -= 1 + round) {
      const TBodyPlace again = place(times[k], k);
      EXPECT_EQ(again.Gha, first[k].Gha) << k;
      EXPECT_EQ(again.Dec, first[k].Dec) << k;
      EXPECT_EQ(again.HorizontalParallax, first[k].HorizontalParallax) << k;
    }
  }
  BodyPlace(B::Sun, 0, {0, 0, 0, 0, 1, 1, 1950});
  for (int k = 0; k < 12; ++k) {
    BodyPlace(B::Sun, 0, {0, 0, 0, 0, 2, 1, 1950 + k});  // a frame of its own in between
    EXPECT_EQ(place(times[k], k).Gha, first[k].Gha) << k;
  }
}

}  // namespace
}  // namespace tarvel
