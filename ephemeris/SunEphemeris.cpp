// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
// The Sun and Greenwich sidereal time from a compact analytic theory: mean
// elements linear in time, a two-term equation of centre, two perturbation
// terms and a one-term nutation, all worked in degrees.
//
// Every step keeps the order and grouping of the operations below: the worked
// examples are reproduced to the last bit of the extended format. Divisions by
// the constants 12, 9, 60, 3600, 24 and 36525 are multiplications by their
// rounded reciprocals.

#include "core/Arithmetic.h"
#include "ephemeris/CStars.h"
#include "ephemeris/EnginePaths.h"

namespace tarvel {
namespace {

using arith::Cos;
using arith::Sin;
using arith::TruncWith;

Extended SinDeg(Extended degrees) { return Sin(degrees * DegToRad); }
Extended CosDeg(Extended degrees) { return Cos(degrees * DegToRad); }

// Sine and cosine of one angle in degrees, in one instruction.
struct SinCosDeg {
  explicit SinCosDeg(Extended degrees) { arith::SinCos(degrees * DegToRad, sin, cos); }
  Extended sin;
  Extended cos;
};

// Days from 1899 December 31, 12h UT to 0h UT of the date. Every fourth year
// is a leap year, which holds from 1 March 1900 to 28 February 2100; day 0 or
// one past the month's end runs on linearly.
template <class Cut>
Extended DayCount(Extended D, Extended M, Extended Y) {
  const Extended k1 = TruncWith<Cut>((M + 9) * (1.0L / 12));
  const Extended k2 = TruncWith<Cut>((Y + k1) * 7 * 0.25L);
  const Extended k3 = TruncWith<Cut>(M * 275 * (1.0L / 9));
  return (367 * Y - k2) + ((k3 + D) - 694006.5L);
}

// A value as its degrees-and-minutes pair.
template <class Cut>
void Split(Extended value, Extended& deg, Extended& min) {
  deg = TruncWith<Cut>(value);
  min = (value - deg) * 60;
}

}  // namespace

template <class Cut>
TSunData SunEphemerisWith(std::int32_t Z, Extended h, Extended m, Extended s, Extended D, Extended M, Extended Y) {
  TSunData r{};

  // Universal time; 24 exactly stays 24 and the month is never touched.
  Extended u = h - Z;
  if (u < 0) {
    u = u + 24;
    D = D - 1;
  }
  if (u > 24) {
    u = u - 24;
    D = D + 1;
  }

  const Extended N = DayCount<Cut>(D, M, Y);
  const Extended f = ((m * (1.0L / 60) + u) + s * (1.0L / 3600)) * (1.0L / 24);
  const Extended T = (N + f) * (1.0L / 36525);
  r.Centuries = T;

  // Nutation.
  const SinCosDeg omega(Reduce360With<Cut>(T * 1934 + 101));
  r.NutLon = -0.00479L * omega.sin;
  r.NutObl = 0.00256L * omega.cos;

  // Sidereal time; the product with T is shared with the mean longitude.
  const Extended meanMotion = 36000.76892L * T;
  r.GrAries = Reduce360With<Cut>((meanMotion + (360 * f + 99.6913L)) - 0.917L * r.NutLon);
  Split<Cut>(r.GrAries, r.GrAriesDeg, r.GrAriesMin);

  const Extended L = meanMotion + 279.6902L;
  r.SunMeanLon = L;

  const Extended g = Reduce360With<Cut>(35999.05L * T + 358.475L);  // mean anomaly
  const SinCosDeg anomaly(g);
  const Extended q = Reduce360With<Cut>(32964 * T + 222);
  const Extended C = anomaly.sin * (1.91945L - 0.00479L * T) + 0.02L * SinDeg(2 * g);
  const Extended p = Reduce360With<Cut>(445267 * T + 261);
  const Extended c = (0.002L * CosDeg(q + 91) + 0.00179L * CosDeg(p)) - r.NutLon;
  const Extended lambda = Reduce360With<Cut>((L + C) + c);              // apparent longitude
  const Extended epsilon = (23.45229L - 0.01301L * T) + r.NutObl;  // apparent obliquity
  const SinCosDeg lon(lambda);
  const SinCosDeg obl(epsilon);

  // Declination: the arcsine formed through the arctangent.
  const Extended x = obl.sin * lon.sin;
  const Extended delta = arith::Divide(arith::ArcTan(arith::Divide(x, arith::Sqrt(1 - x * x))), DegToRad);
  Split<Cut>(delta, r.SunDecDeg, r.SunDecMin);

  // Right ascension, in the quadrant of the longitude.
  Extended alpha;
  if (lambda == 90) {
    alpha = 90;
  } else if (lambda == 270) {
    alpha = 270;
  } else {
    alpha = arith::Divide(arith::ArcTan(arith::Divide(obl.cos * lon.sin, lon.cos)), DegToRad);
  }
  if (lambda > 90 && lambda < 270) alpha = alpha + 180;
  Extended alphaInRange = alpha;
  if (alphaInRange < 0) alphaInRange = alphaInRange + 360;
  if (alphaInRange > 360) alphaInRange = alphaInRange - 360;
  Split<Cut>(alphaInRange, r.SunRaDeg, r.SunRaMin);

  // Greenwich hour angle, from the right ascension before its range step.
  Extended G = r.GrAries - alpha;
  if (G < 0) G = G + 360;
  if (G > 360) G = G - 360;
  r.SunGha = G;
  Split<Cut>(G, r.SunGhaDeg, r.SunGhaMin);

  r.SemiDiameter = (0.00447L * anomaly.cos + 0.26696L) * 60;
  r.Years = T * 100 - 90.5L;
  return r;
}

template TSunData SunEphemerisWith<arith::PortableCut>(std::int32_t, Extended, Extended, Extended, Extended,
                                                       Extended, Extended);
template TSunData SunEphemerisWith<arith::FisttpCut>(std::int32_t, Extended, Extended, Extended, Extended,
                                                     Extended, Extended);
template TSunData SunEphemerisWith<arith::ChosenCut>(std::int32_t, Extended, Extended, Extended, Extended,
                                                     Extended, Extended);

// The build of this processor, written out here rather than called, so that
// the arguments are not copied once more on their way.
[[gnu::flatten]] TSunData SunEphemeris(std::int32_t Z, Extended h, Extended m, Extended s, Extended D, Extended M, Extended Y) {
  return SunEphemerisWith<arith::ChosenCut>(Z, h, m, s, D, M, Y);
}

}  // namespace tarvel
