// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
// Altitude and azimuth: the navigational triangle solved with the sine
// formula for the altitude and the cosine formula for the azimuth.
//
// Inputs in degrees: declination Dec and latitude Lat north positive,
// Greenwich hour angle Gha, longitude Lon east positive. Altitude as whole
// degrees and minutes of arc, azimuth in degrees from north through east.
//
// Each step keeps its order and grouping of operations, and both inverse
// functions are one-argument arctangents of a quotient, so that equal inputs
// give the same bits wherever the routine is built.

#include "core/Arithmetic.h"
#include "ephemeris/CStars.h"
#include "ephemeris/EnginePaths.h"

namespace tarvel {

using arith::ArcTan;
using arith::Divide;
using arith::SinCos;
using arith::Sqrt;

// The angle from north, 0 … 180°, whose cosine is c, as the arctangent of
// sin/cos with the quadrant taken from the sign of c.
Extended AzimuthAngle(Extended c) {
  // Due east or west: the quotient has no value, the angle is a right angle.
  if (c == 0) return 90;
  const Extended s2 = 1 - c * c;
  // On the meridian rounding can put |c| a hair above 1; the body is then due
  // north or south and the angle takes its limiting value.
  if (s2 < 0) return c > 0 ? 0 : 180;
  Extended A = ArcTan(Divide(Sqrt(s2), c)) / DegToRad;
  if (c < 0) A = A + 180;
  return A;
}

Extended AltitudeOfSine(Extended x) { return ArcTan(Divide(x, Sqrt(1 - x * x))); }

namespace {

template <class Cut>
THorizonData HorizonFrom(Extended Dec, Extended Gha, const TObserver& place) {
  const Extended sinLat = place.SinLat;
  const Extended cosLat = place.CosLat;
  // Local hour angle, westward; left unreduced, only sin t and cos t are used.
  const Extended t = (Gha + place.Lon) * DegToRad;
  Extended sinT, cosT, sinDec, cosDec;
  SinCos(t, sinT, cosT);
  SinCos(Dec * DegToRad, sinDec, cosDec);

  // Altitude as the arcsine of x. At the zenith or nadir (|x| = 1, or a hair
  // beyond by rounding) the azimuth has no meaning and the errors stand.
  const Extended x = sinLat * sinDec + cosT * (cosLat * cosDec);
  const Extended h = AltitudeOfSine(x);

  Extended sinH, cosH;
  SinCos(h, sinH, cosH);
  const Extended c = Divide(sinDec - sinH * sinLat, cosH * cosLat);
  const Extended A = AzimuthAngle(c);

  THorizonData r{};
  // West of the meridian the azimuth is counted on past south; with sin t = 0
  // it stays A, so due north on the meridian reads 0, not 360.
  r.Azimuth = sinT > 0 ? 360 - A : A;

  const Extended H = h / DegToRad;
  r.AltDeg = arith::TruncWith<Cut>(H);
  r.AltMin = (H - r.AltDeg) * 60;
  return r;
}

}  // namespace

TObserver Observer(Extended Lat, Extended Lon) {
  TObserver place{Lat, Lon, 0, 0};
  SinCos(Lat * DegToRad, place.SinLat, place.CosLat);
  return place;
}

template <class Cut>
THorizonData HorizonCoordsWith(Extended Dec, Extended Lat, Extended Gha, Extended Lon) {
  return HorizonFrom<Cut>(Dec, Gha, Observer(Lat, Lon));
}

template THorizonData HorizonCoordsWith<arith::PortableCut>(Extended, Extended, Extended, Extended);
template THorizonData HorizonCoordsWith<arith::FisttpCut>(Extended, Extended, Extended, Extended);
template THorizonData HorizonCoordsWith<arith::ChosenCut>(Extended, Extended, Extended, Extended);

// The build of this processor, written out here rather than called, so that
// the arguments are not copied once more on their way.
[[gnu::flatten]] THorizonData HorizonCoords(Extended Dec, Extended Lat, Extended Gha, Extended Lon) {
  return HorizonCoordsWith<arith::ChosenCut>(Dec, Lat, Gha, Lon);
}

[[gnu::flatten]] THorizonData HorizonCoordsFrom(Extended Dec, Extended Gha, const TObserver& place) {
  return HorizonFrom<arith::ChosenCut>(Dec, Gha, place);
}

}  // namespace tarvel
