// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
// The place at the instant and at the instant with UT1 (a UTC clock) or TT
// (a clock taken as UT1) moved by the time scales' uncertainty; the angle
// between them by the haversine, which keeps small angles exact.

#include "bodies/PlaceTimeError.h"

#include <erfam.h>

#include <cmath>

#include "bodies/Reduction.h"

namespace tarvel {
namespace {

constexpr std::int32_t kMjdOf1960 = 36934;  // 1960-01-01, the first day of UTC

}  // namespace


TPlaceTimeError PlaceTimeError(TCelestialBody body, std::int32_t starNumber, const TShipTime& time,
                               const TTimeSettings& settings) {
  const TBodyPlace here = BodyPlace(body, starNumber, time, settings);  // checks the inputs
  TPlaceTimeError out{TimeScales(time, settings), 0};
  bodies::TInstant moved = bodies::InstantOf(time, settings);
  const double shift = static_cast<double>(out.Scales.TtMinusUt1Error) / 86400;
  if (out.Scales.Mjd >= kMjdOf1960) {  // a UTC clock
    moved.Ut1b += shift;
  } else {
    moved.Ttb += shift;
  }
  const TBodyPlace there = bodies::BodyPlaceAt(body, starNumber, moved);
  const double d1 = static_cast<double>(here.Dec) * ERFA_DD2R, d2 = static_cast<double>(there.Dec) * ERFA_DD2R;
  const double dh = static_cast<double>(there.Gha - here.Gha) * ERFA_DD2R;
  const double s1 = std::sin((d2 - d1) / 2), s2 = std::sin(dh / 2);
  const double h = s1 * s1 + std::cos(d1) * std::cos(d2) * s2 * s2;  // 0 … 1
  out.Arcsec = 2 * std::asin(std::sqrt(h < 0 ? 0 : (h > 1 ? 1 : h))) * ERFA_DR2AS;
  return out;
}

}  // namespace tarvel
