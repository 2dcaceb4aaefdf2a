// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
// The time of record as the worksheet writes it: the source of UT1 − UTC in
// each era (the C04 series' +0,3553880 s of 1 January 2000, the held
// −0,0192085 s of its last day), the refuted typed DUT1, and what the time
// costs a place (the Earth's 15,04″ a second at Mintaka, δ −0,3°).

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "reports/SightSheet.h"
#include "reports/TimeScalesText.h"

namespace tarvel {
namespace {

TSight At(TBody body, std::int32_t star, int year, int month, int day, std::optional<Extended> dut1) {
  return {body, star, {0, 12, 0, 0, day, month, year}, 30, 0, 10, 10, 1010, dut1};
}

TEST(TimeScalesText, SaysWhereUt1ComesFrom) {
  struct Case {
    TSight sight;
    const char* dut1;
    const char* warning;
  };
  const Case kCases[] = {
      {At(TBody::Star, 32, 2000, 1, 1, std::nullopt), "DUT1 +0,355 с (IERS)", ""},
      {At(TBody::Star, 32, 2000, 1, 1, 0.4L), "DUT1 +0,355 с (IERS)", ""},
      {At(TBody::Star, 32, 2000, 1, 1, 0.3L), "DUT1 +0,355 с (IERS)",
       "DUT1 +0,3 с расходится с измеренной +0,355 с (IERS): взята измеренная"},
      {At(TBody::Star, 32, 2026, 12, 10, 0.2L), "DUT1 +0,2 с (введено)", ""},
      {At(TBody::Star, 32, 2026, 12, 10, -0.0L), "DUT1 0,0 с (введено)", ""},
      {At(TBody::Star, 32, 2026, 12, 10, std::nullopt), "DUT1 −0,019 с (прогноз)", ""},
      {At(TBody::MoonLowerLimb, 0, 1935, 6, 15, 0.5L), "часы по UT1 (до 1960 г.)", ""},
  };
  for (const Case& c : kCases) {
    const TPlaceTimeError e = PlaceTimeErrorOf(c.sight);
    EXPECT_EQ(Dut1Text(e.Scales), c.dut1) << c.sight.Time.Year;
    EXPECT_EQ(Dut1Warning(c.sight), c.warning) << c.sight.Time.Year;
  }
  const std::string annual = Dut1Text(PlaceTimeErrorOf(At(TBody::SunLowerLimb, 0, 1961, 6, 1, std::nullopt)).Scales);
  EXPECT_NE(annual.find(" с (по ΔT ежегодника)"), std::string::npos) << annual;
}

TEST(TimeScalesText, WhatTheTimeCosts) {
  EXPECT_EQ(TimeCostText(PlaceTimeErrorOf(At(TBody::Star, 32, 2026, 12, 10, 0.2L))),
            "Ошибка места от времени 1,5″ (DUT1 ±0,10 с)");  // 15,04″ × 0,1 s
  EXPECT_EQ(TimeCostText(PlaceTimeErrorOf(At(TBody::Star, 32, 2026, 12, 10, std::nullopt))),
            "Ошибка места от времени 7,8″ (DUT1 ±0,52 с)");  // the band of ±0,9 s
  EXPECT_EQ(TimeCostText(PlaceTimeErrorOf(At(TBody::Star, 32, 1935, 6, 15, std::nullopt))),
            "Ошибка места от времени 0,00″ (ΔT ±0,36 с)");  // clock = UT1: a star does not move (1935–36: 0,24, 0,36)
  EXPECT_EQ(TimeOfRecordLine(At(TBody::Star, 32, 2026, 12, 10, 0.2L)),
            "DUT1 +0,2 с (введено)  ·  ошибка места от времени 1,5″ (DUT1 ±0,10 с)");
  // A refuted DUT1 is among the sight's warnings.
  const TSight refuted = At(TBody::Star, 32, 2000, 1, 1, 0.3L);
  const std::vector<std::string> warnings = SightWarnings(refuted, ReduceSight(refuted, 0, 85));
  ASSERT_FALSE(warnings.empty());
  EXPECT_EQ(warnings.back(), Dut1Warning(refuted));
}

}  // namespace
}  // namespace tarvel
