// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#include "ReferenceTime.h"

#include <erfa.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "timescales/DeltaTTrend.h"

namespace tarvel::reference {

// The polynomials the main window's accuracy has always been measured with
// (timescales/DeltaTTrend.h); the navigation window's own time scales are
// TimeScales'.
double DeltaT(double y) { return static_cast<double>(tarvel::DeltaTTrend(y)); }

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
