// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#include "sights/Sailing.h"

#include <cmath>

#include "angles/Wrap.h"
#include "core/Arithmetic.h"
#include "core/Trig.h"
#include "ephemeris/CStars.h"
#include "sights/FixErrors.h"

namespace tarvel {
namespace {

constexpr Extended kEastWest = 1e-12L;  // |Δφ| in radians below which the course is taken as east or west

// Meridional parts, radians; |φ| < 90°.
Extended MeridionalParts(Extended latRadians) { return std::atanh(trig::Sin(latRadians)); }

// Δφ / Δψ: the cosine of the latitude along an east–west course.
Extended DepartureFactor(Extended lat1, Extended lat2) {
  const Extended dPhi = lat2 - lat1;
  if (std::fabs(dPhi) < kEastWest) return trig::Cos((lat1 + lat2) * 0.5L);
  return arith::Divide(dPhi, MeridionalParts(lat2) - MeridionalParts(lat1));
}

}  // namespace

TPosition CarryPosition(TPosition from, Extended course, Extended speed, Extended hours) {
  Extended sinC, cosC;
  trig::SinCos(course * DegToRad, sinC, cosC);
  const Extended d = speed * hours;
  const Extended lat = from.Lat + d * cosC * OneSixtieth;
  if (!(std::fabs(lat) < 90)) throw EFixError(kFixPoleError);
  const Extended q = DepartureFactor(from.Lat * DegToRad, lat * DegToRad);
  const Extended dLon = arith::Divide(d * sinC, 60 * q);
  return {lat, Wrap180(from.Lon + dLon)};
}

TCourseDistance RhumbCourseDistance(TPosition from, TPosition to) {
  if (!(std::fabs(from.Lat) < 90 && std::fabs(to.Lat) < 90)) throw EFixError(kFixPoleError);
  const Extended north = (to.Lat - from.Lat) * 60;
  const Extended east = Wrap180(to.Lon - from.Lon) * 60 * DepartureFactor(from.Lat * DegToRad, to.Lat * DegToRad);
  return {Bearing(north, east), arith::Sqrt(north * north + east * east)};
}

}  // namespace tarvel
