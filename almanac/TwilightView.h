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
//
// A star time that does not happen on the date has its reason, from the
// Sun's lowest and highest altitude of the date (Twilight's, as the main
// window computes it): kPolarNight when the Sun stays
// below −6° all day, kPolarDay when it stays above the sunrise altitude
// (−50′), kWhiteNight when it never goes down to −12°, kPastEphemeris when
// the star time would end on 1 January 2100, kOtherDate when both
// altitudes are crossed but not in the order of a star time on this date.
// Pure C++; raises what Twilight raises.

#include <array>
#include <cstdint>
#include <string>

#include "almanac/Almanac.h"
#include "ephemeris/Twilight.h"

namespace tarvel {

inline constexpr const char* kWhiteNight = "Навигационные сумерки не наступают (белая ночь)";
inline constexpr const char* kPolarDay = "Солнце не заходит (полярный день)";
inline constexpr const char* kPolarNight = "Гражданские сумерки не наступают (полярная ночь)";
inline constexpr const char* kPastEphemeris = "Сумерки кончаются после 2099 года, за пределом эфемериды";
inline constexpr const char* kOtherDate = "Сумерки для звёзд приходятся на соседнюю дату судового времени";

struct TTwilightView {
  TTwilight Times{-1, -1, -1, -1, -1, -1};
  // ShipTimeText of MorningNautical, MorningCivil, Sunrise, Sunset,
  // EveningCivil, EveningNautical.
  std::array<std::string, 6> Texts;
  // Seconds after 00:00:00 of the ship's date, or -1 when there is no such
  // star time on that date.
  std::int32_t MorningStars = -1;
  std::int32_t EveningStars = -1;
  // Why there is no such star time (one of the texts above), or empty.
  std::string MorningReason, EveningReason;
};

// The inputs' time and star number play no part.
TTwilightView TwilightView(const TAlmanacInputs& inputs);

}  // namespace tarvel
