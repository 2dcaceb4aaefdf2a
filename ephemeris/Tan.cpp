// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#include "core/Arithmetic.h"
#include "ephemeris/CStars.h"

namespace tarvel {

Extended Tan(Extended x) { return arith::Divide(arith::Sin(x), arith::Cos(x)); }

}  // namespace tarvel
