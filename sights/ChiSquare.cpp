// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
// The 99 % point of χ² with k degrees of freedom: P(k/2, x/2) = 0.99 solved
// by bisection, P the regularised lower incomplete gamma function, by its
// series below a + 1 and by its continued fraction above (Press et al.,
// Numerical Recipes, 3rd ed., § 6.2).

#include <cmath>

#include "core/Arithmetic.h"
#include "sights/Fix.h"
#include "sights/FixErrors.h"

namespace tarvel {
namespace {

constexpr Extended kTiny = 1e-4000L;

// exp(−x) xᵃ / Γ(a); a > 0, x > 0.
Extended GammaPrefix(Extended a, Extended x) { return std::exp(-x + a * std::log(x) - std::lgamma(a)); }

Extended LowerGammaRatio(Extended a, Extended x) {
  if (!(x > 0)) return 0;
  if (x < a + 1) {
    Extended term = 1 / a, sum = term;
    for (Extended ap = a + 1; std::fabs(term) > std::fabs(sum) * 1e-20L; ap += 1) {
      term *= x / ap;
      sum += term;
    }
    return sum * GammaPrefix(a, x);
  }
  // Modified Lentz for the continued fraction of Q(a, x).
  Extended b = x + 1 - a, c = 1 / kTiny, d = 1 / b, h = d;
  for (int i = 1; i < 1000; ++i) {
    const Extended an = -i * (i - a);
    b += 2;
    d = an * d + b;
    if (std::fabs(d) < kTiny) d = kTiny;
    c = b + an / c;
    if (std::fabs(c) < kTiny) c = kTiny;
    d = 1 / d;
    const Extended delta = d * c;
    h *= delta;
    if (std::fabs(delta - 1) < 1e-20L) break;
  }
  return 1 - GammaPrefix(a, x) * h;
}

}  // namespace

Extended ChiSquare99(std::int32_t degrees) {
  if (degrees < 1) throw EInvalidOp();
  const Extended a = degrees * 0.5L;
  Extended lo = 0, hi = degrees + 10 * arith::Sqrt(2.0L * degrees) + 20;
  for (int i = 0; i < 200 && hi - lo > hi * 1e-18L; ++i) {
    const Extended mid = (lo + hi) * 0.5L;
    (LowerGammaRatio(a, mid * 0.5L) < 0.99L ? lo : hi) = mid;
  }
  return (lo + hi) * 0.5L;
}

}  // namespace tarvel
