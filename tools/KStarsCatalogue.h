// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#pragma once
// Reference star places for the star accuracy tool: the Hipparcos/Tycho
// catalogue as Debian's kstars-data ships it (/usr/share/kstars/stars.dat).
// Each line, by column: right ascension hhmmss.ss and declination
// ±ddmmss.s, ICRS at the epoch J2000.0; proper motions in mas a year, the
// right ascension's multiplied by cos δ; parallax in mas; visual magnitude;
// then after a comma the genetive and the common name, where there are any.
//
// α Centauri A and B come as two lines; the reader replaces them by their
// centre of mass, which is what a navigator's catalogue carries.
//
// Errors: a file that cannot be read, or a line shorter than its fields,
// throws std::runtime_error naming the line.

#include <string>
#include <vector>

namespace tarvel::reference {

struct CatalogueStar {
  std::string name;   // "alp CMa, Sirius"; empty for unnamed stars
  double ra, dec;     // ICRS, J2000.0, radians
  double pmRa;        // dα/dt, radians a year (not multiplied by cos δ)
  double pmDec;       // dδ/dt, radians a year
  double parallax;    // arcseconds
  double magnitude;
};

// The stars of the file no fainter than faintest.
std::vector<CatalogueStar> ReadKStarsCatalogue(const std::string& path, double faintest);

}  // namespace tarvel::reference
