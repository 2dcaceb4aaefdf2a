// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#include "ReferenceTime.h"

#include <erfa.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace tarvel::reference {

// F. Espenak and J. Meeus, "Polynomial Expressions for Delta T", NASA Five
// Millennium Canon of Solar Eclipses (NASA/TP-2006-214141),
// eclipse.gsfc.nasa.gov/SEhelp/deltatpoly2004.html.
double DeltaT(double y) {
  if (y < 1941) {
    const double t = y - 1920;
    return 21.20 + 0.84493 * t - 0.076100 * t * t + 0.0020936 * t * t * t;
  }
  if (y < 1961) {
    const double t = y - 1950;
    return 29.07 + 0.407 * t - t * t / 233 + t * t * t / 2547;
  }
  if (y < 1986) {
    const double t = y - 1975;
    return 45.45 + 1.067 * t - t * t / 260 - t * t * t / 718;
  }
  if (y < 2005) {
    const double t = y - 2000;
    return 63.86 + 0.3345 * t - 0.060374 * t * t + 0.0017275 * t * t * t +
           0.000651814 * t * t * t * t + 0.00002373599 * t * t * t * t * t;
  }
  if (y < 2050) {
    const double t = y - 2000;
    return 62.92 + 0.32217 * t + 0.005589 * t * t;
  }
  const double u = (y - 1820) / 100;
  return -20 + 32 * u * u - 0.5628 * (2150 - y);
}

Instant InstantAt(int year, int month, int day, int hour, int minute, int second) {
  Instant i{year, month, day, hour, minute, second, 0, 0, 0, 0};
  double djm0 = 0, djm = 0;
  if (eraCal2jd(year, month, day, &djm0, &djm) != 0) std::abort();
  i.ut1a = djm0 + djm;  // 0h of the date
  i.ut1b = (hour * 3600 + minute * 60 + second) / 86400.0;
  i.tta = i.ut1a;
  i.ttb = i.ut1b + DeltaT(year + (month - 0.5) / 12) / 86400;
  return i;
}

Instant InstantFrom1930(std::int64_t seconds) {
  using namespace std::chrono;
  const int secondOfDay = static_cast<int>(seconds % 86400);
  const year_month_day ymd{sys_days{year{kFirstYear} / January / 1} + days{seconds / 86400}};
  return InstantAt(static_cast<int>(ymd.year()), static_cast<int>(static_cast<unsigned>(ymd.month())),
                   static_cast<int>(static_cast<unsigned>(ymd.day())), secondOfDay / 3600,
                   secondOfDay / 60 % 60, secondOfDay % 60);
}

std::int64_t SecondsInRange() {
  using namespace std::chrono;
  return (sys_days{year{2100} / January / 1} - sys_days{year{kFirstYear} / January / 1}).count() * 86400LL;
}

std::string When(const Instant& i) {
  char text[32];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", i.year, i.month, i.day, i.hour,
                i.minute, i.second);
  return text;
}

}  // namespace tarvel::reference
