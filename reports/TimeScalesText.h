// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#pragma once
// A sight's time of record for the worksheet, the printed log and the form
// (almanac/TimeCostText.h for the texts of any instant).
//
// Nothing raises for a valid sight; PlaceTimeErrorOf passes on BodyPlace's
// errors.

#include <string>

#include "almanac/TimeCostText.h"
#include "sights/Sight.h"

namespace tarvel {

// The sight's time scales and what they cost its body's place.
TPlaceTimeError PlaceTimeErrorOf(const TSight& sight);
// "DUT1 +0,2 с (введено)  ·  ошибка места от времени 1,5″ (DUT1 ±0,1 с)".
std::string TimeOfRecordLine(const TSight& sight);
// The warning of a typed DUT1 that stands more than 0,05 s from the
// measured, or empty: "DUT1 +0,2 с расходится с измеренной −0,096 с (IERS):
// взята измеренная".
std::string Dut1Warning(const TSight& sight);

}  // namespace tarvel
