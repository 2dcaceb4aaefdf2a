// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "almanac/SkyTexts.h"
#include "almanac/TwilightView.h"
#include "ephemeris/CStars.h"

namespace tarvel {
namespace {

TAlmanacInputs Place(std::int32_t zone, std::int32_t day, std::int32_t month, std::int32_t year, Extended lat,
                     Extended lon) {
  TAlmanacInputs in;
  in.Time.Zone = zone;
  in.Time.Day = day;
  in.Time.Month = month;
  in.Time.Year = year;
  in.Latitude = lat;
  in.Longitude = lon;
  in.Time.Hour = 17;  // the time of day plays no part
  return in;
}

TEST(TwilightView, TimesTextsAndTheMiddleOfEachStarTime) {
  const struct { const char* what; TAlmanacInputs in; bool morning, evening; } cases[] = {
      {"55° N in December", Place(3, 9, 12, 2026, 55.75L, 37.62L), true, true},
      {"33° S in June", Place(-4, 21, 6, 2026, -33.5L, -70.6L), true, true},
      {"the tropics", Place(0, 1, 3, 2000, 10, 0), true, true},
      {"midsummer at 60° N: no nautical twilight", Place(2, 21, 6, 2026, 60, 25), false, false},
      {"polar night at 80° N: no civil twilight", Place(1, 21, 12, 2026, 80, 15), false, false},
  };
  for (const auto& c : cases) {
    const TTwilightView view = TwilightView(c.in);
    const TTwilight t = Twilight(c.in.Time.Zone, c.in.Time.Day, c.in.Time.Month, c.in.Time.Year, c.in.Latitude, c.in.Longitude);
    const std::int32_t times[6] = {t.MorningNautical, t.MorningCivil, t.Sunrise, t.Sunset, t.EveningCivil,
                                   t.EveningNautical};
    for (std::size_t i = 0; i < 6; ++i) EXPECT_EQ(view.Texts[i], ShipTimeText(times[i])) << c.what << " " << i;
    EXPECT_EQ(view.MorningStars >= 0, c.morning) << c.what;
    EXPECT_EQ(view.EveningStars >= 0, c.evening) << c.what;
    if (c.morning) {
      EXPECT_EQ(view.MorningStars, (t.MorningNautical + t.MorningCivil) / 2) << c.what;
    }
    if (c.evening) {
      EXPECT_EQ(view.EveningStars, (t.EveningCivil + t.EveningNautical) / 2) << c.what;
    }
  }
}

// A date without a star time says why. The Sun's highest and lowest
// altitudes of the date, 90° − |φ − δ| and |φ + δ| − 90° for the
// declination of local noon, tell the case apart: below −6° all day, a polar
// night; above the sunrise altitude (−50′) all day, a polar day; never down
// to −12°, a white night. White nights from 60° to 65° N in June and at
// 60° S in December; the pole's day and night; ordinary dates say nothing.
TEST(TwilightView, ADateWithoutAStarTimeSaysWhy) {
  const struct { TAlmanacInputs in; const char* reason; } cases[] = {
      {Place(2, 21, 6, 2026, 60, 25), kWhiteNight},         {Place(3, 21, 6, 2026, 59.94L, 30.3L), kWhiteNight},
      {Place(3, 15, 6, 2026, 64.5L, 40.5L), kWhiteNight},   {Place(3, 21, 6, 2026, 65, 33), kWhiteNight},
      {Place(-3, 21, 12, 2026, -60, -45), kWhiteNight},      {Place(1, 21, 6, 2026, 70, 20), kPolarDay},
      {Place(1, 21, 6, 2026, 78.2L, 15.6L), kPolarDay},     {Place(1, 21, 12, 2026, 80, 15), kPolarNight},
      {Place(1, 21, 12, 2026, 75, 15), kPolarNight},        {Place(0, 21, 6, 2026, -80, 0), kPolarNight},
      {Place(3, 9, 12, 2026, 55.75L, 37.62L), ""},          {Place(1, 21, 12, 2026, 70, 20), ""},
      {Place(2, 21, 6, 2026, 50, 25), ""},                  {Place(0, 21, 3, 2026, 0, 0), ""},
  };
  for (const auto& c : cases) {
    const TAlmanacInputs& in = c.in;
    const std::string what = std::to_string(static_cast<double>(in.Latitude)) + " " + std::to_string(in.Time.Month);
    const std::int32_t noon = std::clamp(43200 + in.Time.Zone * 3600 - static_cast<std::int32_t>(in.Longitude * 240), 0, 86399);
    const TSunData sun = SunEphemeris(in.Time.Zone, noon / 3600, noon / 60 % 60, 0, in.Time.Day, in.Time.Month, in.Time.Year);
    const double dec = static_cast<double>(sun.SunDecMin * OneSixtieth + sun.SunDecDeg), phi = static_cast<double>(in.Latitude);
    const double highest = 90 - std::fabs(phi - dec), lowest = std::fabs(phi + dec) - 90;
    const char* expected = highest < -6 ? kPolarNight : lowest > -50.0 / 60 ? kPolarDay : lowest > -12 ? kWhiteNight : "";
    ASSERT_STREQ(expected, c.reason) << what << ": the case itself";
    const TTwilightView view = TwilightView(in);
    EXPECT_EQ(view.MorningReason, c.reason) << what;
    EXPECT_EQ(view.EveningReason, c.reason) << what;
    EXPECT_EQ(view.MorningStars < 0, *c.reason != 0) << what;
    EXPECT_EQ(view.EveningStars < 0, *c.reason != 0) << what;
  }
  // The last date the ephemeris serves, with the evening star time running
  // past midnight.
  int past = 0;
  for (std::int32_t zone = -12; zone <= 12; ++zone) {
    const TTwilight t = Twilight(zone, 31, 12, 2099, 50, 0);
    if (t.EveningCivil < 0 || t.EveningNautical < 0 || t.EveningNautical >= t.EveningCivil) continue;
    ++past;
    EXPECT_EQ(TwilightView(Place(zone, 31, 12, 2099, 50, 0)).EveningReason, kPastEphemeris) << zone;
  }
  EXPECT_GT(past, 0);
}

// Ship's clock 12 hours from the local time: the evening star time begins
// before midnight and ends after it, at the next date's crossing.
TEST(TwilightView, AStarTimePastMidnightEndsOnTheNextDate) {
  int found = 0;
  for (std::int32_t zone = -12; zone <= 12; ++zone) {
    const TAlmanacInputs in = Place(zone, 31, 12, 2025, 50, 0);
    const TTwilight t = Twilight(zone, 31, 12, 2025, 50, 0);
    if (t.EveningCivil < 0 || t.EveningNautical < 0 || t.EveningNautical >= t.EveningCivil) continue;
    ++found;
    const TTwilight next = Twilight(zone, 1, 1, 2026, 50, 0);
    EXPECT_EQ(TwilightView(in).EveningStars, MiddleOfStretch(t.EveningCivil, next.EveningNautical + 86400)) << zone;
    // On the last date the ephemeris serves there is no next date.
    EXPECT_EQ(TwilightView(Place(zone, 31, 12, 2099, 50, 0)).EveningStars, -1) << zone;
  }
  EXPECT_GT(found, 0);
}

}  // namespace
}  // namespace tarvel
