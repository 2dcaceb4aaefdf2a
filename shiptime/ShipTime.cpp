// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#include "shiptime/ShipTime.h"

#include <chrono>

namespace tarvel {
namespace {

std::chrono::year_month_day Date(const TShipTime& t) {
  return {std::chrono::year{t.Year}, std::chrono::month{static_cast<unsigned>(t.Month)},
          std::chrono::day{static_cast<unsigned>(t.Day)}};
}

}  // namespace

const char* ShipTimeFault(const TShipTime& t, const TInstantTexts& texts) {
  if (t.Zone < -12 || t.Zone > 12) return texts.Zone;
  if (t.Hour < 0 || t.Hour > 23) return texts.Hour;
  if (t.Minute < 0 || t.Minute > 59) return texts.Minute;
  if (t.Second < 0 || t.Second > 59) return texts.Second;
  // The range first: a year far outside it is not a calendar question.
  if (t.Year < 1930 || t.Year > 2099) return texts.DateRange;
  if (t.Day < 1 || t.Day > 31 || t.Month < 1 || t.Month > 12 || !Date(t).ok()) return texts.Date;
  return nullptr;
}

std::int64_t UniversalSeconds(const TShipTime& t) {
  const std::int64_t days = std::chrono::sys_days(Date(t)).time_since_epoch().count();
  return days * 86400 + (std::int64_t{t.Hour} - t.Zone) * 3600 + std::int64_t{t.Minute} * 60 + t.Second;
}

std::int64_t UniversalOrder(const TShipTime& t) { return UniversalSeconds(t) * 2 - (t.Second == 60 ? 1 : 0); }

}  // namespace tarvel
