// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#pragma once
// The apparent geocentric place of the Sun, the Moon, Venus, Mars, Jupiter,
// Saturn or one of the 160 catalogue stars at the ship's instant, for sight
// reduction: Greenwich hour angle and declination, semi-diameter, horizontal
// parallax, magnitude and illuminated fraction.
//
// Time: ship's time − zone is UTC; UT1 and TT from TimeScales
// (timescales/TimeScales.h: the leap seconds, the IERS series of the Earth's
// rotation, its prediction after the series, or a typed DUT1); TDB is taken
// as TT (1.7 ms at most). The second may be 60 in the leap second that ends
// a UTC day (23:59:60 UTC); on any other day it is refused.
//
// Places: the Sun, the Moon and the planets from the Swiss Ephemeris
// (libswe, files sepl_18 and semo_18 of swe-basic-data, the JPL DE431
// ephemeris compressed to 0.001″, 1800 … 2400): astrometric geocentric place
// in the ICRS, corrected for light time. The stars from their Hipparcos
// data (bodies/HipparcosStars.h), carried by space motion to the date
// (radial velocity zero); α Centauri (star 102) at the light centre of A
// and B, not their centre of mass (bodies/AlphaCentauri.h). Then through ERFA (the IAU SOFA routines): light
// deflection by the Sun (eraLd, eraLdsun), annual aberration (eraAb), the
// bias-precession-nutation matrix IAU 2006/2000A (eraPnm06a) to the true
// equator and equinox of date, and Greenwich apparent sidereal time
// IAU 2006/2000A (eraGst06, as eraGst06a): GHA = GAST − α.
//
// Semi-diameter and horizontal parallax from the geometric distance r (no
// light time): HP = asin(6378.1366 km / r); SD = asin(R / r) with R the
// Sun's 696 000 km and the equatorial radii of the planets, IAU WGCCRE 2015
// (Venus 6051.8, Mars 3396.19, Jupiter 71 492, Saturn 60 268 km); the
// Moon's SD = 0.2724 × HP (the Astronomical Almanac's k).
//
// Magnitudes: the planets by A. Mallama and J. L. Hilton, "Computing apparent
// planetary magnitudes for The Astronomical Almanac", Astronomy and
// Computing 25 (2018) 10–24, equations for Venus, Mars (without the
// rotational and orbital terms, ±0.1), Jupiter and Saturn (globe and rings,
// the rings' tilt the geometric mean of the saturnicentric latitudes of the
// Sun and the Earth); the Moon by V(1,0) = +0.23 with the phase law
// 0.026|i| + 4×10⁻⁹ i⁴ (Allen's Astrophysical Quantities); the Sun
// −26.74 + 5 lg r. Illuminated fraction (1 + cos i) / 2 with i the phase
// angle at the body between the Sun and the Earth (J. Meeus, Astronomical
// Algorithms, 2nd ed., 41.1 and 48.1).
//
// Errors: before anything is computed, an invalid ship's instant, a date
// outside 1930 … 2099, a star number outside 1 … 160 (for Star) or an
// unknown body raise EBodyError with the Russian text of bodies/BodyErrors.h;
// missing ephemeris files raise EBodyError too (never a silent fall-back to
// the Swiss Ephemeris' analytical theory).
//
// Threads: the Swiss Ephemeris keeps global state, so the calls into it are
// serialised by a lock; everything else is per call or per thread (the
// precession-nutation and sidereal time of the last instant are kept for
// the next call at the same instant). BodyPlace may be called from several
// threads at once; their Sun, Moon and planets wait for one another.

#include <cstdint>

#include "bodies/BodyErrors.h"
#include "core/Extended.h"
#include "shiptime/ShipTime.h"
#include "timescales/TimeScales.h"

namespace tarvel {

enum class TCelestialBody : std::uint8_t { Sun, Moon, Venus, Mars, Jupiter, Saturn, Star };

struct TBodyPlace {
  Extended Gha;                 // Greenwich hour angle, degrees, 0 … 360
  Extended Dec;                 // declination, degrees, north positive
  Extended SemiDiameter;        // minutes of arc; 0 for a star
  Extended HorizontalParallax;  // equatorial horizontal parallax, minutes of arc; 0 for a star
  Extended Magnitude;           // visual magnitude
  Extended Illuminated;         // illuminated fraction of the disc, 0 … 1; 1 for the Sun and a star
};

// The apparent geocentric place at the ship's instant (UTC = ship's time − zone),
// with the measured or predicted Earth rotation.
TBodyPlace BodyPlace(TCelestialBody body, std::int32_t StarNumber, const TShipTime& time);
// The same with the settings of the time of record (a typed DUT1).
TBodyPlace BodyPlace(TCelestialBody body, std::int32_t StarNumber, const TShipTime& time,
                     const TTimeSettings& settings);

}  // namespace tarvel
