// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#include <gtest/gtest.h>

#include "core/RuntimeErrors.h"
#include "core/TextToNumber.h"

namespace tarvel {
namespace {

std::string IntError(const std::string& text) {
  try {
    StrToInt(text);
  } catch (const EConvertError& e) {
    return e.what();
  }
  return "accepted";
}

std::string FloatError(const std::string& text) {
  try {
    StrToFloat(text);
  } catch (const EConvertError& e) {
    return e.what();
  }
  return "accepted";
}

TEST(StrToInt, AcceptsASignAndDecimalDigits) {
  EXPECT_EQ(StrToInt("55"), 55);
  EXPECT_EQ(StrToInt("055"), 55);
  EXPECT_EQ(StrToInt("+7"), 7);
  EXPECT_EQ(StrToInt("-5"), -5);
  EXPECT_EQ(StrToInt("00"), 0);
  EXPECT_EQ(StrToInt("2147483647"), 2147483647);
  EXPECT_EQ(StrToInt("-2147483648"), -2147483647 - 1);
}

TEST(StrToInt, RejectsEverythingElseNamingTheText) {
  for (const char* text : {"5-", "", "-", "+", "1 2", "12a", "--1", "2147483648", "-2147483649",
                           "99999999999999999999", "0x10", "$10"}) {
    EXPECT_EQ(IntError(text), std::string("'") + text + "' is not a valid integer value");
  }
}

TEST(StrToFloat, ReadsADecimalComma) {
  EXPECT_EQ(StrToFloat("45,50"), 45.5L);
  EXPECT_EQ(StrToFloat("00,00"), 0);
  EXPECT_EQ(StrToFloat("-4,5"), -4.5L);
  EXPECT_EQ(StrToFloat("+4,"), 4);
  EXPECT_EQ(StrToFloat(",5"), 0.5L);
  EXPECT_EQ(StrToFloat(" 7 "), 7);
  EXPECT_EQ(StrToFloat("1,5E2"), 150);
  EXPECT_EQ(StrToFloat("59,99"), 59.99L);  // the extended value nearest to 59.99
}

TEST(StrToFloat, RejectsEverythingElseNamingTheText) {
  for (const char* text : {"", ",", "4.5", "4,5,0", "4-", "-", "1e", "1e5000", "nan", "inf", "4,5'"}) {
    EXPECT_EQ(FloatError(text), std::string("'") + text + "' is not a valid floating point value");
  }
}

}  // namespace
}  // namespace tarvel
