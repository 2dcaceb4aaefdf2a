// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#pragma once
// A course, a bearing or an azimuth as every text of the navigation window,
// its reports, the CSV table and the printed log writes it: three whole-degree
// digits and tenths, "045,0°", round the circle. The value is brought into
// [0, 360) and rounded to the tenth; a value that rounds to 360,0 is 000,0
// (359,95° is "000,0°"), so no text shows 360. The main window's own labels
// keep their display rules (display/AngleDisplay.h). Pure C++.
//
// DirectionNumber is the number alone ("045,0"), for a column whose caption
// carries the unit; DirectionText adds the degree sign.
//
// Errors: a value that is not finite raises EInvalidOp (from Wrap360).

#include <string>

#include "core/Extended.h"

namespace tarvel {

std::string DirectionNumber(Extended degrees);
std::string DirectionText(Extended degrees);

}  // namespace tarvel
