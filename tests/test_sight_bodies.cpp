// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
// Sights of the Moon and the planets, against two oracles of their own:
// the almanac's direct computation written out again in plain long double
// arithmetic, and the topocentric place of the Moon on the spheroid worked
// with vectors, from which the almanac's method is an approximation.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>

#include "bodies/BodyPlace.h"
#include "sights/Sight.h"

namespace tarvel {
namespace {

const long double kRad = 3.14159265358979323846264338327950288L / 180;
double D(Extended x) { return static_cast<double>(x); }

struct BodyRow {
  const char* name;
  TSight sight;
  long double lat, lon;
  double hcAbout;  // the altitude the row was chosen for, degrees
};

constexpr TSight Taken(TBody body, std::int32_t zone, std::int32_t h, std::int32_t m, std::int32_t day,
                       std::int32_t month, std::int32_t year, long double hs, long double ie, long double eye,
                       long double t, long double p) {
  return {body, 0, {zone, h, m, 0, day, month, year}, hs, ie, eye, t, p};
}

constexpr TBody kMoonLower = TBody::MoonLowerLimb, kMoonUpper = TBody::MoonUpperLimb;

// High and low, north and south, both limbs; the planets at their centre.
const BodyRow kBodyRows[] = {
    {"MoonLowerLimbHighSouth", Taken(kMoonLower, 3, 1, 0, 13, 5, 2025, 69 + 26.0L / 60, 1.2L, 12, 18, 1015), -35, 49,
     69.9},
    {"MoonUpperLimbLowNorth", Taken(kMoonUpper, -9, 10, 0, 3, 2, 2025, 7 + 32.4L / 60, -0.8L, 15, 2, 1025), 50, -128.5,
     8.1},
    {"MoonLowerLimbLowSouth", Taken(kMoonLower, -9, 18, 0, 19, 8, 2024, 4.0L, 0, 8, 10, 1005), -35, -131.5, 5.0},
    {"MoonUpperLimbSouth", Taken(kMoonUpper, 8, 5, 0, 10, 11, 2025, 42 + 40.0L / 60, 0.5L, 10, 25, 1008), -20, 113,
     43.0},
    {"MoonLowerLimbFarNorth", Taken(kMoonLower, 0, 19, 0, 3, 2, 2025, 34 + 2.5L / 60, 0, 20, -8, 990), 60, -1, 35.0},
    {"MoonUpperLimbNearZenith", Taken(kMoonUpper, -3, 16, 0, 3, 2, 2025, 75 + 10.0L / 60, -1.5L, 6, 27, 1012), 20, -50,
     75.1},
    {"Venus", Taken(TBody::Venus, -1, 17, 0, 14, 9, 2024, 24 + 59.0L / 60, 0.3L, 12, 22, 1016), 30, -10, 24.9},
    {"Mars", Taken(TBody::Mars, -3, 20, 0, 16, 1, 2025, 40 + 3.0L / 60, 0, 14, -2, 1020), 52, -39.5, 39.9},
    {"Jupiter", Taken(TBody::Jupiter, -4, 16, 0, 5, 3, 2025, 45.0L, -0.6L, 9, 29, 1011), -10, -65, 44.9},
    {"Saturn", Taken(TBody::Saturn, -1, 22, 0, 22, 9, 2025, 60 + 6.0L / 60, 0.9L, 11, 26, 1013), 5, -16.5, 60.0},
};

void PrintTo(const BodyRow& r, std::ostream* os) { *os << r.name; }

class MoonAndPlanetSight : public ::testing::TestWithParam<BodyRow> {};

// The Nautical Almanac's "altitude corrections by direct computation",
// step by step: Ha = Hs − IE − D; R from Ha; H = Ha − R; the parallax in
// altitude PA = HP cos H, plus for the Moon OB = −0.0032° sin²φ cos H +
// 0.0032° sin 2φ cos Z sin H; the Moon's semi-diameter 0.2724 HP (not the
// program's own SD), none for a planet's centre; Ho = H + PA + OB ± SD. The
// altitude and azimuth by the cosine rule and the two-argument arctangent
// of the local hour angle, written in the other form of the triangle.
TEST_P(MoonAndPlanetSight, FollowsTheAlmanacsDirectComputation) {
  const BodyRow& row = GetParam();
  const TSight& s = row.sight;
  const bool moon = s.Body == kMoonLower || s.Body == kMoonUpper;
  const TBodyPlace place = BodyPlace(CelestialBody(s.Body), 0, s.Time);

  // The triangle: the polar distance, the colatitude and the hour angle.
  const long double p = (90 - place.Dec) * kRad, c = (90 - row.lat) * kRad;
  long double lha = std::fmod(place.Gha + row.lon, 360.0L);
  if (lha < 0) lha += 360;
  const long double zd = std::acos(std::cos(c) * std::cos(p) + std::sin(c) * std::sin(p) * std::cos(lha * kRad));
  const long double hc = 90 - zd / kRad;
  // Azimuth angle from the sine and cosine of the triangle's angle at the zenith.
  const long double sinZ = std::sin(p) * std::sin(lha * kRad) / std::sin(zd);
  const long double cosZ = (std::cos(p) - std::cos(c) * std::cos(zd)) / (std::sin(c) * std::sin(zd));
  long double zn = 360 - std::atan2(sinZ, cosZ) / kRad;  // west of the meridian for LHA < 180°
  if (zn >= 360) zn -= 360;

  const long double dipDeg = 1.76L * std::sqrt(s.EyeHeight) / 60;
  const long double ha = s.Hs - s.IndexError / 60 - dipDeg;
  const long double rDeg = 0.0167L / std::tan((ha + 7.31L / (ha + 4.4L)) * kRad) * 0.28L * s.Pressure /
                           (s.Temperature + 273);
  const long double h = ha - rDeg;
  const long double pa = place.HorizontalParallax / 60 * std::cos(h * kRad);
  const long double phi = row.lat * kRad;
  const long double ob = moon ? -0.0032L * std::pow(std::sin(phi), 2) * std::cos(h * kRad) +
                                    0.0032L * std::sin(2 * phi) * std::cos(zn * kRad) * std::sin(h * kRad)
                              : 0;
  const long double sd = moon ? 0.2724L * place.HorizontalParallax / 60 : 0;
  const long double ho = h + pa + ob + (s.Body == kMoonLower ? sd : s.Body == kMoonUpper ? -sd : 0);

  const TSightReduction r = ReduceSight(s, row.lat, row.lon);
  ASSERT_NEAR(D(r.Hc), row.hcAbout, 0.5) << "the row is not the sight it was chosen to be";
  EXPECT_NEAR(D(r.Hc), D(hc), 1e-11);  // acos near 1 costs a few bits at the highest row
  EXPECT_NEAR(D(r.Zn), D(zn), 1e-9);
  EXPECT_NEAR(D(r.Refraction), D(rDeg * 60), 1e-13);
  EXPECT_NEAR(D(r.HorizontalParallax), D(place.HorizontalParallax), 0);
  EXPECT_NEAR(D(r.Parallax), D(pa * 60), 1e-13);
  EXPECT_NEAR(D(r.Oblateness), D(ob * 60), 1e-15);
  // BodyPlace's SD is 0.2724 HP as well (bodies/BodyPlace.h).
  EXPECT_NEAR(D(r.SemiDiameter), D(ho - h - pa - ob) * 60, 1e-12);
  EXPECT_NEAR(D(r.Ho), D(ho), 1e-13);
  EXPECT_NEAR(D(r.Intercept), D((ho - hc) * 60), 1e-8);
  // Each row was made a sight within a few miles of its assumed position.
  EXPECT_LT(std::fabs(D(r.Intercept)), 30);
  if (moon) {
    EXPECT_GT(D(r.HorizontalParallax), 53.9);
    EXPECT_LT(D(r.HorizontalParallax), 61.5);
    EXPECT_LE(std::fabs(D(r.Oblateness)), 0.2 + 1e-12);  // 0.0032° both terms at most
  } else {
    EXPECT_EQ(r.SemiDiameter, 0);
    EXPECT_EQ(r.Oblateness, 0);
    EXPECT_LT(D(r.HorizontalParallax), 0.6);  // Mars at its nearest: 0.4′
  }

  // Backwards: the Hs whose corrections give this Ho is the sight's own.
  EXPECT_NEAR(D(SextantAltitude(s, r.Ho, row.lat, row.lon)), D(s.Hs), 1e-14);
}

INSTANTIATE_TEST_SUITE_P(WorkedRows, MoonAndPlanetSight, ::testing::ValuesIn(kBodyRows),
                         [](const auto& info) { return std::string(info.param.name); });

// The Moon seen from the surface of the spheroid, worked with vectors: the
// Moon at r = a / sin HP in the direction of its GHA and declination, the
// observer at geodetic latitude φ on the ellipsoid (a = 6378.1366 km, as
// bodies' HP, f = 1/298.257), the topocentric centre's altitude above the
// plane of the geodetic horizon, the limb a topocentric semi-diameter
// asin(0.2724 a / d) away. A sight whose Ha − R is that limb's altitude,
// reduced at the very place, lies on it: its intercept is 0 to the
// accuracy of the almanac's method. The method's leftovers: the parallax
// taken at the limb's altitude and the geocentric SD cancel the
// augmentation only to first order (HP · SD² ≈ 0.001′), the sine of the
// parallax taken for the angle (HP³/6 ≈ 0.002′), and OB is the first term
// of the flattening (f² ≈ 0.001′); 0.02′ holds them with room.
TEST(MoonSight, LiesOnTheTopocentricMoonOfTheSpheroid) {
  using V = std::array<long double, 3>;
  const auto dot = [](const V& x, const V& y) { return x[0] * y[0] + x[1] * y[1] + x[2] * y[2]; };
  const long double a = 6378.1366L, f = 1 / 298.257L, e2 = f * (2 - f);
  int rows = 0;
  for (const BodyRow& row : kBodyRows) {
    if (row.sight.Body != kMoonLower && row.sight.Body != kMoonUpper) continue;
    ++rows;
    TSight s = row.sight;
    const TBodyPlace place = BodyPlace(TCelestialBody::Moon, 0, s.Time);
    const long double dist = a / std::sin(place.HorizontalParallax / 60 * kRad);
    const long double dec = place.Dec * kRad, lon = -place.Gha * kRad;
    const V moon = {dist * std::cos(dec) * std::cos(lon), dist * std::cos(dec) * std::sin(lon), dist * std::sin(dec)};
    const long double phi = row.lat * kRad, lam = row.lon * kRad;
    const long double n = a / std::sqrt(1 - e2 * std::sin(phi) * std::sin(phi));
    const V up = {std::cos(phi) * std::cos(lam), std::cos(phi) * std::sin(lam), std::sin(phi)};
    const V at = {n * up[0], n * up[1], n * (1 - e2) * up[2]};
    const V seen = {moon[0] - at[0], moon[1] - at[1], moon[2] - at[2]};
    const long double d = std::sqrt(dot(seen, seen));
    const long double centre = std::asin(dot(seen, up) / d) / kRad;
    const long double sd = std::asin(0.2724L * a / d) / kRad;
    const long double limb = s.Body == kMoonLower ? centre - sd : centre + sd;
    // Ha whose refraction brings it down to the limb, by substitution.
    long double ha = limb;
    for (int k = 0; k < 50; ++k) {
      ha = limb + 0.0167L / std::tan((ha + 7.31L / (ha + 4.4L)) * kRad) * 0.28L * s.Pressure / (s.Temperature + 273);
    }
    s.Hs = ha + (s.IndexError + 1.76L * std::sqrt(s.EyeHeight)) / 60;
    const TSightReduction r = ReduceSight(s, row.lat, row.lon);
    EXPECT_NEAR(D(r.Intercept), 0, 0.02) << row.name << " limb " << D(limb);
  }
  EXPECT_EQ(rows, 6);
}

}  // namespace
}  // namespace tarvel
