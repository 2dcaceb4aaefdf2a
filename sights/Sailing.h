// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#pragma once
// The ship's motion between two instants: a rhumb line at a true course and
// speed, worked by Mercator sailing, exact for any distance.
//
// Over t hours the ship runs d = Speed × t nautical miles (t < 0 carries a
// position back); Δφ = d cos C / 60 in degrees, and Δλ = tan C · Δψ (radians)
// with the meridional parts ψ(φ) = artanh(sin φ) on the sphere. On a course
// within a hair of east or west (|Δφ| under 10⁻¹² rad) Δψ / Δφ is 1 / cos φ,
// and Δλ = d sin C / (60 cos φ). Positions in degrees, north and east
// positive; the longitude comes back in −180 … 180 (angles/Wrap.h).
//
// RhumbCourseDistance is the inverse: the course (0 … 360, 0 for no
// distance) and the distance in nautical miles of the rhumb line from one
// position to another, the shorter way round in longitude.
//
// Errors: a latitude carried to a pole or beyond raises EFixError
// (kFixPoleError), and so does an end of the inverse on a pole; arithmetic
// faults pass through.

#include "core/Extended.h"

namespace tarvel {

struct TPosition {
  Extended Lat, Lon;
};

TPosition CarryPosition(TPosition from, Extended course, Extended speed, Extended hours);

struct TCourseDistance {
  Extended Course;    // degrees, 0 … 360
  Extended Distance;  // nautical miles
};

TCourseDistance RhumbCourseDistance(TPosition from, TPosition to);

}  // namespace tarvel
