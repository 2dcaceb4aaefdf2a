// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#pragma once
// A ship's zone, time and date as one instant: its check, and the universal
// time that orders instants kept in different zones.
//
// Zone −12 … +12, east positive (universal time = ship's time − zone hours);
// time 00:00:00 … 23:59:59; a real calendar day from 1 January 1930 to
// 31 December 2099. ValidateInstant raises ESightError with the matching
// text of the set it is given.

#include <cstdint>

#include "sights/SightErrors.h"

namespace tarvel {

void ValidateInstant(std::int32_t zone, std::int32_t hour, std::int32_t minute, std::int32_t second,
                     std::int32_t day, std::int32_t month, std::int32_t year, const TInstantTexts& texts);

// Seconds of universal time from 1 January 1970, 0h UT, of a valid instant.
std::int64_t UniversalSeconds(std::int32_t zone, std::int32_t hour, std::int32_t minute,
                              std::int32_t second, std::int32_t day, std::int32_t month,
                              std::int32_t year);

}  // namespace tarvel
