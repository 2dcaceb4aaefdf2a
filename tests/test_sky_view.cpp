// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#include <gtest/gtest.h>

#include <algorithm>

#include "almanac/BestStars.h"
#include "almanac/SkyTexts.h"
#include "almanac/SkyView.h"
#include "ephemeris/StarPlaceError.h"

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

// Every star's values and texts are the main window's for that star.
TEST(SkyView, EachStarAsTheMainWindowShowsIt) {
  TAlmanacInputs in = WorkedInstant();
  in.Time.Zone = -5;
  in.Longitude = -in.Longitude;  // local hour angles that wrap below zero
  const TSkyView view = SkyView(in, {});
  for (std::int32_t k = 1; k <= kStarCount; ++k) {
    in.StarNumber = k;
    const TAlmanacResults r = ComputeAlmanac(in);
    const TAlmanacTexts main = AlmanacTexts(r, in.Longitude);
    const TStarTexts row = StarTexts(view, k);
    const TStarView& s = StarOf(view, k);
    EXPECT_EQ(s.Altitude, AltitudeDegrees(r.StarHorizon)) << k;
    EXPECT_EQ(s.Azimuth, r.StarHorizon.Azimuth) << k;
    EXPECT_EQ(s.Declination, r.Star.StarDecMin * OneSixtieth + r.Star.StarDecDeg) << k;
    EXPECT_EQ(s.PlaceError, StarPlaceError(k, r.Sun.Years)) << k;
    EXPECT_EQ(s.AboveHorizon, s.Altitude > 0) << k;
    EXPECT_EQ(s.Unreliable, s.PlaceError > kStarPlaceErrorLimit) << k;
    EXPECT_GE(s.LocalHourAngle, 0) << k;
    EXPECT_LE(s.LocalHourAngle, 360) << k;
    EXPECT_EQ(row.Altitude, main.StarAlt) << k;
    EXPECT_EQ(row.Azimuth, main.StarAz) << k;
    EXPECT_EQ(row.LocalHourAngle, main.StarLha) << k;
    EXPECT_EQ(row.Declination, main.StarDec) << k;
  }
}

TEST(SkyView, BandAndBestThreeLeaveOutUnreliableStars) {
  // Polaris' place is off by about 1.6' in the 2020s; at 50° N it stands at
  // 50° all night, so a narrow band round it holds it and few others.
  TAlmanacInputs in = WorkedInstant();
  in.Time.Year = 2026;
  in.Latitude = 50;
  TSkyView view = SkyView(in, {});
  ASSERT_TRUE(StarOf(view, 160).Unreliable);
  const Extended polaris = StarOf(view, 160).Altitude;
  for (const TAltitudeBand band : {TAltitudeBand{}, TAltitudeBand{0, 90}, TAltitudeBand{polaris - 3, polaris + 3},
                                   TAltitudeBand{polaris - 0.1L, polaris + 0.1L}, TAltitudeBand{40, 30}}) {
    SetBand(view, band);
    std::vector<TSightCandidate> reliable;
    for (std::int32_t k = 1; k <= kStarCount; ++k) {
      const TStarView& s = StarOf(view, k);
      EXPECT_EQ(s.InBand, s.Altitude > 0 && s.Altitude >= band.From && s.Altitude <= band.To) << k;
      if (s.InBand && !s.Unreliable) reliable.push_back({k, s.Altitude, s.Azimuth});
      EXPECT_EQ(s.Best, std::count(view.Best.begin(), view.Best.end(), k) == 1) << k;
    }
    EXPECT_EQ(view.Best, BestThree(reliable)) << static_cast<double>(band.From);
  }
  SetBand(view, {polaris - 0.1L, polaris + 0.1L});  // Polaris alone
  EXPECT_TRUE(StarOf(view, 160).InBand);
  EXPECT_TRUE(view.Best.empty());
  EXPECT_EQ(BestThreeText(view), "Лучшие три звезды: нет — в полосе высот меньше трёх надёжных звёзд");
  SetBand(view, {});
  EXPECT_EQ(view.Best.size(), 3u);
  EXPECT_EQ(BestThreeText(view), "Лучшие три звезды: " + StarTitle(view.Best[0]) + ", " + StarTitle(view.Best[1]) +
                                     ", " + StarTitle(view.Best[2]));
}

TEST(StarOrder, SortsByValueNotByText) {
  const TSkyView view = SkyView(WorkedInstant(), {});
  const auto above = StarOrder(view, TStarColumn::Number, false, false);
  EXPECT_EQ(static_cast<long>(above.size()),
            std::count_if(view.Stars.begin(), view.Stars.end(), [](const TStarView& s) { return s.AboveHorizon; }));
  ASSERT_EQ(StarOrder(view, TStarColumn::Number, true, true).front(), 160);  // text order would put 99 first
  const struct { TStarColumn column; Extended TStarView::*value; } columns[] = {
      {TStarColumn::Altitude, &TStarView::Altitude}, {TStarColumn::Azimuth, &TStarView::Azimuth},
      {TStarColumn::LocalHourAngle, &TStarView::LocalHourAngle}, {TStarColumn::Declination, &TStarView::Declination},
      {TStarColumn::PlaceError, &TStarView::PlaceError}};
  for (const auto& c : columns) {
    for (bool descending : {false, true}) {
      const auto order = StarOrder(view, c.column, descending, true);
      ASSERT_EQ(order.size(), 160u);
      for (std::size_t i = 1; i < order.size(); ++i) {
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
  EXPECT_EQ(StarHoverText(view, 46), "46 " + sirius.Name + "\nВысота " + sirius.Altitude + "   Азимут " + sirius.Azimuth);
  EXPECT_EQ(StarTexts(view, 160).PlaceError, "0,11'");
  TAlmanacInputs in = WorkedInstant();
  in.Time.Year = 2050;
  const std::string polaris = StarHoverText(SkyView(in, {}), 160);
  EXPECT_NE(polaris.find("\nПогрешность места звезды 4,"), std::string::npos) << polaris;
  EXPECT_NE(polaris.find("больше 0,50'"), std::string::npos) << polaris;
}

}  // namespace
}  // namespace tarvel
