// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#include "almanac/BestStars.h"

#include <algorithm>
#include <cmath>

#include "core/Arithmetic.h"
#include "core/Trig.h"
#include "ephemeris/CStars.h"

namespace tarvel {
namespace {

struct TNormal {
  Extended Sin, Cos;
};

TNormal Normal(Extended azimuth) {
  TNormal n;
  trig::SinCos(azimuth * DegToRad, n.Sin, n.Cos);
  return n;
}

// sin²(Zᵢ − Zⱼ): the square of the cross product of the two normals.
Extended PairStrength(const TNormal& a, const TNormal& b) {
  const Extended cross = a.Cos * b.Sin - a.Sin * b.Cos;
  return cross * cross;
}

Extended Turn(Extended azimuth) {
  Extended z = std::fmod(azimuth, Extended{360});
  if (z < 0) z += 360;
  return z;
}

std::vector<std::int32_t> InAzimuthOrder(const std::vector<TSightCandidate>& stars, const std::array<std::size_t, 3>& at) {
  std::array<TSightCandidate, 3> chosen{stars[at[0]], stars[at[1]], stars[at[2]]};
  std::sort(chosen.begin(), chosen.end(),
            [](const TSightCandidate& a, const TSightCandidate& b) { return Turn(a.Azimuth) < Turn(b.Azimuth); });
  return {chosen[0].Number, chosen[1].Number, chosen[2].Number};
}

// The widest crossing of the lines, then altitudes nearest 45°, then the
// lowest numbers (the candidates come in order of number).
std::array<std::size_t, 3> WidestCrossing(const std::vector<TSightCandidate>& stars, const std::vector<Extended>& offAltitude) {
  const std::size_t n = stars.size();
  std::vector<TNormal> normals(n);
  for (std::size_t i = 0; i < n; ++i) normals[i] = Normal(stars[i].Azimuth);
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
  return best;
}

}  // namespace

Extended CrossingStrength(Extended z1, Extended z2, Extended z3) {
  const TNormal a = Normal(z1), b = Normal(z2), c = Normal(z3);
  return PairStrength(a, b) + PairStrength(a, c) + PairStrength(b, c);
}

std::array<Extended, 3> AzimuthGaps(Extended z1, Extended z2, Extended z3) {
  std::array<Extended, 3> z{Turn(z1), Turn(z2), Turn(z3)};
  std::sort(z.begin(), z.end());
  return {z[1] - z[0], z[2] - z[1], 360 - (z[2] - z[0])};
}

bool Surrounds(Extended z1, Extended z2, Extended z3) {
  const std::array<Extended, 3> gaps = AzimuthGaps(z1, z2, z3);
  return *std::max_element(gaps.begin(), gaps.end()) < 180;
}

TBestThree BestThree(const std::vector<TSightCandidate>& candidates) {
  const std::size_t n = candidates.size();
  if (n < 3) return {};
  // In order of number, for the fallback: the first of equal triads it
  // finds is the one with the lowest numbers.
  std::vector<TSightCandidate> stars = candidates;
  std::sort(stars.begin(), stars.end(),
            [](const TSightCandidate& a, const TSightCandidate& b) { return a.Number < b.Number; });
  std::vector<Extended> offAltitude(n);
  for (std::size_t i = 0; i < n; ++i) offAltitude[i] = std::fabs(stars[i].Altitude - 45);

  // In order of azimuth (0 … 360) the gaps of a triad i < j < k are
  // z[j] − z[i], z[k] − z[j] and 360 − (z[k] − z[i]); it surrounds the ship
  // when each is below 180°. One pass finds the widest smallest gap, a second
  // gathers the triads whose every gap is within the tolerance of it; the
  // brightest of those, then the altitudes nearest 45° and the lowest numbers
  // choose. Both passes skip the triads whose gaps cannot reach their
  // bound: the first gap grows with j and the third shrinks with k.
  std::vector<std::size_t> order(n);
  for (std::size_t i = 0; i < n; ++i) order[i] = i;
  std::vector<Extended> turned(n);
  for (std::size_t i = 0; i < n; ++i) turned[i] = Turn(stars[i].Azimuth);
  std::sort(order.begin(), order.end(),
            [&](std::size_t a, std::size_t b) { return turned[a] < turned[b] || (turned[a] == turned[b] && a < b); });
  std::vector<Extended> z(n);  // in order of azimuth
  for (std::size_t p = 0; p < n; ++p) z[p] = turned[order[p]];
  // Visits each surrounding triad (in order of azimuth) whose three gaps all
  // pass `enough`, a bound that may rise as it goes.
  const auto each = [&](auto&& enough, auto&& visit) {
    for (std::size_t i = 0; i < n; ++i) {
      for (std::size_t j = i + 1; j < n && z[j] - z[i] < 180; ++j) {
        if (!enough(z[j] - z[i])) continue;
        // The first k beyond the half circle from i: before it the gap from
        // k round to i is 180° or more.
        const auto from = std::partition_point(z.begin() + static_cast<std::ptrdiff_t>(j) + 1, z.end(),
                                               [&](Extended zk) { return zk - z[i] <= 180; });
        for (auto k = static_cast<std::size_t>(from - z.begin()); k < n && z[k] - z[j] < 180; ++k) {
          const Extended third = 360 - (z[k] - z[i]);
          if (!enough(third)) break;  // and less for every later k
          if (!enough(z[k] - z[j])) continue;
          visit(i, j, k, std::min({z[j] - z[i], z[k] - z[j], third}));
        }
      }
    }
  };
  Extended widest = -1;
  each([&](Extended gap) { return gap > widest; },
       [&](std::size_t, std::size_t, std::size_t, Extended smallest) { widest = std::max(widest, smallest); });
  if (widest < 0) return {InAzimuthOrder(stars, WidestCrossing(stars, offAltitude)), true};

  std::vector<std::array<std::size_t, 3>> spread;  // indices into stars
  const Extended least = widest - kGapTolerance;
  each([&](Extended gap) { return gap >= least; },
       [&](std::size_t i, std::size_t j, std::size_t k, Extended) { spread.push_back({order[i], order[j], order[k]}); });
  const auto magnitudes = [&](const std::array<std::size_t, 3>& t) {
    return stars[t[0]].Magnitude + stars[t[1]].Magnitude + stars[t[2]].Magnitude;
  };
  Extended brightest = magnitudes(spread.front());
  for (const auto& t : spread) brightest = std::min(brightest, magnitudes(t));
  std::array<std::size_t, 3> best{};
  Extended bestOff = 0;
  bool found = false;
  for (const auto& t : spread) {
    if (magnitudes(t) > brightest + kMagnitudeTolerance) continue;
    std::array<std::size_t, 3> at = t;  // indices in order of number: lower numbers, lower indices
    std::sort(at.begin(), at.end());
    const Extended off = offAltitude[t[0]] + offAltitude[t[1]] + offAltitude[t[2]];
    if (found && (off > bestOff || (off == bestOff && at >= best))) continue;
    best = at;
    bestOff = off;
    found = true;
  }
  return {InAzimuthOrder(stars, best), false};
}

}  // namespace tarvel
