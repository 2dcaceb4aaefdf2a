// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#pragma once
// Number pictures: how every result of the program is turned into text.
//
// A picture is a run of "0" digit places with at most one "." ("000", "00",
// "00.00", "000.00"). The number is taken to 18 significant digits, rounded
// half away from zero to the picture's decimals, written with at least as many
// integer digits as the picture has (leading zeros, never truncated) and a
// decimal comma, and preceded by "-" when it is negative.

#include <string>
#include <string_view>

#include "core/Extended.h"

namespace tarvel {

// Formats x with the picture. A non-finite x gives "NAN", "INF" or "-INF".
std::string FormatPicture(std::string_view picture, Extended x);

// The angle display text: degrees with degreesPicture, "° ", minutes with
// "00.00", "'", then the suffix. Degrees and minutes are formatted
// independently, so minutes that round to 60 show as 60,00.
std::string AngleText(Extended degrees, Extended minutes, std::string_view degreesPicture = "000",
                      std::string_view suffix = {});

}  // namespace tarvel
