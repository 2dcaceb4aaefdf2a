// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
// A catalogue star as eraAtciq does it, but to the true equator and equinox
// of date: space motion from J2000.0 and parallax seen from the Earth
// (eraPmpx, radial velocity zero), deflection by the Sun (eraLdsun),
// aberration (eraAb); then of date. α Centauri (star 102): the table's
// centre of mass moved to the pair's light centre at the date
// (bodies/AlphaCentauri.h), the offset laid on the J2000.0 place before
// the space motion (which turns it by less than 0.02″ in a century).

#include <erfam.h>

#include <cmath>

#include "bodies/AlphaCentauri.h"
#include "bodies/HipparcosStars.h"
#include "bodies/Reduction.h"
#include "core/Arithmetic.h"

namespace tarvel::bodies {
namespace {

constexpr std::int32_t kAlphaCentauri = 102;

}  // namespace

TBodyPlace StarPlace(std::int32_t number, const TFrame& frame) {
  const THipparcosStar& star = HipparcosStar(number);
  eraASTROM astrom = frame.Astrom;
  const double masToRadians = ERFA_DAS2R / 1000;
  double raDegrees = star.Ra, decDegrees = star.Dec;
  if (number == kAlphaCentauri) {
    // The orbit's epoch: astrom.pmt is the time from J2000.0 in Julian years.
    const TAlphaCentauriPair pair = AlphaCentauriPair(2000 + static_cast<Extended>(astrom.pmt));
    MoveToLightCentre(pair, raDegrees, decDegrees);
  }
  const double dec = decDegrees * ERFA_DD2R;
  // μα cos δ / cos δ; no catalogue star is within a degree of a pole.
  const double pmRa = static_cast<double>(arith::Divide(star.PmRa * masToRadians, std::cos(dec)));
  double coordinate[3], natural[3], proper[3];
  eraPmpx(raDegrees * ERFA_DD2R, dec, pmRa, star.PmDec * masToRadians, star.Parallax / 1000, 0, astrom.pmt, astrom.eb,
          coordinate);
  eraLdsun(coordinate, astrom.eh, astrom.em, natural);
  eraAb(natural, astrom.v, astrom.em, astrom.bm1, proper);

  TBodyPlace place{};
  double gha = 0, d = 0;
  HourAngleAndDeclination(frame, proper, gha, d);
  place.Gha = gha;
  place.Dec = d;
  place.Magnitude = star.Magnitude;
  place.Illuminated = 1;
  return place;
}

}  // namespace tarvel::bodies
