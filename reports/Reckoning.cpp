// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#include "reports/Reckoning.h"

#include <cmath>

#include "angles/Wrap.h"
#include "core/Arithmetic.h"
#include "ephemeris/CStars.h"
#include "shiptime/ShipTime.h"

namespace tarvel {
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
  const Extended east = Wrap180(to.Lon - from.Lon) * 60 * arith::Cos((from.Lat + to.Lat) / 2 * DegToRad);
  TRhumb rhumb;
  rhumb.Distance = arith::Sqrt(north * north + east * east);
  if (rhumb.Distance == 0) return rhumb;
  rhumb.Bearing = Bearing(north, east);
  return rhumb;
}

}  // namespace tarvel
