// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <random>
#include <vector>

#include "almanac/BestStars.h"
#include "almanac/SkyTexts.h"
#include "almanac/SkyView.h"
#include "almanac/StarName.h"
#include "angles/Direction.h"
#include "display/AngleDisplay.h"
#include "ephemeris/CStars.h"
#include "ephemeris/StarPlaceError.h"
#include "ephemeris/Stars.h"

namespace tarvel {
namespace {

// 1 January 2000, 12:00:00 in zone 0 at 55°45' N 37°37' E.
TAlmanacInputs WorkedInstant() {
  TAlmanacInputs in;
  in.Time.Hour = 12;
  in.Latitude = 55.75L;
  in.Longitude = 37 + 37 * OneSixtieth;
  return in;
}

// Every row from its precise place: the horizon by the main window's own
// routine from the same GHA and declination, the texts in the main window's
// display rules, and within the error column of the main window's values.
TEST(SkyView, EachBodyFromItsPrecisePlace) {
  TAlmanacInputs in = WorkedInstant();
  in.Time.Zone = -5;
  in.Longitude = -in.Longitude;  // local hour angles that wrap below zero
  const TSkyView view = SkyView(in, {});
  const TObserver observer = Observer(in.Latitude, in.Longitude);
  for (std::int32_t k = 1; k <= kSkyRowCount; ++k) {
    const TBodyPlace place = BodyPlace(BodyOfRow(k), IsStarRow(k) ? k : 0, in.Time);
    const THorizonData horizon = HorizonCoordsFrom(place.Dec, place.Gha, observer);
    const TStarView& s = StarOf(view, k);
    // A star's altitude is the geocentric one; a body with a parallax is seen
    // from the ship (TopocentricAltitudeAsFromTheSpheroid below).
    if (place.HorizontalParallax == 0) {
      EXPECT_NEAR(static_cast<double>(s.Altitude), static_cast<double>(AltitudeDegrees(horizon)), 1e-9) << k;
    } else {
      EXPECT_LT(AltitudeDegrees(horizon) - s.Altitude, place.HorizontalParallax / 60 + 0.01L) << k;
    }
    EXPECT_NEAR(static_cast<double>(s.Azimuth), static_cast<double>(horizon.Azimuth), 1e-9) << k;
    EXPECT_EQ(s.Declination, place.Dec) << k;
    EXPECT_EQ(s.Magnitude, place.Magnitude) << k;
    EXPECT_EQ(s.AboveHorizon, s.Altitude > 0) << k;
    EXPECT_GE(s.LocalHourAngle, 0) << k;
    EXPECT_LE(s.LocalHourAngle, 360) << k;
    const TStarTexts row = StarTexts(view, k);
    EXPECT_EQ(row.LocalHourAngle, LocalHourAngleText(place.Gha, in.Longitude)) << k;
    EXPECT_EQ(row.Azimuth, DirectionText(s.Azimuth)) << k;
    EXPECT_EQ(row.Magnitude, MagnitudeText(place.Magnitude)) << k;
    EXPECT_EQ(s.HasPlaceError, IsStarRow(k) || k == kSunRow) << k;
    EXPECT_EQ(row.PlaceError.empty(), !s.HasPlaceError) << k;
    EXPECT_EQ(row.Number.empty(), !IsStarRow(k)) << k;
    if (!IsStarRow(k)) continue;
    // The main window's altitude and declination differ from the precise
    // ones by no more than the distance of the two places.
    in.StarNumber = k;
    const TAlmanacResults main = ComputeAlmanac(in);
    const long double miles = s.PlaceError + 1e-6L;
    EXPECT_LE(std::fabs(AltitudeDegrees(main.StarHorizon) - s.Altitude) * 60, miles) << k;
    EXPECT_LE(std::fabs(main.Star.StarDecMin * OneSixtieth + main.Star.StarDecDeg - s.Declination) * 60, miles) << k;
    EXPECT_EQ(s.Unreliable, s.PlaceError > kStarPlaceErrorLimit) << k;
  }
  EXPECT_EQ(StarTexts(view, kMoonRow).Name, "Луна");
  EXPECT_EQ(StarTitle(kJupiterRow), "Юпитер");
}

// The Moon, the Sun and the planets seen from the ship: the body's
// geocentric vector (GHA, declination, distance a / sin HP with the HP's
// a = 6378.1366 km) less the observer's on the spheroid (f = 1/298.257), the
// altitude above the plane of the geodetic horizon. The chart's spherical
// parallax with the spheroid's first term agrees to 0.03′ (the flattening's
// square and the term's neglect of the change of azimuth), a tenth of what
// the table shows; the Moon's parallax itself is up to 61′.
TEST(SkyView, TopocentricAltitudeAsFromTheSpheroid) {
  using V = std::array<long double, 3>;
  const long double rad = 3.14159265358979323846264338327950288L / 180;
  const auto dot = [](const V& x, const V& y) { return x[0] * y[0] + x[1] * y[1] + x[2] * y[2]; };
  const long double a = 6378.1366L, f = 1 / 298.257L, e2 = f * (2 - f);
  const struct { Extended latitude, longitude; TShipTime time; } cases[] = {
      {55.75L, 37.625L, {3, 17, 0, 0, 1, 1, 2000}},  {-33.85L, 151.2167L, {10, 18, 15, 0, 19, 8, 2010}},
      {0, -30, {-2, 3, 0, 0, 21, 1, 2000}},          {70, -150, {-10, 22, 30, 0, 15, 6, 2025}},
      {-60, 10, {1, 6, 0, 0, 3, 3, 2031}},           {38.03L, 170.73L, {11, 19, 45, 0, 19, 8, 2010}},
  };
  int moons = 0;
  for (const auto& c : cases) {
    TAlmanacInputs in;
    in.Time = c.time;
    in.Latitude = c.latitude;
    in.Longitude = c.longitude;
    const TSkyView view = SkyView(in, {});
    const long double phi = c.latitude * rad, lam = c.longitude * rad;
    const long double n = a / std::sqrt(1 - e2 * std::sin(phi) * std::sin(phi));
    const V up = {std::cos(phi) * std::cos(lam), std::cos(phi) * std::sin(lam), std::sin(phi)};
    const V ship = {n * up[0], n * up[1], n * (1 - e2) * up[2]};
    for (std::int32_t k = kSunRow; k <= kSaturnRow; ++k) {
      const TBodyPlace place = BodyPlace(BodyOfRow(k), 0, in.Time);
      const long double dist = a / std::sin(place.HorizontalParallax / 60 * rad);
      const long double dec = place.Dec * rad, lon = -place.Gha * rad;
      const V body = {dist * std::cos(dec) * std::cos(lon), dist * std::cos(dec) * std::sin(lon), dist * std::sin(dec)};
      const V seen = {body[0] - ship[0], body[1] - ship[1], body[2] - ship[2]};
      const long double altitude = std::asin(dot(seen, up) / std::sqrt(dot(seen, seen))) / rad;
      const TStarView& s = StarOf(view, k);
      EXPECT_NEAR(static_cast<double>(s.Altitude), static_cast<double>(altitude), 0.03 / 60)
          << k << " at " << static_cast<double>(c.latitude);
      EXPECT_EQ(s.AboveHorizon, s.Altitude > 0);
      if (k == kMoonRow && s.Altitude > -5) ++moons;
    }
  }
  EXPECT_GE(moons, 3);  // the Moon above or near the horizon in several cases
}

// Values a navigator knows: the brightest stars and planets, a new and a
// full Moon, and the main window's Sun within a fraction of a mile.
TEST(SkyView, MagnitudesPhasesAndTheMainWindowsError) {
  const TSkyView view = SkyView(WorkedInstant(), {});
  const struct { std::int32_t row; double magnitude, within; } bright[] = {
      {46, -1.46, 0.05}, {139, 0.03, 0.05}, {99, -0.05, 0.1}, {160, 2.0, 0.1}, {kSunRow, -26.74, 0.05},
      {kVenusRow, -3.9, 0.5}, {kJupiterRow, -2.5, 0.5}};
  for (const auto& b : bright) EXPECT_NEAR(static_cast<double>(StarOf(view, b.row).Magnitude), b.magnitude, b.within) << b.row;
  EXPECT_EQ(MagnitudeText(-1.46L), "\u22121,5");
  EXPECT_EQ(MagnitudeText(2.04L), "2,0");
  EXPECT_EQ(MagnitudeText(-0.04L), "0,0");
  EXPECT_LT(StarOf(view, kSunRow).PlaceError, kStarPlaceErrorLimit);
  EXPECT_FALSE(StarOf(view, kMoonRow).HasPlaceError);
  // 6 January 2000 a new Moon, 21 January a full one.
  TAlmanacInputs in = WorkedInstant();
  in.Time.Day = 6;
  in.Time.Hour = 18;
  EXPECT_LT(StarOf(SkyView(in, {}), kMoonRow).Illuminated, 0.01L);
  in.Time.Day = 21;
  in.Time.Hour = 4;
  EXPECT_GT(StarOf(SkyView(in, {}), kMoonRow).Illuminated, 0.99L);
  // The distance of two ground points: a minute of latitude is a mile; a
  // minute of hour angle on the equator too, at 60° of declination half of one.
  EXPECT_NEAR(static_cast<double>(GroundDistance(10, 20, 10 + OneSixtieth, 20)), 1, 1e-9);
  EXPECT_NEAR(static_cast<double>(GroundDistance(0, 359.99L, 0, 0.01L)), 1.2, 1e-9);
  EXPECT_NEAR(static_cast<double>(GroundDistance(60, 100, 60, 100 + OneSixtieth)), 0.5, 1e-4);
}

TEST(SkyView, BandAndBestThreeLeaveOutFaintStarsAndTheSunAndMoonButNotStarsTheMainWindowMisplaces) {
  // Polaris' place in the main window is off by more than 0.5' in the 2050s;
  // at 50° N it stands at 50° all night, so a narrow band round it holds it
  // and few others.
  TAlmanacInputs in = WorkedInstant();
  in.Time.Year = 2050;
  in.Time.Hour = 0;  // at night: by day no star is offered (ByDayOnly… below)
  in.Latitude = 50;
  TSkyView view = SkyView(in, {});
  ASSERT_TRUE(StarOf(view, 160).Unreliable);
  const Extended polaris = StarOf(view, 160).Altitude;
  for (const TAltitudeBand band : {TAltitudeBand{}, TAltitudeBand{0, 90}, TAltitudeBand{0, 90, 4},
                                   TAltitudeBand{0, 90, 1}, TAltitudeBand{polaris - 3, polaris + 3},
                                   TAltitudeBand{polaris - 0.1L, polaris + 0.1L}, TAltitudeBand{89.999L, 90}}) {
    // (The band no body is in was {40, 30} until an upside-down band came to
    // be refused: see MagnitudeLimitOutOfRange… below.)
    SetBand(view, band);
    std::vector<TSightCandidate> shootable;
    for (std::int32_t k = 1; k <= kSkyRowCount; ++k) {
      const TStarView& s = StarOf(view, k);
      EXPECT_EQ(s.InBand, s.Altitude > 0 && s.Altitude >= band.From && s.Altitude <= band.To) << k;
      if (s.InBand && s.Magnitude <= band.FaintestMagnitude && k != kSunRow && k != kMoonRow)
        shootable.push_back({k, s.Altitude, s.Azimuth, s.Magnitude});
      EXPECT_EQ(s.Best, std::count(view.Best.begin(), view.Best.end(), k) == 1) << k;
    }
    EXPECT_EQ(view.Best, BestThree(shootable).Numbers) << static_cast<double>(band.From);
  }
  SetBand(view, {polaris - 0.1L, polaris + 0.1L});  // Polaris alone
  EXPECT_TRUE(StarOf(view, 160).InBand);
  EXPECT_TRUE(view.Best.empty());
  EXPECT_EQ(BestThreeText(view), "Лучшие три светила: нет — в полосе высот меньше трёх звёзд и планет ярче 2,5");
  SetBand(view, {});
  EXPECT_EQ(view.Best.size(), 3u);
  EXPECT_EQ(BestThreeText(view), "Лучшие три светила: " + StarTitle(view.Best[0]) + ", " + StarTitle(view.Best[1]) +
                                     ", " + StarTitle(view.Best[2]));
}

// The limit a navigator may set, its ends included; a refused limit changes
// neither the band nor the best three.
TEST(SkyView, MagnitudeLimitOutOfRangeIsRefusedAndChangesNothing) {
  TSkyView view = SkyView(WorkedInstant(), {15, 70, 3});
  const std::vector<std::int32_t> best = view.Best;
  // A band upside down is refused too, never turned round; an empty one is
  // a band. An empty message: the band is taken.
  const char* limit = "Предел звёздной величины должен быть от 1,0 до 4,0";
  const char* order = "Нижняя граница высот больше верхней";
  const Extended nan = std::numeric_limits<Extended>::quiet_NaN();
  const struct { TAltitudeBand band; const char* refusal; } cases[] = {
      {{15, 70, 1}, ""},      {{15, 70, 4}, ""},       {{15, 70, 2.5L}, ""},   {{15, 70, 0.95L}, limit},
      {{15, 70, 4.05L}, limit}, {{15, 70, 0.5L}, limit}, {{15, 70, 5}, limit},   {{15, 70, -1}, limit},
      {{15, 70, nan}, limit}, {{40, 40, 3}, ""},       {{0, 90, 3}, ""},       {{41, 40, 3}, order},
      {{70, 15, 3}, order},
  };
  for (const auto& c : cases) {
    const std::string what = std::to_string(static_cast<double>(c.band.From)) + " " +
                             std::to_string(static_cast<double>(c.band.FaintestMagnitude));
    if (!*c.refusal) {
      EXPECT_NO_THROW(CheckBand(c.band)) << what;
      continue;
    }
    try {
      SetBand(view, c.band);
      ADD_FAILURE() << what;
    } catch (const EBandError& error) {
      EXPECT_EQ(error.Message(), c.refusal) << what;
    }
    EXPECT_EQ(view.Band.FaintestMagnitude, 3) << what;
    EXPECT_EQ(view.Best, best) << what;
    EXPECT_THROW(SkyView(WorkedInstant(), c.band), EBandError) << what;
  }
}

// A star put by hand into an empty sky: three stars of magnitude 1 and a
// fourth of 3.0 that would complete the spread.
TEST(SkyView, MagnitudeLimitLeavesOutAFaintStarAtAnyAzimuth) {
  for (int azimuth = 0; azimuth < 360; azimuth += 15) {
    TSkyView view;
    const auto put = [&](std::int32_t k, Extended z, Extended magnitude) {
      TStarView& s = view.Stars[static_cast<std::size_t>(k - 1)];
      s.Altitude = 40;
      s.Azimuth = z;
      s.Magnitude = magnitude;
      s.AboveHorizon = true;
    };
    put(1, 0, 1);
    put(2, 20, 1);
    put(3, 120, 1);
    put(4, azimuth, 3.0L);
    SetBand(view, {});
    EXPECT_FALSE(StarOf(view, 4).Best) << azimuth;
    EXPECT_EQ(view.Best, (std::vector<std::int32_t>{1, 2, 3})) << azimuth;
    EXPECT_TRUE(view.BestFallback) << azimuth;
    EXPECT_NE(BestThreeText(view).find("обступающих судно трёх светил нет"), std::string::npos);
    SetBand(view, {15, 70, 3.0L});
    if (azimuth > 200 && azimuth < 300) {  // completes the spread with stars 2 and 3 when let in
      EXPECT_TRUE(StarOf(view, 4).Best) << azimuth;
      EXPECT_FALSE(view.BestFallback) << azimuth;
    }
  }
}

// Evening twilight of 19 August 2010 in the North Pacific: the old choice,
// δ Sco, η Boo and β UMa, stood all in the west; Arcturus, Antares, Altair,
// Deneb and Kochab were in the band. Then the same evening at 33° S.
TEST(SkyView, RealEveningsChooseBrightStarsRoundTheShip) {
  for (const auto& [latitude, longitude] : {std::pair{38 + 1.54L / 60, 170 + 43.92L / 60}, std::pair{-33.0L, 170 + 43.92L / 60}}) {
    for (int minute : {30, 45, 59}) {
      TAlmanacInputs in;
      in.Time = {11, 19, minute, 0, 19, 8, 2010};
      in.Latitude = latitude;
      in.Longitude = longitude;
      const TSkyView view = SkyView(in, {});
      ASSERT_EQ(view.Best.size(), 3u) << minute;
      EXPECT_FALSE(view.BestFallback);
      std::string names;
      Extended magnitudes = 0;
      for (std::int32_t k : view.Best) {
        names += StarTitle(k) + "; ";
        EXPECT_TRUE(IsStarRow(k) || IsPlanetRow(k)) << names;
        EXPECT_LE(StarOf(view, k).Magnitude, 2.5L) << names;
        magnitudes += StarOf(view, k).Magnitude;
      }
      // δ Sco 2.29, η Boo 2.68, β UMa 2.34: 7.31 together.
      EXPECT_LT(magnitudes, 6.5L) << names;
      EXPECT_TRUE(Surrounds(StarOf(view, view.Best[0]).Azimuth, StarOf(view, view.Best[1]).Azimuth,
                            StarOf(view, view.Best[2]).Azimuth)) << names;
      const auto gaps = AzimuthGaps(StarOf(view, view.Best[0]).Azimuth, StarOf(view, view.Best[1]).Azimuth,
                                    StarOf(view, view.Best[2]).Azimuth);
      EXPECT_GE(*std::min_element(gaps.begin(), gaps.end()), 60) << names;
    }
  }
}

// Evenings a navigator judged: the place, the ship's time, the limit and the
// three he would shoot. At Sydney in nautical twilight Altair, Atria and
// Venus stand 113° to 127° apart; with gaps within 5° counted equal a limit
// of 3,0 or more traded Altair and Atria for ζ Aquilae (3,0) and β Hydri
// (2,8), 119° apart, carried by Venus's −4,4 in the sum.
TEST(SkyView, BestThreeOfEveningsAsANavigatorChoosesThem) {
  const struct { Extended latitude, longitude; TShipTime time; Extended limit; std::vector<std::int32_t> best; } cases[] = {
      {-(33 + 51 / 60.0L), 151 + 13 / 60.0L, {10, 18, 15, 0, 19, 8, 2010}, 2.5L, {146, 122, kVenusRow}},
      {-(33 + 51 / 60.0L), 151 + 13 / 60.0L, {10, 18, 15, 0, 19, 8, 2010}, 3.0L, {146, 122, kVenusRow}},
      {-(33 + 51 / 60.0L), 151 + 13 / 60.0L, {10, 18, 15, 0, 19, 8, 2010}, 4.0L, {146, 122, kVenusRow}},
      // Deneb, Antares and Alioth, none fainter than 1,8.
      {38 + 1.54L / 60, 170 + 43.92L / 60, {11, 19, 45, 0, 19, 8, 2010}, 2.5L, {149, 117, 87}},
  };
  for (const auto& c : cases) {
    TAlmanacInputs in;
    in.Time = c.time;
    in.Latitude = c.latitude;
    in.Longitude = c.longitude;
    const TSkyView view = SkyView(in, {15, 70, c.limit});
    EXPECT_EQ(view.Best, c.best) << static_cast<double>(c.latitude) << " " << static_cast<double>(c.limit);
    EXPECT_FALSE(view.BestFallback);
  }
}

// By day (the Sun above −3°) no star is found in the sextant's telescope:
// only the Sun, the Moon, and Venus and Jupiter bright and far enough from
// the Sun are offered, up to three of them, or none with the reason. The
// day is told apart by the main window's own Sun (the compact theory, not
// the precise places the view uses); the distance from the Sun by the
// angle between the horizon vectors. Worked instants first (a midday at
// Sydney with Venus at −4,4 and the Moon at first quarter, a low winter Sun
// at Moscow, a sunrise, twilights and nights), then a seeded random set.
TEST(SkyView, ByDayOnlyTheSunMoonVenusAndJupiterAreOffered) {
  struct TCase {
    Extended latitude, longitude;
    TShipTime time;
  };
  std::vector<TCase> cases = {
      {-(33 + 51 / 60.0L), 151 + 13 / 60.0L, {10, 12, 0, 0, 19, 8, 2010}},  // midday at Sydney
      {-(33 + 51 / 60.0L), 151 + 13 / 60.0L, {10, 15, 30, 0, 19, 8, 2010}},
      {-(33 + 51 / 60.0L), 151 + 13 / 60.0L, {10, 18, 15, 0, 19, 8, 2010}},  // nautical twilight
      {55.75L, 37.625L, {3, 15, 0, 0, 1, 1, 2000}},                          // the Sun 4° up in winter
      {55.75L, 37.625L, {3, 17, 0, 0, 1, 1, 2000}},                          // civil twilight
      {38.0L, 170.73L, {11, 19, 45, 0, 19, 8, 2010}},
      {0, 0, {0, 6, 10, 0, 21, 3, 2024}},                                    // sunrise on the equator
      {0, 0, {0, 0, 0, 0, 21, 3, 2024}},                                     // midnight
      {70, 20, {1, 0, 0, 0, 21, 6, 2026}},                                   // the midnight Sun
  };
  std::mt19937 random(26);
  for (int i = 0; i < 60; ++i) {
    std::uniform_int_distribution<int> year(1935, 2095), month(1, 12), day(1, 28), hour(0, 23);
    std::uniform_real_distribution<double> latitude(-65, 65), longitude(-180, 180);
    cases.push_back({latitude(random), longitude(random), {0, hour(random), 0, 0, day(random), month(random), year(random)}});
  }
  const auto apart = [](const TStarView& a, const TStarView& b) {  // degrees, from altitude and azimuth
    const auto unit = [](const TStarView& s) {
      const double h = static_cast<double>(s.Altitude) * M_PI / 180, z = static_cast<double>(s.Azimuth) * M_PI / 180;
      return std::array<double, 3>{std::cos(h) * std::cos(z), std::cos(h) * std::sin(z), std::sin(h)};
    };
    const auto u = unit(a), v = unit(b);
    return std::acos(std::clamp(u[0] * v[0] + u[1] * v[1] + u[2] * v[2], -1.0, 1.0)) * 180 / M_PI;
  };
  int days = 0, nights = 0, venus = 0, moon = 0, none = 0;
  for (const TCase& c : cases) {
    TAlmanacInputs in;
    in.Time = c.time;
    in.Latitude = c.latitude;
    in.Longitude = c.longitude;
    const double sun = static_cast<double>(AltitudeDegrees(ComputeAlmanac(in).SunHorizon));
    if (std::fabs(sun + 3) < 0.2) continue;  // too near the bound for two theories to agree
    const TSkyView view = SkyView(in, {});
    const std::string what = std::to_string(c.time.Year) + "-" + std::to_string(c.time.Month) + "-" +
                             std::to_string(c.time.Day) + " " + std::to_string(c.time.Hour) + "h at " +
                             std::to_string(static_cast<double>(c.latitude));
    const std::string text = BestThreeText(view);
    if (sun < -3) {
      ++nights;
      EXPECT_FALSE(view.Daylight) << what;
      for (std::int32_t k : view.Best) EXPECT_TRUE(IsStarRow(k) || IsPlanetRow(k)) << what << " " << k;
      EXPECT_EQ(text.rfind("Лучшие три светила:", 0), 0u) << what;
      continue;
    }
    ++days;
    EXPECT_TRUE(view.Daylight) << what;
    std::vector<std::int32_t> seen;  // what the rule lets in, in order of row
    bool near = false;  // the Moon's parallax may carry it over the bound
    for (std::int32_t k : {kSunRow, kMoonRow, kVenusRow, kJupiterRow}) {
      const TStarView& s = StarOf(view, k);
      const bool inBand = s.Altitude >= 15 && s.Altitude <= 70;
      const double off = k == kSunRow ? 180 : apart(s, StarOf(view, kSunRow));
      near = near || std::fabs(off - 15) < 1.2;
      const bool clear = off >= 15;
      const bool bright = k == kSunRow || k == kMoonRow || s.Magnitude <= -2;
      if (inBand && clear && bright) seen.push_back(k);
    }
    if (near) continue;
    std::vector<std::int32_t> offered = view.Best;
    std::sort(offered.begin(), offered.end());
    if (seen.size() <= 3) {
      EXPECT_EQ(offered, seen) << what;
    } else {
      EXPECT_EQ(offered.size(), 3u) << what;
      EXPECT_TRUE(std::includes(seen.begin(), seen.end(), offered.begin(), offered.end())) << what;
    }
    for (std::size_t i = 1; i < view.Best.size(); ++i) {
      EXPECT_LT(StarOf(view, view.Best[i - 1]).Azimuth, StarOf(view, view.Best[i]).Azimuth) << what;
    }
    EXPECT_EQ(text.rfind("Днём (Солнце выше \u22123°) звёзд не видно", 0), 0u) << what << ": " << text;
    if (view.Best.empty()) {
      ++none;
      EXPECT_EQ(text, "Днём (Солнце выше \u22123°) звёзд не видно, а Солнце, Луна, Венера и Юпитер вне полосы высот "
                      "или теряются в свете Солнца") << what;
    } else {
      for (std::int32_t k : view.Best) EXPECT_NE(text.find(StarTitle(k)), std::string::npos) << what;
    }
    venus += std::count(offered.begin(), offered.end(), kVenusRow) ? 1 : 0;
    moon += std::count(offered.begin(), offered.end(), kMoonRow) ? 1 : 0;
  }
  EXPECT_GE(days, 15);
  EXPECT_GE(nights, 15);
  EXPECT_GE(venus, 1);
  EXPECT_GE(moon, 1);
  EXPECT_GE(none, 1);
}

TEST(StarOrder, SortsByValueNotByText) {
  const TSkyView view = SkyView(WorkedInstant(), {});
  const auto above = StarOrder(view, TStarColumn::Number, false, false);
  EXPECT_EQ(static_cast<long>(above.size()),
            std::count_if(view.Stars.begin(), view.Stars.end(), [](const TStarView& s) { return s.AboveHorizon; }));
  const auto numbers = StarOrder(view, TStarColumn::Number, true, true);
  ASSERT_EQ(numbers.front(), kSaturnRow);  // the bodies after the stars
  ASSERT_EQ(numbers[6], 160);              // text order would put 99 first
  const struct { TStarColumn column; Extended TStarView::*value; } columns[] = {
      {TStarColumn::Magnitude, &TStarView::Magnitude}, {TStarColumn::Altitude, &TStarView::Altitude}, {TStarColumn::Azimuth, &TStarView::Azimuth},
      {TStarColumn::LocalHourAngle, &TStarView::LocalHourAngle}, {TStarColumn::Declination, &TStarView::Declination},
      {TStarColumn::PlaceError, &TStarView::PlaceError}};
  for (const auto& c : columns) {
    for (bool descending : {false, true}) {
      const auto order = StarOrder(view, c.column, descending, true);
      ASSERT_EQ(order.size(), static_cast<std::size_t>(kSkyRowCount));
      for (std::size_t i = 1; i < order.size(); ++i) {
        if (c.column == TStarColumn::PlaceError && !StarOf(view, order[i]).HasPlaceError) {
          EXPECT_GE(i, order.size() - 5) << "the Moon and the planets, without a figure, come last";
          continue;
        }
        const Extended a = StarOf(view, order[i - 1]).*c.value, b = StarOf(view, order[i]).*c.value;
        EXPECT_TRUE(descending ? a >= b : a <= b) << static_cast<int>(c.column) << " row " << i;
        if (a == b) {
          EXPECT_LT(order[i - 1], order[i]);  // equal values in order of number
        }
      }
    }
  }
  // Southern declinations first, which their texts ("0xx° … S") would not give.
  EXPECT_LT(StarOf(view, StarOrder(view, TStarColumn::Declination, false, true).front()).Declination, -60);
  const auto names = StarOrder(view, TStarColumn::Name, false, true);
  EXPECT_EQ(StarTitle(names.front()), "15 γ Андромеды (Альмак)");
  EXPECT_EQ(StarTitle(names[1]), "1 α Андромеды (Альферас)");  // the stored trailing blank gone
}

// Every name written one way: nothing but blanks changed, none at the ends
// or doubled, one before each bracket; the two stored without one get it.
TEST(SkyTexts, StarNamesWrittenOneWay) {
  const auto letters = [](const std::string& text) {
    std::string kept;
    for (const char c : text) if (c != ' ') kept += c;
    return kept;
  };
  for (std::int32_t k = 1; k <= kStarCount; ++k) {
    const std::string name = StarName(k), stored = StarTable(k).Name;
    EXPECT_EQ(letters(name), letters(stored)) << k;
    EXPECT_TRUE(!name.empty() && name.front() != ' ' && name.back() != ' ') << k;
    EXPECT_EQ(name.find("  "), std::string::npos) << k;
    for (auto at = name.find('('); at != std::string::npos; at = name.find('(', at + 1)) EXPECT_EQ(name[at - 1], ' ') << k;
  }
  const struct { const char* stored; const char* name; } kCases[] = {
      {"Козерога(Денеб Альгиеди)", "Козерога (Денеб Альгиеди)"}, {"Андромеды (Альферас) ", "Андромеды (Альферас)"},
      {"Арго   ", "Арго"}, {"  Кита  (Менкар)", "Кита (Менкар)"}, {"(Полярная)", "(Полярная)"}, {"   ", ""}, {"", ""}};
  for (const auto& c : kCases) EXPECT_EQ(TidyStarName(c.stored), c.name) << c.stored;
  EXPECT_EQ(StarTitle(153), "153 δ Козерога (Денеб Альгиеди)");
  EXPECT_EQ(StarTitle(102), "102 α Центавра (Ригил-Кентавр)");
  // Sorted by name as they read: Rigil Kentaurus among the other Centaurs,
  // before Hadar (the stored texts would put it after every one of them).
  const auto names = StarOrder(SkyView(WorkedInstant(), {}), TStarColumn::Name, false, true);
  const auto at = [&](std::int32_t k) { return std::find(names.begin(), names.end(), k) - names.begin(); };
  EXPECT_LT(at(98), at(102));  // Менкент
  EXPECT_LT(at(102), at(97));  // Хадар
}

TEST(SkyTexts, TimesPlacesAndStretches) {
  const struct { std::int32_t seconds; const char* text; } times[] = {
      {-1, "—"}, {0, "00:00"}, {29, "00:00"}, {30, "00:01"}, {18420, "05:07"}, {45299, "12:35"},
      {86369, "23:59"}, {86370, "24:00"}, {86399, "24:00"}};
  for (const auto& t : times) EXPECT_EQ(ShipTimeText(t.seconds), t.text) << t.seconds;
  const struct { std::int32_t from, to, middle; } stretches[] = {
      {100, 200, 150}, {100, 201, 150}, {0, 0, 0}, {-1, 200, -1}, {100, -1, -1}, {86000, 300, -1}};
  for (const auto& s : stretches) EXPECT_EQ(MiddleOfStretch(s.from, s.to), s.middle) << s.from << " " << s.to;
  EXPECT_EQ(PlaceText(55.75L, 37 + 37 * OneSixtieth), "55°45,00' N  037°37,00' E");
  EXPECT_EQ(PlaceText(-33.5L, -70.25L), "33°30,00' S  070°15,00' W");
  EXPECT_EQ(PlaceText(0, 0), "00°00,00' N  000°00,00' E");
}

TEST(SkyTexts, HoverNamesTheStarAndWarnsOfAnUnreliablePlace) {
  const TSkyView view = SkyView(WorkedInstant(), {});
  const TStarTexts sirius = StarTexts(view, 46);
  // The last line: the C04 series' UT1 − UTC of 1 January 2000 and its error
  // largest of that year, 52 µs, which moves Sirius by 0,0007″.
  EXPECT_EQ(StarHoverText(view, 46), "46 α Большого Пса (Сириус), зв. вел. \u22121,4\nВысота " + sirius.Altitude +
                                         "   Азимут " + sirius.Azimuth +
                                         "\nDUT1 +0,355 с (IERS); Ошибка места от времени 0,00″ (DUT1 ±0,00005 с)");
  EXPECT_NE(StarHoverText(view, kMoonRow).find("\nОсвещено "), std::string::npos);
  EXPECT_EQ(StarHoverText(view, kMarsRow).rfind("Марс, зв. вел. ", 0), 0u);
  TAlmanacInputs in = WorkedInstant();
  in.Time.Year = 2050;
  const TSkyView later = SkyView(in, {});
  const std::string polaris = StarHoverText(later, 160);
  EXPECT_NE(polaris.find("\nМесто звезды в главном окне неточно на " + StarTexts(later, 160).PlaceError), std::string::npos) << polaris;
  EXPECT_NE(polaris.find("больше 0,50'"), std::string::npos) << polaris;
}

}  // namespace
}  // namespace tarvel
