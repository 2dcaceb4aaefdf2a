// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#pragma once
// The whole sky as the navigation window shows it: for one instant and
// place, every catalogue star's altitude, azimuth, local hour angle,
// declination and the expected error of its place; which stars stand in the
// altitude band for sights; and the best three of those (BestStars.h),
// leaving out every star whose place may be off by more than
// kStarPlaceErrorLimit. Pure C++.
//
// Units: degrees; the place error in minutes of arc. The values are those
// the main window shows for the same inputs: altitude AltMin * k + AltDeg,
// the local hour angle brought into 0 … 360 as its display text does, the
// declination DecMin * k + DecDeg.
//
// Errors: SkyView raises what ComputeSky and StarPlaceError raise and then
// delivers nothing.

#include <array>
#include <cstdint>
#include <vector>

#include "almanac/Almanac.h"
#include "core/Extended.h"

namespace tarvel {

// Sights are planned between these altitudes, both included.
struct TAltitudeBand {
  Extended From = 15;
  Extended To = 70;
};

struct TStarView {
  Extended Altitude = 0;
  Extended Azimuth = 0;
  Extended LocalHourAngle = 0;
  Extended Declination = 0;
  Extended PlaceError = 0;   // minutes of arc
  bool AboveHorizon = false;  // altitude above 0
  bool InBand = false;        // above the horizon and within the band
  bool Unreliable = false;    // PlaceError above kStarPlaceErrorLimit
  bool Best = false;          // one of the best three
};

struct TSkyView {
  TAlmanacInputs Inputs;
  TSky Sky;
  std::array<TStarView, kStarCount> Stars;  // Stars[k - 1] is star k
  TAltitudeBand Band;
  std::vector<std::int32_t> Best;  // the best three by azimuth, or empty
};

TSkyView SkyView(const TAlmanacInputs& inputs, const TAltitudeBand& band);

// Marks the band and chooses the best three again for another band.
void SetBand(TSkyView& view, const TAltitudeBand& band);

inline const TStarView& StarOf(const TSkyView& view, std::int32_t number) {
  return view.Stars[static_cast<std::size_t>(number - 1)];
}

// The star table's columns.
enum class TStarColumn : std::uint8_t { Number, Name, Altitude, Azimuth, LocalHourAngle, Declination, PlaceError };
inline constexpr int kStarColumnCount = 7;

// The star numbers of the table's rows: the stars above the horizon, or all
// 160, ordered by the column's value (the name column by the name's text),
// equal values in order of number; descending reverses the values' order
// only.
std::vector<std::int32_t> StarOrder(const TSkyView& view, TStarColumn column, bool descending, bool all);

}  // namespace tarvel
