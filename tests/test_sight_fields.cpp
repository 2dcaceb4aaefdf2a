// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
// The sextant altitude field's text, both ways, against texts and values
// written out by hand.

#include <gtest/gtest.h>

#include <QString>

#include "core/RuntimeErrors.h"
#include "navfields/Fields.h"

namespace tarvel {
namespace {

TEST(HsFieldTest, WritesWholeDegreesAndMinutesToATenth) {
  const struct { long double hs; const char* text; } cases[] = {
      {27.395L, "Hs = 27°23,7'"},
      {27.5L, "Hs = 27°30,0'"},
      {5.0L, "Hs = 05°00,0'"},
      {0.5L, "Hs = 00°30,0'"},
      {89.99L, "Hs = 89°59,4'"},
      {45 + 18.34L / 60, "Hs = 45°18,3'"},
  };
  for (const auto& c : cases) EXPECT_EQ(HsText(c.hs), QString::fromUtf8(c.text)) << static_cast<double>(c.hs);
}

TEST(HsFieldTest, ReadsTheMaskedTextBlanksAsZeros) {
  const struct { const char* text; long double hs; } cases[] = {
      {"Hs = 27°23,7'", 27 + 23.7L / 60},
      {"Hs = 27°30,0'", 27.5L},
      {"Hs =  5° 0,0'", 5.0L},
      {"Hs = 00°59,9'", 59.9L / 60},
  };
  for (const auto& c : cases) {
    EXPECT_NEAR(static_cast<double>(ReadHs(QString::fromUtf8(c.text))), static_cast<double>(c.hs), 1e-12) << c.text;
  }
  // What the field writes, it reads back to the tenth of a minute.
  for (const long double hs : {1.25L, 27.395L, 64.335L, 89.5L}) {
    EXPECT_NEAR(static_cast<double>(ReadHs(HsText(hs))), static_cast<double>(hs), 0.05 / 60 + 1e-12);
  }
}

TEST(HsFieldTest, RefusesWhatIsNotAnAltitude) {
  const struct { const char* text; const char* error; } cases[] = {
      {"Hs = 27°73,7'", "Минуты высоты Hs должны быть меньше 60'"},
      {"Hs = 27°60,0'", "Минуты высоты Hs должны быть меньше 60'"},
      {"Hs = 2-°23,7'", "Высота Hs задана неверно"},
      {"Hs = 27°2x,7'", "Высота Hs задана неверно"},
  };
  for (const auto& c : cases) {
    try {
      ReadHs(QString::fromUtf8(c.text));
      ADD_FAILURE() << c.text << " was read";
    } catch (const Exception& error) {
      EXPECT_EQ(error.Message(), c.error) << c.text;
    }
  }
}

}  // namespace
}  // namespace tarvel
