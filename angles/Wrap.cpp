// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#include "angles/Wrap.h"

#include <cmath>

#include "core/Arithmetic.h"
#include "core/Trig.h"
#include "core/RuntimeErrors.h"

namespace tarvel {

namespace {
constexpr Extended kDegree = 0.0174532925199432957691L;  // radians
}  // namespace

Extended Wrap360(Extended degrees) {
  if (!std::isfinite(degrees)) throw EInvalidOp();
  Extended r = std::fmod(degrees, Extended{360});
  if (r < 0) r = r + 360;
  // A tiny negative value rounds up to 360 itself; +0 for −0.
  if (r >= 360) r = 0;
  return r + 0;
}

Extended Wrap180(Extended degrees) {
  if (!std::isfinite(degrees)) throw EInvalidOp();
  return Wrap360(degrees + 180) - 180;
}

Extended Bearing(Extended north, Extended east) {
  if (north == 0) return east > 0 ? 90 : east < 0 ? 270 : 0;
  Extended a = arith::Divide(trig::ArcTan(arith::Divide(east, north)), kDegree);
  if (north < 0) a = a + 180;
  return a < 0 ? a + 360 : a;
}

}  // namespace tarvel
