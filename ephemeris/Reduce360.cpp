// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#include "core/Arithmetic.h"
#include "ephemeris/CStars.h"

namespace tarvel {

Extended Reduce360(Extended x) {
  if (!(x > 360)) return x;
  // The count of turns is cut to 32 bits; 360 times it is formed as an
  // integer, in 64 bits so that it cannot wrap for any count that fits.
  const std::int64_t turns = arith::Trunc32(x * (1.0L / 360));
  return x - static_cast<Extended>(360 * turns);
}

}  // namespace tarvel
