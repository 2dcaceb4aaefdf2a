// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#pragma once
// Visual magnitudes of the Moon and the planets from their distances and
// phase angle, and the illuminated fraction of a disc (references in
// bodies/BodyPlace.h). Distances in AU, angles in degrees.

#include "bodies/BodyPlace.h"

namespace tarvel::bodies {

// r from the Sun, delta from the Earth, phase angle i at the body. For
// Saturn the saturnicentric latitudes of the Sun and the Earth over the
// ring plane; beyond the ranges of its fit (i > 6.5°, ring tilt > 27°, never
// seen from the Earth) Saturn's globe-and-ring equation is used all the same.
double PlanetMagnitude(TCelestialBody planet, double r, double delta, double phase, double saturnSunLatitude = 0,
                       double saturnEarthLatitude = 0);

double MoonMagnitude(double r, double delta, double phase);

// (1 + cos i) / 2.
double IlluminatedFraction(double phase);

}  // namespace tarvel::bodies
