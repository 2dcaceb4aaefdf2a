// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#include "angles/Direction.h"

#include "angles/Wrap.h"
#include "core/NumberPicture.h"

namespace tarvel {

std::string DirectionNumber(Extended degrees) {
  std::string text = FormatPicture("000.0", Wrap360(degrees));
  // The text as written decides the carry, whatever the rounding of the value.
  if (text == "360,0") text = "000,0";
  return text;
}

std::string DirectionText(Extended degrees) { return DirectionNumber(degrees) + "°"; }

}  // namespace tarvel
