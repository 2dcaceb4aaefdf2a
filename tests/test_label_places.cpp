// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
// The plotting sheet's collision tests against a brute force: a box meets a
// segment or a polygon exactly when some point sampled densely along the
// segment or the outline, or the box's own points, says so; and the labels
// taken never meet what they avoid. Seeded, so every run is the same.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <optional>
#include <random>

#include "reports/LabelPlaces.h"

namespace tarvel {
namespace {

bool Inside(const TPlaneBox& b, double x, double y) {
  return x >= static_cast<double>(b.Left) && x <= static_cast<double>(b.Right) && y >= static_cast<double>(b.Top) &&
         y <= static_cast<double>(b.Bottom);
}

// Some of the 4001 points along the segment lies in the box.
bool SampledMeet(const TPlaneBox& b, const TPlanePoint& p, const TPlanePoint& q) {
  for (int i = 0; i <= 4000; ++i) {
    const double t = i / 4000.0;
    if (Inside(b, static_cast<double>(p.X + (q.X - p.X) * t), static_cast<double>(p.Y + (q.Y - p.Y) * t))) return true;
  }
  return false;
}

// The winding number of the polygon round the point, by the angles its edges
// turn through: non-zero inside.
bool Winds(const std::vector<TPlanePoint>& polygon, double x, double y) {
  double turned = 0;
  for (std::size_t i = 0; i < polygon.size(); ++i) {
    const TPlanePoint& a = polygon[i];
    const TPlanePoint& b = polygon[(i + 1) % polygon.size()];
    turned += std::atan2(static_cast<double>((a.X - x) * (b.Y - y) - (a.Y - y) * (b.X - x)),
                         static_cast<double>((a.X - x) * (b.X - x) + (a.Y - y) * (b.Y - y)));
  }
  return std::fabs(turned) > 3;
}

TPlaneBox Grown(const TPlaneBox& b, double by) { return {b.Left - by, b.Top - by, b.Right + by, b.Bottom + by}; }

// The sampled answer where the box a twentieth of a unit smaller and larger
// agree; none where the case is too close to call by sampling.
std::optional<bool> Sampled(const TPlaneBox& box, const std::function<bool(const TPlaneBox&)>& meets) {
  const bool small = meets(Grown(box, -0.05)), large = meets(Grown(box, 0.05));
  if (small != large) return std::nullopt;
  return small;
}

TEST(LabelPlaces, BoxesMeetSegmentsAndPolygonsAsASampledCheckSays) {
  std::mt19937 random(26);
  std::uniform_real_distribution<double> at(0, 100), size(1, 30);
  int meets = 0, misses = 0;
  for (int n = 0; n < 3000; ++n) {
    const double left = at(random), top = at(random);
    const TPlaneBox box{left, top, left + size(random), top + size(random)};
    const TPlanePoint p{at(random), at(random)}, q{at(random), at(random)};
    const bool meet = BoxMeetsSegment(box, p, q);
    if (const auto sampled = Sampled(box, [&](const TPlaneBox& b) { return SampledMeet(b, p, q); })) {
      ASSERT_EQ(meet, *sampled) << n;
      (meet ? meets : misses)++;
    }
    // A random triangle or quadrilateral round a centre, convex or not.
    const double cx = at(random), cy = at(random);
    std::vector<TPlanePoint> polygon;
    const int corners = 3 + n % 3;
    for (int k = 0; k < corners; ++k) {
      const double angle = 6.283185307179586 * (k + 0.5 * at(random) / 100) / corners, r = size(random) + 2;
      polygon.push_back({cx + r * std::cos(angle), cy + r * std::sin(angle)});
    }
    const auto sampled = Sampled(box, [&](const TPlaneBox& b) {
      bool meet = Winds(polygon, static_cast<double>(b.Left + b.Right) / 2, static_cast<double>(b.Top + b.Bottom) / 2);
      for (std::size_t k = 0; k < polygon.size() && !meet; ++k) meet = SampledMeet(b, polygon[k], polygon[(k + 1) % polygon.size()]);
      return meet;
    });
    if (sampled) {
      ASSERT_EQ(BoxMeetsPolygon(box, polygon), *sampled) << n;
    }
  }
  EXPECT_GT(meets, 300);  // both answers well represented
  EXPECT_GT(misses, 300);
  // Edges: a box that only touches another does not meet it; a segment on a
  // box's edge does; a box wholly inside a polygon does.
  EXPECT_FALSE(BoxesMeet({0, 0, 10, 10}, {10, 0, 20, 10}));
  EXPECT_TRUE(BoxesMeet({0, 0, 10, 10}, {9.9L, 9.9L, 20, 20}));
  EXPECT_TRUE(BoxMeetsSegment({0, 0, 10, 10}, {-5, 10}, {15, 10}));
  EXPECT_TRUE(BoxMeetsSegment({0, 0, 10, 10}, {5, 5}, {5, 5}));
  EXPECT_FALSE(BoxMeetsSegment({0, 0, 10, 10}, {11, -5}, {20, 3}));
  EXPECT_TRUE(BoxMeetsPolygon({4, 4, 6, 6}, {{0, 0}, {10, 0}, {10, 10}, {0, 10}}));
  EXPECT_FALSE(BoxMeetsPolygon({4, 4, 6, 6}, {}));
}

TEST(LabelPlaces, ATakenBoxIsFreeInsideTheBoundsAndIsAvoidedAfter) {
  TLabelPlaces places({0, 0, 100, 100});
  places.AvoidSegment({0, 50}, {100, 50});
  places.AvoidPolygon({{70, 70}, {90, 70}, {90, 90}, {70, 90}});
  places.AvoidBox({0, 0, 20, 20});
  const struct { TPlaneBox offered; bool free; } cases[] = {
      {{-1, 30, 10, 40}, false},  // out of the bounds
      {{30, 45, 40, 55}, false},  // across the line
      {{75, 75, 80, 80}, false},  // inside the polygon
      {{10, 10, 30, 30}, false},  // over the box
      {{30, 30, 40, 40}, true},
  };
  for (const auto& c : cases) EXPECT_EQ(places.Free(c.offered), c.free) << static_cast<double>(c.offered.Left);
  const auto first = places.Take({{30, 45, 40, 55}, {30, 30, 40, 40}, {50, 30, 60, 40}});
  ASSERT_TRUE(first);
  EXPECT_EQ(static_cast<double>(first->Left), 30);  // the first free one
  EXPECT_FALSE(places.Free({35, 35, 45, 45}));      // now taken
  EXPECT_FALSE(places.Take({{35, 35, 45, 45}, {30, 45, 40, 55}}));
}

}  // namespace
}  // namespace tarvel
