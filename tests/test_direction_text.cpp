// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
// A course, a bearing or an azimuth has three whole-degree digits and its
// tenth in every text the navigation window writes: the worksheet, the
// list's row, the reckoning and fix texts, the CSV table and the star table.
// The expected texts are written out by hand.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "almanac/SkyTexts.h"
#include "angles/Direction.h"
#include "core/RuntimeErrors.h"
#include "reports/FixReport.h"
#include "reports/SightCsv.h"
#include "reports/SightSheet.h"

namespace tarvel {
namespace {

const struct {
  Extended degrees;
  const char* text;
} kDirections[] = {
    {0, "000,0"},       {5, "005,0"},       {45, "045,0"},       {60, "060,0"},
    {9.96L, "010,0"},   {99.95L, "100,0"},  {213.61L, "213,6"},  {359.94L, "359,9"},
    {359.95L, "000,0"}, {359.99L, "000,0"}, {360, "000,0"},      {-5, "355,0"},
    {-0.04L, "000,0"},  {725, "005,0"},     {0.04L, "000,0"},    {0.05L, "000,1"},
};

TEST(DirectionText, ThreeDigitsAndATenthRoundTheCircle) {
  for (const auto& c : kDirections) {
    EXPECT_EQ(DirectionNumber(c.degrees), c.text) << static_cast<double>(c.degrees);
    EXPECT_EQ(DirectionText(c.degrees), std::string(c.text) + "°");
  }
  EXPECT_THROW(DirectionText(std::numeric_limits<Extended>::quiet_NaN()), EInvalidOp);
  EXPECT_THROW(DirectionText(std::numeric_limits<Extended>::infinity()), EInvalidOp);
}

TEST(DirectionText, EveryWriterOfTheNavigationWindowWritesIt) {
  const TSight sight{TBody::Star, 46, {-2, 19, 40, 12, 20, 3, 2025}, 30, 0, 10, 10, 1010};
  const TDeadReckoning reckoning{44.9L, -30.3L, {-2, 19, 0, 0, 20, 3, 2025}, 0, 12};
  for (const auto& c : kDirections) {
    if (c.degrees < 0 || c.degrees > 360) continue;  // the program's own directions lie in 0 … 360
    const std::string text = std::string(c.text) + "°";
    const std::string what = c.text;
    TLoggedSight logged{sight, 44.9L, -30.3L, ReduceSight(sight, 44.9L, -30.3L), true};
    logged.Reduction.Zn = c.degrees;

    bool found = false;
    for (const TWorksheetLine& line : Worksheet(logged.Sight, logged.Reduction)) {
      if (line.Caption.rfind("Zn", 0) == 0) found = line.Value == text;
    }
    EXPECT_TRUE(found) << "worksheet " << what;
    EXPECT_EQ(SightRowTexts(logged, std::nullopt)[4], text) << "list " << what;

    TDeadReckoning dr = reckoning;
    dr.Course = c.degrees;
    EXPECT_NE(ReckoningText(dr).find(", курс " + text + ","), std::string::npos) << ReckoningText(dr);

    TFixOutcome outcome;
    outcome.Fix = TFix{};
    outcome.Fix->Consistent = true;
    outcome.Fix->Suspect = -1;
    outcome.Fix->ReckoningBearing = c.degrees;
    outcome.Fix->MajorAzimuth = c.degrees;
    outcome.Used = {0};
    std::string fix;
    for (const std::string& line : FixLines({logged}, outcome, false)) fix += line + "\n";
    EXPECT_NE(fix.find("пеленг " + text + "\n"), std::string::npos) << fix;
    EXPECT_NE(fix.find("большая ось " + text), std::string::npos) << fix;

    // The CSV's Zn column, with its decimal point.
    const std::string csv = SightsCsv({logged}, {});
    std::string point = c.text;
    point[3] = '.';
    EXPECT_NE(csv.find("," + point + ","), std::string::npos) << csv;

    TSkyView view;
    view.Stars[45].Azimuth = c.degrees;
    EXPECT_EQ(StarTexts(view, 46).Azimuth, text) << "star table " << what;
  }
}

}  // namespace
}  // namespace tarvel
