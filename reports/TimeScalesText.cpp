// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#include "reports/TimeScalesText.h"

#include "reports/ChronometerText.h"

namespace tarvel {

TPlaceTimeError PlaceTimeErrorOf(const TSight& s) {
  return PlaceTimeError(CelestialBody(s.Body), s.Body == TBody::Star ? s.StarNumber : 0, s.Time, TTimeSettings{s.Dut1});
}

std::string TimeOfRecordLine(const TSight& sight) {
  const TPlaceTimeError e = PlaceTimeErrorOf(sight);
  const std::string cost = TimeCostText(e);
  const std::string capital = "Ошибка";
  return Dut1Text(e.Scales) + "  ·  ошибка" + cost.substr(capital.size());
}

std::string Dut1Warning(const TSight& sight) {
  if (!sight.Dut1) return {};
  const TTimeScales s = TimeScales(sight.Time, TTimeSettings{sight.Dut1});
  if (!s.TypedDut1Differs) return {};
  return "DUT1 " + SignedSecondsText(*sight.Dut1) + " с расходится с измеренной " + Dut1Text(s).substr(5) +
         ": взята измеренная";
}

}  // namespace tarvel
