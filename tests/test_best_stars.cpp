// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#include <gtest/gtest.h>

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

TEST(BestThree, ChoosesTheWidestSpreadThenAltitudesNearest45ThenLowNumbers) {
  using V = std::vector<TSightCandidate>;
  const struct { const char* what; V candidates; std::vector<std::int32_t> best; } cases[] = {
      {"none", {}, {}},
      {"two", {{1, 30, 0}, {2, 30, 120}}, {}},
      {"three, by azimuth", {{7, 30, 300}, {2, 30, 10}, {5, 30, 200}}, {2, 5, 7}},
      {"spread wins over altitude", {{1, 45, 0}, {2, 45, 10}, {3, 45, 20}, {4, 16, 120}, {5, 69, 240}}, {1, 4, 5}},
      // 0° and 180° give the same line: the tie goes to the altitude nearer 45°.
      {"tie by altitude", {{1, 20, 0}, {2, 40, 120}, {3, 40, 240}, {4, 44, 180}}, {2, 4, 3}},
      {"tie by altitude below 45", {{1, 70, 0}, {2, 40, 120}, {3, 40, 240}, {4, 25, 180}}, {2, 4, 3}},
      {"full tie by numbers", {{9, 40, 180}, {2, 40, 120}, {3, 40, 240}, {4, 40, 0}}, {4, 2, 3}},
  };
  for (const auto& c : cases) EXPECT_EQ(BestThree(c.candidates), c.best) << c.what;
}

// The pairwise sum against the determinant itself, over every triple of
// random skies.
TEST(BestThree, AgreesWithTheDeterminantOverEveryTriple) {
  std::mt19937 random(12);
  std::uniform_real_distribution<double> azimuth(0, 360), altitude(15, 70);
  for (int sky = 0; sky < 30; ++sky) {
    std::vector<TSightCandidate> stars;
    for (int k = 1; k <= 3 + sky; ++k) stars.push_back({k, altitude(random), azimuth(random)});
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
    long double best = -1;
    for (std::size_t i = 0; i < stars.size(); ++i)
      for (std::size_t j = i + 1; j < stars.size(); ++j)
        for (std::size_t k = j + 1; k < stars.size(); ++k) {
          best = std::max(best, det(i, j, k));
          EXPECT_NEAR(static_cast<double>(det(i, j, k)),
                      static_cast<double>(CrossingStrength(stars[i].Azimuth, stars[j].Azimuth, stars[k].Azimuth)), 1e-12);
        }
    const std::vector<std::int32_t> chosen = BestThree(stars);
    ASSERT_EQ(chosen.size(), 3u);
    EXPECT_NEAR(static_cast<double>(det(chosen[0] - 1, chosen[1] - 1, chosen[2] - 1)), static_cast<double>(best), 1e-12);
    EXPECT_LE(stars[chosen[0] - 1].Azimuth, stars[chosen[1] - 1].Azimuth);
    EXPECT_LE(stars[chosen[1] - 1].Azimuth, stars[chosen[2] - 1].Azimuth);
  }
}

}  // namespace
}  // namespace tarvel
