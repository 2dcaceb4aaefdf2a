// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#include "reports/Reckoning.h"

#include <cmath>

#include "core/Arithmetic.h"
#include "ephemeris/CStars.h"
#include "shiptime/ShipTime.h"

namespace tarvel {
namespace {

// The direction of (east, north) from north through east, degrees 0 … 360.
Extended Direction(Extended east, Extended north) {
  Extended degrees;
  if (north != 0) {
    degrees = arith::Divide(arith::ArcTan(arith::Divide(east, north)), DegToRad);
    if (north < 0) degrees += 180;
  } else {
    degrees = east > 0 ? 90 : 270;
  }
  if (degrees < 0) degrees += 360;
  if (degrees >= 360) degrees -= 360;
  return degrees;
}

}  // namespace

std::int64_t SightSeconds(const TSight& s) {
  return UniversalSeconds(s.Time);
}

std::int64_t ReckoningSeconds(const TDeadReckoning& dr) {
  return UniversalSeconds(dr.Time);
}

TPosition ReckoningAt(const TDeadReckoning& dr, std::int64_t seconds) {
  const Extended hours = static_cast<Extended>(seconds - ReckoningSeconds(dr)) / 3600;
  return CarryPosition({dr.Lat, dr.Lon}, dr.Course, dr.Speed, hours);
}

TRhumb RhumbLine(const TPosition& from, const TPosition& to) {
  const Extended north = (to.Lat - from.Lat) * 60;
  const Extended east = NormalLongitude(to.Lon - from.Lon) * 60 * arith::Cos((from.Lat + to.Lat) / 2 * DegToRad);
  TRhumb rhumb;
  rhumb.Distance = arith::Sqrt(north * north + east * east);
  if (rhumb.Distance == 0) return rhumb;
  rhumb.Bearing = Direction(east, north);
  return rhumb;
}

}  // namespace tarvel
