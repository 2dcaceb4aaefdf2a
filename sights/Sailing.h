// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#pragma once
// The ship's motion between two instants: a rhumb line at a true course and
// speed, worked by mid-latitude sailing.
//
// Over t hours the ship runs d = Speed × t nautical miles (t < 0 carries a
// position back); Δφ = d cos Course / 60 and Δλ = d sin Course / (60 cos φm)
// in degrees, φm the mean of the two latitudes. Positions in degrees, north
// and east positive; the longitude comes back in −180 … 180.
//
// Errors: a latitude carried to a pole or beyond raises EFixError
// (kFixPoleError); arithmetic faults pass through.

#include "core/Extended.h"

namespace tarvel {

struct TPosition {
  Extended Lat, Lon;
};

TPosition CarryPosition(TPosition from, Extended course, Extended speed, Extended hours);

}  // namespace tarvel
