// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
// The navigation window's degrees and minutes never show a sixtieth minute:
// a minute that rounds to 60,00 carries into the degrees, in the worksheet,
// the list and the positions alike. The expected texts are written out by
// hand.
#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>

#include "display/AngleDisplay.h"
#include "reports/DegreesText.h"
#include "reports/FixReport.h"
#include "reports/PositionText.h"
#include "reports/SightSheet.h"

namespace tarvel {
namespace {

Extended Dm(Extended degrees, Extended minutes) { return degrees + minutes / 60; }

TEST(DegreesText, AMinuteThatRoundsToSixtyCarriesIntoTheDegrees) {
  const struct { Extended degrees; const char* picture; const char* text; } cases[] = {
      {Dm(35, 12.3L), "00", "35° 12,30'"},
      {0, "00", "00° 00,00'"},
      {Dm(20, 59.996L), "00", "21° 00,00'"},
      {Dm(20, 59.9951L), "00", "21° 00,00'"},      // just past the rounding point
      {Dm(20, 59.9949L), "00", "20° 59,99'"},      // just below it
      {Dm(20, 59.994L), "00", "20° 59,99'"},
      {Dm(89, 59.999L), "00", "90° 00,00'"},
      {Dm(0, 59.996L), "00", "01° 00,00'"},
      // The minus of the formulas, U+2212, since the windows write it so.
      {-Dm(20, 59.996L), "00", "−21° 00,00'"},
      {-Dm(34, 20.03L), "00", "−34° 20,03'"},
      {-Dm(0, 59.996L), "00", "−01° 00,00'"},      // carried out of the "−00" range
      {-Dm(0, 29.06L), "00", "−00° 29,06'"},
      {-Dm(0, 0.001L), "00", "−00° 00,00'"},       // a negative angle keeps its sign
      {Dm(359, 59.996L), "000", "360° 00,00'"},
      {Dm(359, 59.994L), "000", "359° 59,99'"},
      {Dm(9, 59.999L), "000", "010° 00,00'"},
      {Dm(213, 36.6L), "000", "213° 36,60'"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(DegreesMinutesText(c.degrees, c.picture), c.text) << c.text;
  }
}

TEST(DegreesText, AltitudesOfTheWorksheetAndTheListCarry) {
  const struct { Extended hs; const char* text; } cases[] = {
      {Dm(20, 59.996L), "21° 00,00'"},
      {Dm(20, 59.9951L), "21° 00,00'"},
      {Dm(20, 59.9949L), "20° 59,99'"},
      {Dm(44, 59.999L), "45° 00,00'"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(AltitudeDegreesText(c.hs), c.text);
    const TSight sight{TBody::SunLowerLimb, 0, -2, 19, 40, 12, 20, 3, 2025, c.hs, 0, 10, 10, 1010};
    const TSightReduction reduction = ReduceSight(sight, 44.9L, -30.3L, TBelowHorizon::Allow);
    EXPECT_EQ(Worksheet(sight, reduction)[0].Value, c.text);
    const TLoggedSight logged{sight, 44.9L, -30.3L, reduction, true};
    EXPECT_EQ(SightRowTexts(logged, std::nullopt)[2], c.text);
    EXPECT_EQ(WorksheetText(sight, 44.9L, -30.3L, reduction).find("60,00'"), std::string::npos);
  }
}

// Where the minute is not about to carry, the worksheet's altitude is the
// main window's altitude text.
TEST(DegreesText, ElsewhereAsTheMainWindowsAltitude) {
  for (const Extended degrees : {Dm(5, 14.43L), Dm(35, 0.004L), -Dm(34, 20.03L), -Dm(0, 29.06L), Dm(89, 59.99L)}) {
    const Extended whole = std::trunc(degrees);
    // The main window writes the ASCII minus; the navigation window U+2212,
    // the minus of its formulas. Otherwise the texts are the same.
    std::string main = AltitudeText(whole, (degrees - whole) * 60);
    if (main.starts_with('-')) main.replace(0, 1, "−");
    EXPECT_EQ(AltitudeDegreesText(degrees), main);
  }
}

TEST(DegreesText, PositionsCarryWithTheirHemispheres) {
  const struct { Extended lat, lon; const char* text; } cases[] = {
      {Dm(20, 59.996L), Dm(37, 59.998L), "Ш = 21°00,00'N  Д = 038°00,00'E"},
      {-Dm(20, 59.996L), -Dm(37, 59.998L), "Ш = 21°00,00'S  Д = 038°00,00'W"},
      {Dm(20, 59.994L), -Dm(179, 59.996L), "Ш = 20°59,99'N  Д = 180°00,00'W"},
      {Dm(0, 0.004L), Dm(359, 59.996L), "Ш = 00°00,00'N  Д = 000°00,00'E"},
  };
  for (const auto& c : cases) EXPECT_EQ(PositionText(c.lat, c.lon), c.text);
}

}  // namespace
}  // namespace tarvel
