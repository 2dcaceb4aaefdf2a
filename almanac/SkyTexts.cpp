// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#include "almanac/SkyTexts.h"

#include <cmath>

#include "almanac/StarName.h"
#include "angles/Direction.h"
#include "core/Arithmetic.h"
#include "core/NumberPicture.h"
#include "display/AngleDisplay.h"
#include "display/GreekLetter.h"
#include "almanac/TimeCostText.h"
#include "ephemeris/StarPlaceError.h"
#include "ephemeris/Stars.h"

namespace tarvel {
namespace {

std::string Name(std::int32_t number) {
  if (!IsStarRow(number)) return BodyName(number);
  return GreekLetter(StarTable(number).Letter) + " " + StarName(number);
}

std::string ErrorText(Extended minutes) { return FormatPicture("0.00", minutes) + "'"; }

// Whole degrees cut toward zero and the minutes with the sign, as the engine
// delivers them to the display texts.
void Split(Extended degrees, Extended& whole, Extended& minutes) {
  whole = arith::Trunc(degrees);
  minutes = (degrees - whole) * 60;
}

// Degrees and minutes of a coordinate's magnitude, with its hemisphere.
std::string CoordinateText(Extended value, const char* degrees, const char* positive, const char* negative) {
  const Extended magnitude = std::fabs(value);
  const Extended whole = arith::Trunc(magnitude);
  return FormatPicture(degrees, whole) + "°" + FormatPicture("00.00", (magnitude - whole) * 60) + "' " +
         (value < 0 ? negative : positive);
}

}  // namespace

TStarTexts StarTexts(const TSkyView& view, std::int32_t number) {
  const TStarView& s = StarOf(view, number);
  TStarTexts t;
  if (IsStarRow(number)) t.Number = std::to_string(number);
  t.Name = Name(number);
  t.Magnitude = MagnitudeText(s.Magnitude);
  Extended whole, minutes;
  Split(s.Altitude, whole, minutes);
  t.Altitude = AltitudeText(whole, minutes);
  t.Azimuth = DirectionText(s.Azimuth);
  t.LocalHourAngle = LocalHourAngleText(s.Gha, view.Inputs.Longitude);
  Split(s.Declination, whole, minutes);
  t.Declination = DeclinationText(whole, minutes);
  if (s.HasPlaceError) t.PlaceError = ErrorText(s.PlaceError);
  return t;
}

std::string StarTitle(std::int32_t number) {
  return IsStarRow(number) ? std::to_string(number) + " " + Name(number) : Name(number);
}

std::string MagnitudeText(Extended magnitude) {
  const std::string text = FormatPicture("0.0", std::fabs(magnitude));
  return magnitude <= -0.05L ? "\u2212" + text : text;
}

std::string StarHoverText(const TSkyView& view, std::int32_t number) {
  const TStarTexts t = StarTexts(view, number);
  const TStarView& s = StarOf(view, number);
  std::string text = StarTitle(number) + ", зв. вел. " + t.Magnitude + "\nВысота " + t.Altitude + "   Азимут " + t.Azimuth;
  if (number == kMoonRow) text += "\nОсвещено " + FormatPicture("0", s.Illuminated * 100) + "% диска";
  if (s.Unreliable) {
    text += std::string("\nМесто ") + (number == kSunRow ? "Солнца" : "звезды") + " в главном окне неточно на " +
            t.PlaceError + " — больше " + ErrorText(kStarPlaceErrorLimit);
  }
  // What the time of the view costs the place: the Earth's turn for the
  // uncertainty of UT1 (DUT1 is the sight form's, not the view's).
  const TPlaceTimeError cost = PlaceTimeError(BodyOfRow(number), IsStarRow(number) ? number : 0, view.Inputs.Time);
  text += "\n" + Dut1Text(cost.Scales) + "; " + TimeCostText(cost);
  return text;
}

std::string BestThreeText(const TSkyView& view) {
  const std::string limit = MagnitudeText(view.Band.FaintestMagnitude);
  if (view.Daylight) {
    const std::string day = std::string("Днём (Солнце выше ") + "\u2212" + FormatPicture("0", -kDaylightSunAltitude) +
                            "°) звёзд не видно";
    if (view.Best.empty()) return day + kNoneByDay;
    std::string text = day + "; для наблюдений:";
    const char* separator = " ";
    for (std::int32_t k : view.Best) {
      text += separator + StarTitle(k);
      separator = ", ";
    }
    return text;
  }
  if (view.Best.empty()) {
    return "Лучшие три светила: нет — в полосе высот меньше трёх звёзд и планет ярче " + limit;
  }
  std::string text = "Лучшие три светила:";
  const char* separator = " ";
  for (std::int32_t k : view.Best) {
    text += separator + StarTitle(k);
    separator = ", ";
  }
  if (view.BestFallback) text += " — обступающих судно трёх светил нет, взяты наибольшие углы пересечения";
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
