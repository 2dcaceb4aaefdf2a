// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#pragma once
// The program's one floating-point type: the 80-bit extended format of the
// x87 unit (64-bit significand), in which every quantity is computed.

#include <limits>

namespace tarvel {

using Extended = long double;

// The format, not the size: the 64-bit significand of the x87 format (a
// 128-bit quadruple long double is just as large and rounds differently).
static_assert(std::numeric_limits<Extended>::digits == 64 && std::numeric_limits<Extended>::radix == 2,
              "Extended must be the 80-bit x87 format");

// One sixtieth rounded to extended precision. Degrees and minutes are always
// rebuilt as minutes * OneSixtieth + degrees, never as a division by 60, so
// that every value is the same to the last bit wherever it is formed.
inline constexpr Extended OneSixtieth = 1.0L / 60;

}  // namespace tarvel
