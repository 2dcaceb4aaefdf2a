// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#pragma once
// One sight, from the sextant altitude Hs to the observed altitude Ho, and
// against the altitude Hc and azimuth Zn computed for an assumed position, to
// the intercept: the line of position.
//
// The corrections are those of the Nautical Almanac's direct computation, in
// extended precision, in this order:
//   dip D = 1.76′ √(height of eye in m); Ha = Hs − IE − D;
//   refraction R = 0.0167° / tan(Ha + 7.31 / (Ha + 4.4)) scaled by
//     0.28 P / (T + 273) (P in hPa, T in °C); H′ = Ha − R;
//   parallax in altitude p = HP cos H′, with the body's own horizontal
//     parallax HP (the Sun 8.8″, the Moon about a degree, the planets a few
//     seconds, the stars 0);
//   for the Moon the Earth's oblateness
//     OB = −0.0032° sin²φ cos H′ + 0.0032° sin 2φ cos Zn sin H′
//     (φ the assumed latitude, Zn the Moon's azimuth);
//   the semi-diameter SD of the Sun or the Moon, added for the lower limb
//     and subtracted for the upper; the planets are observed at their centre;
//   Ho = H′ + p + OB ± SD.
// The semi-diameter is the geocentric one: applied after the parallax, the
// Moon's augmentation cancels. The body's Greenwich hour angle,
// declination, HP and SD are those of bodies/BodyPlace.h at the sight's
// instant, read as UTC, with the sight's DUT1 where one was typed; Hc and Zn are solved from them at the assumed position:
// LHA = GHA + λ, sin Hc = sin φ sin δ + cos φ cos δ cos LHA,
// tan Zn = −cos δ sin LHA / (cos φ sin δ − sin φ cos δ cos LHA).
//
// Errors: an input out of range raises ESightError (sights/SightErrors.h)
// naming the field, before anything is computed; so does a sight that cannot
// be of the body: an apparent or observed altitude above 90°, or the body
// more than 1° below the horizon at the assumed position (its Hc in the
// text). The arithmetic faults of the engine (EZeroDivide, EInvalidOp,
// EOverflow) and an EBodyError of missing ephemeris files pass through.

#include <cstdint>
#include <optional>

#include "bodies/BodyPlace.h"
#include "core/Extended.h"
#include "shiptime/ShipTime.h"
#include "sights/SightErrors.h"

namespace tarvel {

enum class TBody : std::uint8_t {
  SunLowerLimb,
  SunUpperLimb,
  Star,
  MoonLowerLimb,
  MoonUpperLimb,
  Venus,
  Mars,
  Jupiter,
  Saturn,
};

struct TSight {
  TBody Body;
  std::int32_t StarNumber;            // 1 … 160 when Body is Star
  TShipTime Time;                     // ship's zone, time and date of the sight; Second 60 at the leap second
  Extended Hs;                        // sextant altitude, degrees
  Extended IndexError;                // minutes of arc, positive when the sextant reads too high
  Extended EyeHeight;                 // metres above the sea
  Extended Temperature;               // degrees Celsius
  Extended Pressure;                  // hectopascals
  // DUT1 as the time signals gave it (UT1 − UTC, seconds, −0.9 … +0.9), none
  // when not typed: used past the measured Earth rotation (TimeScales).
  std::optional<Extended> Dut1 = std::nullopt;
};

struct TSightReduction {
  Extended Dip;           // minutes of arc
  Extended Ha;            // apparent altitude, degrees
  Extended Refraction;    // minutes of arc
  Extended SemiDiameter;  // minutes of arc, signed as applied
  Extended Parallax;      // parallax in altitude, minutes of arc
  Extended Ho;            // observed altitude, degrees
  Extended Hc;            // computed altitude at the assumed position, degrees
  Extended Zn;            // azimuth, degrees
  Extended Intercept;     // minutes of arc (= nautical miles), positive toward the body
  Extended HorizontalParallax;  // the body's, minutes of arc; 0 for a star
  Extended Oblateness;          // OB, minutes of arc; 0 but for the Moon
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
// playing no part. The refraction, parallax and oblateness depend on Ha, so
// Ha is found by repeated substitution. The Moon's oblateness depends on the
// position too: Lat, Lon is where the sight is taken (the Moon's Zn there).
// Raises ESightError for the sight's other fields, for an Ha below 0° and
// for an Hs outside (0°, 90°).
Extended SextantAltitude(const TSight& sight, Extended Ho, Extended Lat, Extended Lon);

// The body of a sight in the bodies library.
TCelestialBody CelestialBody(TBody body);

}  // namespace tarvel
