// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#pragma once
// The text of bodies/HipparcosStars.inc: the 160 catalogue stars
// (ephemeris/Stars.h) with their Hipparcos numbers and data, from two Debian
// packages:
//
// - kstars-data, /usr/share/kstars/stars.dat (KStarsCatalogue.h): place
//   (ICRS, epoch J2000.0), proper motion, parallax and magnitude. Each
//   catalogue star is the nearest star of magnitude 6 or brighter to its
//   1990.5 mean place; α Centauri is the A+B centre of mass.
// - stellarium-data, /usr/share/stellarium/stars/default: name.fab gives the
//   Hipparcos numbers of a Bayer designation, hip_pm.dat the Hipparcos
//   proper motions; of the numbers bearing the star's designation the one
//   whose proper motion is nearest to the kstars-data star's, which must
//   agree within 50 mas a year in each coordinate (the two
//   reductions of Hipparcos differ by tens for some binaries: α Phe 33).
//   Four stars whose designation does not tell (a pair's components, a
//   star without a Bayer letter) have their numbers by hand.
//
// Errors: a file that cannot be read, a star without a designation or
// without such a number throw std::runtime_error naming it.

#include <string>

namespace tarvel::reference {

inline constexpr const char* kKStarsStars = "/usr/share/kstars/stars.dat";
inline constexpr const char* kStellariumStars = "/usr/share/stellarium/stars/default";

// The whole file, byte for byte; notes on each identification go to `log`
// when it is not null.
std::string StarTableText(const std::string& starsDat, const std::string& stellariumDir, std::string* log);

}  // namespace tarvel::reference
