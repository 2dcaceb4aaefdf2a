// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#include "reports/DegreesText.h"

#include <cmath>

#include "core/Arithmetic.h"
#include "core/NumberPicture.h"

namespace tarvel {

std::string DegreesMinutesText(Extended degrees, std::string_view degreesPicture) {
  Extended whole = arith::Trunc(degrees);
  std::string minutes = FormatPicture("00.00", std::fabs((degrees - whole) * 60));
  // The minutes as written decide the carry, so that the text never shows a
  // sixtieth minute whatever the rounding of the value.
  if (minutes == "60,00") {
    whole += degrees < 0 ? -1 : 1;
    minutes = "00,00";
  }
  // A negative angle keeps its sign however small ("-00° 00,00'"), as the
  // main window's altitude does.
  // The minus is that of the formulas, U+2212.
  return (degrees < 0 ? "−" : "") + FormatPicture(degreesPicture, std::fabs(whole)) + "° " + minutes + "'";
}

}  // namespace tarvel
