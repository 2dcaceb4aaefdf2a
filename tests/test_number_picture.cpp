// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#include <gtest/gtest.h>

#include "core/NumberPicture.h"

namespace tarvel {
namespace {

struct PictureCase {
  const char* picture;
  Extended value;
  const char* text;
};

const PictureCase kPictureCases[] = {
    // Rounding carries into the integer part; the value is never cut to fit.
    {"00.00", 59.996L, "60,00"},
    {"00.00", 0.004L, "00,00"},
    {"00.00", 0.005L, "00,01"},  // 18 significant digits make 0.005 a half
    {"00.00", 7.256L, "07,26"},
    {"00.00", 17.318L, "17,32"},
    {"00.00", 99.995L, "100,00"},
    {"000", 1234, "1234"},
    {"000", 5, "005"},
    {"000", 0, "000"},
    {"000", 0.5L, "001"},
    {"000", 359.5L, "360"},
    {"000", 359.49L, "359"},
    {"00", 9, "09"},
    {"000.00", 130.6598349L, "130,66"},
    {"000.00", 57.1676027L, "057,17"},
    {"000.00", 359.996L, "360,00"},
    {"000.00", 0, "000,00"},
    // Negative values: the sign in front, halves away from zero.
    {"00", -34, "-34"},
    {"00.00", -20.0311L, "-20,03"},
    {"00.00", -0.005L, "-00,01"},
    {"000", -1.5L, "-002"},
    {"000", -123, "-123"},
    // Large and tiny magnitudes.
    {"000", 1e20L, "100000000000000000000"},
    {"00.00", 1e-30L, "00,00"},
    {"000.00", 123456789012.345L, "123456789012,35"},
};

TEST(NumberPicture, Table) {
  for (const auto& c : kPictureCases) {
    EXPECT_EQ(FormatPicture(c.picture, c.value), c.text)
        << c.picture << " " << static_cast<double>(c.value);
  }
}

TEST(NumberPicture, EighteenSignificantDigitsDecideTheHalf) {
  // 2.675 is held just below 2.675 in binary; at 18 digits it reads as a half
  // and goes up, as a navigator reading the decimal would expect.
  EXPECT_EQ(FormatPicture("00.00", 2.675L), "02,68");
  EXPECT_EQ(FormatPicture("00.00", 2.67499999L), "02,67");
}

TEST(NumberPicture, NonFiniteValues) {
  EXPECT_EQ(FormatPicture("00.00", std::numeric_limits<Extended>::infinity()), "INF");
  EXPECT_EQ(FormatPicture("00.00", -std::numeric_limits<Extended>::infinity()), "-INF");
  EXPECT_EQ(FormatPicture("00.00", std::numeric_limits<Extended>::quiet_NaN()), "NAN");
}

TEST(AngleText, DegreesAndMinutesAreFormattedIndependently) {
  EXPECT_EQ(AngleText(5, 7.256L), "005° 07,26'");
  EXPECT_EQ(AngleText(245, 17.318L), "245° 17,32'");
  EXPECT_EQ(AngleText(123, 59.996L), "123° 60,00'");
  EXPECT_EQ(AngleText(5, 14.4309L, "00"), "05° 14,43'");
  EXPECT_EQ(AngleText(23, 1.97L, "000", " S"), "023° 01,97' S");
}

}  // namespace
}  // namespace tarvel
