// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
// The Sun, the Moon and the planets: the astrometric place of the Swiss
// Ephemeris, deflected by the Sun (eraLd; not for the Sun itself) and
// aberrated (eraAb), then of date. The body's heliocentric position is the
// astrometric geocentric vector plus the Earth's heliocentric one: the body
// at the time the light left it, as the phase angle and r want it.
//
// Saturn's pole (for the rings' tilt): IAU WGCCRE 2009, α0 = 40.589° −
// 0.036° T, δ0 = 83.537° − 0.004° T, T in Julian centuries from J2000.

#include <erfam.h>
#include <swephexp.h>

#include <cmath>

#include "bodies/Magnitude.h"
#include "bodies/Reduction.h"
#include "core/Arithmetic.h"

namespace tarvel::bodies {
namespace {

constexpr double kAuKm = 149597870.7;
constexpr double kEarthRadiusKm = 6378.1366;  // IERS 2003
constexpr double kMoonK = 0.2724;             // the Moon's SD / HP
constexpr double kDeflectionLimit = 1e-9;     // eraLd's dlim

struct TBodyData {
  int Planet;       // Swiss Ephemeris number
  double RadiusKm;  // equatorial radius; 0 for the Moon (SD from HP)
};

TBodyData DataOf(TCelestialBody body) {
  switch (body) {
    case TCelestialBody::Sun:
      return {SE_SUN, 696000};
    case TCelestialBody::Moon:
      return {SE_MOON, 0};
    case TCelestialBody::Venus:
      return {SE_VENUS, 6051.8};
    case TCelestialBody::Mars:
      return {SE_MARS, 3396.19};
    case TCelestialBody::Jupiter:
      return {SE_JUPITER, 71492};
    case TCelestialBody::Saturn:
      return {SE_SATURN, 60268};
    default:
      throw EBodyError(kBodyError);
  }
}

// Angle between two vectors, degrees.
double AngleBetween(double a[3], double b[3]) { return eraSepp(a, b) * ERFA_DR2D; }

// asin(x) in minutes of arc, x a ratio of distances in 0 … 1.
double ArcMinutes(double x) {
  if (!(x >= 0 && x <= 1)) throw EInvalidOp();
  return std::asin(x) * ERFA_DR2D * 60;
}

// The saturnicentric latitude, degrees, of the direction from Saturn
// `toward` over the ring plane whose pole is `pole`.
double LatitudeOver(double pole[3], double toward[3]) {
  double unit[3], length = 0;
  eraPn(toward, &length, unit);
  return std::asin(eraPdp(pole, unit)) * ERFA_DR2D;
}

}  // namespace

TBodyPlace SolarSystemPlace(TCelestialBody body, const TFrame& frame) {
  const TBodyData data = DataOf(body);
  eraASTROM astrom = frame.Astrom;
  const double tt = frame.When.Tta + frame.When.Ttb;

  double geocentric[3], geometric = 0;
  SwissEphemerisPlace(data.Planet, tt, geocentric, geometric);
  double delta = 0, unit[3];
  eraPn(geocentric, &delta, unit);
  if (!(delta > 0 && geometric > 0)) throw EInvalidOp();

  // The heliocentric vector and the phase angle at the body.
  double heliocentric[3], earthHelio[3];
  eraSxp(astrom.em, astrom.eh, earthHelio);
  eraPpp(geocentric, earthHelio, heliocentric);
  const double r = eraPm(heliocentric);
  double toSun[3], toEarth[3];
  eraSxp(-1, heliocentric, toSun);
  eraSxp(-1, geocentric, toEarth);
  const double phase = body == TCelestialBody::Sun ? 0 : AngleBetween(toSun, toEarth);

  double deflected[3];
  if (body == TCelestialBody::Sun) {
    eraCp(unit, deflected);
  } else {
    double q[3], qLength = 0;
    eraPn(heliocentric, &qLength, q);
    eraLd(1.0, unit, q, astrom.eh, astrom.em, kDeflectionLimit, deflected);
  }
  double proper[3];
  eraAb(deflected, astrom.v, astrom.em, astrom.bm1, proper);

  TBodyPlace place{};
  double gha = 0, dec = 0;
  HourAngleAndDeclination(frame, proper, gha, dec);
  place.Gha = gha;
  place.Dec = dec;
  const double distanceKm = geometric * kAuKm;
  place.HorizontalParallax = ArcMinutes(kEarthRadiusKm / distanceKm);
  place.SemiDiameter = body == TCelestialBody::Moon ? kMoonK * place.HorizontalParallax
                                                      : ArcMinutes(data.RadiusKm / distanceKm);
  place.Illuminated = body == TCelestialBody::Sun ? 1 : IlluminatedFraction(phase);
  switch (body) {
    case TCelestialBody::Sun:
      place.Magnitude = -26.74 + 5 * std::log10(delta);
      break;
    case TCelestialBody::Moon:
      place.Magnitude = MoonMagnitude(r, delta, phase);
      break;
    case TCelestialBody::Saturn: {
      const double t = ((frame.When.Tta - ERFA_DJ00) + frame.When.Ttb) / ERFA_DJC;
      double pole[3];
      eraS2c((40.589 - 0.036 * t) * ERFA_DD2R, (83.537 - 0.004 * t) * ERFA_DD2R, pole);
      place.Magnitude = PlanetMagnitude(body, r, delta, phase, LatitudeOver(pole, toSun), LatitudeOver(pole, toEarth));
      break;
    }
    default:
      place.Magnitude = PlanetMagnitude(body, r, delta, phase);
  }
  return place;
}

}  // namespace tarvel::bodies
