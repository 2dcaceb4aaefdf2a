// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#include "sights/Instant.h"

#include <chrono>

namespace tarvel {
namespace {

std::chrono::year_month_day Date(std::int32_t day, std::int32_t month, std::int32_t year) {
  return {std::chrono::year{year}, std::chrono::month{static_cast<unsigned>(month)},
          std::chrono::day{static_cast<unsigned>(day)}};
}

}  // namespace

void ValidateInstant(std::int32_t zone, std::int32_t hour, std::int32_t minute, std::int32_t second,
                     std::int32_t day, std::int32_t month, std::int32_t year, const TInstantTexts& texts) {
  if (zone < -12 || zone > 12) throw ESightError(texts.Zone);
  if (hour < 0 || hour > 23) throw ESightError(texts.Hour);
  if (minute < 0 || minute > 59) throw ESightError(texts.Minute);
  if (second < 0 || second > 59) throw ESightError(texts.Second);
  // The range first: a year far outside it is not a calendar question.
  if (year < 1930 || year > 2099) throw ESightError(texts.DateRange);
  if (day < 1 || day > 31 || month < 1 || month > 12 || !Date(day, month, year).ok())
    throw ESightError(texts.Date);
}

std::int64_t UniversalSeconds(std::int32_t zone, std::int32_t hour, std::int32_t minute,
                              std::int32_t second, std::int32_t day, std::int32_t month,
                              std::int32_t year) {
  const std::int64_t days = std::chrono::sys_days(Date(day, month, year)).time_since_epoch().count();
  return days * 86400 + (std::int64_t{hour} - zone) * 3600 + std::int64_t{minute} * 60 + second;
}

}  // namespace tarvel
