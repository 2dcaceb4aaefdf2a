// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#pragma once
// The sight log ("Журнал"): what the navigator has entered on the
// "Обработка наблюдений" tab and wants back tomorrow: the list of sights with
// every input, the dead reckoning, the accuracy the fix is worked with, the
// observer's settings the sight form starts from and the chronometer's
// record (chronometer/Chronometer.h: comparisons and rate). Pure C++; the file is sightlog/, the window's
// side navigation/. The reductions in Sights are worked again whenever a log
// is read, never stored.

#include <string>
#include <vector>

#include "chronometer/Chronometer.h"
#include "core/Extended.h"
#include "reports/FixReport.h"
#include "sights/Fix.h"

namespace tarvel {

// The observer's settings in the sight form, as its fields hold them; the
// defaults are the form's own.
struct TObserverSettings {
  Extended IndexError = 0;     // minutes of arc, positive when the sextant reads too high
  Extended EyeHeight = 10;     // metres
  Extended Temperature = 10;   // degrees Celsius
  Extended Pressure = 1010;    // hectopascals
  Extended Dut1 = 0;           // DUT1 as the time signals give it, seconds (kDut1Range)
};

struct TSightLog {
  std::vector<TLoggedSight> Sights;  // in the list's order
  TDeadReckoning Reckoning{};
  TFixSettings Settings{};
  TObserverSettings Observer{};
  TChronometerRecord Chronometer{};  // the chronometer's comparisons and rate: F5's correction
};

// The key of a body in the log file: "sunLowerLimb", "star", "saturn", …
std::string BodyKey(TBody body);

}  // namespace tarvel
