// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#include "reports/LabelPlaces.h"

#include <algorithm>
#include <cmath>

namespace tarvel {

bool BoxesMeet(const TPlaneBox& a, const TPlaneBox& b) {
  return a.Left < b.Right && b.Left < a.Right && a.Top < b.Bottom && b.Top < a.Bottom;
}

bool BoxMeetsSegment(const TPlaneBox& box, const TPlanePoint& a, const TPlanePoint& b) {
  // The segment a + t (b − a), 0 <= t <= 1, clipped to the box's slabs.
  Extended lo = 0, hi = 1;
  const auto clip = [&](Extended start, Extended delta, Extended min, Extended max) {
    if (std::fabs(delta) < 1e-12L) return start >= min && start <= max;
    Extended t1 = (min - start) / delta, t2 = (max - start) / delta;
    if (t1 > t2) std::swap(t1, t2);
    lo = std::max(lo, t1);
    hi = std::min(hi, t2);
    return lo <= hi;
  };
  return clip(a.X, b.X - a.X, box.Left, box.Right) && clip(a.Y, b.Y - a.Y, box.Top, box.Bottom);
}

bool InsidePolygon(const TPlanePoint& p, const std::vector<TPlanePoint>& polygon) {
  bool inside = false;
  for (std::size_t i = 0, j = polygon.size() - 1; i < polygon.size(); j = i++) {
    const TPlanePoint& a = polygon[i];
    const TPlanePoint& b = polygon[j];
    if ((a.Y > p.Y) != (b.Y > p.Y) && p.X < (b.X - a.X) * (p.Y - a.Y) / (b.Y - a.Y) + a.X) inside = !inside;
  }
  return inside;
}

bool BoxMeetsPolygon(const TPlaneBox& box, const std::vector<TPlanePoint>& polygon) {
  if (polygon.empty()) return false;
  for (std::size_t i = 0; i < polygon.size(); ++i) {
    if (BoxMeetsSegment(box, polygon[i], polygon[(i + 1) % polygon.size()])) return true;
  }
  // No edge meets the box: it lies wholly inside the polygon or wholly out.
  return InsidePolygon({(box.Left + box.Right) / 2, (box.Top + box.Bottom) / 2}, polygon);
}

bool TLabelPlaces::Free(const TPlaneBox& box) const {
  if (box.Left < bounds_.Left || box.Right > bounds_.Right || box.Top < bounds_.Top || box.Bottom > bounds_.Bottom) {
    return false;
  }
  return std::none_of(boxes_.begin(), boxes_.end(), [&](const TPlaneBox& b) { return BoxesMeet(b, box); }) &&
         std::none_of(segments_.begin(), segments_.end(),
                      [&](const TSegment& s) { return BoxMeetsSegment(box, s.A, s.B); }) &&
         std::none_of(polygons_.begin(), polygons_.end(),
                      [&](const std::vector<TPlanePoint>& p) { return BoxMeetsPolygon(box, p); });
}

std::optional<TPlaneBox> TLabelPlaces::Take(const std::vector<TPlaneBox>& offered) {
  for (const TPlaneBox& box : offered) {
    if (!Free(box)) continue;
    boxes_.push_back(box);
    return box;
  }
  return std::nullopt;
}

}  // namespace tarvel
