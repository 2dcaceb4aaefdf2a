// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#pragma once
// Sight logs for the tests of the log's file, made the way the windows make
// them: every value read from the text its field would hold, by the form's
// own readers (TDegrees::SetStrings, StrToFloat, minutes * OneSixtieth).

#include <random>
#include <string>

#include "angles/Degrees.h"
#include "core/TextToNumber.h"
#include "reports/SightLog.h"

namespace tarvel::samples {

// A latitude or longitude as the masked fields read it (the kind follows
// the text).
inline Extended Angle(const std::string& text) {
  TDegrees degrees(TDegType::Latitude);
  degrees.SetStrings(text);
  return degrees.DecimalDegrees();
}

// A number of a spin box with `decimals` (0 or 1) places, read from its
// text with the decimal comma.
inline Extended Number(std::mt19937& random, int low, int high, int decimals) {
  const int scale = decimals == 0 ? 1 : 10;
  const int value = std::uniform_int_distribution<int>(low * scale, high * scale)(random);
  const std::string whole = (value < 0 ? "-" : "") + std::to_string(std::abs(value) / scale);
  return StrToFloat(decimals ? whole + "," + std::to_string(std::abs(value) % scale) : whole);
}

// A DUT1 as its field takes it, −0,9 … +0,9 s in tenths.
inline Extended Dut1Number(std::mt19937& random) {
  const int tenths = std::uniform_int_distribution<int>(-9, 9)(random);
  return StrToFloat(std::string(tenths < 0 ? "-" : "") + "0," + std::to_string(std::abs(tenths)));
}

inline std::string TwoDigits(int value) { return (value < 10 ? "0" : "") + std::to_string(value); }

// "Ш = 55°45,50'N" or "Д = 037°36,20'E", the hundredths of a minute at random.
inline std::string RandomAngleText(std::mt19937& random, bool latitude) {
  const int grad = std::uniform_int_distribution<int>(0, latitude ? 60 : 179)(random);
  const int hundredths = std::uniform_int_distribution<int>(0, 5999)(random);
  const bool first = std::uniform_int_distribution<int>(0, 1)(random) == 1;
  std::string degrees = std::to_string(grad);
  degrees.insert(0, (latitude ? 2 : 3) - degrees.size(), '0');
  return std::string(latitude ? "Ш = " : "Д = ") + degrees + "°" + TwoDigits(hundredths / 100) + "," +
         TwoDigits(hundredths % 100) + "'" + (latitude ? (first ? "N" : "S") : (first ? "E" : "W"));
}

// A sight of the body that the reduction accepts: the assumed position is
// tried round the equator until the body stands above the horizon.
inline TLoggedSight RandomSight(std::mt19937& random, TBody body, std::int32_t star = 0) {
  TLoggedSight logged;
  TSight& s = logged.Sight;
  s.Body = body;
  s.StarNumber = body != TBody::Star ? 1 : star ? star : std::uniform_int_distribution<int>(1, 160)(random);
  s.Time = {std::uniform_int_distribution<int>(-12, 12)(random),
            std::uniform_int_distribution<int>(0, 23)(random),
            std::uniform_int_distribution<int>(0, 59)(random),
            std::uniform_int_distribution<int>(0, 59)(random),
            std::uniform_int_distribution<int>(1, 28)(random),
            std::uniform_int_distribution<int>(1, 12)(random),
            std::uniform_int_distribution<int>(2000, 2040)(random)};
  const int tenths = std::uniform_int_distribution<int>(0, 599)(random);
  s.Hs = StrToFloat(TwoDigits(tenths / 10) + "," + std::to_string(tenths % 10)) * OneSixtieth +
         std::uniform_int_distribution<int>(20, 70)(random);
  s.IndexError = Number(random, -5, 5, 1);
  s.EyeHeight = Number(random, 0, 40, 1);
  s.Temperature = Number(random, -30, 40, 1);
  s.Pressure = Number(random, 950, 1050, 0);
  if (std::uniform_int_distribution<int>(0, 2)(random) > 0) s.Dut1 = Dut1Number(random);  // or none
  logged.Enabled = std::uniform_int_distribution<int>(0, 1)(random) == 1;
  for (int tries = 0; tries < 200; ++tries) {
    logged.Lat = Angle(RandomAngleText(random, true));
    logged.Lon = Angle(RandomAngleText(random, false));
    try {
      logged.Reduction = ReduceSight(s, logged.Lat, logged.Lon);
      return logged;
    } catch (const ESightError&) {
    }
  }
  throw std::runtime_error("no position above the horizon");
}

// A chronometer's record as its dialog makes it: 0 to 3 comparisons a few
// days apart (two at least, so that no zone puts them out of order), to the minute, in time order, sometimes an undated one first
// (a log of version 1 without sights), a rate typed or not.
inline TChronometerRecord RandomChronometer(std::mt19937& random) {
  TChronometerRecord record;
  const int count = std::uniform_int_distribution<int>(0, 3)(random);
  if (count > 0 && std::uniform_int_distribution<int>(0, 4)(random) == 0) {
    record.Comparisons.push_back({std::nullopt, Number(random, -3600, 3600, 1)});
  }
  int day = std::uniform_int_distribution<int>(1, 5)(random);
  for (int k = 0; k < count; ++k, day += std::uniform_int_distribution<int>(2, 7)(random)) {
    const TShipTime at{std::uniform_int_distribution<int>(-12, 12)(random),
                       std::uniform_int_distribution<int>(0, 23)(random),
                       std::uniform_int_distribution<int>(0, 59)(random), 0, day, 12, 2026};
    record.Comparisons.push_back({at, Number(random, -120, 120, 1)});
  }
  if (std::uniform_int_distribution<int>(0, 1)(random) == 1) record.TypedRate = Number(random, -60, 60, 1);
  return record;
}

inline TSightLog RandomLog(std::mt19937& random, int sights) {
  TSightLog log;
  for (int k = 0; k < sights; ++k) {
    log.Sights.push_back(RandomSight(random, static_cast<TBody>(k % (static_cast<int>(TBody::Saturn) + 1))));
  }
  log.Reckoning.Lat = Angle(RandomAngleText(random, true));
  log.Reckoning.Lon = Angle(RandomAngleText(random, false));
  log.Reckoning.Time = log.Sights.empty() ? TShipTime{3, 12, 0, 0, 10, 12, 2026} : log.Sights[0].Sight.Time;
  log.Reckoning.Course = Number(random, 0, 359, 1);
  log.Reckoning.Speed = Number(random, 0, 30, 1);
  log.Settings.SightError = Number(random, 1, 10, 1);
  log.Settings.DriftRate = Number(random, 0, 10, 1);
  log.Chronometer = RandomChronometer(random);
  log.Observer = {Number(random, -99, 99, 1), Number(random, 0, 100, 1), Number(random, -50, 50, 1),
                  Number(random, 900, 1100, 0), Dut1Number(random)};
  return log;
}

// The log the saving child writes as its n-th (sight_log_saver.cpp): one
// chronometer comparison of n seconds, n % 4 sights, so files of different
// lengths follow each other.
inline TSightLog NumberedLog(int n) {
  std::mt19937 random(static_cast<unsigned>(n % 4));
  TSightLog log = RandomLog(random, n % 4);
  log.Chronometer = {{{TShipTime{3, 9, 0, 0, 8, 12, 2026}, static_cast<Extended>(n)}}, std::nullopt};
  return log;
}

}  // namespace tarvel::samples
