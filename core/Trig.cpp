// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#include "core/Trig.h"

#include <cmath>
#include <cstdint>

#include "core/Arithmetic.h"

namespace tarvel::trig {
namespace {

void RefuseNaN(Extended x) {
  if (std::isnan(x)) throw EInvalidOp();
}

// atan(k/8) for k = 0 … 8, to 36 digits (bc -l, scale 45).
constexpr Extended kArcTanOfEighths[9] = {
    0.0L,
    0.124354994546761435031354849163871026L,
    0.244978663126864154172082481211275811L,
    0.358770670270572220395920063926460500L,
    0.463647609000806116214256231461214402L,
    0.558599315343562435971508216401661270L,
    0.643501108793284386802809228717322638L,
    0.718829999621624505417014151525904654L,
    0.785398163397448309615660845819875721L,
};

// 1/(2k+1), rounded by the compiler once.
template <int K>
constexpr Extended kOdd = 1.0L / (2 * K + 1);

// atan x for 0 ≤ x ≤ 1: atan x = atan c + atan t, t = (x − c)/(1 + x c),
// with c the nearest eighth, so that |t| ≤ 1/16 and t^18/19 < 2^-66.
Extended ArcTanUpToOne(Extended x) {
  const std::int32_t k = arith::Trunc32(x * 8 + 0.5L);
  const Extended c = k * 0.125L;
  const Extended t = arith::Divide(x - c, 1 + x * c);
  const Extended t2 = t * t;
  // Horner's rule from the smallest term: t (1 − t²/3 + t⁴/5 − …).
  Extended s = kOdd<8>;
  s = kOdd<7> - t2 * s;
  s = kOdd<6> - t2 * s;
  s = kOdd<5> - t2 * s;
  s = kOdd<4> - t2 * s;
  s = kOdd<3> - t2 * s;
  s = kOdd<2> - t2 * s;
  s = kOdd<1> - t2 * s;
  s = 1 - t2 * s;
  return kArcTanOfEighths[k] + t * s;
}

}  // namespace

Extended Sin(Extended x) {
  RefuseNaN(x);
  return sinl(x);
}

Extended Cos(Extended x) {
  RefuseNaN(x);
  return cosl(x);
}

void SinCos(Extended x, Extended& sine, Extended& cosine) {
  RefuseNaN(x);
  sincosl(x, &sine, &cosine);
}

Extended Tan(Extended x) {
  Extended s, c;
  SinCos(x, s, c);
  return arith::Divide(s, c);
}

Extended ArcTan(Extended q) {
  RefuseNaN(q);
  const Extended a = std::fabs(q);
  // Beyond 1, atan a = π/2 − atan(1/a); 1/∞ is 0.
  const Extended r = a <= 1 ? ArcTanUpToOne(a) : kHalfPi - ArcTanUpToOne(arith::Divide(1, a));
  return q < 0 ? -r : r;
}

Extended ArcTan2(Extended y, Extended x) {
  RefuseNaN(y);
  RefuseNaN(x);
  if (x == 0 && y == 0) return 0;
  if (std::fabs(y) <= std::fabs(x)) {
    const Extended r = ArcTan(arith::Divide(y, x));
    if (x > 0) return r;
    return std::signbit(y) ? r - kPi : r + kPi;
  }
  return (y > 0 ? kHalfPi : -kHalfPi) - ArcTan(arith::Divide(x, y));
}

}  // namespace tarvel::trig
