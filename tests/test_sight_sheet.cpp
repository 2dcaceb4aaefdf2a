// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#include <gtest/gtest.h>

#include <cmath>
#include <regex>
#include <string>

#include "angles/Direction.h"
#include "display/AngleDisplay.h"
#include "ephemeris/CStars.h"
#include "ephemeris/StarPlaceError.h"
#include "reports/PositionText.h"
#include "reports/Reckoning.h"
#include "reports/SightSheet.h"

namespace tarvel {
namespace {

TSight Sight(TBody body, std::int32_t star, Extended hs, Extended ie = 0, Extended eye = 10) {
  return {body, star, -2, 19, 40, 12, 20, 3, 2025, hs, ie, eye, 10, 1010};
}

// The main window's altitude text, with the navigation window's minus
// (U+2212, as its formulas) for the main window's ASCII one.
std::string AltitudeOf(Extended degrees) {
  const Extended whole = std::trunc(degrees);
  std::string text = AltitudeText(whole, (degrees - whole) * 60);
  if (text.starts_with('-')) text.replace(0, 1, "−");
  return text;
}

TEST(SightSheet, CorrectionsSignedAsAppliedAndInterceptsWithTheirDirection) {
  const struct { Extended minutes; const char* text; } corrections[] = {
      {1.5L, "+1,5'"}, {-5.5655L, "−5,6'"}, {0.04L, "0,0'"}, {-0.04L, "0,0'"}, {16.05L, "+16,1'"}, {-0.05L, "−0,1'"},
  };
  for (const auto& c : corrections) EXPECT_EQ(SignedMinutesText(c.minutes), c.text);
  const struct { Extended minutes; const char* text; } intercepts[] = {
      {28.66L, "28,7 мили к светилу"}, {-7.24L, "7,2 мили от светила"}, {0, "0,0 мили к светилу"},
  };
  for (const auto& c : intercepts) EXPECT_EQ(InterceptText(c.minutes), c.text);
  EXPECT_EQ(AltitudeDegreesText(20 + 52.2L / 60), "20° 52,20'");
  EXPECT_EQ(AltitudeDegreesText(-(34 + 20.03L / 60)), "−34° 20,03'");  // U+2212, as the formulas
}

// The worksheet shows the reduction's own values, in the order of the
// almanac's direct computation, each correction with the sign it is applied
// with; the Moon has its oblateness line after the parallax.
TEST(SightSheet, WorksheetLinesAreTheReductionsValues) {
  const auto moon = [](TBody body) {
    TSight s = Sight(body, 0, 30);
    s.Time.Hour = 7, s.Time.Minute = 0;  // the waning Moon low in the west in the morning
    return s;
  };
  const struct { TSight sight; const char* semiDiameterRule; } cases[] = {
      {Sight(TBody::SunLowerLimb, 0, 20 + 52.2L / 60, 1.5L), "+R нижнего края Солнца"},
      {Sight(TBody::SunUpperLimb, 0, 35.5L, -2.0L, 4), "−R верхнего края Солнца"},
      {Sight(TBody::Star, 46, 27 + 23.7L / 60), "для звезды 0"},
      {moon(TBody::MoonLowerLimb), "+R нижнего края Луны"},
      {moon(TBody::MoonUpperLimb), "−R верхнего края Луны"},
      {Sight(TBody::Jupiter, 0, 51), "для планеты 0 (центр диска)"},
  };
  for (const auto& c : cases) {
    const bool isMoon = c.sight.Body == TBody::MoonLowerLimb || c.sight.Body == TBody::MoonUpperLimb;
    const TSightReduction r = ReduceSight(c.sight, 44.9L, -30.3L, TBelowHorizon::Allow);
    const std::vector<TWorksheetLine> lines = Worksheet(c.sight, r);
    std::vector<std::string> values = {AltitudeOf(c.sight.Hs), SignedMinutesText(-c.sight.IndexError),
                                       SignedMinutesText(-r.Dip), AltitudeOf(r.Ha), SignedMinutesText(-r.Refraction),
                                       HorizontalParallaxText(r.HorizontalParallax), SignedMinutesText(r.Parallax)};
    std::vector<std::string> symbols = {"Hs", "i", "d", "Ha", "ρ", "HP", "p"};
    if (isMoon) values.push_back(SignedMinutesText(r.Oblateness)), symbols.push_back("OB");
    for (const std::string& v : {SignedMinutesText(r.SemiDiameter), AltitudeOf(r.Ho), AltitudeOf(r.Hc),
                                 DirectionText(r.Zn), InterceptText(r.Intercept)})
      values.push_back(v);
    for (const char* symbol : {"R", "Ho", "Hc", "Zn", "n"}) symbols.push_back(symbol);
    ASSERT_EQ(lines.size(), isMoon ? 13U : 12U);
    for (std::size_t k = 0; k < lines.size(); ++k) {
      EXPECT_EQ(lines[k].Value, values[k]) << lines[k].Caption;
      EXPECT_EQ(lines[k].Caption.rfind(symbols[k] + "  ", 0), 0U) << lines[k].Caption;
    }
    EXPECT_EQ(lines[isMoon ? 8 : 7].Formula, c.semiDiameterRule);
    // Ho is Hs with the corrections as shown, to their rounding.
    const Extended sum = c.sight.Hs * 60 - c.sight.IndexError - r.Dip - r.Refraction + r.Parallax + r.Oblateness +
                         r.SemiDiameter;
    EXPECT_NEAR(static_cast<double>(sum), static_cast<double>(r.Ho * 60), 1e-11);
    if (isMoon) {
      // The Moon's horizontal parallax is near a degree, shown to 0,01'.
      EXPECT_TRUE(std::regex_match(lines[5].Value, std::regex("(5[4-9]|6[01]),[0-9][0-9]'"))) << lines[5].Value;
      EXPECT_EQ(lines[9].Formula, "Ha + ρ + p + OB + R");
    }
  }
  // A star has neither horizontal parallax, parallax nor semi-diameter; the
  // dip of 10 m is 5,6'; the Sun's HP is 8,8″.
  const TSightReduction r = ReduceSight(cases[2].sight, 44.9L, -30.3L);
  const std::vector<TWorksheetLine> lines = Worksheet(cases[2].sight, r);
  EXPECT_EQ(lines[2].Value, "−5,6'");
  EXPECT_EQ(lines[5].Value, "0,00'");
  EXPECT_EQ(lines[6].Value, "0,0'");
  EXPECT_EQ(lines[7].Value, "0,0'");
  EXPECT_EQ(Worksheet(cases[0].sight, ReduceSight(cases[0].sight, 44.9L, -30.3L, TBelowHorizon::Allow))[5].Value,
            "0,15'");
}

TEST(SightSheet, WarningsForLowAndHighAltitudesAndUntrustedStars) {
  const auto warnings = [](const TSight& s) { return SightWarnings(s, ReduceSight(s, 44.9L, -30.3L, TBelowHorizon::Allow)); };
  EXPECT_TRUE(warnings(Sight(TBody::Star, 46, 27.4L)).empty());
  // Sirius stands near 27°23' here: a low or high Hs is also a large intercept.
  const auto intercept = [](const TSight& s) {
    return "Перенос " + MilesText(std::fabs(ReduceSight(s, 44.9L, -30.3L, TBelowHorizon::Allow).Intercept)) +
           " больше 30 миль: проверьте светило, время, Hs и счислимое место";
  };
  const auto low = warnings(Sight(TBody::Star, 46, 4.9L));
  ASSERT_EQ(low.size(), 2U);
  EXPECT_EQ(low[0], "Видимая высота Ha меньше 5°: рефракция ненадёжна");
  EXPECT_EQ(low[1], intercept(Sight(TBody::Star, 46, 4.9L)));
  const auto high = warnings(Sight(TBody::SunLowerLimb, 0, 85.5L));
  ASSERT_EQ(high.size(), 2U);
  EXPECT_EQ(high[0], "Высота Ho больше 85°: у зенита азимут определяется плохо");
  // Just inside and just outside 30 miles from the assumed position.
  for (const Extended miles : {29.9L, -29.9L, 30.1L, -30.1L}) {
    TSight s = Sight(TBody::Star, 46, 27.4L);
    const Extended hc = ReduceSight(s, 44.9L, -30.3L).Hc;
    s.Hs = SextantAltitude(s, hc + miles / 60, 44.9L, -30.3L);
    const auto w = warnings(s);
    ASSERT_EQ(w.size(), std::fabs(miles) > 30 ? 1U : 0U) << static_cast<double>(miles);
    if (!w.empty()) EXPECT_EQ(w[0], intercept(s));
  }

  // Polaris, whose place in the main window is 1,6 miles off in 2026 and
  // 4,4 in 2050, is reduced with its Hipparcos place: never warned of.
  TSight polaris = Sight(TBody::Star, 160, 45.3L);
  for (const std::int32_t year : {1990, 2026, 2050, 2099}) {
    polaris.Time.Day = 9, polaris.Time.Month = 12, polaris.Time.Year = year;
    EXPECT_TRUE(warnings(polaris).empty()) << year;
  }
}

TEST(SightSheet, BodiesTimesAndZones) {
  const struct { std::int32_t number; const char* name; } stars[] = {
      {160, "Полярная"}, {46, "Сириус"}, {69, "Арго"}, {1, "Альферас"}, {153, "Денеб Альгиеди"}, {102, "Ригил-Кентавр"},
  };
  for (const auto& s : stars) EXPECT_EQ(StarShortName(s.number), s.name) << s.number;
  // The reports write a name one way, a blank before the bracket.
  EXPECT_EQ(StarText(153), "153 δ Козерога (Денеб Альгиеди)");
  EXPECT_EQ(StarText(102), "102 α Центавра (Ригил-Кентавр)");
  EXPECT_EQ(StarText(1), "1 α Андромеды (Альферас)");
  EXPECT_EQ(BodyShortText(Sight(TBody::SunLowerLimb, 0, 20)), "Солнце н/к");
  EXPECT_EQ(BodyShortText(Sight(TBody::SunUpperLimb, 0, 20)), "Солнце в/к");
  const struct { TBody body; const char* shortText; const char* text; } bodies[] = {
      {TBody::MoonLowerLimb, "Луна н/к", "Луна, нижний край"}, {TBody::MoonUpperLimb, "Луна в/к", "Луна, верхний край"},
      {TBody::Venus, "Венера", "Венера"}, {TBody::Mars, "Марс", "Марс"},
      {TBody::Jupiter, "Юпитер", "Юпитер"}, {TBody::Saturn, "Сатурн", "Сатурн"},
  };
  for (const auto& b : bodies) {
    EXPECT_EQ(BodyShortText(Sight(b.body, 160, 20)), b.shortText);  // the star number plays no part
    EXPECT_EQ(BodyText(Sight(b.body, 160, 20)), b.text);
  }
  EXPECT_EQ(BodyText(Sight(TBody::Star, 160, 45)), "№ 160 α М.Медведицы (Полярная)");
  EXPECT_EQ(SightTimeText(Sight(TBody::Star, 160, 45)), "20.03.2025 19:40:12");
  EXPECT_EQ(ZoneText(-2), "2 W");
  EXPECT_EQ(ZoneText(12), "12 E");
  EXPECT_EQ(ZoneText(0), "0");
}

TEST(SightSheet, TextForTheClipboard) {
  const TSight s = Sight(TBody::Star, 160, 45 + 18.3L / 60);
  const TSightReduction r = ReduceSight(s, 44 + 55 / 60.0L, -(30 + 17 / 60.0L));
  const std::string text = WorksheetText(s, 44 + 55 / 60.0L, -(30 + 17 / 60.0L), r);
  for (const std::string& part :
       {std::string("Светило: № 160 α М.Медведицы (Полярная)\n"),
        std::string("Судовое время: 20.03.2025 19:40:12, пояс 2 W\n"),
        std::string("Счислимое место: Ш = 44°55,00'N  Д = 030°17,00'W\n"),
}) {
    EXPECT_NE(text.find(part), std::string::npos) << part << "\nin\n" << text;
  }
  EXPECT_EQ(text.find("Внимание"), std::string::npos);  // Polaris is reduced with its Hipparcos place
  // The lines in columns: caption, value to the right, formula.
  for (const char* line : {"\nHs  высота по секстану +45° 18,30'   отсчёт секстана\n",
                           "\nd  наклонение горизонта +−5,6'   −1,76′ × √e, e = 10,0 м\n",
                           // 4,2 miles with the main window's Polaris, 1,5 miles off
                           // this year (the warning above); the reduction now
                           // takes the star's Hipparcos place.
                           "\nn  перенос +2,7 мили к светилу   \\(Ho − Hc\\) × 60\n"}) {
    EXPECT_TRUE(std::regex_search(text, std::regex(line))) << line << "\nin\n" << text;
  }
}

TEST(PositionText, RoundedToTheFieldsHundredthsWithTheHemisphere) {
  const struct { Extended lat, lon; const char* text; } cases[] = {
      {55 + 45.5L / 60, 37 + 36.2L / 60, "Ш = 55°45,50'N  Д = 037°36,20'E"},
      {-(33 + 0.004L / 60), -(70 + 59.996L / 60), "Ш = 33°00,00'S  Д = 071°00,00'W"},  // 59,996' carries
      {-0.00001L, 0.00001L, "Ш = 00°00,00'N  Д = 000°00,00'E"},                      // no "minus zero" south
      {89.99999L, 180, "Ш = 89°59,99'N  Д = 180°00,00'E"},                             // kept below the pole
      {10, 190, "Ш = 10°00,00'N  Д = 170°00,00'W"},                                    // across the date line
      {10, -540.5L, "Ш = 10°00,00'N  Д = 179°30,00'E"},
  };
  for (const auto& c : cases) EXPECT_EQ(PositionText(c.lat, c.lon), c.text);
  EXPECT_THROW(CoordFromDegrees(std::nanl(""), 0), EDegreesError);

  const struct { Extended miles; const char* word; } words[] = {
      {1, "миля"}, {21, "миля"}, {2, "мили"}, {4, "мили"}, {5, "миль"}, {11, "миль"}, {12, "миль"},
      {14, "миль"}, {22, "мили"}, {100, "миль"}, {0.5L, "мили"}, {1.6L, "мили"},
  };
  for (const auto& w : words) EXPECT_EQ(MilesWord(w.miles), w.word) << static_cast<double>(w.miles);
  EXPECT_EQ(MilesText(1.56L), "1,6 мили");
}

TEST(Reckoning, CourseAndDistanceAndTheTrackInTime) {
  const struct { TPosition from, to; Extended distance, bearing; } rhumbs[] = {
      {{45, -30}, {45 + 10 / 60.0L, -30}, 10, 0},
      {{45, -30}, {45 - 10 / 60.0L, -30}, 10, 180},
      {{0, 179.9L}, {0, -179.9L}, 12, 90},  // across the date line, the short way
      {{0, -179.9L}, {0, 179.9L}, 12, 270},
      {{10, 10}, {10 + 3 / 60.0L, 10 + 4 / (60 * std::cos(10 * DegToRad)) }, 5, 53.13010235L},
      {{10, 10}, {10, 10}, 0, 0},
  };
  for (const auto& r : rhumbs) {
    const TCourseDistance rhumb = RhumbCourseDistance(r.from, r.to);
    EXPECT_NEAR(static_cast<double>(rhumb.Distance), static_cast<double>(r.distance), 2e-3);
    EXPECT_NEAR(static_cast<double>(rhumb.Course), static_cast<double>(r.bearing), 2e-2);
  }
  // Twelve knots due east for half an hour, reckoned in another zone.
  const TDeadReckoning dr{0, 0, -2, 19, 0, 0, 20, 3, 2025, 90, 12};
  const TSight later = Sight(TBody::Star, 46, 30);  // 19:40:12 in zone 2 W
  EXPECT_EQ(SightSeconds(later) - ReckoningSeconds(dr), 40 * 60 + 12);
  const TPosition there = ReckoningAt(dr, ReckoningSeconds(dr) + 1800);
  EXPECT_NEAR(static_cast<double>(there.Lat), 0, 1e-15);
  EXPECT_NEAR(static_cast<double>(there.Lon * 60), 6, 1e-12);
}

}  // namespace
}  // namespace tarvel
