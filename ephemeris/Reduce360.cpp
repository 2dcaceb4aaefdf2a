// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#include "core/Arithmetic.h"
#include "ephemeris/CStars.h"
#include "ephemeris/EnginePaths.h"

namespace tarvel {

template <class Cut>
Extended Reduce360With(Extended x) {
  if (!(x > 360)) return x;
  // The count of turns is cut to 32 bits; 360 times it is formed as an
  // integer, in 64 bits so that it cannot wrap for any count that fits.
  const std::int64_t turns = Cut::Trunc32(x * (1.0L / 360));
  return x - static_cast<Extended>(360 * turns);
}

template Extended Reduce360With<arith::PortableCut>(Extended);
template Extended Reduce360With<arith::FisttpCut>(Extended);
template Extended Reduce360With<arith::ChosenCut>(Extended);

// The build of this processor, written out here rather than called, so that
// the arguments are not copied once more on their way.
[[gnu::flatten]] Extended Reduce360(Extended x) {
  return Reduce360With<arith::ChosenCut>(x);
}

}  // namespace tarvel
