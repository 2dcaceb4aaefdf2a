// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
// The sight code's trigonometry against values worked with bc -l at scale 40,
// and against the C library's x87 arctangent; nothing here is a bit pattern
// of one processor.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

#include "core/RuntimeErrors.h"
#include "core/Trig.h"

namespace tarvel {
namespace {

using namespace trig;

// Two units in the last place of the extended format, relative.
constexpr Extended kTwoUlps = 2 * std::numeric_limits<Extended>::epsilon();

void ExpectWithin(Extended got, Extended want, Extended relative, const char* what, Extended x) {
  EXPECT_LE(std::fabs(got - want), relative * std::fabs(want))
      << what << "(" << static_cast<double>(x) << ") off by " << static_cast<double>(got - want);
}

TEST(Trig, SineAndCosineMatchBc) {
  struct Case {
    Extended x, sine, cosine;
  };
  // Arguments exact in binary, up to a sight's largest (720° of hour angle
  // plus longitude, 12,6 rad) and beyond.
  const Case cases[] = {
      {0.5L, 0.4794255386042030002732879352155713881L, 0.8775825618903727161162815826038296520L},
      {1, 0.8414709848078965066525023216302989996L, 0.5403023058681397174009366074429766037L},
      {2, 0.9092974268256816953960198659117448427L, -0.4161468365471423869975682295007621898L},
      {3, 0.1411200080598672221007448028081102798L, -0.9899924966004454572715727947312613024L},
      {10, -0.5440211108893698134047476618513772817L, -0.8390715290764524522588639478240648345L},
      {100, -0.5063656411097587936565576104597854321L, 0.8623188722876839341019385139508425355L},
      {215.5L, 0.9550691770192314343028164372398696566L, -0.2963829737144290998541611333096395296L},
      {-0.0009765625L, -0.0009765623447795782989069101681197864L, 0.9999995231628796924863692029498890692L},
  };
  for (const Case& c : cases) {
    ExpectWithin(Sin(c.x), c.sine, kTwoUlps, "Sin", c.x);
    ExpectWithin(Cos(c.x), c.cosine, kTwoUlps, "Cos", c.x);
    Extended s, co;
    SinCos(c.x, s, co);
    ExpectWithin(s, c.sine, kTwoUlps, "SinCos", c.x);
    ExpectWithin(co, c.cosine, kTwoUlps, "SinCos", c.x);
  }
}

TEST(Trig, SinCosGivesTheBitsOfSineAndCosineApart) {
  // Paired and single calls are one software routine, so the choice between
  // them cannot move a result on any processor.
  Extended x = -12345.678L;
  for (int i = 0; i < 20000; ++i, x += 1.2345678901L) {
    Extended s, c;
    SinCos(x * 0.0174532925199432957692369076848861271L, s, c);
    ASSERT_EQ(s, Sin(x * 0.0174532925199432957692369076848861271L)) << static_cast<double>(x);
    ASSERT_EQ(c, Cos(x * 0.0174532925199432957692369076848861271L)) << static_cast<double>(x);
  }
}

TEST(Trig, ArcTangentMatchesBcAndTheX87Instruction) {
  struct Case {
    Extended q, angle;
  };
  const Case cases[] = {
      {0.5L, 0.4636476090008061162142562314612144020L},  {1, 0.7853981633974483096156608458198757210L},
      {2, 1.1071487177940905030170654601785370401L},     {0.0625L, 0.0624188099959573484739791129855051136L},
      {0.1875L, 0.1853479499956947648860259612285446445L}, {0.9375L, 0.7531512809621943895247393702690288816L},
      {7, 1.4288992721907326964184700745371983591L},     {1024, 1.5698197646053372998009182614400341512L},
      {-3, -1.2490457723982544258299170772810901231L},
      {-0.000000000931322574615478515625L, -0.0000000009313225746154785153557354776845L},
      {std::numeric_limits<Extended>::infinity(), kHalfPi},
      {0, 0},
  };
  for (const Case& c : cases) ExpectWithin(ArcTan(c.q), c.angle, kTwoUlps, "ArcTan", c.q);

  // fpatan is within an ulp on every processor that has it; with the two
  // ulps allowed here, three in all.
  std::mt19937_64 random(20261210);
  std::uniform_real_distribution<double> mantissa(-1, 1);
  std::uniform_int_distribution<int> exponent(-30, 30);
  for (int i = 0; i < 200000; ++i) {
    const Extended q = std::ldexp(static_cast<Extended>(mantissa(random)), exponent(random));
    ExpectWithin(ArcTan(q), atanl(q), 3 * std::numeric_limits<Extended>::epsilon(), "ArcTan", q);
    if (HasFailure()) return;
  }
}

TEST(Trig, ArcTan2FindsTheQuadrant) {
  struct Case {
    Extended y, x, angle;
  };
  const Case cases[] = {
      {1, 1, kPi / 4},       {1, -1, 3 * kPi / 4}, {-1, -1, -3 * kPi / 4}, {-1, 1, -kPi / 4},
      {0, -1, kPi},          {-0.0L, -1, -kPi},    {1, 0, kHalfPi},        {-1, 0, -kHalfPi},
      {0, 1, 0},             {0, 0, 0},            {2, 1, 1.1071487177940905030170654601785370401L},
      {-1, -2, -(kPi - 0.4636476090008061162142562314612144020L)},
  };
  for (const Case& c : cases) {
    const Extended got = ArcTan2(c.y, c.x);
    EXPECT_LE(std::fabs(got - c.angle), 4 * std::numeric_limits<Extended>::epsilon())
        << static_cast<double>(c.y) << ", " << static_cast<double>(c.x) << ": " << static_cast<double>(got);
  }
}

TEST(Trig, NaNIsRefusedWithTheProgramsError) {
  const Extended nan = std::numeric_limits<Extended>::quiet_NaN();
  EXPECT_THROW(Sin(nan), EInvalidOp);
  EXPECT_THROW(Cos(nan), EInvalidOp);
  EXPECT_THROW(ArcTan(nan), EInvalidOp);
  EXPECT_THROW(ArcTan2(1, nan), EInvalidOp);
  EXPECT_THROW(ArcTan2(nan, 1), EInvalidOp);
}

}  // namespace
}  // namespace tarvel
