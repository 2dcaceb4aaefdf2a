// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
// A catalogue star as eraAtciq does it, but to the true equator and equinox
// of date: space motion from J2000.0 and parallax seen from the Earth
// (eraPmpx, radial velocity zero), deflection by the Sun (eraLdsun),
// aberration (eraAb); then of date.

#include <erfam.h>

#include <cmath>

#include "bodies/HipparcosStars.h"
#include "bodies/Reduction.h"

namespace tarvel::bodies {

TBodyPlace StarPlace(std::int32_t number, const TFrame& frame) {
  const THipparcosStar& star = HipparcosStar(number);
  eraASTROM astrom = frame.Astrom;
  const double masToRadians = ERFA_DAS2R / 1000;
  const double dec = star.Dec * ERFA_DD2R;
  // μα cos δ / cos δ; no catalogue star is within a degree of a pole.
  const double pmRa = star.PmRa * masToRadians / std::cos(dec);
  double coordinate[3], natural[3], proper[3];
  eraPmpx(star.Ra * ERFA_DD2R, dec, pmRa, star.PmDec * masToRadians, star.Parallax / 1000, 0, astrom.pmt, astrom.eb,
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
