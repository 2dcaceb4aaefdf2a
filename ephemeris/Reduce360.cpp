// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#include "core/Arithmetic.h"
#include "ephemeris/CStars.h"
#include "ephemeris/EnginePaths.h"

namespace tarvel {

// The build of this processor, written out here rather than called, so that
// the arguments are not copied once more on their way.
[[gnu::flatten]] Extended Reduce360(Extended x) {
  return Reduce360With<arith::ChosenCut>(x);
}

}  // namespace tarvel
