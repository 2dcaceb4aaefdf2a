// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#pragma once
// The time of record as the windows write it (timescales/TimeScales.h,
// bodies/PlaceTimeError.h). Seconds with "+" or "−" (U+2212), a decimal
// comma; the place's error in seconds of arc to a tenth (to a hundredth below
// 1″):
//
//   "DUT1 −0,096 с (IERS)"             measured, the IERS series
//   "DUT1 +0,2 с (введено)"            typed, past the series
//   "DUT1 −0,019 с (прогноз)"          past the series, nothing typed
//   "DUT1 +0,012 с (по ΔT ежегодника)" 1960–1961, from the annual ΔT
//   "часы по UT1 (до 1960 г.)"          before UTC
//   "Ошибка места от времени 7,8″ (DUT1 ±0,52 с)"
//   "Ошибка места от времени 0,15″ (ΔT ±0,27 с)"   clock taken as UT1
//
// Nothing raises.

#include <string>

#include "bodies/PlaceTimeError.h"

namespace tarvel {

std::string Dut1Text(const TTimeScales& scales);
std::string TimeCostText(const TPlaceTimeError& error);

}  // namespace tarvel
