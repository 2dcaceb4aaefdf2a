// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#pragma once
// Twilight and sunrise for one ship's date: the ship's times at which the
// Sun's altitude, as the main window shows it, crosses -12° (nautical
// twilight), -6° (civil twilight) and -50′ (sunrise and sunset: 34′ of
// refraction and 16′ of semi-diameter).
//
// The altitude at ship's time s (whole seconds after 00:00:00 in zone Z,
// positive east) is HorizonCoords of SunEphemeris's declination and Greenwich
// hour angle, each rebuilt as minutes * OneSixtieth + degrees, in degrees
// AltMin * OneSixtieth + AltDeg. A morning event is the first second s,
// 1 … 86 399, with the altitude at s at or above the threshold and at s - 1
// below it; an evening event the first with the altitude at s at or below it
// and at s - 1 above it. Morning and evening name the direction of the
// crossing, not its order: in a zone far from the longitude the evening
// crossing can come first on the ship's clock.
//
// Found by a scan every ten minutes that splits the day where the altitude
// turns, then bisection to the second; a crossing and re-crossing within one
// scan step away from a turn of the altitude may be missed.
//
// The altitude has no value when the Sun stands exactly at the zenith or the
// nadir at a whole second (HorizonCoords raises there); such an instant
// counts as +90° or -90°, on the side of the altitude one second away.
//
// Valid for ship's dates 1930 … 2099 and zones -12 … +12; the zone need not
// match the longitude. Latitude and longitude in degrees, north and east
// positive.

#include <cstdint>

#include "core/Extended.h"

namespace tarvel {

struct TTwilight {
  // Ship's time of day, seconds after 00:00:00 of the ship's date, or -1 when
  // the Sun does not cross that altitude on that date.
  std::int32_t MorningNautical, MorningCivil, Sunrise, Sunset, EveningCivil, EveningNautical;
  // The Sun's lowest and highest altitude of the date, degrees: those of the
  // scan's samples and of the turns it finds to the second.
  Extended Lowest = 90, Highest = -90;
};

TTwilight Twilight(std::int32_t Z, std::int32_t Day, std::int32_t Month, std::int32_t Year,
                   Extended Lat, Extended Lon);

// The altitudes crossed: nautical, civil, and sunrise and sunset, degrees.
inline constexpr Extended kNauticalTwilight = -12;
inline constexpr Extended kCivilTwilight = -6;
inline constexpr Extended kSunriseAltitude = -(50 * OneSixtieth);

}  // namespace tarvel
