// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#pragma once
// The library's own pieces behind BodyPlace: the instant as ERFA's two-part
// Julian dates, the quantities that every place at one instant shares, and
// the places of the solar-system bodies and of the stars without the checks
// of the ship's instant. Outside the library's contract; the tests use
// them to drive an instant given in TT.

#include <erfa.h>

#include <cstdint>

#include "bodies/BodyPlace.h"

namespace tarvel::bodies {

// UT1 and TT as two-part Julian dates (day + fraction).
struct TInstant {
  double Ut1a, Ut1b;
  double Tta, Ttb;
};

// The instant of a valid ship's time: UTC = ship's time − zone, UT1 and TT
// from TimeScales.
TInstant InstantOf(const TShipTime& time, const TTimeSettings& settings = {});

// What every place at one instant shares: the Earth's position and velocity
// and the relativistic factors (eraApcg13, geocentric), the
// bias-precession-nutation matrix IAU 2006/2000A and the Greenwich apparent
// sidereal time (radians).
struct TFrame {
  TInstant When;
  eraASTROM Astrom;
  double Rnpb[3][3];
  double Gast;
};

TFrame FrameAt(const TInstant& when);

// A proper direction in the GCRS (unit vector, deflection and aberration
// applied) as Greenwich hour angle 0 … 360° and declination, degrees.
void HourAngleAndDeclination(const TFrame& frame, const double direction[3], double& gha, double& dec);

// The Sun, the Moon or a planet (body other than Star).
TBodyPlace SolarSystemPlace(TCelestialBody body, const TFrame& frame);

// Catalogue star 1 … 160.
TBodyPlace StarPlace(std::int32_t number, const TFrame& frame);

// The place with the body and star number already checked.
TBodyPlace BodyPlaceAt(TCelestialBody body, std::int32_t starNumber, const TInstant& when);

// From the Swiss Ephemeris, at TT (Julian date): the astrometric geocentric
// place in the ICRS in AU (light time included, no deflection, no
// aberration) and the geometric distance in AU. Raises EBodyError when the
// ephemeris files are not there. Serialised: safe from any thread.
void SwissEphemerisPlace(int planet, double tt, double astrometric[3], double& geometricDistance);

}  // namespace tarvel::bodies
