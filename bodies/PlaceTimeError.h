// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#pragma once
// What the time costs a body's place: the angle by which its apparent place
// (GHA and declination) moves when the instant's time scales are off by
// their own uncertainty (TimeScales' TtMinusUt1Error, one standard
// deviation).
//
// With a UTC clock (from 1960) TT is fixed by the clock and the leap seconds,
// so the uncertainty is UT1's: every body's hour angle moves with the
// Earth's turn, 15.04″ a second, times cos δ on the sphere. With the clock
// taken as UT1 (before 1960) it is TT's: the body moves by its own motion
// against the stars, 0.55″ a second for the Moon, 0.04″ for the Sun, nothing
// for a star. Both are found by moving UT1 or TT by the uncertainty and
// measuring the angle between the two places.
//
// Errors: as BodyPlace (EBodyError).

#include <cstdint>

#include "bodies/BodyPlace.h"

namespace tarvel {

struct TPlaceTimeError {
  TTimeScales Scales;  // the instant's time scales
  Extended Arcsec;     // the place's error from their uncertainty, seconds of arc
};

TPlaceTimeError PlaceTimeError(TCelestialBody body, std::int32_t starNumber, const TShipTime& time,
                               const TTimeSettings& settings = {});

}  // namespace tarvel
