// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
// The Swiss Ephemeris behind one lock: it keeps its files, its path and its
// caches in global state. The files are those of swe-basic-data
// (TARVEL_SWE_EPHE_PATH, /usr/share/libswe/ephe); a date whose file is
// missing would silently be computed by the analytical Moshier theory, so the
// flags that swe_calc returns are checked and anything but the files raises
// EBodyError.

#include <swephexp.h>

#include <mutex>

#include "bodies/Reduction.h"

namespace tarvel::bodies {
namespace {

std::mutex& Lock() {
  static std::mutex lock;
  return lock;
}

// The ICRS, J2000 axes, rectangular, equatorial; from the files only.
constexpr int kFlags = SEFLG_SWIEPH | SEFLG_J2000 | SEFLG_ICRS | SEFLG_EQUATORIAL | SEFLG_XYZ;

void Calc(int planet, double tt, int flags, double (&x)[6]) {
  char error[AS_MAXCH] = {};
  const int used = swe_calc(tt, planet, flags, x, error);
  if (used < 0 || (used & SEFLG_SWIEPH) == 0) throw EBodyError(kBodyEphemerisError);
}

}  // namespace

void SwissEphemerisPlace(int planet, double tt, double astrometric[3], double& geometricDistance) {
  const std::lock_guard<std::mutex> guard(Lock());
  static bool pathSet = false;
  if (!pathSet) {
    static char path[] = TARVEL_SWE_EPHE_PATH;
    swe_set_ephe_path(path);
    pathSet = true;
  }
  double x[6];
  Calc(planet, tt, kFlags | SEFLG_NOABERR | SEFLG_NOGDEFL, x);
  for (int k = 0; k < 3; ++k) astrometric[k] = x[k];
  Calc(planet, tt, kFlags | SEFLG_TRUEPOS, x);
  geometricDistance = eraPm(x);
}

}  // namespace tarvel::bodies
