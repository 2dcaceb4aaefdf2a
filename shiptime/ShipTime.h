// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#pragma once
// A ship's zone, time and date as one instant: its check, and the universal
// time that orders instants kept in different zones.
//
// Zone −12 … +12, east positive (universal time = ship's time − zone hours);
// time 00:00:00 … 23:59:59; a real calendar day from 1 January 1930 to
// 31 December 2099. ShipTimeFault names the first field out of range with
// the matching text of the set it is given, so that each caller raises the
// error of its own kind.

#include <cstdint>

namespace tarvel {

struct TShipTime {
  std::int32_t Zone;                  // ship's zone, −12 … +12, east positive
  std::int32_t Hour, Minute, Second;  // ship's time
  std::int32_t Day, Month, Year;      // ship's date, 1930 … 2099
};

// The texts for a ship's zone, time and date; one set names the time of a
// sight, another the reference time of the dead reckoning.
struct TInstantTexts {
  const char* Zone;
  const char* Hour;
  const char* Minute;
  const char* Second;
  const char* Date;       // no such day (31 April, 29 February 2023, month 13)
  const char* DateRange;  // before 1 January 1930 or after 31 December 2099
};

// The text of the first fault, checked in the order zone, hour, minute,
// second, year range, calendar day; nullptr for a valid instant.
const char* ShipTimeFault(const TShipTime& time, const TInstantTexts& texts);

// Seconds of universal time from 1 January 1970, 0h UT, of a valid instant.
// A second of 60 (the leap second, checked by the caller) counts as the next
// minute's 00, as the days of this count have 86400 seconds each.
std::int64_t UniversalSeconds(const TShipTime& time);
// The order of instants: twice UniversalSeconds, one less for a second of
// 60, so that 23:59:60 comes between 23:59:59 and the next 00:00:00 and
// tells apart two instants that UniversalSeconds counts alike.
std::int64_t UniversalOrder(const TShipTime& time);

}  // namespace tarvel
