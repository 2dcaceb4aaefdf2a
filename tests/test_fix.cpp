// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "almanac/Almanac.h"
#include "angles/Wrap.h"
#include "bodies/BodyPlace.h"
#include "shiptime/ShipTime.h"
#include "sights/Fix.h"
#include "sights/Sailing.h"

namespace tarvel {
namespace {

const long double kRad = 3.14159265358979323846264338327950288L / 180;
double D(Extended x) { return static_cast<double>(x); }

struct Taken {
  TBody body;
  std::int32_t star, zone, h, m, s, day, month, year;
};

// A run of sights from a known track: the ship is at (lat, lon) at the last
// sight and has run on course and speed; the dead reckoning is (north, east)
// miles off the track at its own time.
struct FixRow {
  const char* name;
  Extended lat, lon, course, speed;
  std::vector<Taken> sights;
  Taken drTime;
  Extended north, east;
};

std::int64_t Seconds(const Taken& t) {
  return UniversalSeconds({t.zone, t.h, t.m, t.s, t.day, t.month, t.year});
}

TPosition Offset(TPosition p, Extended north, Extended east) {
  return {p.Lat + north / 60, Wrap180(p.Lon + east / (60 * std::cos(p.Lat * kRad)))};
}

// Miles between two positions a few miles apart.
Extended Miles(TPosition a, TPosition b) {
  return std::hypot((a.Lat - b.Lat) * 60, Wrap180(a.Lon - b.Lon) * 60 * std::cos(a.Lat * kRad));
}

std::int64_t LastSeconds(const FixRow& row) {
  std::int64_t last = Seconds(row.sights[0]);
  for (const Taken& t : row.sights) last = std::max(last, Seconds(t));
  return last;
}

// The ship's place at instant t on the row's track.
TPosition OnTrack(const FixRow& row, const Taken& t, TPosition last) {
  return CarryPosition(last, row.course, row.speed, static_cast<Extended>(Seconds(t) - LastSeconds(row)) / 3600);
}

// Perfect sights: each Hs is the one whose corrections give the altitude of
// the body seen from the track at the sight's instant.
std::vector<TSight> PerfectSights(const FixRow& row) {
  std::vector<TSight> sights;
  for (const Taken& t : row.sights) {
    TSight s{t.body, t.star, t.zone, t.h, t.m, t.s, t.day, t.month, t.year, 45, 1.2L, 15, 8, 1018};
    const TPosition at = OnTrack(row, t, {row.lat, row.lon});
    s.Hs = SextantAltitude(s, ReduceSight(s, at.Lat, at.Lon).Hc, at.Lat, at.Lon);
    sights.push_back(s);
  }
  return sights;
}

TDeadReckoning DeadReckoning(const FixRow& row) {
  const Taken& t = row.drTime;
  const TPosition dr = OnTrack(row, t, Offset({row.lat, row.lon}, row.north, row.east));
  return {dr.Lat, dr.Lon, t.zone, t.h, t.m, t.s, t.day, t.month, t.year, row.course, row.speed};
}

constexpr TBody kStar = TBody::Star;

const FixRow kFixRows[] = {
    {"TwoStarsAtDusk", 45.1L, -29.9L, 60, 15,
     {{kStar, 46, -2, 19, 30, 0, 20, 3, 2025}, {kStar, 28, -2, 19, 34, 10, 20, 3, 2025}},
     {kStar, 0, -2, 19, 0, 0, 20, 3, 2025}, 20, -22},
    {"SunRunningFix", 44.8L, -30.6L, 250, 12,
     {{TBody::SunLowerLimb, 0, -2, 9, 0, 0, 20, 3, 2025}, {TBody::SunUpperLimb, 0, -2, 12, 10, 0, 20, 3, 2025}},
     {kStar, 0, -2, 8, 0, 0, 20, 3, 2025}, -25, 15},
    // The middle sight's clock was still on the zone before.
    {"ThreeStarsTwoZones", 44.9L, -30.2L, 135, 20,
     {{kStar, 67, -2, 19, 36, 0, 20, 3, 2025}, {kStar, 72, -3, 18, 33, 0, 20, 3, 2025},
      {kStar, 24, -2, 19, 30, 0, 20, 3, 2025}},
     {kStar, 0, -2, 18, 0, 0, 20, 3, 2025}, -10, -28},
    // Low Vindemiatrix, high Castor.
    {"FourStarsLowAndHigh", 45.2L, -29.7L, 300, 8,
     {{kStar, 89, -2, 19, 40, 0, 20, 3, 2025}, {kStar, 54, -2, 19, 44, 0, 20, 3, 2025},
      {kStar, 55, -2, 19, 48, 0, 20, 3, 2025}, {kStar, 72, -2, 19, 52, 0, 20, 3, 2025}},
     {kStar, 0, -2, 19, 52, 0, 20, 3, 2025}, 29, 5},
    // Across the date line: the clock goes from zone +12 to zone −12 and the
    // date back a day; Nunki stands near the zenith, Achernar low.
    {"FiveStarsAcrossTheDateLine", -20.05L, -179.98L, 80, 18,
     {{kStar, 140, -12, 19, 24, 40, 14, 9, 2024}, {kStar, 11, 12, 19, 0, 0, 15, 9, 2024},
      {kStar, 146, -12, 19, 18, 20, 14, 9, 2024}, {kStar, 99, 12, 19, 6, 30, 15, 9, 2024},
      {kStar, 117, 12, 19, 12, 0, 15, 9, 2024}},
     {kStar, 0, 12, 18, 0, 0, 15, 9, 2024}, 21, 21},
    // Any mix of bodies: the waning Moon setting in the morning, both
    // limbs, then the Sun.
    {"MoonAndSunInTheMorning", 44.8L, -30.6L, 250, 12,
     {{TBody::MoonLowerLimb, 0, -2, 7, 0, 0, 20, 3, 2025}, {TBody::MoonUpperLimb, 0, -2, 7, 40, 0, 20, 3, 2025},
      {TBody::SunLowerLimb, 0, -2, 9, 0, 0, 20, 3, 2025}, {TBody::SunUpperLimb, 0, -2, 12, 10, 0, 20, 3, 2025}},
     {kStar, 0, -2, 6, 0, 0, 20, 3, 2025}, -25, 15},
    // Jupiter high in the west at dusk with two stars.
    {"JupiterAndTwoStars", 45.1L, -29.9L, 60, 15,
     {{TBody::Jupiter, 0, -2, 19, 31, 0, 20, 3, 2025}, {kStar, 46, -2, 19, 30, 0, 20, 3, 2025},
      {kStar, 67, -2, 19, 36, 0, 20, 3, 2025}},
     {kStar, 0, -2, 19, 0, 0, 20, 3, 2025}, 20, -22},
};

void PrintTo(const FixRow& r, std::ostream* os) { *os << r.name; }

class PerfectSightsFix : public ::testing::TestWithParam<FixRow> {};

TEST_P(PerfectSightsFix, GiveBackTheTruePosition) {
  const FixRow& row = GetParam();
  std::vector<TSight> sights = PerfectSights(row);
  const TFix fix = FixPosition(sights, DeadReckoning(row));
  EXPECT_LT(D(Miles({fix.Lat, fix.Lon}, {row.lat, row.lon})), 0.01);
  ASSERT_EQ(fix.Residuals.size(), sights.size());
  for (Extended r : fix.Residuals) EXPECT_LT(D(std::fabs(r)), 0.01);
  EXPECT_GE(fix.Iterations, 2);
  EXPECT_LE(fix.Iterations, 8);

  // The order of the sights plays no part.
  std::reverse(sights.begin(), sights.end());
  const TFix reversed = FixPosition(sights, DeadReckoning(row));
  EXPECT_LT(D(Miles({reversed.Lat, reversed.Lon}, {fix.Lat, fix.Lon})), 1e-4);
}

INSTANTIATE_TEST_SUITE_P(Tracks, PerfectSightsFix, ::testing::ValuesIn(kFixRows),
                         [](const auto& info) { return std::string(info.param.name); });

// A 5' blunder among five sights stands out as the largest residual, the
// fix is not consistent with 1' sights and names it, and the root mean
// square is that of the residuals.
TEST(FixPosition, BlunderShowsAsTheLargestResidual) {
  const FixRow& row = kFixRows[4];
  for (std::size_t bad = 0; bad < 5; ++bad) {
    std::vector<TSight> sights = PerfectSights(row);
    sights[bad].Hs += 5.0L / 60;
    const TFix fix = FixPosition(sights, DeadReckoning(row));
    std::size_t largest = 0;
    Extended sum = 0;
    for (std::size_t k = 0; k < 5; ++k) {
      if (std::fabs(fix.Residuals[k]) > std::fabs(fix.Residuals[largest])) largest = k;
      sum += fix.Residuals[k] * fix.Residuals[k];
    }
    EXPECT_EQ(largest, bad);
    EXPECT_GT(fix.Residuals[bad], 1);  // too high a sight lies toward the body
    EXPECT_NEAR(D(fix.ResidualRms), D(std::sqrt(sum / 5)), 1e-12);
    EXPECT_FALSE(fix.Consistent);
    EXPECT_EQ(fix.Suspect, static_cast<std::int32_t>(bad));
    EXPECT_GT(fix.SemiMinor, 0);
    EXPECT_GE(fix.SemiMajor, fix.SemiMinor);
  }
}

// Two lines from one place and instant: σ = 1', JᵀJ = u1u1ᵀ + u2u2ᵀ with
// eigenvalues 1 ± |cos θ|, so the semi-axes are √(5.991 / (1 ∓ |cos θ|)), the
// major one across the bisector of the azimuths when they are within 90°.
TEST(FixPosition, TwoLinesEllipse) {
  FixRow row = kFixRows[0];
  row.speed = 0;
  row.sights[1] = {kStar, 40, -2, 19, 30, 0, 20, 3, 2025};  // Betelgeuse, 24° from Sirius
  const std::vector<TSight> sights = PerfectSights(row);
  const TFix fix = FixPosition(sights, DeadReckoning(row));
  const Extended z1 = ReduceSight(sights[0], fix.Lat, fix.Lon).Zn, z2 = ReduceSight(sights[1], fix.Lat, fix.Lon).Zn;
  const Extended c = std::fabs(std::cos((z1 - z2) * kRad));
  EXPECT_NEAR(D(fix.SemiMajor), D(std::sqrt(5.991L / (1 - c))), 1e-6);
  EXPECT_NEAR(D(fix.SemiMinor), D(std::sqrt(5.991L / (1 + c))), 1e-6);
  EXPECT_NEAR(D(fix.MajorAzimuth), D(std::fmod((z1 + z2) / 2 + 90, 180)), 1e-4);
}

// Two circles of equal altitude cross twice, at mirror images across the
// great circle through the bodies' geographical positions; the fix is the
// crossing the dead reckoning is nearer.
TEST(FixPosition, TwoLinesChooseTheCrossingNearerTheDeadReckoning) {
  FixRow row = kFixRows[0];
  row.speed = 0;
  row.sights[1] = {kStar, 67, -2, 19, 30, 0, 20, 3, 2025};  // Regulus with Sirius
  const std::vector<TSight> sights = PerfectSights(row);

  using V = std::array<long double, 3>;
  auto unit = [](long double lat, long double lon) {
    return V{std::cos(lat * kRad) * std::cos(lon * kRad), std::cos(lat * kRad) * std::sin(lon * kRad),
             std::sin(lat * kRad)};
  };
  V gp[2];
  for (int k = 0; k < 2; ++k) {
    // The geographical position of the body the reduction itself uses.
    const TBodyPlace star = BodyPlace(TCelestialBody::Star, row.sights[k].star, {-2, 19, 30, 0, 20, 3, 2025});
    gp[k] = unit(star.Dec, -star.Gha);
  }
  const V n = {gp[0][1] * gp[1][2] - gp[0][2] * gp[1][1], gp[0][2] * gp[1][0] - gp[0][0] * gp[1][2],
               gp[0][0] * gp[1][1] - gp[0][1] * gp[1][0]};
  const V a = unit(row.lat, row.lon);
  const long double an = (a[0] * n[0] + a[1] * n[1] + a[2] * n[2]) / (n[0] * n[0] + n[1] * n[1] + n[2] * n[2]);
  const V b = {a[0] - 2 * an * n[0], a[1] - 2 * an * n[1], a[2] - 2 * an * n[2]};
  const TPosition other = {std::asin(b[2]) / kRad, std::atan2(b[1], b[0]) / kRad};
  ASSERT_GT(D(Miles(other, {row.lat, row.lon})), 300);

  for (const TPosition crossing : {TPosition{row.lat, row.lon}, other}) {
    const TPosition dr = Offset(crossing, -18, 24);
    const TFix fix = FixPosition(sights, {dr.Lat, dr.Lon, -2, 19, 30, 0, 20, 3, 2025, 0, 0});
    EXPECT_LT(D(Miles({fix.Lat, fix.Lon}, crossing)), 0.01) << D(crossing.Lat) << " " << D(crossing.Lon);
  }
}

// Lines that cut at 15.3° at the fix, but at less than 15° seen from a dead
// reckoning 30 miles off: the cut is judged at the fix.
TEST(FixPosition, CutIsJudgedAtTheFix) {
  FixRow row = kFixRows[0];
  row.lat = 45, row.lon = -30, row.speed = 0;
  row.sights = {{kStar, 20, -2, 19, 30, 0, 20, 3, 2025}, {kStar, 28, -2, 19, 30, 0, 20, 3, 2025}};
  row.drTime = row.sights[0];
  const std::vector<TSight> sights = PerfectSights(row);
  auto cut = [&](TPosition p) {
    const Extended d = std::fmod(std::fabs(ReduceSight(sights[0], p.Lat, p.Lon).Zn -
                                           ReduceSight(sights[1], p.Lat, p.Lon).Zn), 180);
    return std::fmin(d, 180 - d);
  };
  for (const auto& [north, east] : {std::pair{-30, 0}, {-21, 21}, {-21, -21}}) {
    row.north = north, row.east = east;
    const TDeadReckoning dr = DeadReckoning(row);
    ASSERT_LT(D(cut({dr.Lat, dr.Lon})), 15);
    const TFix fix = FixPosition(sights, dr);
    EXPECT_GT(D(cut({fix.Lat, fix.Lon})), 15);
    EXPECT_LT(D(Miles({fix.Lat, fix.Lon}, {row.lat, row.lon})), 0.01) << north << " " << east;
  }
}

// A few miles from a pole, with the dead reckoning on the far side of it:
// the steps cross the pole on their way to the fix.
TEST(FixPosition, AcrossAPole) {
  struct Case {
    Extended lat, lon;
    std::array<std::int32_t, 3> stars;
    TPosition dr;
  };
  for (const Case& c : {Case{89.9L, 20, {2, 28, 128}, {89.68L, -160}}, Case{89.9L, 20, {2, 28, 128}, {89.75L, 100}},
                        Case{-89.8L, 20, {11, 47, 90}, {-89.75L, -160}}}) {
    FixRow row = kFixRows[0];
    row.lat = c.lat, row.lon = c.lon, row.speed = 0;
    row.sights.clear();
    for (std::int32_t star : c.stars) row.sights.push_back({kStar, star, 0, 0, 0, 0, 20, 3, 2025});
    const TFix fix = FixPosition(PerfectSights(row), {c.dr.Lat, c.dr.Lon, 0, 0, 0, 0, 20, 3, 2025, 0, 0});
    EXPECT_LT(D(Miles({fix.Lat, fix.Lon}, {row.lat, row.lon})), 0.01) << D(c.dr.Lat) << " " << D(c.dr.Lon);
  }
}

struct FixErrorRow {
  const char* name;
  std::function<void(std::vector<TSight>&, TDeadReckoning&)> spoil;
  std::string message;
  std::int32_t sightNumber;
};

const FixErrorRow kFixErrorRows[] = {
    {"NoSight", [](auto& s, auto&) { s.clear(); }, kFixTooFewError, 0},
    {"OneSight", [](auto& s, auto&) { s.resize(1); }, kFixTooFewError, 0},
    {"ThirdSightHs", [](auto& s, auto&) { s[2].Hs = 95; }, SightErrorText(3, kSightHsError), 3},
    {"FirstSightDate", [](auto& s, auto&) { s[0].Time.Day = 31, s[0].Time.Month = 4; },
     SightErrorText(1, kSightInstantTexts.Date), 1},
    {"DrLatitude", [](auto&, auto& d) { d.Lat = 90.01L; }, kDrLatitudeError, 0},
    {"DrLongitude", [](auto&, auto& d) { d.Lon = -180.01L; }, kDrLongitudeError, 0},
    {"DrHour", [](auto&, auto& d) { d.Time.Hour = 24; }, kDeadReckoningInstantTexts.Hour, 0},
    {"DrCourse", [](auto&, auto& d) { d.Course = 360.5L; }, kDrCourseError, 0},
    {"DrSpeed", [](auto&, auto& d) { d.Speed = -1; }, kDrSpeedError, 0},
    {"DrThroughThePole", [](auto&, auto& d) { d.Lat = 89.5L, d.Course = 0, d.Speed = 30; }, kFixPoleError, 0},
    // Achernar 58° too high: the lines of position no longer meet anywhere
    // near, and the steps wander.
    {"GrossBlunder", [](auto& s, auto&) { s[1].Hs += 58; }, kFixNoConvergenceError, 0},
    // Arcturus twice, a minute apart; two stars 190° apart in azimuth.
    {"SameBearing", [](auto& s, auto&) { s = {s[3], s[3]}; s[1].Time.Minute += 1; }, kFixCutError, 0},
    {"SameSightTwice", [](auto& s, auto&) { s = {s[3], s[3]}; }, kFixCutError, 0},
    {"OppositeBearing", [](auto& s, auto&) { s.resize(1); s.push_back(s[0]); s[0].StarNumber = 142;
                                               s[1].StarNumber = 122; }, kFixCutError, 0},
};

void PrintTo(const FixErrorRow& r, std::ostream* os) { *os << r.name; }

class FixPositionError : public ::testing::TestWithParam<FixErrorRow> {};

TEST_P(FixPositionError, SaysWhatIsWrong) {
  std::vector<TSight> sights = PerfectSights(kFixRows[4]);
  TDeadReckoning dr = DeadReckoning(kFixRows[4]);
  GetParam().spoil(sights, dr);
  try {
    FixPosition(sights, dr);
    FAIL() << "no error";
  } catch (const EFixError& e) {
    EXPECT_EQ(e.Message(), GetParam().message);
    EXPECT_EQ(e.SightNumber(), GetParam().sightNumber);
  }
}

INSTANTIATE_TEST_SUITE_P(Inputs, FixPositionError, ::testing::ValuesIn(kFixErrorRows),
                         [](const auto& info) { return std::string(info.param.name); });

// Universal time from ship's times: east zones are ahead of Greenwich, and
// across the date line the same instant has two dates. The fix is for the
// latest sight, whatever its zone, the first of equal instants.
TEST(UniversalSeconds, ZonesAndTheDateLine) {
  EXPECT_EQ(UniversalSeconds({0, 0, 0, 0, 1, 1, 1970}), 0);
  EXPECT_EQ(UniversalSeconds({3, 3, 0, 1, 1, 1, 1970}), 1);
  EXPECT_EQ(UniversalSeconds({-5, 18, 59, 59, 31, 12, 1969}), -1);
  EXPECT_EQ(UniversalSeconds({12, 11, 0, 0, 2, 1, 2024}), UniversalSeconds({-12, 11, 0, 0, 1, 1, 2024}));
  EXPECT_EQ(UniversalSeconds({0, 0, 0, 0, 1, 3, 2024}) - UniversalSeconds({0, 0, 0, 0, 28, 2, 2024}), 2 * 86400);
  EXPECT_EQ(UniversalSeconds({0, 0, 0, 0, 1, 1, 1930}), -40L * 365 * 86400 - 10 * 86400);
  TSight s{TBody::Star, 1, 12, 11, 0, 0, 2, 1, 2024, 45, 0, 10, 10, 1010};
  std::vector<TSight> sights = {s, s, s};
  sights[0].Time.Zone = -12, sights[0].Time.Day = 1, sights[0].Time.Second = 1;  // one second after the others
  sights[2].Time.Zone = 11, sights[2].Time.Hour = 9;                         // an hour before them
  EXPECT_EQ(LastSight(sights), 0u);
  sights[0].Time.Second = 0;
  EXPECT_EQ(LastSight(sights), 0u);
  sights[0].Time.Minute = 0, sights[0].Time.Hour = 10;
  EXPECT_EQ(LastSight(sights), 1u);
}

// Rhumb-line sailing against two oracles: the closed form with meridional
// parts ln tan(45° + φ/2), and the rhumb line's differential equation
// integrated by small Runge–Kutta steps. A day due east on the equator is
// 360 miles, 6° of longitude; a run back undoes the run out; the date line is
// crossed; 480 miles near 60° N, where mid-latitude sailing is 1,9' off.
TPosition Integrated(TPosition from, long double course, long double miles) {
  const long double c = course * kRad, h = miles / 20000;
  long double lat = from.Lat * kRad, lon = from.Lon * kRad;
  const auto dLon = [c](long double phi) { return std::sin(c) / std::cos(phi); };
  for (int i = 0; i < 20000; ++i) {  // dφ/ds = cos C; dλ/ds = sin C / cos φ (radians per radian of arc)
    const long double step = h / 60 * kRad;
    const long double k1 = dLon(lat), k2 = dLon(lat + step / 2 * std::cos(c)), k4 = dLon(lat + step * std::cos(c));
    lon += step * (k1 + 4 * k2 + k4) / 6;
    lat += step * std::cos(c);
  }
  return {lat / kRad, Wrap180(lon / kRad)};
}

TEST(CarryPosition, RhumbLineSailing) {
  const TPosition east = CarryPosition({0, 10}, 90, 15, 24);
  EXPECT_NEAR(D(east.Lat), 0, 1e-15);
  EXPECT_NEAR(D(east.Lon), 16, 1e-15);
  const struct {
    TPosition from;
    long double course, miles;
  } rows[] = {{{59.5L, 0}, 45, 60},        {{60, -20}, 30, 480},     {{60, -20}, 90, 480},
              {{-20, 179.9L}, 90, 12},     {{-70, 10}, 200, 900},    {{10, -170}, 315, 2400},
              {{45, 0}, 90.0000001L, 600}, {{45, 0}, 269.99L, 300}};
  for (const auto& r : rows) {
    const TPosition to = CarryPosition(r.from, r.course, r.miles, 1);
    const TPosition oracle = Integrated(r.from, r.course, r.miles);
    const long double dLat = r.miles * std::cos(r.course * kRad) / 60;
    const auto parts = [](long double lat) { return std::log(std::tan((45 + lat / 2) * kRad)); };
    EXPECT_NEAR(D(to.Lat), D(r.from.Lat + dLat), 1e-13);
    EXPECT_NEAR(D(Wrap180(to.Lon - oracle.Lon)), 0, 1e-9) << D(r.course) << " " << D(r.miles);
    if (std::fabs(dLat) > 1e-6L)  // the closed form, where it is well conditioned
      EXPECT_NEAR(D(Wrap180(to.Lon - r.from.Lon - std::tan(r.course * kRad) *
                                                     (parts(r.from.Lat + dLat) - parts(r.from.Lat)) / kRad)),
                  0, 1e-10);
    const TPosition back = CarryPosition(to, r.course, r.miles, -1);
    EXPECT_NEAR(D(back.Lat), D(r.from.Lat), 1e-12);
    EXPECT_NEAR(D(Wrap180(back.Lon - r.from.Lon)), 0, 1e-12);
    // The inverse gives the course and distance back.
    const TCourseDistance cd = RhumbCourseDistance(r.from, to);
    EXPECT_NEAR(D(cd.Distance), D(r.miles), 1e-8);
    EXPECT_NEAR(D(std::remainder(cd.Course - r.course, 360.0L)), 0, 1e-8);
  }
  // Mid-latitude sailing's error that this replaces: 480 miles NE from 60° N.
  const TPosition ne = CarryPosition({60, 0}, 45, 480, 1);
  const long double mid = 60 + 480 / std::sqrt(2.0L) / 120;
  EXPECT_GT(D(std::fabs(ne.Lon - 480 / std::sqrt(2.0L) / (60 * std::cos(mid * kRad))) * 60), 1.8);
  EXPECT_THROW(RhumbCourseDistance({90, 0}, {10, 0}), EFixError);
  EXPECT_EQ(D(RhumbCourseDistance({10, 20}, {10, 20}).Distance), 0);
}

}  // namespace
}  // namespace tarvel
