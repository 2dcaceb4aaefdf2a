// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#pragma once
// The list of sights as a table for a spreadsheet (RFC 4180): a header row,
// then one row a sight with every input and result, CRLF line ends, UTF-8,
// a decimal point. A field holding a comma, a quote, CR or LF is quoted, its
// quotes doubled. Pure C++; never raises for a list the tab could show.
//
// Columns: the row's number, on/off, the body ("42 θ Возничего" for a star:
// number, Greek letter, name), date (YYYY-MM-DD), ship's time, zone (east
// positive), Hs (degrees), the index error as the form takes it ("Индексная
// ошибка", ′, positive when the sextant reads too high: the worksheet applies
// its negative as the index correction i), height of eye (m), temperature
// (°C), pressure (hPa), assumed latitude and longitude (degrees, north and
// east positive), Ho and Hc (degrees), Zn (degrees, "045.0"), intercept (miles,
// positive toward the body), residual at the fix (′; empty when the sight
// was not in the fix), the chronometer's correction at the sight's instant
// (s to a tenth, chronometer/ for its sign; empty with no comparison).

#include <string>
#include <vector>

#include "chronometer/Chronometer.h"
#include "reports/FixReport.h"

namespace tarvel {

// One line of fields, quoted where they must be, with its CRLF.
std::string CsvLine(const std::vector<std::string>& fields);

// The body as the table names it.
std::string CsvBodyText(const TSight& sight);

std::string SightsCsv(const std::vector<TLoggedSight>& sights, const TFixOutcome& fix,
                      const TChronometerRecord& chronometer = {});

}  // namespace tarvel
