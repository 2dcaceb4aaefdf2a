// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#include "display/AngleDisplay.h"

#include <cmath>

#include "core/Arithmetic.h"
#include "core/NumberPicture.h"

namespace tarvel {

std::string LocalHourAngleText(Extended gha, Extended longitude) {
  Extended x = gha + longitude;
  if (x < 0) x = x + 360;
  if (x > 360) x = x - 360;
  const Extended deg = arith::Trunc(x);
  return AngleText(deg, (x - deg) * 60);
}

std::string DeclinationText(Extended deg, Extended min) {
  const char* hemisphere = (deg > 0 || min > 0) ? " N" : " S";
  return AngleText(std::fabs(deg), std::fabs(min), "000", hemisphere);
}

std::string RightAscensionText(Extended deg, Extended min) { return AngleText(deg, std::fabs(min)); }

std::string SemiDiameterText(Extended minutes) { return FormatPicture("00.00", minutes) + "'"; }

std::string AltitudeText(Extended deg, Extended min) {
  const std::string minutes = FormatPicture("00.00", std::fabs(min)) + "'";
  if (deg == 0 && min < 0) return "-00° " + minutes;
  return FormatPicture("00", deg) + "° " + minutes;
}

std::string AzimuthText(Extended azimuth) { return FormatPicture("000.00", azimuth) + "°"; }

}  // namespace tarvel
