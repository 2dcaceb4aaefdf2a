// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#pragma once
// How far a star's place from StarPlace may be off at a date: the catalogue
// carries each star with constant annual rates, which leaves out the
// second-order term of precession. That term, with the annual general
// precession n = 20.043"/yr and the catalogue's rates α̇, δ̇ (radians a year),
//   α̈ = n (cos α tan δ · α̇ + sin α sec²δ · δ̇),   δ̈ = −n sin α · α̇,
//   error = ½ t² √((α̈ cos δ)² + δ̈²),
// predicts the measured error of every star to within a few per cent; it is
// what makes Polaris drift by miles within decades.
//
// α, δ: the catalogue place at 1990.5. Years: Julian years from 1990.5, as
// TSunData::Years. Result: minutes of arc (= nautical miles of the star's
// ground point), never negative. A star at a pole raises EZeroDivide.

#include <cstdint>

#include "core/Extended.h"

namespace tarvel {

Extended StarPlaceError(std::int32_t StarNumber, Extended Years);

// The error above which a star's place is not good enough for a sight.
inline constexpr Extended kStarPlaceErrorLimit = 0.5L;  // minutes of arc

}  // namespace tarvel
