// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
// The leap second in a sight: 23:59:60 UTC of a day that ends in one reduces
// one second after 23:59:59 and one before the next 00:00:00, in any zone;
// the same 60 on any other second is refused with its message.

#include <gtest/gtest.h>

#include <cmath>

#include "bodies/BodyPlace.h"
#include "shiptime/ShipTime.h"
#include "sights/Sight.h"

namespace tarvel {
namespace {

// The Earth's turn against the stars: 360.9856473662862° a day (the IAU's
// Earth rotation angle), in arc seconds of hour angle a second of UT1.
constexpr double kStarTurn = 360.9856473662862 * 3600 / 86400;

TShipTime At(std::int32_t zone, std::int32_t h, std::int32_t m, std::int32_t s, std::int32_t day, std::int32_t month,
             std::int32_t year) {
  return {zone, h, m, s, day, month, year};
}

// Each: the leap second in the ship's zone, the second before it, the second
// after it (the next UTC day).
struct LeapRow {
  const char* name;
  TShipTime before, leap, after;
};

const LeapRow kLeaps[] = {
    {"Greenwich2016", At(0, 23, 59, 59, 31, 12, 2016), At(0, 23, 59, 60, 31, 12, 2016), At(0, 0, 0, 0, 1, 1, 2017)},
    {"ZonePlus3", At(3, 2, 59, 59, 1, 1, 2017), At(3, 2, 59, 60, 1, 1, 2017), At(3, 3, 0, 0, 1, 1, 2017)},
    {"ZoneMinus12", At(-12, 11, 59, 59, 31, 12, 2016), At(-12, 11, 59, 60, 31, 12, 2016),
     At(-12, 12, 0, 0, 31, 12, 2016)},
    {"June2015ZoneMinus5", At(-5, 18, 59, 59, 30, 6, 2015), At(-5, 18, 59, 60, 30, 6, 2015),
     At(-5, 19, 0, 0, 30, 6, 2015)},
};

// A star's Greenwich hour angle steps by the Earth's turn of one second
// (15,04″, UT1 − UTC keeping no step), and the sight's altitude and azimuth
// by one second's change each: the two steps alike to 0,001″ and 1e-6°.
TEST(LeapSecond, TheSightReducesOneSecondAfterTheLastAndBeforeTheNext) {
  for (const LeapRow& row : kLeaps) {
    SCOPED_TRACE(row.name);
    Extended gha[3];
    TSightReduction r[3];
    const TShipTime times[3] = {row.before, row.leap, row.after};
    for (int k = 0; k < 3; ++k) gha[k] = BodyPlace(TCelestialBody::Star, 46, times[k]).Gha;  // Sirius
    for (int k = 0; k < 3; ++k) {
      TSight s{TBody::Star, 46, times[k], 30, 0, 10, 10, 1010};
      ASSERT_NO_THROW(ValidateSight(s));
      // Sirius well up in 35° S, two hours east of the meridian.
      r[k] = ReduceSight(s, -35, std::remainder(330 - static_cast<double>(gha[1]), 360.0), TBelowHorizon::Allow);
    }
    for (int k = 0; k < 2; ++k) {
      const double step = std::remainder(static_cast<double>(gha[k + 1] - gha[k]), 360.0) * 3600;
      EXPECT_NEAR(step, kStarTurn, 0.01) << k;
    }
    EXPECT_NEAR(static_cast<double>((r[1].Zn - r[0].Zn) - (r[2].Zn - r[1].Zn)), 0, 1e-6);
    EXPECT_GT(std::fabs(static_cast<double>(r[1].Hc - r[0].Hc)), 1e-3);  // 3,6″ and more a second
    EXPECT_NEAR(static_cast<double>((r[1].Hc - r[0].Hc) - (r[2].Hc - r[1].Hc)), 0, 1e-6);
  }
}

// The order of instants puts the leap second between its neighbours, where
// the count of seconds takes it for the next one.
TEST(LeapSecond, IsOrderedBetweenItsNeighbours) {
  for (const LeapRow& row : kLeaps) {
    EXPECT_LT(UniversalOrder(row.before), UniversalOrder(row.leap)) << row.name;
    EXPECT_LT(UniversalOrder(row.leap), UniversalOrder(row.after)) << row.name;
    EXPECT_EQ(UniversalSeconds(row.leap), UniversalSeconds(row.after)) << row.name;
    EXPECT_EQ(UniversalOrder(row.after) - UniversalOrder(row.before), 2 * (UniversalSeconds(row.after) -
                                                                           UniversalSeconds(row.before)));
  }
}

// A 60 on a day without a leap second, on another minute or hour of the leap
// day, or in the wrong zone, is refused with its text; a 61 is out of every
// range.
TEST(LeapSecond, ASixtyOnAnyOtherSecondIsRefused) {
  const struct { const char* name; TShipTime time; const char* message; } cases[] = {
      {"TheDayBefore", At(0, 23, 59, 60, 30, 12, 2016), kSightLeapSecondError},
      {"AYearLater", At(0, 23, 59, 60, 31, 12, 2017), kSightLeapSecondError},
      {"TheMinuteBefore", At(0, 23, 58, 60, 31, 12, 2016), kSightLeapSecondError},
      {"TheHourBefore", At(0, 22, 59, 60, 31, 12, 2016), kSightLeapSecondError},
      {"ZonePlus3AtMidnight", At(3, 23, 59, 60, 31, 12, 2016), kSightLeapSecondError},
      {"June2016", At(0, 23, 59, 60, 30, 6, 2016), kSightLeapSecondError},
      {"BeforeTheLeapSeconds", At(0, 23, 59, 60, 31, 12, 1971), kSightLeapSecondError},
      {"SixtyOne", At(0, 23, 59, 61, 31, 12, 2016), kSightInstantTexts.Second},
      {"SixtyOnNoSuchDay", At(0, 23, 59, 60, 31, 6, 2016), kSightLeapSecondError},
  };
  for (const auto& c : cases) {
    TSight s{TBody::Star, 46, c.time, 30, 0, 10, 10, 1010};
    try {
      ReduceSight(s, -35, 0, TBelowHorizon::Allow);
      ADD_FAILURE() << c.name << " accepted";
    } catch (const ESightError& e) {
      EXPECT_EQ(e.Message(), c.message) << c.name;
    }
  }
}

}  // namespace
}  // namespace tarvel
