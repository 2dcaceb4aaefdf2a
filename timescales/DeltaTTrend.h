// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#pragma once
// The trend along which ΔT is carried on after the measured series
// (TimeScales.h): F. Espenak and J. Meeus, polynomial expressions for ΔT,
// NASA Five Millennium Canon of Solar Eclipses (NASA/TP-2006-214141), the
// pieces from 1920 to 2150; seconds at a decimal year. Only its differences
// are used: the polynomials stood about 6 s above the measured ΔT of the
// 2020s.

#include "core/Extended.h"

namespace tarvel {

Extended DeltaTTrend(Extended year);

}  // namespace tarvel
