// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#pragma once
// The three bodies a navigator would shoot for a fix.
//
// The candidates are those the caller lets in (the sky tab: stars and
// planets in the altitude band, no fainter than the navigator's limit).
//
// A triad surrounds the ship when, its azimuths sorted round the circle, no
// gap between neighbours is 180° or more: its lines of position then enclose
// the ship instead of all lying on one side of it, and a systematic error
// (refraction, index error, personal error) shifts them about the true place
// instead of away from it. Of the surrounding triads the choice is, in this
// order:
//   1. the largest smallest gap (120° is ideal); smallest gaps within
//      kGapTolerance (15°) of the largest count as equal: lines of
//      position 105° apart cross as well as 120° for a navigator, who does
//      care whether he can find a star of the third magnitude in twilight.
//      Over 86 twilights from 50° S to 60° N with the limit 4,0, 15° instead
//      of 5° takes the faintest of the three from 2.25 to 1.84 on average
//      (a star fainter than 2.5 in 8 instead of 27 of them) for 6.5° of the
//      smallest gap (116° to 109°);
//   2. the brightest: the least sum of the three magnitudes; sums within
//      kMagnitudeTolerance (0.3, a tenth of a magnitude a body) count as
//      equal;
//   3. altitudes nearest 45° (least Σ |hᵢ − 45°|);
//   4. the lowest numbers (ascending numbers compared in order).
// Each step keeps only the triads the step before left equal to its best.
//
// When no triad surrounds the ship the choice falls back to the widest
// crossing of the lines, CrossingStrength below: det Σ nᵢnᵢᵀ of the normals
// nᵢ = (cos Znᵢ, sin Znᵢ), equal to the sum over the three pairs of
// sin²(Znᵢ − Znⱼ): 9/4 for lines 60° or 120° apart, 0 for parallel lines;
// measures within kCrossingTolerance tie, then altitudes nearest 45°, then
// the lowest numbers; Fallback is set so that the caller can say so.
//
// Pure: degrees and magnitudes in, numbers out; nothing raises.

#include <array>
#include <cstdint>
#include <vector>

#include "core/Extended.h"

namespace tarvel {

struct TSightCandidate {
  std::int32_t Number;     // the caller's number of the body
  Extended Altitude;       // degrees
  Extended Azimuth;        // degrees from north through east
  Extended Magnitude = 0;  // visual magnitude
};

inline constexpr Extended kGapTolerance = 15;          // degrees
inline constexpr Extended kMagnitudeTolerance = 0.3L;  // of the sum of three magnitudes
inline constexpr Extended kCrossingTolerance = 1e-12L;

struct TBestThree {
  std::vector<std::int32_t> Numbers;  // in order of azimuth; empty with fewer than three candidates
  bool Fallback = false;              // no triad surrounds the ship: the widest crossing instead
};

// det Σ nᵢnᵢᵀ of three azimuths in degrees: 0 … 9/4.
Extended CrossingStrength(Extended z1, Extended z2, Extended z3);

// The gaps between the neighbouring azimuths of three bodies round the
// circle, in degrees, adding up to 360: the largest first is not promised.
std::array<Extended, 3> AzimuthGaps(Extended z1, Extended z2, Extended z3);

// Whether three azimuths surround the ship: every gap below 180°.
bool Surrounds(Extended z1, Extended z2, Extended z3);

TBestThree BestThree(const std::vector<TSightCandidate>& candidates);

}  // namespace tarvel
