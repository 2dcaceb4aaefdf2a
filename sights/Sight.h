// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#pragma once
// One sight, from the sextant altitude Hs to the observed altitude Ho, and
// against the altitude Hc and azimuth Zn computed for an assumed position, to
// the intercept: the line of position.
//
// The corrections are those of the nautical almanac, in extended precision:
// dip 1.76′ √(height of eye in m); refraction 0.0167° / tan(Ha + 7.31 / (Ha +
// 4.4)) scaled by 0.28 P / (T + 273) (P in hPa, T in °C); the Sun's
// semi-diameter of the solar ephemeris, added for the lower limb and
// subtracted for the upper; the Sun's parallax 0.1466′ cos Ha (horizontal
// parallax 8.8″). Hc and Zn are the main window's altitude and azimuth of the
// body for the same instant and position (almanac/Almanac.h).
//
// Errors: an input out of range raises ESightError (sights/SightErrors.h)
// naming the field, before anything is computed; so does a sight that cannot
// be of the body: an apparent or observed altitude above 90°, or the body
// more than 1° below the horizon at the assumed position (its Hc in the
// text). The arithmetic faults of the engine (EZeroDivide, EInvalidOp,
// EOverflow) pass through.

#include <cstdint>

#include "core/Extended.h"
#include "shiptime/ShipTime.h"
#include "sights/SightErrors.h"

namespace tarvel {

enum class TBody : std::uint8_t { SunLowerLimb, SunUpperLimb, Star };

struct TSight {
  TBody Body;
  std::int32_t StarNumber;            // 1 … 160 when Body is Star
  TShipTime Time;                     // ship's zone, time and date of the sight
  Extended Hs;                        // sextant altitude, degrees
  Extended IndexError;                // minutes of arc, positive when the sextant reads too high
  Extended EyeHeight;                 // metres above the sea
  Extended Temperature;               // degrees Celsius
  Extended Pressure;                  // hectopascals
};

struct TSightReduction {
  Extended Dip;           // minutes of arc
  Extended Ha;            // apparent altitude, degrees
  Extended Refraction;    // minutes of arc
  Extended SemiDiameter;  // minutes of arc, signed as applied
  Extended Parallax;      // minutes of arc
  Extended Ho;            // observed altitude, degrees
  Extended Hc;            // computed altitude at the assumed position, degrees
  Extended Zn;            // azimuth, degrees
  Extended Intercept;     // minutes of arc (= nautical miles), positive toward the body
};

// Whether a body far below the horizon at the assumed position is refused:
// always for a sight entered, not on the way to a fix, whose steps may pass
// through positions far from the sights' own.
enum class TBelowHorizon : std::uint8_t { Refuse, Allow };

// Lat, Lon: the assumed position (north and east positive), degrees.
TSightReduction ReduceSight(const TSight& sight, Extended Lat, Extended Lon,
                            TBelowHorizon belowHorizon = TBelowHorizon::Refuse);

// The checks of ReduceSight on the sight alone, in the order it makes them:
// body, star number (for a star), zone, time, date, Hs, index error, height
// of eye, temperature, pressure, and last the apparent altitude 0° ≤ Ha ≤ 90°.
// Raises ESightError; returns normally when the sight can be reduced.
void ValidateSight(const TSight& sight);

// The sextant altitude that the sight's corrections turn into the observed
// altitude Ho (degrees): the reduction run backwards, Hs of the sight itself
// playing no part. The refraction and parallax depend on Ha, so Ha is found
// by repeated substitution. Raises ESightError for the sight's other fields,
// for an Ha below 0° and for an Hs outside (0°, 90°).
Extended SextantAltitude(const TSight& sight, Extended Ho);

}  // namespace tarvel
