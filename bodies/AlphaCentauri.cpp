// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#include "bodies/AlphaCentauri.h"

#include <cmath>

#include "core/Arithmetic.h"
#include "core/Trig.h"

namespace tarvel::bodies {
namespace {

// Pourbaix & Boffin (2016), see the header.
constexpr Extended kPeriod = 79.91L;        // years
constexpr Extended kPeriastron = 1955.66L;  // epoch T, years
constexpr Extended kEccentricity = 0.524L;
constexpr Extended kSemiMajor = 17.66L;      // arcseconds
constexpr Extended kInclination = 79.32L;    // degrees
constexpr Extended kNode = 204.85L;          // Ω, degrees
constexpr Extended kPeriastronArg = 232.3L;  // ω, degrees
constexpr Extended kMassA = 1.133L, kMassB = 0.972L;
// L_B / L_A = 10^(−0.4 × 1.3), Δm = 1.3 the V of B less the V of A; a
// constant, as powl is the x87 unit's on some systems.
constexpr Extended kLightRatio = 0.301995172040201619863L;

constexpr Extended kPi = 3.141592653589793238462643383279502884L;
constexpr Extended kDegree = kPi / 180;

}  // namespace

TAlphaCentauriPair AlphaCentauriPair(Extended JulianEpoch) {
  const Extended e = kEccentricity;
  // Mean anomaly reduced to −π … π, then E by Newton's method from E = M
  // (1 − e cos E ≥ 1 − e: the step never divides by less than 0.476).
  Extended turns = arith::Divide(JulianEpoch - kPeriastron, kPeriod);
  turns -= std::floor(turns + 0.5L);
  const Extended m = 2 * kPi * turns;
  Extended anomaly = m;
  for (int k = 0; k < 30; ++k) {
    const Extended step =
        arith::Divide(anomaly - e * trig::Sin(anomaly) - m, 1 - e * trig::Cos(anomaly));
    anomaly -= step;
    if (std::fabs(step) < 1e-17L) break;
  }
  const Extended half = anomaly / 2;
  const Extended nu = 2 * trig::ArcTan2(arith::Sqrt(1 + e) * trig::Sin(half), arith::Sqrt(1 - e) * trig::Cos(half));
  const Extended r = kSemiMajor * (1 - e * trig::Cos(anomaly));

  const Extended u = nu + kPeriastronArg * kDegree;
  const Extended node = kNode * kDegree, cosI = trig::Cos(kInclination * kDegree);
  const Extended cosU = trig::Cos(u), sinU = trig::Sin(u);
  const Extended cosNode = trig::Cos(node), sinNode = trig::Sin(node);
  const Extended north = r * (cosU * cosNode - sinU * sinNode * cosI);
  const Extended east = r * (cosU * sinNode + sinU * cosNode * cosI);

  TAlphaCentauriPair pair{};
  pair.Separation = arith::Sqrt(north * north + east * east);
  Extended angle = trig::ArcTan2(east, north) / kDegree;
  if (angle < 0) angle += 360;
  pair.PositionAngle = angle;

  const Extended massFraction = arith::Divide(kMassB, kMassA + kMassB);
  const Extended lightFraction = arith::Divide(kLightRatio, 1 + kLightRatio);
  pair.LightNorth = (lightFraction - massFraction) * north;
  pair.LightEast = (lightFraction - massFraction) * east;
  return pair;
}

}  // namespace tarvel::bodies
