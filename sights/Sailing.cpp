// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#include "sights/Sailing.h"

#include <cmath>

#include "angles/Wrap.h"
#include "core/Arithmetic.h"
#include "ephemeris/CStars.h"
#include "sights/FixErrors.h"

namespace tarvel {

TPosition CarryPosition(TPosition from, Extended course, Extended speed, Extended hours) {
  Extended sinC, cosC;
  arith::SinCos(course * DegToRad, sinC, cosC);
  const Extended d = speed * hours;
  const Extended lat = from.Lat + d * cosC * OneSixtieth;
  if (!(std::fabs(lat) < 90)) throw EFixError(kFixPoleError);
  const Extended mid = (from.Lat + lat) * 0.5L;
  const Extended dLon = arith::Divide(d * sinC, 60 * arith::Cos(mid * DegToRad));
  return {lat, Wrap180(from.Lon + dLon)};
}

}  // namespace tarvel
