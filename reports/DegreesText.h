// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#pragma once
// Degrees and minutes of an angle as the navigation window's texts write
// them: whole degrees cut toward zero with the picture given ("00" for an
// altitude, "000" for an angle round the circle), then the minutes to
// hundredths: "35° 12,30'", "-34° 20,03'", and "-00° 29,06'" between -1° and
// 0° (a negative angle keeps its sign), as the main window's altitude text. Unlike the main window's labels, a
// minute that rounds to 60,00 carries into the degrees: 20°59,996' is
// "21° 00,00'", never "20° 60,00'"; -0°59,996' is "-01° 00,00'". Pure C++.
//
// Raises EInvalidOp for a value that is not a number or beyond the range of
// whole degrees.

#include <string>
#include <string_view>

#include "core/Extended.h"

namespace tarvel {

std::string DegreesMinutesText(Extended degrees, std::string_view degreesPicture = "00");

}  // namespace tarvel
