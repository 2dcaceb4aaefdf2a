// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#include "ephemeris/StarPlaceError.h"

#include "core/Arithmetic.h"
#include "ephemeris/CStars.h"
#include "ephemeris/Stars.h"

namespace tarvel {
namespace {

// General precession in longitude, degrees a year.
constexpr Extended kPrecession = 20.043L / 3600;

}  // namespace

Extended StarPlaceError(std::int32_t StarNumber, Extended Years) {
  const TStar& star = StarTable(StarNumber);
  Extended sinA, cosA, sinD, cosD;
  arith::SinCos(star.Alpha * DegToRad, sinA, cosA);
  arith::SinCos(star.Delta * DegToRad, sinD, cosD);
  const Extended tanD = arith::Divide(sinD, cosD);
  const Extended sec2D = arith::Divide(1, cosD * cosD);
  const Extended alphaRate = star.AlphaRate * DegToRad;
  const Extended deltaRate = star.DeltaRate * DegToRad;

  const Extended alphaAccel = kPrecession * (cosA * tanD * alphaRate + sinA * sec2D * deltaRate);
  const Extended deltaAccel = -kPrecession * sinA * alphaRate;
  const Extended east = alphaAccel * cosD;
  return 0.5L * Years * Years * arith::Sqrt(east * east + deltaAccel * deltaAccel) * 60;
}

}  // namespace tarvel
