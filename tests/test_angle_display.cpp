// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#include <gtest/gtest.h>

#include "display/AngleDisplay.h"

namespace tarvel {
namespace {

TEST(LocalHourAngleText, IsBroughtIntoOneTurnOnceEachWay) {
  const struct { Extended gha, lon; const char* text; } cases[] = {
      {300, 90, "030° 00,00'"},
      {100, -180, "280° 00,00'"},
      {270, 90, "360° 00,00'"},   // exactly 360 stays 360
      {359.179886L, 37 + 37 / 60.0L, "036° 47,79'"},
      {179.16672L, 0, "179° 10,00'"},
      {179.16672L, -179.5L, "359° 40,00'"},
      {0, 0, "000° 00,00'"},
      {359.99999L, 0, "359° 60,00'"},  // minutes are shown as they round
  };
  for (const auto& c : cases) {
    EXPECT_EQ(LocalHourAngleText(c.gha, c.lon), c.text) << static_cast<double>(c.gha);
  }
}

TEST(DeclinationText, HemisphereFromTheSignedPair) {
  const struct { Extended deg, min; const char* text; } cases[] = {
      {-16, -43.0518L, "016° 43,05' S"},
      {89, 16.0572L, "089° 16,06' N"},
      {0, -21.1083L, "000° 21,11' S"},
      {0, -25.0L, "000° 25,00' S"},
      {-23, -1.97L, "023° 01,97' S"},
      {23, 0, "023° 00,00' N"},     // whole degrees north are north
      {-23, 0, "023° 00,00' S"},
      {0, 0, "000° 00,00' S"},
      {5, 59.996L, "005° 60,00' N"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(DeclinationText(c.deg, c.min), c.text) << static_cast<double>(c.deg) << " " << static_cast<double>(c.min);
  }
}

TEST(RightAscensionAndSemiDiameterText, Examples) {
  EXPECT_EQ(RightAscensionText(281, 16.6L), "281° 16,60'");
  EXPECT_EQ(RightAscensionText(0, 4.5L), "000° 04,50'");
  EXPECT_EQ(SemiDiameterText(16.27L), "16,27'");
  EXPECT_EQ(SemiDiameterText(15.7494L), "15,75'");
}

TEST(AltitudeText, SignBetweenMinusOneAndZeroIsWrittenOut) {
  const struct { Extended deg, min; const char* text; } cases[] = {
      {51, 43.8051L, "51° 43,81'"},
      {-34, -20.0311L, "-34° 20,03'"},
      {0, -29.0632L, "-00° 29,06'"},
      {0, 29.0632L, "00° 29,06'"},
      {5, 14.4309L, "05° 14,43'"},
      {0, 0, "00° 00,00'"},
      {-42, -1.59L, "-42° 01,59'"},
      {59, 59.9999999L, "59° 60,00'"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(AltitudeText(c.deg, c.min), c.text) << static_cast<double>(c.deg) << " " << static_cast<double>(c.min);
  }
}

TEST(AzimuthText, Examples) {
  EXPECT_EQ(AzimuthText(130.6598349L), "130,66°");
  EXPECT_EQ(AzimuthText(57.1676027L), "057,17°");
  EXPECT_EQ(AzimuthText(359.996L), "360,00°");
  EXPECT_EQ(AzimuthText(0), "000,00°");
  EXPECT_EQ(AzimuthText(213.6101449L), "213,61°");
}

}  // namespace
}  // namespace tarvel
