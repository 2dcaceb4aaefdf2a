// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#pragma once
// The list of sights and the fix as the tab shows them: the fix worked from
// the sights switched on, the texts of the list's rows and of the fix, the
// list and fix as text for the clipboard, and the plot for the plotting
// sheet. Pure C++.
//
// Units as in sights/: degrees, minutes of arc, nautical miles. WorkFix
// never raises: the error of FixPosition comes back as its text.

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "core/Extended.h"
#include "reports/PlotGeometry.h"
#include "reports/Reckoning.h"
#include "sights/Fix.h"
#include "sights/Sight.h"

namespace tarvel {

// One sight of the list, as it was reduced when it was added.
struct TLoggedSight {
  TSight Sight{};
  Extended Lat = 0, Lon = 0;  // the assumed position of its worksheet, degrees
  TSightReduction Reduction{};
  bool Enabled = true;        // a sight switched off plays no part in the fix
};

struct TFixOutcome {
  std::optional<TFix> Fix;
  std::string Error;               // why there is no fix; empty with a fix or no sights
  std::vector<std::size_t> Used;   // the list's sights in the fix: Fix->Residuals[k] is Used[k]'s
  std::size_t Last = 0;            // the sight whose time is the fix's time
  TPosition Reckoning{};           // the dead reckoning carried to the fix's time
  TFixSettings Settings;           // the accuracy the fix was worked with
};

// The fix from the sights switched on. No sight at all is no error.
TFixOutcome WorkFix(const std::vector<TLoggedSight>& sights, const TDeadReckoning& dr,
                    const TFixSettings& settings = {});

// A fix farther than this from the dead reckoning is flagged.
inline constexpr Extended kFarFixMiles = 30;

// The row (from 0) of the list that holds the same sight (the same body,
// ship's time and Hs), the row `except` left out; none if there is none.
std::optional<std::size_t> SameSightRow(const std::vector<TLoggedSight>& sights, const TSight& sight,
                                        std::optional<std::size_t> except = std::nullopt);
// "Такое наблюдение уже есть в списке: строка 2".
std::string SameSightText(std::size_t row);

// The residual of a listed sight at the fix, if it was used.
std::optional<Extended> ResidualAt(const TFixOutcome& outcome, std::size_t index);

// A row of the list: ship's time ("19:49:30", with the date before it when
// asked), body, Hs, Ho, Zn, intercept ("6,0 к светилу"), residual at the fix
// ("" without one).
using TSightRow = std::array<std::string, 7>;
inline const TSightRow kSightRowCaptions = {"Время", "Светило", "Hs", "Ho", "Zn", "Перенос, мили", "Невязка"};
TSightRow SightRowTexts(const TLoggedSight& sight, std::optional<Extended> residual, bool withDate = false);

// The fix, one line each: position, time, iterations and RMS, the ellipse
// with the accuracy it stands for, the distance and bearing from the dead
// reckoning; a line when the residuals are more than that accuracy explains
// (naming the suspect sight by its row, body and time) and one when the fix
// lies more than kFarFixMiles from the dead reckoning; then for each sight used
// its residual (when asked) and the warnings that go with it, such as the
// error of its star's place. Empty without a fix.
std::vector<std::string> FixLines(const std::vector<TLoggedSight>& sights, const TFixOutcome& outcome,
                                  bool withResiduals);

// The dead reckoning in one line: "44°55,0'N 030°17,0'W на 20.03.2025
// 19:00:00, пояс 2 W, курс 060,0°, скорость 12,0 уз".
std::string ReckoningText(const TDeadReckoning& dr);

// The list and the fix as text for the clipboard.
std::string ListText(const std::vector<TLoggedSight>& sights, const TDeadReckoning& dr, const TFixOutcome& outcome);

// The plotting sheet's content: the dead-reckoning track with a mark at the
// reckoning's time and at each sight's, every listed sight's line of
// position advanced to the time of the fix (or, without a fix, of the latest
// sight), and the fix with its ellipse. The sheet's origin is the fix (or
// the dead reckoning at that time). A sight that cannot be reduced there is
// left out.
TPlot SightsPlot(const std::vector<TLoggedSight>& sights, const TDeadReckoning& dr, const TFixOutcome& outcome);

}  // namespace tarvel
