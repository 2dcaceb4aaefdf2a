// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#pragma once
// Twilight as the navigation window shows it for the main window's date,
// zone and position: the six times as ship's time HH:MM, and the middle of
// the morning star time (nautical to civil twilight, the Sun rising) and of
// the evening one (civil to nautical, the Sun setting), when the stars and
// the horizon are both in sight.
//
// A star time that begins on the ship's date and runs past midnight on the
// ship's clock (a zone far from the longitude) ends at the next date's
// crossing; its middle may then fall on the next date (86 400 s and more).
// Pure C++; raises what Twilight raises.

#include <array>
#include <cstdint>
#include <string>

#include "almanac/Almanac.h"
#include "ephemeris/Twilight.h"

namespace tarvel {

struct TTwilightView {
  TTwilight Times{-1, -1, -1, -1, -1, -1};
  // ShipTimeText of MorningNautical, MorningCivil, Sunrise, Sunset,
  // EveningCivil, EveningNautical.
  std::array<std::string, 6> Texts;
  // Seconds after 00:00:00 of the ship's date, or -1 when there is no such
  // star time on that date.
  std::int32_t MorningStars = -1;
  std::int32_t EveningStars = -1;
};

// The inputs' time and star number play no part.
TTwilightView TwilightView(const TAlmanacInputs& inputs);

}  // namespace tarvel
