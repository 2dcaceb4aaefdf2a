// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>

#include "almanac/BestStars.h"

namespace tarvel {
namespace {

TEST(CrossingStrength, SpreadOfTheLines) {
  const struct { Extended z1, z2, z3, strength; } cases[] = {
      {0, 120, 240, 2.25L}, {10, 70, 130, 2.25L},  // 60° apart: the same three lines
      {0, 0, 0, 0},         {0, 180, 360, 0},      // one line, seen either way
      {0, 90, 180, 2},      {0, 90, 45, 2},        {350, 10, 30, 0.647131468L},  // 2 sin²20° + sin²40°
  };
  for (const auto& c : cases) {
    EXPECT_NEAR(static_cast<double>(CrossingStrength(c.z1, c.z2, c.z3)), static_cast<double>(c.strength), 1e-9)
        << static_cast<double>(c.z1) << " " << static_cast<double>(c.z2) << " " << static_cast<double>(c.z3);
  }
}

TEST(AzimuthGaps, RoundTheCircle) {
  const struct { Extended z1, z2, z3; bool surrounds; Extended smallest; } cases[] = {
      {0, 120, 240, true, 120}, {350, 110, 230, true, 120}, {-10, 110, 590, true, 120},  // any turn
      {0, 90, 180, false, 90},  // a gap of 180° exactly: all on one side of the meridian
      {0, 90, 181, true, 90},   {10, 20, 30, false, 10}, {300, 10, 200, false, 70},
  };
  for (const auto& c : cases) {
    const auto gaps = AzimuthGaps(c.z1, c.z2, c.z3);
    EXPECT_NEAR(static_cast<double>(gaps[0] + gaps[1] + gaps[2]), 360, 1e-12);
    EXPECT_NEAR(static_cast<double>(*std::min_element(gaps.begin(), gaps.end())), static_cast<double>(c.smallest), 1e-12);
    EXPECT_EQ(Surrounds(c.z1, c.z2, c.z3), c.surrounds) << static_cast<double>(c.z1);
  }
}

// Cases a navigator checks by eye: {number, altitude, azimuth, magnitude}.
TEST(BestThree, SurroundTheShipThenSpreadThenBrightnessThenAltitude) {
  using V = std::vector<TSightCandidate>;
  const struct { const char* what; V candidates; std::vector<std::int32_t> best; bool fallback; } cases[] = {
      {"none", {}, {}, false},
      {"two", {{1, 30, 0}, {2, 30, 120}}, {}, false},
      {"three on one side, by azimuth", {{7, 30, 300}, {2, 30, 10}, {5, 30, 200}}, {2, 5, 7}, true},
      {"spread wins over altitude", {{1, 45, 0}, {2, 45, 10}, {3, 45, 20}, {4, 16, 120}, {5, 69, 240}}, {1, 4, 5}, false},
      {"120° apart win over brighter bunched in the east",
       {{1, 40, 10, 2.0L}, {2, 40, 130, 2.0L}, {3, 40, 250, 2.0L}, {4, 40, 60, -1.0L}, {5, 40, 100, -0.5L}, {6, 40, 150, 0}},
       {1, 2, 3}, false},
      {"a planet completes the spread",
       {{1, 40, 0, 1}, {2, 40, 120, 1}, {3, 40, 60, 0.5L}, {4, 40, 90, 0.5L}, {5, 40, 200, 1}, {163, 30, 240, -4}},
       {1, 2, 163}, false},
      // 0° and 180° give the same line but leave the ship on one side.
      {"a line the other way round is no spread", {{1, 20, 0}, {2, 40, 120}, {3, 40, 240}, {4, 44, 180}}, {1, 2, 3}, false},
      {"smallest gap within 5°: the altitude decides", {{1, 20, 0}, {2, 45, 120}, {3, 45, 240}, {4, 44, 2}}, {4, 2, 3}, false},
      {"smallest gap within 5°: the brighter wins",
       {{1, 45, 0, 1}, {2, 45, 120, 1}, {3, 45, 240, 1}, {4, 45, 3, -1}}, {4, 2, 3}, false},
      // 10° short counted as a real difference when the tolerance was 5°; a
      // navigator takes the star of magnitude −1 for lines 110° apart.
      {"smallest gap 10° short: still equal, the brighter wins",
       {{1, 45, 0, 1}, {2, 45, 120, 1}, {3, 45, 240, 1}, {4, 45, 10, -1}}, {4, 2, 3}, false},
      {"smallest gap 20° short: the spread wins over brightness",
       {{1, 45, 0, 1}, {2, 45, 120, 1}, {3, 45, 240, 1}, {4, 45, 20, -1}}, {1, 2, 3}, false},
      {"smallest gap 15° short exactly: still equal",
       {{1, 45, 0, 1}, {2, 45, 120, 1}, {3, 45, 240, 1}, {4, 45, 15, -1}}, {4, 2, 3}, false},
      {"magnitudes within 0.3: the altitude decides",
       {{1, 20, 0, 1.0L}, {2, 45, 120, 1}, {3, 45, 240, 1}, {4, 45, 1, 1.2L}}, {4, 2, 3}, false},
      {"full tie by numbers", {{9, 40, 180}, {2, 40, 120}, {3, 40, 240}, {4, 40, 0}}, {4, 2, 3}, false},
      // All in the north-east quadrant: the widest crossing, 0°, 60°, 100°.
      {"fallback to the widest crossing", {{1, 40, 0}, {2, 40, 60}, {3, 40, 90}, {4, 40, 100}}, {1, 2, 4}, true},
  };
  for (const auto& c : cases) {
    const TBestThree best = BestThree(c.candidates);
    EXPECT_EQ(best.Numbers, c.best) << c.what;
    EXPECT_EQ(best.Fallback, c.fallback) << c.what;
  }
}

// Brute force over random skies: every triad judged on its own, with the
// semicircle test and the pairwise distances instead of the sorted gaps.
TEST(BestThree, AgreesWithEveryTriadOfRandomSkies) {
  std::mt19937 random(12);
  std::uniform_real_distribution<double> azimuth(0, 360), altitude(15, 70), magnitude(-1.5, 2.5);
  const auto separation = [](long double a, long double b) {
    const long double d = std::fmod(std::fabs(a - b), 360.0L);
    return std::min(d, 360 - d);
  };
  // All three within a closed half of the circle starting at one of them.
  const auto oneSide = [](long double a, long double b, long double c) {
    const long double z[3] = {a, b, c};
    for (int i = 0; i < 3; ++i) {
      bool inside = true;
      for (int j = 0; j < 3; ++j) inside = inside && std::fmod(z[j] - z[i] + 720, 360.0L) <= 180;
      if (inside) return true;
    }
    return false;
  };
  int fallbacks = 0;
  for (int sky = 0; sky < 60; ++sky) {
    std::vector<TSightCandidate> stars;
    // Some skies all in one quarter, so that the fallback is tried too.
    const double spread = sky % 4 == 0 ? 0.25 : 1;
    for (int k = 1; k <= 3 + sky / 2; ++k)
      stars.push_back({k, altitude(random), azimuth(random) * spread, magnitude(random)});
    const auto det = [&](std::size_t i, std::size_t j, std::size_t k) {
      long double cc = 0, ss = 0, cs = 0;
      for (std::size_t m : {i, j, k}) {
        const long double z = stars[m].Azimuth * 3.14159265358979323846L / 180;
        cc += std::cos(z) * std::cos(z);
        ss += std::sin(z) * std::sin(z);
        cs += std::cos(z) * std::sin(z);
      }
      return cc * ss - cs * cs;
    };
    const auto smallest = [&](std::size_t i, std::size_t j, std::size_t k) {
      return std::min({separation(stars[i].Azimuth, stars[j].Azimuth), separation(stars[i].Azimuth, stars[k].Azimuth),
                       separation(stars[j].Azimuth, stars[k].Azimuth)});
    };
    const auto around = [&](std::size_t i, std::size_t j, std::size_t k) {
      return !oneSide(stars[i].Azimuth, stars[j].Azimuth, stars[k].Azimuth);
    };
    long double bestDet = -1, widest = -1;
    const std::size_t n = stars.size();
    for (std::size_t i = 0; i < n; ++i)
      for (std::size_t j = i + 1; j < n; ++j)
        for (std::size_t k = j + 1; k < n; ++k) {
          bestDet = std::max(bestDet, det(i, j, k));
          if (around(i, j, k)) widest = std::max(widest, smallest(i, j, k));
          EXPECT_NEAR(static_cast<double>(det(i, j, k)),
                      static_cast<double>(CrossingStrength(stars[i].Azimuth, stars[j].Azimuth, stars[k].Azimuth)), 1e-12);
        }
    const TBestThree best = BestThree(stars);
    ASSERT_EQ(best.Numbers.size(), 3u);
    const std::size_t a = best.Numbers[0] - 1, b = best.Numbers[1] - 1, c = best.Numbers[2] - 1;
    EXPECT_LE(stars[a].Azimuth, stars[b].Azimuth);
    EXPECT_LE(stars[b].Azimuth, stars[c].Azimuth);
    EXPECT_EQ(best.Fallback, widest < 0) << sky;
    if (widest < 0) {
      ++fallbacks;
      EXPECT_NEAR(static_cast<double>(det(a, b, c)), static_cast<double>(bestDet), 1e-12) << sky;
      continue;
    }
    EXPECT_TRUE(around(a, b, c)) << sky;
    EXPECT_GE(smallest(a, b, c), widest - kGapTolerance - 1e-12) << sky;
    // No triad as well spread is brighter by more than the tolerance.
    const long double chosen = stars[a].Magnitude + stars[b].Magnitude + stars[c].Magnitude;
    for (std::size_t i = 0; i < n; ++i)
      for (std::size_t j = i + 1; j < n; ++j)
        for (std::size_t k = j + 1; k < n; ++k) {
          if (!around(i, j, k) || smallest(i, j, k) < widest - kGapTolerance) continue;
          EXPECT_GE(stars[i].Magnitude + stars[j].Magnitude + stars[k].Magnitude, chosen - 0.3L - 1e-12) << sky;
        }
  }
  EXPECT_GT(fallbacks, 0);
}

}  // namespace
}  // namespace tarvel
