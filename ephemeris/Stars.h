// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#pragma once
// The built-in catalogue of the 160 navigational stars, numbered as in the
// nautical almanac: name, Greek letter, and the mean place at the epoch
// 1990.5 with its annual change. Read-only data, never modified.

#include <cstdint>
#include <string>

#include "core/Extended.h"

namespace tarvel {

struct TStar {
  std::int32_t Number;  // catalogue number, 1 … 160, equal to the row
  std::string Name;     // Russian name (UTF-8), as stored: some end in blanks
  std::string Letter;   // the Greek letter as one Latin letter of the Symbol
                        // font: a = α, b = β, g = γ, d = δ, c = χ, …
  Extended Alpha;       // mean right ascension at 1990.5, degrees, 0 … 360
  Extended AlphaRate;   // its annual change, degrees per year
  Extended Delta;       // mean declination at 1990.5, degrees, north positive
  Extended DeltaRate;   // its annual change, degrees per year
};

// Row k of the catalogue, k = 1 … 160. The number is not checked: callers
// keep it in range. The rows are built on first use, so the table may be
// read from anywhere, static initialisers included; the reference stays
// valid for the whole run.
const TStar& StarTable(std::int32_t k);

}  // namespace tarvel
