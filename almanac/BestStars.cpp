// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#include "almanac/BestStars.h"

#include <algorithm>
#include <cmath>

#include "core/Arithmetic.h"
#include "ephemeris/CStars.h"

namespace tarvel {
namespace {

struct TNormal {
  Extended Sin, Cos;
};

TNormal Normal(Extended azimuth) {
  TNormal n;
  arith::SinCos(azimuth * DegToRad, n.Sin, n.Cos);
  return n;
}

// sin²(Zᵢ − Zⱼ): the square of the cross product of the two normals.
Extended PairStrength(const TNormal& a, const TNormal& b) {
  const Extended cross = a.Cos * b.Sin - a.Sin * b.Cos;
  return cross * cross;
}

}  // namespace

Extended CrossingStrength(Extended z1, Extended z2, Extended z3) {
  const TNormal a = Normal(z1), b = Normal(z2), c = Normal(z3);
  return PairStrength(a, b) + PairStrength(a, c) + PairStrength(b, c);
}

std::vector<std::int32_t> BestThree(const std::vector<TSightCandidate>& candidates) {
  const std::size_t n = candidates.size();
  if (n < 3) return {};
  // In order of number, so that the first of equal triples found is the one
  // with the lowest numbers.
  std::vector<TSightCandidate> stars = candidates;
  std::sort(stars.begin(), stars.end(),
            [](const TSightCandidate& a, const TSightCandidate& b) { return a.Number < b.Number; });

  // Every triple's measure is the sum of three pair measures: those are
  // computed once, which keeps a sky of a hundred candidates well under a
  // millisecond.
  std::vector<TNormal> normals(n);
  std::vector<Extended> offAltitude(n);
  for (std::size_t i = 0; i < n; ++i) {
    normals[i] = Normal(stars[i].Azimuth);
    offAltitude[i] = std::fabs(stars[i].Altitude - 45);
  }
  std::vector<Extended> pair(n * n);
  for (std::size_t i = 0; i < n; ++i) {
    for (std::size_t j = i + 1; j < n; ++j) pair[i * n + j] = PairStrength(normals[i], normals[j]);
  }

  Extended bestStrength = -1, bestOff = 0;
  std::array<std::size_t, 3> best{};
  for (std::size_t i = 0; i < n; ++i) {
    for (std::size_t j = i + 1; j < n; ++j) {
      const Extended ij = pair[i * n + j];
      for (std::size_t k = j + 1; k < n; ++k) {
        const Extended strength = ij + pair[i * n + k] + pair[j * n + k];
        if (strength < bestStrength - kCrossingTolerance) continue;
        const Extended off = offAltitude[i] + offAltitude[j] + offAltitude[k];
        if (strength <= bestStrength + kCrossingTolerance && off >= bestOff) continue;
        bestStrength = strength;
        bestOff = off;
        best = {i, j, k};
      }
    }
  }

  std::array<TSightCandidate, 3> chosen{stars[best[0]], stars[best[1]], stars[best[2]]};
  std::sort(chosen.begin(), chosen.end(),
            [](const TSightCandidate& a, const TSightCandidate& b) { return a.Azimuth < b.Azimuth; });
  return {chosen[0].Number, chosen[1].Number, chosen[2].Number};
}

}  // namespace tarvel
