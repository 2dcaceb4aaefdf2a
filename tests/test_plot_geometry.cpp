// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#include <gtest/gtest.h>

#include <cmath>

#include "reports/PlotGeometry.h"

namespace tarvel {
namespace {

constexpr Extended kMile = 1e-9L;

std::string Labels(const std::vector<TGridLine>& lines) {
  std::string all;
  for (const TGridLine& line : lines) all += (all.empty() ? "" : " ") + line.Label;
  return all;
}

TEST(PlotGeometry, PositionsOnTheSheetAtTheMidLatitudeScale) {
  const Extended cos50 = std::cos(50 * 3.14159265358979323846L / 180);
  const struct { TSheetOrigin origin; Extended lat, lon, east, north; } cases[] = {
      {{50, 10}, 50 + 10 / 60.0L, 10, 0, 10},
      {{50, 10}, 50, 10 + 10 / 60.0L, 10 * cos50, 0},
      {{50, 10}, 49.5L, 9.5L, -30 * cos50, -30},
      {{50, 179.9L}, 50, -179.9L, 12 * cos50, 0},   // across the date line the short way
      {{50, -179.9L}, 50, 179.9L, -12 * cos50, 0},
      {{-50, 0}, -50 - 1 / 60.0L, 0, 0, -1},
  };
  for (const auto& c : cases) {
    const TSheetPoint p = ToSheet(c.origin, c.lat, c.lon);
    EXPECT_NEAR(p.East, c.east, 1e-9) << static_cast<double>(c.lat) << " " << static_cast<double>(c.lon);
    EXPECT_NEAR(p.North, c.north, 1e-9) << static_cast<double>(c.lat) << " " << static_cast<double>(c.lon);
  }
  const TSheetPoint east = Offset({1, 1}, 90, 2), south = Offset({1, 1}, 180, 2), ne = Offset({0, 0}, 45, std::sqrt(2.0L));
  EXPECT_NEAR(east.East, 3, kMile);
  EXPECT_NEAR(east.North, 1, kMile);
  EXPECT_NEAR(south.North, -1, kMile);
  EXPECT_NEAR(ne.East, 1, kMile);
  EXPECT_NEAR(ne.North, 1, kMile);
}

TEST(PlotGeometry, TheBoxHoldsEverythingSquareWithAMargin) {
  TPlot plot;
  EXPECT_NEAR(FitBox(plot).Width(), 2, kMile);  // nothing to show: two miles round the origin
  plot.Track = {{0, 0}, {10, 0}};
  plot.Lines = {{{5, 4}, 30, "a", true}};
  plot.Fix = TSheetPoint{6, 2};
  plot.Ellipse = {3, 1, 0};  // reaches north to 5 and south to −1
  const TSheetBox box = FitBox(plot, 0.1L);
  // Content 0 … 10 east, −1 … 5 north; a square of 10 with 1 mile round it.
  EXPECT_NEAR(box.West, -1, kMile);
  EXPECT_NEAR(box.East, 11, kMile);
  EXPECT_NEAR(box.South, -4, kMile);
  EXPECT_NEAR(box.North, 8, kMile);

  const TSheetBox wide = WidenToAspect(box, 2), tall = WidenToAspect(box, 0.5L);
  EXPECT_NEAR(wide.Width(), 24, kMile);
  EXPECT_NEAR(wide.Height(), 12, kMile);
  EXPECT_NEAR(wide.West + wide.East, 10, kMile);  // the centre stays
  EXPECT_NEAR(tall.Height(), 24, kMile);
  EXPECT_NEAR(tall.South + tall.North, 4, kMile);
}

TEST(PlotGeometry, LinesOfPositionCutByTheBox) {
  const TSheetBox box{-10, 10, -5, 5};
  const struct { TPlotLine line; bool hits; Extended e1, n1, e2, n2; } cases[] = {
      {{{0, 2}, 0, "", true}, true, -10, 2, 10, 2},       // body north: the line runs east-west
      {{{3, 0}, 90, "", true}, true, 3, 5, 3, -5},        // body east: north-south
      {{{3, 0}, 270, "", true}, true, 3, -5, 3, 5},
      {{{0, 0}, 45, "", true}, true, -5, 5, 5, -5},
      {{{0, 8}, 180, "", true}, false, 0, 0, 0, 0},       // parallel to the box, outside it
      {{{20, 20}, 45, "", true}, false, 0, 0, 0, 0},
  };
  for (const auto& c : cases) {
    const auto ends = LineInBox(c.line, box);
    ASSERT_EQ(ends.has_value(), c.hits) << static_cast<double>(c.line.Azimuth);
    if (!ends) continue;
    EXPECT_NEAR(ends->first.East, c.e1, 1e-9);
    EXPECT_NEAR(ends->first.North, c.n1, 1e-9);
    EXPECT_NEAR(ends->second.East, c.e2, 1e-9);
    EXPECT_NEAR(ends->second.North, c.n2, 1e-9);
  }
}

TEST(PlotGeometry, EllipseAxesPointWhereTheyShould) {
  const std::vector<TSheetPoint> outline = EllipseOutline({1, 2}, {3, 1, 30}, 8);
  ASSERT_EQ(outline.size(), 8U);
  EXPECT_NEAR(outline[0].East, 1 + 1.5L, 1e-12);  // the major axis toward 030°
  EXPECT_NEAR(outline[0].North, 2 + 3 * std::sqrt(3.0L) / 2, 1e-12);
  EXPECT_NEAR(outline[2].East, 1 + std::sqrt(3.0L) / 2, 1e-12);  // the minor axis toward 120°
  EXPECT_NEAR(outline[2].North, 2 - 0.5L, 1e-12);
  EXPECT_NEAR(outline[4].East, 1 - 1.5L, 1e-12);
}

TEST(PlotGeometry, RoundGridStepsAndLabels) {
  const struct { Extended span; int lines; Extended step; } steps[] = {
      {20, 6, 5}, {0.3L, 6, 0.1L}, {0.61L, 6, 0.2L}, {6, 6, 1}, {60, 6, 10}, {80, 6, 15},
      {170, 6, 30}, {1e9L, 6, 6000},
  };
  for (const auto& s : steps) EXPECT_EQ(GridStep(s.span, s.lines), s.step) << static_cast<double>(s.span);

  const struct { TSheetOrigin origin; TSheetBox box; const char* parallels; const char* meridians; const char* scale; } grids[] = {
      {{55, 37}, {-10, 10, -10, 10}, "54°50'N 54°55'N 55°00'N 55°05'N 55°10'N",
       "036°50'E 037°00'E 037°10'E", "5 миль"},
      {{-33.5L, -70.5L}, {-2, 2, -1, 1}, "33°31,0'S 33°30,5'S 33°30,0'S 33°29,5'S 33°29,0'S",
       "070°32'W 070°31'W 070°30'W 070°29'W 070°28'W", "1 миля"},
      {{0, 180}, {-30, 30, -6, 6}, "00°06'S 00°04'S 00°02'S 00°00' 00°02'N 00°04'N 00°06'N",
       "179°30'E 179°40'E 179°50'E 180°00'E 179°50'W 179°40'W 179°30'W",
       "10 миль"},
      {{10, 0}, {-0.4L, 0.4L, -0.2L, 0.2L}, "09°59,8'N 09°59,9'N 10°00,0'N 10°00,1'N 10°00,2'N",
       "000°00,4'W 000°00,2'W 000°00,0' 000°00,2'E 000°00,4'E", "0,2 мили"},
  };
  for (const auto& g : grids) {
    const TSheetGrid grid = SheetGrid(g.origin, g.box);
    EXPECT_EQ(Labels(grid.Parallels), g.parallels);
    EXPECT_EQ(Labels(grid.Meridians), g.meridians);
    EXPECT_EQ(grid.ScaleLabel, g.scale);
    // Each line stands where its label says.
    for (const TGridLine& line : grid.Parallels) EXPECT_LE(std::fabs(line.At), g.box.North + kMile);
  }
}

// The printed sheet's scale: the least of 1, 2, 5 × 10^k miles to a
// centimetre that lets the content fit, and its text with the right word.
TEST(PlotGeometry, RoundPrintScaleAndItsText) {
  const struct { Extended least, scale; } scales[] = {
      {0.01L, 0.1L}, {0.1L, 0.1L}, {0.11L, 0.2L}, {0.5L, 0.5L}, {0.51L, 1}, {1, 1},
      {1.0001L, 2}, {2.5L, 5}, {7, 10}, {30, 50}, {101, 200},
  };
  for (const auto& s : scales) EXPECT_NEAR(RoundScale(s.least), s.scale, 1e-15L) << static_cast<double>(s.least);

  const struct { Extended scale; const char* text; } texts[] = {
      {0.2L, "Масштаб: 1 см = 0,2 мили"}, {1, "Масштаб: 1 см = 1 миля"}, {2, "Масштаб: 1 см = 2 мили"},
      {5, "Масштаб: 1 см = 5 миль"}, {20, "Масштаб: 1 см = 20 миль"},
  };
  for (const auto& t : texts) EXPECT_EQ(ScaleText(t.scale), t.text);
}

}  // namespace
}  // namespace tarvel
