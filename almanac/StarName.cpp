// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#include "almanac/StarName.h"

#include "ephemeris/Stars.h"

namespace tarvel {

std::string TidyStarName(std::string_view stored) {
  std::string name;
  bool blank = false;  // a blank is owed before the next letter
  for (const char c : stored) {
    if (c == ' ') {
      blank = !name.empty();
      continue;
    }
    if (c == '(' && !name.empty()) blank = true;
    if (blank) name += ' ';
    blank = false;
    name += c;
  }
  return name;
}

std::string StarName(std::int32_t number) { return TidyStarName(StarTable(number).Name); }

}  // namespace tarvel
