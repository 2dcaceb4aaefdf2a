// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#pragma once
// The chronometer's texts for the worksheet, the printed log and the form
// (chronometer/ for the record and its signs). Seconds to a tenth, rounded
// half away from zero, with "+" or "−" (U+2212) and "0,0" for nought; the
// comparison's date and time as typed, in its own zone, to the minute:
//
//   "Поправка хронометра +3,4 с (сравнение 08.12.2026 09:00, ход +0,6 с/сут)"
//   "Поправка хронометра −26,8 с (сравнение без даты, ход не задан)"
//   "Поправка хронометра: сравнений нет"
//
// Nothing raises for a record without faults (RecordFault).

#include <optional>
#include <string>

#include "chronometer/ChronometerCorrection.h"

namespace tarvel {

// Seconds signed to a tenth: "+3,4", "−0,6", "0,0".
std::string SignedSecondsText(Extended seconds);
// A comparison's moment: "08.12.2026 09:00", "без даты".
std::string ComparisonTimeText(const TComparison& comparison);
// A comparison as the navigator says it: "спешит 3,4 с", "отстаёт 0,6 с",
// "0,0 с".
std::string ComparisonErrorText(const TComparison& comparison);
// The rate: "+0,6 с/сут", "не задан".
std::string RateText(const TChronometerRate& rate);

// The worksheet's line for a sight at universal seconds t.
std::string ChronometerLine(const TChronometerRecord& record, Extended universalSeconds);
// The same beside the form's "Хронометр…" button: "+3,4 с, ход +0,6 с/сут",
// "−26,8 с, ход не задан", "сравнений нет".
std::string ChronometerShortLine(const TChronometerRecord& record, Extended universalSeconds);
// The warning for a sight whose correction the rate moved more than 10 s,
// or empty: "Ход хронометра изменил поправку на +12,0 с со сравнения
// 08.12.2026 09:00 (больше 10 с): сверьте хронометр".
std::string ChronometerWarning(const TChronometerRecord& record, Extended universalSeconds);

}  // namespace tarvel
