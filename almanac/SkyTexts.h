// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#pragma once
// The texts of the navigation window's sky: each row of the star table (a
// star, the Sun, the Moon or a planet) and the line shown when the mouse
// rests on it, the best three, the
// ship's place, and ship's times of day. Angles in the main window's display
// texts (display/AngleDisplay.h); UTF-8. Nothing raises.

#include <cstdint>
#include <string>

#include "almanac/SkyView.h"
#include "core/Extended.h"

namespace tarvel {

// One row of the star table, column by column.
struct TStarTexts {
  std::string Number;          // "46"; empty for the Sun, the Moon and a planet
  std::string Name;            // "α Большого Пса (Сириус)", "Венера"
  std::string Magnitude;       // "−1,4"
  std::string Altitude;        // "23° 14,56'"
  std::string Azimuth;         // "213,6°", "045,0°" (angles/Direction.h)
  std::string LocalHourAngle;  // "216° 47,00'"
  std::string Declination;     // "016° 43,05' S"
  std::string PlaceError;      // "0,06'": the main window's place from the precise one; empty
                               // for the Moon and the planets
};

TStarTexts StarTexts(const TSkyView& view, std::int32_t number);

// Number, Greek letter and name with the stored trailing blanks taken off:
// "46 α Большого Пса (Сириус)"; a body's name alone: "Юпитер".
std::string StarTitle(std::int32_t number);

// A magnitude to one decimal with the minus sign U+2212: "−1,4", "2,0".
std::string MagnitudeText(Extended magnitude);

// What the chart shows for the body under the mouse: its title and
// magnitude, altitude and azimuth on a second line, the lit fraction of the
// Moon's disc, the main window's error of a place that is unreliable, and
// what the time costs the place (almanac/TimeCostText.h).
std::string StarHoverText(const TSkyView& view, std::int32_t number);

// "Лучшие три светила: …" naming them in order of azimuth, saying so when
// no three surround the ship, or the reason there are none; by day
// (TSkyView::Daylight) "Днём (Солнце выше −3°) звёзд не видно; для
// наблюдений: …" naming the bodies offered, or kNoneByDay after it. The
// line changes only when the bodies or the limit do.
std::string BestThreeText(const TSkyView& view);
inline constexpr const char* kNoneByDay =
    ", а Солнце, Луна, Венера и Юпитер вне полосы высот или теряются в свете Солнца";

// The ship's place: "55°45,00' N  037°37,00' E".
std::string PlaceText(Extended latitude, Extended longitude);

// A ship's time of day from seconds after 00:00:00, rounded to the nearest
// minute: "05:07" ("24:00" from 23:59:30 on); "—" for a negative value,
// the mark of an event that does not happen on that date.
std::string ShipTimeText(std::int32_t seconds);

// The middle of the stretch from one ship's time of day to a later one, in
// seconds; -1 when either end is missing (negative) or the stretch does not
// lie within the one date (to before from).
std::int32_t MiddleOfStretch(std::int32_t from, std::int32_t to);

}  // namespace tarvel
