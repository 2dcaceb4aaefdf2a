// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#pragma once
// The three stars whose lines of position cross best.
//
// A line of position runs across the azimuth of its star; three lines fix
// the ship well when their normals nᵢ = (cos Znᵢ, sin Znᵢ) spread round the
// circle. The measure is det Σ nᵢnᵢᵀ, which equals the sum over the three
// pairs of sin²(Znᵢ − Znⱼ): 9/4 for azimuths 120° apart (or 60°, as a line
// has no direction), 0 for three parallel lines. Triples whose measures agree
// to within kCrossingTolerance tie; of those the one with altitudes nearest
// 45° (least Σ |hᵢ − 45°|) wins, and then the lowest star numbers.
//
// Pure: degrees in, star numbers out; nothing raises.

#include <array>
#include <cstdint>
#include <vector>

#include "core/Extended.h"

namespace tarvel {

struct TSightCandidate {
  std::int32_t Number;  // catalogue number
  Extended Altitude;    // degrees
  Extended Azimuth;     // degrees from north through east
};

inline constexpr Extended kCrossingTolerance = 1e-12L;

// det Σ nᵢnᵢᵀ of three azimuths in degrees: 0 … 9/4.
Extended CrossingStrength(Extended z1, Extended z2, Extended z3);

// The best three of the candidates, in order of azimuth; empty when there
// are fewer than three.
std::vector<std::int32_t> BestThree(const std::vector<TSightCandidate>& candidates);

}  // namespace tarvel
