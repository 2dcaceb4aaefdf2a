// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#pragma once
// How the window shows each kind of result, built on the number pictures.
// Degrees-and-minutes pairs come as the engine delivers them: whole degrees
// cut toward zero, minutes carrying the sign.

#include <string>

#include "core/Extended.h"

namespace tarvel {

// Local hour angle from a Greenwich hour angle and an east-positive
// longitude, brought into 0 … 360 (360 itself stays): "216° 47,00'".
std::string LocalHourAngleText(Extended gha, Extended longitude);

// Declination as magnitude and hemisphere: "023° 01,97' S". North when the
// degrees or the minutes are positive, south otherwise.
std::string DeclinationText(Extended deg, Extended min);

// Right ascension in degrees: the degrees as they are, the minutes' magnitude.
std::string RightAscensionText(Extended deg, Extended min);

// Semi-diameter in minutes of arc: "16,29'".
std::string SemiDiameterText(Extended minutes);

// Altitude: "05° 14,43'", "-34° 20,03'", and "-00° 29,06'" between -1° and 0°.
std::string AltitudeText(Extended deg, Extended min);

// Azimuth in degrees: "213,61°".
std::string AzimuthText(Extended azimuth);

}  // namespace tarvel
