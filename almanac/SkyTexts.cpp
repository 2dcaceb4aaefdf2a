// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#include "almanac/SkyTexts.h"

#include <cmath>

#include "core/Arithmetic.h"
#include "core/NumberPicture.h"
#include "display/AngleDisplay.h"
#include "display/GreekLetter.h"
#include "ephemeris/StarPlaceError.h"
#include "ephemeris/Stars.h"

namespace tarvel {
namespace {

std::string Trimmed(std::string text) {
  while (!text.empty() && text.back() == ' ') text.pop_back();
  return text;
}

std::string Name(std::int32_t number) {
  const TStar& star = StarTable(number);
  return GreekLetter(star.Letter) + " " + Trimmed(star.Name);
}

std::string ErrorText(Extended minutes) { return FormatPicture("0.00", minutes) + "'"; }

// Degrees and minutes of a coordinate's magnitude, with its hemisphere.
std::string CoordinateText(Extended value, const char* degrees, const char* positive, const char* negative) {
  const Extended magnitude = std::fabs(value);
  const Extended whole = arith::Trunc(magnitude);
  return FormatPicture(degrees, whole) + "°" + FormatPicture("00.00", (magnitude - whole) * 60) + "' " +
         (value < 0 ? negative : positive);
}

}  // namespace

TStarTexts StarTexts(const TSkyView& view, std::int32_t number) {
  const TSkyStar& star = view.Sky.Stars[static_cast<std::size_t>(number - 1)];
  TStarTexts t;
  t.Number = std::to_string(number);
  t.Name = Name(number);
  t.Altitude = AltitudeText(star.Horizon.AltDeg, star.Horizon.AltMin);
  t.Azimuth = AzimuthText(star.Horizon.Azimuth);
  t.LocalHourAngle = LocalHourAngleText(star.Place.StarGha, view.Inputs.Longitude);
  t.Declination = DeclinationText(star.Place.StarDecDeg, star.Place.StarDecMin);
  t.PlaceError = ErrorText(StarOf(view, number).PlaceError);
  return t;
}

std::string StarTitle(std::int32_t number) { return std::to_string(number) + " " + Name(number); }

std::string StarHoverText(const TSkyView& view, std::int32_t number) {
  const TStarTexts t = StarTexts(view, number);
  std::string text = t.Number + " " + t.Name + "\nВысота " + t.Altitude + "   Азимут " + t.Azimuth;
  if (StarOf(view, number).Unreliable) {
    text += "\nПогрешность места звезды " + t.PlaceError + " — больше " + ErrorText(kStarPlaceErrorLimit);
  }
  return text;
}

std::string BestThreeText(const TSkyView& view) {
  if (view.Best.empty()) return "Лучшие три звезды: нет — в полосе высот меньше трёх надёжных звёзд";
  std::string text = "Лучшие три звезды:";
  const char* separator = " ";
  for (std::int32_t k : view.Best) {
    text += separator + StarTitle(k);
    separator = ", ";
  }
  return text;
}

std::string PlaceText(Extended latitude, Extended longitude) {
  return CoordinateText(latitude, "00", "N", "S") + "  " + CoordinateText(longitude, "000", "E", "W");
}

std::string ShipTimeText(std::int32_t seconds) {
  if (seconds < 0) return "—";
  const std::int32_t minutes = (seconds + 30) / 60;
  const auto two = [](std::int32_t n) { return std::string{static_cast<char>('0' + n / 10 % 10), static_cast<char>('0' + n % 10)}; };
  return two(minutes / 60) + ":" + two(minutes % 60);
}

std::int32_t MiddleOfStretch(std::int32_t from, std::int32_t to) {
  if (from < 0 || to < from) return -1;
  return from + (to - from) / 2;
}

}  // namespace tarvel
