// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
// The instant and what the places at it share.
//
// UT1 and TT of the ship's instant from TimeScales, as two-part Julian dates
// whose first part is 0h UTC of the date. eraApcg13 gives the Earth's barycentric and
// heliocentric position and velocity (eraEpv00) for deflection and
// aberration; eraPnm06a the matrix GCRS → true equator and equinox of date;
// eraGst06 with that matrix is eraGst06a without computing the nutation twice.

#include <erfam.h>

#include <cmath>

#include "bodies/Reduction.h"

namespace tarvel::bodies {

TInstant InstantOf(const TShipTime& time, const TTimeSettings& settings) {
  const TTimeScales scales = TimeScales(time, settings);
  TInstant when{};
  when.Ut1a = 2400000.5 + static_cast<double>(scales.Mjd);
  when.Ut1b = static_cast<double>((scales.UtcSeconds + scales.Ut1MinusUtc) / 86400);
  when.Tta = when.Ut1a;
  when.Ttb = static_cast<double>((scales.UtcSeconds + scales.Ut1MinusUtc + scales.TtMinusUt1) / 86400);
  return when;
}

TFrame FrameAt(const TInstant& when) {
  TFrame frame{};
  frame.When = when;
  eraApcg13(when.Tta, when.Ttb, &frame.Astrom);
  eraPnm06a(when.Tta, when.Ttb, frame.Rnpb);
  frame.Gast = eraGst06(when.Ut1a, when.Ut1b, when.Tta, when.Ttb, frame.Rnpb);
  return frame;
}

void HourAngleAndDeclination(const TFrame& frame, const double direction[3], double& gha, double& dec) {
  double ofDate[3];
  for (int i = 0; i < 3; ++i)
    ofDate[i] = frame.Rnpb[i][0] * direction[0] + frame.Rnpb[i][1] * direction[1] + frame.Rnpb[i][2] * direction[2];
  double ra = 0, d = 0;
  eraC2s(ofDate, &ra, &d);
  gha = eraAnp(frame.Gast - ra) * ERFA_DR2D;
  dec = d * ERFA_DR2D;
}

}  // namespace tarvel::bodies
