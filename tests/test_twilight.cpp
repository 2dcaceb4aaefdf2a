// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <optional>
#include <vector>

#include "core/RuntimeErrors.h"
#include "ephemeris/CStars.h"
#include "ephemeris/Twilight.h"

namespace tarvel {
namespace {

struct Place {
  const char* name;
  std::int32_t zone, day, month, year;
  Extended lat, lon;
};

// The Sun's altitude at every second of the ship's date, as the main window
// computes it; an instant that raises counts as ±90° on the side of the
// second beside it.
std::vector<Extended> EverySecond(const Place& p) {
  std::vector<std::optional<Extended>> raw(86400);
  for (std::int32_t s = 0; s < 86400; ++s) {
    try {
      const TSunData sun = SunEphemeris(p.zone, s / 3600, s / 60 % 60, s % 60, p.day, p.month, p.year);
      const THorizonData h = HorizonCoords(sun.SunDecMin * OneSixtieth + sun.SunDecDeg, p.lat,
                                           sun.SunGhaMin * OneSixtieth + sun.SunGhaDeg, p.lon);
      raw[s] = h.AltMin * OneSixtieth + h.AltDeg;
    } catch (const EMathError&) {
    }
  }
  std::vector<Extended> h(86400);
  for (std::int32_t s = 0; s < 86400; ++s)
    h[s] = raw[s] ? *raw[s] : (*raw[s > 0 ? s - 1 : s + 1] >= 0 ? 90 : -90);
  return h;
}

// Every first crossing by the definition, second by second.
TTwilight BruteForce(const Place& p) {
  const std::vector<Extended> h = EverySecond(p);
  const std::array<Extended, 3> thr = {kNauticalTwilight, kCivilTwilight, kSunriseAltitude};
  std::array<std::int32_t, 3> up = {-1, -1, -1}, down = {-1, -1, -1};
  for (std::int32_t s = 1; s < 86400; ++s) {
    for (int k = 0; k < 3; ++k) {
      if (up[k] < 0 && h[s] >= thr[k] && h[s - 1] < thr[k]) up[k] = s;
      if (down[k] < 0 && h[s] <= thr[k] && h[s - 1] > thr[k]) down[k] = s;
    }
  }
  TTwilight t{up[0], up[1], up[2], down[2], down[1], down[0]};
  for (const Extended a : h) t.Lowest = std::min(t.Lowest, a), t.Highest = std::max(t.Highest, a);
  return t;
}

std::array<std::int32_t, 6> Fields(const TTwilight& t) {
  return {t.MorningNautical, t.MorningCivil, t.Sunrise, t.Sunset, t.EveningCivil, t.EveningNautical};
}

const Place kPlaces[] = {
    {"ColomboEquinox", 5, 20, 3, 2026, 6.93L, 79.85L},
    {"TropicOfCancerNoonNearZenith", -5, 21, 6, 2026, 23.44L, -82.0L},
    {"HelsinkiJune", 2, 21, 6, 2026, 60.17L, 24.94L},
    {"HelsinkiDecember", 2, 21, 12, 2026, 60.17L, 24.94L},
    {"PolarDaySvalbard", 1, 21, 6, 2026, 78.22L, 15.65L},
    {"PolarNightSvalbard", 1, 21, 12, 2026, 78.22L, 15.65L},
    {"PolarNightNoTwilight", 0, 21, 12, 1990, 85.0L, 0.0L},
    {"ZoneFarEastOfLongitude", 12, 15, 8, 2040, 21.3L, -157.86L},
    {"ZoneFarWestOfLongitude", -12, 2, 2, 1975, -36.85L, 174.76L},
    {"CapeTownDecember", 2, 21, 12, 2026, -33.92L, 18.42L},
    {"CapeTownJune", 2, 21, 6, 2026, -33.92L, 18.42L},
    {"FirstDayOfRange", 12, 1, 1, 1930, -54.8L, -68.3L},
    {"LastDayOfRange", -12, 31, 12, 2099, 45.0L, 100.0L},
    // The Sun sets twice on the ship's date, at 00:02 and at 23:58.
    {"TwoSunsetsOnOneDate", 0, 22, 9, 2026, 65.0L, -89.5L},
    // The lowest Sun 0.002° below the sunrise altitude: set and risen again
    // within six minutes, both between the same two ten-minute marks.
    {"SunriseGrazedAtMidnight", 0, 21, 6, 2026, 65.72663017L, 179.2L},
    // The highest Sun 0.002° above -12°, at noon and at the very start of the date.
    {"NauticalGrazedAtNoon", 0, 21, 12, 2026, 78.5606928133L, -1.73L},
    {"NauticalGrazedAtMidnightNoon", 0, 21, 12, 2026, 78.5626409534L, 180.0L},
};

void PrintTo(const Place& p, std::ostream* os) { *os << p.name; }

class TwilightAgainstEverySecond : public ::testing::TestWithParam<Place> {};

TEST_P(TwilightAgainstEverySecond, FindsTheSameFirstCrossings) {
  const Place& p = GetParam();
  const TTwilight t = Twilight(p.zone, p.day, p.month, p.year, p.lat, p.lon), every = BruteForce(p);
  EXPECT_EQ(Fields(t), Fields(every));
  // The day's lowest and highest Sun, the turns found to the second.
  EXPECT_EQ(t.Lowest, every.Lowest);
  EXPECT_EQ(t.Highest, every.Highest);
}

INSTANTIATE_TEST_SUITE_P(Places, TwilightAgainstEverySecond, ::testing::ValuesIn(kPlaces),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Twilight, GrazingCrossingsLieWithinOneScanStep) {
  const TTwilight midnight = Twilight(0, 21, 6, 2026, 65.72663017L, 179.2L);
  ASSERT_GT(midnight.Sunset, 0);
  EXPECT_LT(midnight.Sunset, midnight.Sunrise);
  EXPECT_EQ(midnight.Sunset / 600, midnight.Sunrise / 600);
  const TTwilight noon = Twilight(0, 21, 12, 2026, 78.5606928133L, -1.73L);
  ASSERT_GT(noon.MorningNautical, 0);
  EXPECT_LT(noon.MorningNautical, noon.EveningNautical);
  EXPECT_EQ(noon.MorningNautical / 600, noon.EveningNautical / 600);
  EXPECT_EQ(noon.MorningCivil, -1);
}

// Standing where the Sun is at the zenith at 12:00:00, a sample of the scan,
// the altitude there has no value; the day's times still come out.
TEST(Twilight, SunAtTheZenithAtAWholeSecond) {
  const TSunData sun = SunEphemeris(0, 12, 0, 0, 1, 3, 2026);
  Place p{"Zenith", 0, 1, 3, 2026, sun.SunDecMin * OneSixtieth + sun.SunDecDeg,
          -(sun.SunGhaMin * OneSixtieth + sun.SunGhaDeg)};
  ASSERT_THROW(HorizonCoords(p.lat, p.lat, -p.lon, p.lon), EMathError);
  const TTwilight t = Twilight(p.zone, p.day, p.month, p.year, p.lat, p.lon), every = BruteForce(p);
  EXPECT_EQ(Fields(t), Fields(every));
  // The day's lowest and highest Sun, the turns found to the second.
  EXPECT_EQ(t.Lowest, every.Lowest);
  EXPECT_EQ(t.Highest, every.Highest);
}

}  // namespace
}  // namespace tarvel
