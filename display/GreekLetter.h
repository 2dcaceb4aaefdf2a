// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#pragma once
// The Greek letter that a star's Latin letter stands for in the Symbol font
// encoding of the catalogue: "a" → "α", "b" → "β", "c" → "χ", "q" → "θ", …

#include <string>

namespace tarvel {

// UTF-8 Greek letter for a one-letter Latin text; other texts come back as
// they are.
std::string GreekLetter(const std::string& latin);

}  // namespace tarvel
