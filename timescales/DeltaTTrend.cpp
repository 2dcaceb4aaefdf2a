// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
// ΔT = TT − UT in seconds at a decimal year y, as the polynomials give it.
//
// F. Espenak and J. Meeus, "Polynomial Expressions for Delta T", NASA Five
// Millennium Canon of Solar Eclipses: −1999 to +3000 (NASA/TP-2006-214141),
// the pieces 1920–1941, 1941–1961, 1961–1986, 1986–2005, 2005–2050 and
// 2050–2150. Outside 1920 … 2150 the nearest piece is extended: the program
// asks only for the years after the measured series, up to 2099.
//
// Uncertainty: a fraction of a second before 2005; the extrapolation after
// it (2005–2050 fitted to the observations of 2005 and to the long-term
// trend) stands about 5 s above the measured ΔT of the 2020s and its error
// grows to tens of seconds by 2100.

#include "timescales/DeltaTTrend.h"

namespace tarvel {

Extended DeltaTTrend(Extended y) {
  if (y < 1941) {
    const Extended t = y - 1920;
    return 21.20L + 0.84493L * t - 0.076100L * t * t + 0.0020936L * t * t * t;
  }
  if (y < 1961) {
    const Extended t = y - 1950;
    return 29.07L + 0.407L * t - t * t / 233 + t * t * t / 2547;
  }
  if (y < 1986) {
    const Extended t = y - 1975;
    return 45.45L + 1.067L * t - t * t / 260 - t * t * t / 718;
  }
  if (y < 2005) {
    const Extended t = y - 2000;
    return 63.86L + 0.3345L * t - 0.060374L * t * t + 0.0017275L * t * t * t + 0.000651814L * t * t * t * t +
           0.00002373599L * t * t * t * t * t;
  }
  if (y < 2050) {
    const Extended t = y - 2000;
    return 62.92L + 0.32217L * t + 0.005589L * t * t;
  }
  const Extended u = (y - 1820) / 100;
  return -20 + 32 * u * u - 0.5628L * (2150 - y);
}

}  // namespace tarvel
