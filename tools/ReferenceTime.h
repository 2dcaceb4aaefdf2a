// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#pragma once
// The accuracy tools' instants: a civil date and time in UT with the two-part
// Julian dates that ERFA takes. UT1 = UTC = that time; TT = UT + ΔT with ΔT
// from the Espenak & Meeus polynomials; TDB is taken as TT (1.7 ms at most).

#include <cstdint>
#include <string>

namespace tarvel::reference {

inline constexpr int kFirstYear = 1930;
inline constexpr int kDecades = 17;  // 1930s … 2090s

// ΔT = TT - UT in seconds at decimal year y, year + (month - 0.5) / 12:
// the Espenak & Meeus polynomials (timescales/DeltaTTrend.h).
double DeltaT(double y);

struct Instant {
  int year, month, day, hour, minute, second;
  double ut1a, ut1b;  // UT1 Julian date, split day + fraction
  double tta, ttb;    // TT Julian date
};

// The instant at a civil date and time, UT. Aborts on a date ERFA refuses.
Instant InstantAt(int year, int month, int day, int hour, int minute, int second);

// The instant whole seconds after 1930-01-01 00:00:00 UT.
Instant InstantFrom1930(std::int64_t seconds);

// Seconds from 1930-01-01 00:00:00 to 2100-01-01 00:00:00.
std::int64_t SecondsInRange();

// "YYYY-MM-DD hh:mm:ss".
std::string When(const Instant& i);

}  // namespace tarvel::reference
