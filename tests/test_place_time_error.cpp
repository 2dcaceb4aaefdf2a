// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
// What the time costs a place, against the motions that cause it: the
// Earth's sidereal turn, 15.0411″ a second, times cos δ for a UTC clock; the
// Moon's 0.48–0.70″ and the Sun's 0.040–0.043″ a second against the stars
// for a clock taken as UT1; a star's nothing.

#include <gtest/gtest.h>

#include <cmath>

#include "bodies/PlaceTimeError.h"

namespace tarvel {
namespace {

using B = TCelestialBody;

TEST(PlaceTimeError, FollowsTheMotionThatTheUncertaintyMoves) {
  struct Case {
    B body;
    std::int32_t star;
    TShipTime time;
    double lowPerSecond, highPerSecond;  // ″ per second of uncertainty; 0, 0: by cos δ
  };
  const Case kCases[] = {
      {B::Star, 32, {0, 12, 0, 0, 10, 12, 2026}, 0, 0},   // Mintaka, δ −0.3°: the Earth's whole turn
      {B::Star, 160, {0, 12, 0, 0, 10, 12, 2026}, 0, 0},  // Polaris: cos δ small
      {B::Moon, 0, {0, 12, 0, 0, 10, 12, 2026}, 0, 0},
      {B::Moon, 0, {0, 6, 0, 0, 15, 6, 1935}, 0.47, 0.71},  // clock = UT1: the Moon's own motion
      {B::Sun, 0, {0, 6, 0, 0, 15, 6, 1935}, 0.039, 0.043},
      {B::Star, 32, {0, 6, 0, 0, 15, 6, 1935}, 0, 1e-4},
  };
  for (const Case& c : kCases) {
    const TPlaceTimeError e = PlaceTimeError(c.body, c.star, c.time);
    const double sigma = static_cast<double>(e.Scales.TtMinusUt1Error);
    ASSERT_GT(sigma, 0.05) << c.time.Year;
    const double perSecond = static_cast<double>(e.Arcsec) / sigma;
    if (c.highPerSecond == 0) {
      const double dec = static_cast<double>(BodyPlace(c.body, c.star, c.time).Dec) * M_PI / 180;
      EXPECT_NEAR(perSecond, 15.0411 * std::cos(dec), 0.01) << static_cast<int>(c.body) << " " << c.star;
    } else {
      EXPECT_GE(perSecond, c.lowPerSecond) << static_cast<int>(c.body);
      EXPECT_LE(perSecond, c.highPerSecond) << static_cast<int>(c.body);
    }
  }
}

}  // namespace
}  // namespace tarvel
