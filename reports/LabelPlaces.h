// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#pragma once
// Labels placed clear of a drawing, as the plotting sheet places its texts.
//
// The drawing's obstacles are given first: polygons (the error ellipse, its
// inside too), segments (the lines of position, the track) and boxes (a
// mark, the fix's rings, the scale bar). Each label then takes the first of
// the boxes offered to it that lies wholly inside the bounds and meets no
// obstacle and no label placed before it; a label with no free box is left
// out. So no label covers the ellipse, a line or another label.
//
// Coordinates are those of the drawing (device units, y down); a box is
// Left <= Right, Top <= Bottom. Boxes that only touch do not meet. Pure C++;
// nothing raises.

#include <optional>
#include <vector>

#include "core/Extended.h"

namespace tarvel {

struct TPlanePoint {
  Extended X = 0, Y = 0;
};

struct TPlaneBox {
  Extended Left = 0, Top = 0, Right = 0, Bottom = 0;
};

bool BoxesMeet(const TPlaneBox& a, const TPlaneBox& b);
// True when some point of the segment lies inside the box or on its edge.
bool BoxMeetsSegment(const TPlaneBox& box, const TPlanePoint& a, const TPlanePoint& b);
// True when the box meets the polygon's outline or lies inside it (a closed
// polygon, its last point joined to the first).
bool BoxMeetsPolygon(const TPlaneBox& box, const std::vector<TPlanePoint>& polygon);
// Even-odd rule.
bool InsidePolygon(const TPlanePoint& p, const std::vector<TPlanePoint>& polygon);

class TLabelPlaces {
 public:
  explicit TLabelPlaces(const TPlaneBox& bounds) : bounds_(bounds) {}

  void AvoidPolygon(std::vector<TPlanePoint> polygon) { polygons_.push_back(std::move(polygon)); }
  void AvoidSegment(const TPlanePoint& a, const TPlanePoint& b) { segments_.push_back({a, b}); }
  void AvoidBox(const TPlaneBox& box) { boxes_.push_back(box); }

  // Inside the bounds and clear of every obstacle and label placed.
  bool Free(const TPlaneBox& box) const;
  // The first free box of those offered, from then on avoided; none when no
  // box offered is free.
  std::optional<TPlaneBox> Take(const std::vector<TPlaneBox>& offered);

 private:
  struct TSegment {
    TPlanePoint A, B;
  };
  TPlaneBox bounds_;
  std::vector<std::vector<TPlanePoint>> polygons_;
  std::vector<TSegment> segments_;
  std::vector<TPlaneBox> boxes_;
};

}  // namespace tarvel
