// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "reports/FixReport.h"
#include "reports/PositionText.h"
#include "reports/SightSheet.h"
#include "sights/FixErrors.h"

namespace tarvel {
namespace {

double D(Extended x) { return static_cast<double>(x); }

// The ship is at 45°01,2'N 29°57,0'W at 19:52 in zone 2 W on 20 March 2025,
// having run 060° at 12 knots; the dead reckoning of 19:00 is some miles off.
constexpr TPosition kTruth{45.02L, -29.95L};
constexpr Extended kCourse = 60, kSpeed = 12;
const TDeadReckoning kReckoning{44 + 55 / 60.0L, -(30 + 17 / 60.0L), -2, 19, 0, 0, 20, 3, 2025, kCourse, kSpeed};

// A sight of a star taken at mm:ss past 19 h from the true track, off by
// `error` minutes, reduced at the dead reckoning as the tab does.
TLoggedSight Taken(std::int32_t star, std::int32_t minute, std::int32_t second, Extended error = 0) {
  TSight s{TBody::Star, star, -2, 19, minute, second, 20, 3, 2025, 45, 0, 10, 10, 1010};
  const TPosition there = CarryPosition(kTruth, kCourse, kSpeed, ((minute - 52) * 60 + second) / 3600.0L);
  s.Hs = SextantAltitude(s, ReduceSight(s, there.Lat, there.Lon).Hc + error / 60, there.Lat, there.Lon);
  TLoggedSight logged{s, kReckoning.Lat, kReckoning.Lon, ReduceSight(s, kReckoning.Lat, kReckoning.Lon), true};
  return logged;
}

Extended Miles(const TSheetPoint& p) { return std::hypot(p.East, p.North); }

class FixReportTest : public ::testing::Test {
 protected:
  // Polaris with a blunder of 5' switched off, then Sirius, Regulus, Capella.
  std::vector<TLoggedSight> sights = {Taken(160, 49, 30, 5), Taken(46, 40, 12), Taken(67, 46, 5), Taken(28, 52, 0)};
  void SetUp() override { sights[0].Enabled = false; }
};

TEST_F(FixReportTest, TheFixOfTheSightsSwitchedOn) {
  const TFixOutcome outcome = WorkFix(sights, kReckoning);
  ASSERT_TRUE(outcome.Fix) << outcome.Error;
  EXPECT_TRUE(outcome.Error.empty());
  EXPECT_EQ(outcome.Used, (std::vector<std::size_t>{1, 2, 3}));
  EXPECT_EQ(outcome.Last, 3U);
  EXPECT_LT(D(RhumbCourseDistance({outcome.Fix->Lat, outcome.Fix->Lon}, kTruth).Distance), 0.01);
  EXPECT_FALSE(ResidualAt(outcome, 0));
  for (std::size_t i = 1; i < 4; ++i) EXPECT_LT(D(std::fabs(*ResidualAt(outcome, i))), 0.01);
  const TPosition reckoned = ReckoningAt(kReckoning, SightSeconds(sights[3].Sight));
  EXPECT_NEAR(D(outcome.Reckoning.Lat), D(reckoned.Lat), 1e-15);
  EXPECT_NEAR(D(outcome.Fix->ReckoningDistance), D(RhumbCourseDistance(reckoned, kTruth).Distance), 0.01);

  // With the blunder switched on it shows as the largest residual.
  sights[0].Enabled = true;
  const TFixOutcome blundered = WorkFix(sights, kReckoning);
  ASSERT_TRUE(blundered.Fix);
  for (std::size_t i = 1; i < 4; ++i) {
    EXPECT_GT(D(std::fabs(*ResidualAt(blundered, 0))), D(std::fabs(*ResidualAt(blundered, i))));
  }
}

TEST_F(FixReportTest, NoFixSaysWhy) {
  EXPECT_FALSE(WorkFix({}, kReckoning).Fix);
  EXPECT_TRUE(WorkFix({}, kReckoning).Error.empty());  // an empty list is no error
  const struct { std::vector<bool> enabled; const char* error; } cases[] = {
      {{false, false, false, true}, kFixTooFewError},
      {{false, false, false, false}, kFixTooFewError},
  };
  for (const auto& c : cases) {
    for (std::size_t i = 0; i < 4; ++i) sights[i].Enabled = c.enabled[i];
    const TFixOutcome outcome = WorkFix(sights, kReckoning);
    EXPECT_FALSE(outcome.Fix);
    EXPECT_EQ(outcome.Error, c.error);
    EXPECT_TRUE(outcome.Used.empty());
    EXPECT_TRUE(FixLines(sights, outcome, true).empty());
  }
  for (TLoggedSight& sight : sights) sight.Enabled = true;
  TDeadReckoning fast = kReckoning;
  fast.Speed = 150;
  EXPECT_EQ(WorkFix(sights, fast).Error, kDrSpeedError);
}

TEST_F(FixReportTest, RowsFixLinesAndTheClipboardText) {
  const TFixOutcome outcome = WorkFix(sights, kReckoning);
  const TSightRow off = SightRowTexts(sights[0], ResidualAt(outcome, 0));
  EXPECT_EQ(off[0], "19:49:30");
  EXPECT_EQ(off[1], "160 α Полярная");  // a star by its number, letter and name
  EXPECT_EQ(off[6], "");
  const TSightRow on = SightRowTexts(sights[3], ResidualAt(outcome, 3), true);
  EXPECT_EQ(on[0], "20.03.2025 19:52:00");
  EXPECT_EQ(on[1], "28 α Капелла");
  EXPECT_EQ(on[6], "0,0'");
  EXPECT_TRUE(on[5].ends_with(" от светила") || on[5].ends_with(" к светилу")) << on[5];

  const std::vector<std::string> lines = FixLines(sights, outcome, true);
  ASSERT_EQ(lines.size(), 8U);
  EXPECT_EQ(lines[0], PositionText(outcome.Fix->Lat, outcome.Fix->Lon));
  EXPECT_EQ(lines[0], "Ш = 45°01,20'N  Д = 029°57,00'W");
  EXPECT_EQ(lines[1], "на 20.03.2025 19:52:00, пояс 2 W");
  EXPECT_EQ(lines[5], "20.03.2025 19:40:12  46 α Сириус: невязка 0,0'");

  // A sight with a warning (an intercept over 30 miles: 40' off) is listed
  // with it; switched off it plays no part, and its warning is not shown.
  sights[0] = Taken(160, 49, 30, 40);
  sights[0].Enabled = false;
  const TFixOutcome withPolaris = WorkFix(sights, kReckoning);
  const std::vector<std::string> all = FixLines(sights, withPolaris, true);
  ASSERT_EQ(all.size(), 8U);
  for (const std::string& line : all) EXPECT_EQ(line.find("Полярная"), std::string::npos) << line;
  sights[0] = Taken(46, 40, 12, 40);  // Sirius again, 40' off, in the fix
  const TFixOutcome warned = WorkFix(sights, kReckoning, {5, 0});
  ASSERT_TRUE(warned.Fix) << warned.Error;
  const std::vector<std::string> panel = FixLines(sights, warned, false);
  const std::string warning = "Перенос " + MilesText(std::fabs(sights[0].Reduction.Intercept)) +
                              " больше 30 миль: проверьте светило, время, Hs и счислимое место";
  EXPECT_NE(std::find(panel.begin(), panel.end(), "20.03.2025 19:40:12  " + warning), panel.end());

  sights[0] = Taken(160, 49, 30);
  sights[0].Enabled = false;
  const std::string text = ListText(sights, kReckoning, outcome);
  for (const std::string& part :
       {std::string("Линии положения\n     Время"), std::string("\nвыкл 20.03.2025 19:49:30  160 α Полярная"),
        std::string("\nвкл  20.03.2025 19:52:00  28 α Капелла"),
        // Every input of a sight, so that it can be entered again.
        "\n4. № 28 α Возничего (Капелла); 20.03.2025 19:52:00, пояс 2 W; Hs " + AltitudeDegreesText(sights[3].Sight.Hs) +
            ", индексная ошибка 0,0′, высота глаза 10,0 м, температура 10,0 °C, давление 1010 гПа; "
            "счислимое место Ш = 44°55,00'N  Д = 030°17,00'W\n",
        std::string("Счисление: Ш = 44°55,00'N  Д = 030°17,00'W на 20.03.2025 19:00:00, пояс 2 W, курс 060,0°, "
                    "скорость 12,0 уз\n"),
        std::string("Обсервация:\nШ = 45°01,20'N  Д = 029°57,00'W\n")}) {
    EXPECT_NE(text.find(part), std::string::npos) << part << "\nin\n" << text;
  }
  EXPECT_NE(ListText(sights, kReckoning, WorkFix({sights[3]}, kReckoning)).find("Обсервации нет: " +
                                                                                std::string(kFixTooFewError)),
            std::string::npos);
}

TEST_F(FixReportTest, ThePlotAroundTheFix) {
  const TFixOutcome outcome = WorkFix(sights, kReckoning);
  const TPlot plot = SightsPlot(sights, kReckoning, outcome);
  EXPECT_NEAR(D(plot.Origin.Lat), D(outcome.Fix->Lat), 1e-15);
  ASSERT_TRUE(plot.Fix);
  EXPECT_NEAR(D(Miles(*plot.Fix)), 0, 1e-12);
  EXPECT_NEAR(D(plot.Ellipse.SemiMajor), D(outcome.Fix->SemiMajor), 1e-15);
  EXPECT_EQ(plot.FixLabel, "обс. 19:52");
  // Every line through the fix but the blunder, which passes 5 miles off on
  // the body's side; the one switched off is marked so.
  ASSERT_EQ(plot.Lines.size(), 4U);
  EXPECT_FALSE(plot.Lines[0].Enabled);
  EXPECT_NEAR(D(Miles(plot.Lines[0].Foot)), 5, 0.02);
  EXPECT_NEAR(D(plot.Lines[0].Azimuth), D(sights[0].Reduction.Zn), 0.1);
  EXPECT_GT(D(plot.Lines[0].Foot.North), 4.9);  // Polaris stands north
  for (std::size_t i = 1; i < 4; ++i) {
    EXPECT_TRUE(plot.Lines[i].Enabled);
    EXPECT_LT(D(Miles(plot.Lines[i].Foot)), 0.01);
  }
  EXPECT_EQ(plot.Lines[3].Label, "Капелла 19:52");
  // The track through 19:00 and each sight, in time order, 12 miles an hour.
  ASSERT_EQ(plot.Marks.size(), 5U);
  const char* times[] = {"19:00", "19:40", "19:46", "19:49", "19:52"};
  for (std::size_t k = 0; k < 5; ++k) EXPECT_EQ(plot.Marks[k].Label, times[k]);
  const TSheetPoint a = plot.Track.front(), b = plot.Track.back();
  EXPECT_NEAR(D(std::hypot(b.East - a.East, b.North - a.North)), 12 * 52 / 60.0, 0.01);

  // Without a fix the plot is drawn round the reckoning at the latest sight.
  const std::vector<TLoggedSight> one = {sights[1]};
  const TPlot alone = SightsPlot(one, kReckoning, WorkFix(one, kReckoning));
  EXPECT_FALSE(alone.Fix);
  const TPosition reckoned = ReckoningAt(kReckoning, SightSeconds(sights[1].Sight));
  EXPECT_NEAR(D(alone.Origin.Lat), D(reckoned.Lat), 1e-15);
  ASSERT_EQ(alone.Lines.size(), 1U);
  const Extended intercept = ReduceSight(sights[1].Sight, reckoned.Lat, reckoned.Lon).Intercept;
  EXPECT_NEAR(D(Miles(alone.Lines[0].Foot)), D(std::fabs(intercept)), 1e-9);
}

// The panel's lines against the stated accuracy: a 5' blunder among four
// sights of 1' is named by its row, body and time; with 5' sights it is
// what the accuracy explains; a dead reckoning 40 miles off is flagged.
TEST_F(FixReportTest, SuspectSightAndFarFixAreNamed) {
  sights[0].Enabled = true;
  const auto has = [](const std::vector<std::string>& lines, const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
  };
  const TFixOutcome strict = WorkFix(sights, kReckoning, {1, 0});
  ASSERT_TRUE(strict.Fix) << strict.Error;
  EXPECT_FALSE(strict.Fix->Consistent);
  EXPECT_TRUE(has(FixLines(sights, strict, false),
                  "Невязки больше ожидаемых при СКП 1,0′: проверьте наблюдение 1 — 160 α Полярная 19:49"));
  const TFixOutcome lenient = WorkFix(sights, kReckoning, {5, 0});
  ASSERT_TRUE(lenient.Fix);
  EXPECT_TRUE(lenient.Fix->Consistent);
  for (const std::string& line : FixLines(sights, lenient, false)) EXPECT_EQ(line.find("Невязки"), std::string::npos);
  EXPECT_NE(FixLines(sights, lenient, false)[3].find("при СКП высоты 5,0′"), std::string::npos);

  // The same sights, the dead reckoning 40 miles south of its place.
  TDeadReckoning far = kReckoning;
  far.Lat -= 40 / 60.0L;
  sights[0].Enabled = false;
  const TFixOutcome distant = WorkFix(sights, far);
  ASSERT_TRUE(distant.Fix) << distant.Error;
  const TPosition reckoned = ReckoningAt(far, SightSeconds(sights[3].Sight));
  EXPECT_GT(D(distant.Fix->ReckoningDistance), 30);
  EXPECT_NEAR(D(distant.Fix->ReckoningDistance),
              D(RhumbCourseDistance(reckoned, {distant.Fix->Lat, distant.Fix->Lon}).Distance), 1e-9);
  EXPECT_TRUE(has(FixLines(sights, distant, false), "Обсервация в " + MilesText(distant.Fix->ReckoningDistance) +
                                                      " от счислимого места: проверьте наблюдения, время и счисление"));
  for (const std::string& line : FixLines(sights, WorkFix(sights, kReckoning), false))
    EXPECT_EQ(line.find("Обсервация в"), std::string::npos);
}

// The same body, time and Hs is the same sight; any other difference is not.
TEST_F(FixReportTest, SameSightIsFoundByBodyTimeAndHs) {
  TSight same = sights[2].Sight;
  EXPECT_EQ(SameSightRow(sights, same), 2U);
  EXPECT_FALSE(SameSightRow(sights, same, 2U));
  TSight otherZone = same;  // the same instant kept in another zone
  otherZone.Time.Zone = -3, otherZone.Time.Hour = 18;
  EXPECT_EQ(SameSightRow(sights, otherZone), 2U);
  TSight later = same, higher = same, otherStar = same;
  later.Time.Second += 1;
  higher.Hs += 0.1L / 60;
  otherStar.StarNumber = 1;
  for (const TSight& s : {later, higher, otherStar}) EXPECT_FALSE(SameSightRow(sights, s));
  EXPECT_EQ(SameSightText(2), "Такое наблюдение уже есть в списке: строка 3");
}

}  // namespace
}  // namespace tarvel
