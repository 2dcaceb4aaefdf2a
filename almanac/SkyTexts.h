// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#pragma once
// The texts of the navigation window's sky: each star's row of the star
// table and the line shown when the mouse rests on it, the best three, the
// ship's place, and ship's times of day. Angles in the main window's display
// texts (display/AngleDisplay.h); UTF-8. Nothing raises.

#include <cstdint>
#include <string>

#include "almanac/SkyView.h"
#include "core/Extended.h"

namespace tarvel {

// One row of the star table, column by column.
struct TStarTexts {
  std::string Number;          // "46"
  std::string Name;            // "α Большого Пса (Сириус)"
  std::string Altitude;        // "23° 14,56'"
  std::string Azimuth;         // "213,61°"
  std::string LocalHourAngle;  // "216° 47,00'"
  std::string Declination;     // "016° 43,05' S"
  std::string PlaceError;      // "0,06'"
};

TStarTexts StarTexts(const TSkyView& view, std::int32_t number);

// Number, Greek letter and name with the stored trailing blanks taken off:
// "46 α Большого Пса (Сириус)".
std::string StarTitle(std::int32_t number);

// What the chart shows for the star under the mouse: its title, altitude and
// azimuth on a second line, and the expected error of a star whose place is
// unreliable on a third.
std::string StarHoverText(const TSkyView& view, std::int32_t number);

// "Лучшие три звезды: …" naming them in order of azimuth, or the reason
// there are none. The line changes only when the three do.
std::string BestThreeText(const TSkyView& view);

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
