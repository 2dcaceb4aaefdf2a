// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#include "angles/Wrap.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "core/RuntimeErrors.h"

using namespace tarvel;

namespace {

// The next representable value above and below.
Extended Up(Extended x) { return std::nextafter(x, Extended{1e9}); }
Extended Down(Extended x) { return std::nextafter(x, Extended{-1e9}); }

TEST(Wrap, EdgesOfBothRanges) {
  const struct {
    Extended in, to360, to180;
  } rows[] = {
      {0, 0, 0},          {-0.0L, 0, 0},        {180, 180, -180},      {-180, 180, -180},
      {360, 0, 0},        {-360, 0, 0},         {540, 180, -180},      {-540, 180, -180},
      {179.5L, 179.5L, 179.5L}, {-179.5L, 180.5L, -179.5L}, {180.5L, 180.5L, -179.5L},
      {359.5L, 359.5L, -0.5L},  {360.5L, 0.5L, 0.5L},       {-0.5L, 359.5L, -0.5L},
      {725, 5, 5},        {-725, 355, -5},
  };
  for (const auto& r : rows) {
    EXPECT_EQ(Wrap360(r.in), r.to360) << static_cast<double>(r.in);
    EXPECT_EQ(Wrap180(r.in), r.to180) << static_cast<double>(r.in);
    EXPECT_FALSE(std::signbit(Wrap360(r.in))) << static_cast<double>(r.in);
  }
}

TEST(Wrap, JustBelowAndAboveEachEdgeStaysInRange) {
  for (const Extended edge : {Extended{-360}, Extended{-180}, Extended{0}, Extended{180}, Extended{360}}) {
    for (const Extended x : {Down(edge), edge, Up(edge)}) {
      const Extended a = Wrap360(x), b = Wrap180(x);
      EXPECT_TRUE(a >= 0 && a < 360) << static_cast<double>(x);
      EXPECT_TRUE(b >= -180 && b < 180) << static_cast<double>(x);
      // The same direction, whichever range: at most one unit of 360's last place apart.
      EXPECT_NEAR(static_cast<double>(std::remainder(a - b, Extended{360})), 0, 1e-12);
    }
  }
  // Tiny negatives would round to the excluded end.
  EXPECT_EQ(Wrap360(-1e-30L), 0);
  EXPECT_LT(Wrap180(Down(Extended{180})), 180);
}

TEST(Wrap, RefusesWhatIsNotFinite) {
  for (const Extended x : {std::numeric_limits<Extended>::infinity(), -std::numeric_limits<Extended>::infinity(),
                           std::numeric_limits<Extended>::quiet_NaN()}) {
    EXPECT_THROW(Wrap360(x), EInvalidOp);
    EXPECT_THROW(Wrap180(x), EInvalidOp);
  }
}

TEST(Bearing, CompassPointsAndAgreementWithAtan2) {
  const struct {
    Extended north, east, bearing;
  } rows[] = {
      {1, 0, 0}, {1, 1, 45}, {0, 1, 90}, {-1, 1, 135}, {-1, 0, 180}, {-1, -1, 225}, {0, -1, 270}, {1, -1, 315},
      {0, 0, 0}, {-0.0L, 0, 0}, {-1, -0.0L, 180}, {-1, 1e-30L, 180},
  };
  for (const auto& r : rows)
    EXPECT_NEAR(static_cast<double>(Bearing(r.north, r.east)), static_cast<double>(r.bearing), 1e-15)
        << static_cast<double>(r.north) << " " << static_cast<double>(r.east);
  // Against the library's atan2 round the circle, just off each axis included.
  for (int k = -720; k <= 720; ++k) {
    const double a = k * 0.5 * M_PI / 180 + (k % 3 - 1) * 1e-9;
    const double expected = std::fmod(std::atan2(std::sin(a), std::cos(a)) * 180 / M_PI + 360, 360);
    const Extended got = Bearing(std::cos(a), std::sin(a));
    EXPECT_TRUE(got >= 0 && got < 360) << k;
    EXPECT_NEAR(std::remainder(static_cast<double>(got) - expected, 360.0), 0, 1e-9) << k;
  }
}

}  // namespace
