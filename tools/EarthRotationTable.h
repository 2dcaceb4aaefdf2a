// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#pragma once
// The text of timescales/EarthRotation.inc: the Earth's measured rotation
// that the time scales read.
//
// - UT1 − TAI at 0h UTC of every day of the IERS EOP 14 C04 series (the file
//   eopc04_IAU2000.62-now that Debian's python3-astropy ships), from its
//   column UT1−UTC less TAI − UTC of ERFA's eraDat at that instant, in units
//   of 0.1 ms; UT1 − TAI has no leap-second steps, so it interpolates.
// - The series' largest UT1 − UTC error of each calendar year, µs.
// - ΔT at 1 January of 1930 … 1961: the Astronomical Almanac's measured
//   annual values (to 0.01 s, as the Almanac tabulates them) as the Swiss
//   Ephemeris (Debian's libswe) carries them in its table; beside each, how
//   far the spline of F. R. Stephenson, L. V. Morrison and C. Y. Hohenkerk,
//   Proc. R. Soc. A 472 (2016) 20160404, which the Swiss Ephemeris also
//   carries, stands from it (at least 0.05 s): the values' uncertainty.
//
// Throws std::runtime_error when the series cannot be read.

#include <string>

namespace tarvel::reference {

// The series as python3-astropy ships it.
inline constexpr const char* kEopC04 = "/usr/lib/python3/dist-packages/astropy/utils/iers/data/eopc04_IAU2000.62-now";

std::string EarthRotationText(const std::string& eopC04);

}  // namespace tarvel::reference
