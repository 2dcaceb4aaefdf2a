// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#pragma once
// Reading numbers from texts, with a fixed decimal comma whatever the
// machine's locale. A text that is not a number raises EConvertError naming
// the text.

#include <string>
#include <string_view>

#include "core/Extended.h"

namespace tarvel {

// An optional sign and decimal digits that fit a 32-bit signed integer.
// Raises EConvertError "'<text>' is not a valid integer value".
int StrToInt(std::string_view text);

// An optional sign, digits with an optional decimal comma and fraction, an
// optional exponent; leading and trailing blanks are allowed. Raises
// EConvertError "'<text>' is not a valid floating point value", also when the
// value lies outside the extended range.
Extended StrToFloat(std::string_view text);

}  // namespace tarvel
