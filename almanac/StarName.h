// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#pragma once
// A catalogue star's name as the navigation window, the reports and the
// pages write it. The catalogue (ephemeris/Stars.h) stores the names as
// they were typed: seventeen end in blanks, and two have no blank before
// the bracket of the star's own name ("Центавра(Ригил-Кентавр)",
// "Козерога(Денеб Альгиеди)") where the other 117 have one. The main window
// shows the stored text exactly; everywhere else the name is written one
// way: blanks at the ends taken off, a run of blanks made one, and one
// blank before an opening bracket: "Козерога (Денеб Альгиеди)". UTF-8;
// nothing raises.

#include <cstdint>
#include <string>
#include <string_view>

namespace tarvel {

// The stored text written that way.
std::string TidyStarName(std::string_view stored);

// Catalogue star 1 … 160 (callers keep the number in range).
std::string StarName(std::int32_t number);

}  // namespace tarvel
