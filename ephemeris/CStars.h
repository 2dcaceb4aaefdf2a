// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#pragma once
// The ephemeris engine's routines: angle reduction, the solar ephemeris with
// sidereal time, the apparent places of the catalogue stars, and altitude and
// azimuth. All pure: no state, equal arguments give bit-identical results.
//
// Units: angles in degrees (hour angles and right ascensions 0 … 360, never in
// hours), semi-diameter in minutes of arc. A degrees-and-minutes pair holds
// Deg = trunc(value) and Min = (value - Deg) * 60, so Min carries the sign and
// a value between -1° and 0° has Deg 0 and negative Min.
//
// Arithmetic faults raise EZeroDivide, EInvalidOp or EOverflow; a routine that
// raises delivers nothing.

#include <cstdint>

#include "core/Extended.h"

namespace tarvel {

// pi / 180 rounded to extended precision.
inline constexpr Extended DegToRad = 0.0174532925199432957691L;

// Takes whole turns off an angle above 360°: x - 360 * trunc(x / 360).
// Other values, 360 itself and negative angles included, come back unchanged.
// As 1/360 is held just below its true value, 720 and 1440 give 360.
Extended Reduce360(Extended x);

// sin x / cos x, x in radians.
Extended Tan(Extended x);

struct TSunData {
  Extended GrAriesDeg;    // Greenwich hour angle of Aries, whole degrees
  Extended GrAriesMin;    //   and minutes of arc
  Extended SunGha;        // Greenwich hour angle of the Sun, 0 … 360
  Extended SunGhaDeg;
  Extended SunGhaMin;
  Extended SunDecDeg;     // apparent declination, north positive
  Extended SunDecMin;
  Extended SemiDiameter;  // minutes of arc
  Extended NutLon;        // nutation in longitude, degrees (subtracted where used)
  Extended NutObl;        // nutation in obliquity, degrees (added where used)
  Extended SunMeanLon;    // mean longitude, degrees, not reduced
  Extended GrAries;       // Greenwich hour angle of Aries, 0 … 360
  Extended Centuries;     // T, Julian centuries from 1899 Dec 31, 12h UT
  Extended Years;         // Julian years from 1990.5 (the catalogue epoch)
  Extended SunRaDeg;      // apparent right ascension in degrees, 0 … 360
  Extended SunRaMin;
};

// The Sun and sidereal time for a ship's date and time in zone Z (positive
// east; universal time = ship's time - Z hours). Arguments: zone, hour,
// minute, second, day, month, year, the last six whole numbers. Valid for
// 1 January 1930 … 31 December 2099.
TSunData SunEphemeris(std::int32_t Z, Extended h, Extended m, Extended s, Extended D, Extended M,
                      Extended Y);

struct TStarData {
  Extended StarDecDeg;  // apparent declination, north positive
  Extended StarDecMin;
  Extended StarGha;     // Greenwich hour angle, 0 … 360
  Extended StarGhaDeg;
  Extended StarGhaMin;
  Extended StarShaDeg;  // sidereal hour angle, 360 - right ascension
  Extended StarShaMin;
};

// The apparent place of catalogue star StarNumber (1 … 160) from the values
// of the solar ephemeris for the same instant.
TStarData StarPlace(std::int32_t StarNumber, Extended NutLon, Extended NutObl,
                    Extended SunMeanLon, Extended GrAries, Extended Years);

struct THorizonData {
  Extended AltDeg;   // altitude, whole degrees, negative below the horizon
  Extended AltMin;   //   and minutes of arc
  Extended Azimuth;  // from north through east, 0 … 360
};

// Altitude and azimuth of a body of declination Dec and Greenwich hour angle
// Gha seen from latitude Lat (north positive) and longitude Lon (east
// positive), all in degrees.
THorizonData HorizonCoords(Extended Dec, Extended Lat, Extended Gha, Extended Lon);

// The same two routines for many stars at one instant and place: the parts
// that belong to the instant or to the place alone are taken once, and each
// star then gives the same bits as StarPlace and HorizonCoords.
struct TStarInstant {
  Extended NutLon, NutObl, GrAries, Years;  // as StarPlace takes them
  Extended SinL, CosL;                      // of the Sun's mean longitude
};
TStarInstant StarInstant(Extended NutLon, Extended NutObl, Extended SunMeanLon, Extended GrAries, Extended Years);
TStarData StarPlaceAt(std::int32_t StarNumber, const TStarInstant& instant);

struct TObserver {
  Extended Lat, Lon;        // degrees, as HorizonCoords takes them
  Extended SinLat, CosLat;  // of the latitude
};
TObserver Observer(Extended Lat, Extended Lon);
THorizonData HorizonCoordsFrom(Extended Dec, Extended Gha, const TObserver& place);

}  // namespace tarvel
