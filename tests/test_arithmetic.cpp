// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#include <gtest/gtest.h>

#include <limits>

#include "core/Arithmetic.h"
#include "ephemeris/CStars.h"

namespace tarvel {
namespace {

using namespace arith;

template <class F>
std::string ErrorOf(F&& f) {
  try {
    f();
  } catch (const EMathError& e) {
    return e.what();
  }
  return "no error";
}

TEST(Arithmetic, FaultsCarryTheRuntimeTexts) {
  EXPECT_EQ(ErrorOf([] { Divide(1, 0); }), "Floating point division by zero");
  EXPECT_EQ(ErrorOf([] { Divide(0, 0); }), "Invalid floating point operation");
  EXPECT_EQ(ErrorOf([] { Divide(std::numeric_limits<Extended>::max(), 0.5L); }), "Floating point overflow");
  EXPECT_EQ(ErrorOf([] { Sqrt(-1e-30L); }), "Invalid floating point operation");
  EXPECT_EQ(ErrorOf([] { Trunc32(2147483648.0L); }), "Invalid floating point operation");
  EXPECT_EQ(ErrorOf([] { Trunc32(std::numeric_limits<Extended>::quiet_NaN()); }), "Invalid floating point operation");
  EXPECT_EQ(ErrorOf([] { Tan(0.0L * DegToRad); }), "no error");
}

TEST(Arithmetic, TruncCutsTowardZeroOverTheWhole32BitRange) {
  EXPECT_EQ(Trunc(-0.4L), 0);
  EXPECT_EQ(Trunc(-23.9L), -23);
  EXPECT_EQ(Trunc32(2147483647.9L), 2147483647);
  EXPECT_EQ(Trunc32(-2147483648.9L), -2147483647 - 1);
}

TEST(Arithmetic, SquareRootAndArcTanAreExact) {
  EXPECT_EQ(Sqrt(0.25L), 0.5L);
  EXPECT_EQ(Sqrt(0), 0);
  EXPECT_NEAR(static_cast<double>(ArcTan(1) / DegToRad), 45.0, 1e-15);
  EXPECT_NEAR(static_cast<double>(ArcTan(-1e30L) / DegToRad), -90.0, 1e-15);
}

TEST(Arithmetic, SineAndCosineAgreeWithTheLibrary) {
  for (Extended x = -7; x < 7; x += 0.37L) {
    EXPECT_NEAR(static_cast<double>(Sin(x)), static_cast<double>(std::sin(x)), 1e-18);
    EXPECT_NEAR(static_cast<double>(Cos(x)), static_cast<double>(std::cos(x)), 1e-18);
  }
}

TEST(Arithmetic, SinCosAgreesWithSineAndCosineApart) {
  // The compact theory computes paired sines and cosines with one fsincos.
  // Its last bits may differ from fsin's and fcos's, and between processors;
  // it must agree with them far below what the main window shows.
  Extended x = -12345.678L;
  for (int i = 0; i < 20000; ++i, x += 1.2345678901L) {
    Extended s, c;
    SinCos(x * DegToRad, s, c);
    ASSERT_NEAR(static_cast<double>(s - Sin(x * DegToRad)), 0, 1e-18) << static_cast<double>(x);
    ASSERT_NEAR(static_cast<double>(c - Cos(x * DegToRad)), 0, 1e-18) << static_cast<double>(x);
  }
}

}  // namespace
}  // namespace tarvel
