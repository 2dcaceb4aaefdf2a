// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
// Mallama & Hilton (2018), equations 3 and 4 (Venus), 6 (Mars), 7 (Jupiter)
// and 10 (Saturn, globe and rings); the Moon after Allen's Astrophysical
// Quantities. 5 lg(r Δ) is the distance term of every one.

#include "bodies/Magnitude.h"

#include <cmath>

#include "core/Arithmetic.h"

namespace tarvel::bodies {
namespace {

constexpr double kDegree = 0.017453292519943295;

double DistanceTerm(double r, double delta) {
  const double product = r * delta;
  if (!(product > 0)) throw EInvalidOp();
  return 5 * std::log10(product);
}

}  // namespace

double PlanetMagnitude(TCelestialBody planet, double r, double delta, double i, double sunLatitude,
                       double earthLatitude) {
  const double distance = DistanceTerm(r, delta);
  switch (planet) {
    case TCelestialBody::Venus:
      if (i < 163.7)
        return -4.384 + distance + i * (-1.044e-3 + i * (3.687e-4 + i * (-2.814e-6 + i * 8.938e-9)));
      return 236.05828 + distance + i * (-2.81914 + i * 8.39034e-3);
    case TCelestialBody::Mars:
      if (i <= 50) return -1.601 + distance + i * (2.267e-2 - i * 1.302e-4);
      return -0.367 + distance + i * (-0.02573 + i * 3.445e-4);
    case TCelestialBody::Jupiter:
      return -9.395 + distance + i * (-3.7e-4 + i * 6.16e-4);
    case TCelestialBody::Saturn: {
      // The rings' effective tilt: the geometric mean of the two latitudes
      // when the Sun and the Earth are on the same side of the rings; the
      // unlit side adds nothing.
      const double product = sunLatitude * earthLatitude;
      const double tilt = product > 0 ? std::sqrt(product) : 0;
      const double s = std::sin(tilt * kDegree);
      return -8.914 + distance - 1.825 * s + 0.026 * i - 0.378 * s * std::exp(-2.25 * i);
    }
    default:
      throw EBodyError(kBodyError);
  }
}

double MoonMagnitude(double r, double delta, double i) {
  return 0.23 + DistanceTerm(r, delta) + 0.026 * std::fabs(i) + 4e-9 * i * i * i * i;
}

double IlluminatedFraction(double i) { return (1 + std::cos(i * kDegree)) / 2; }

}  // namespace tarvel::bodies
