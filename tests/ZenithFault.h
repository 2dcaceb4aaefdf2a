// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#pragma once
// The main window's one reachable arithmetic fault: the Sun exactly in the
// zenith of 16°15,73' N 013°12,63' E on 7 August 2000 at 11:12:53 in zone 0,
// where the x87's own sines and cosines make the altitude's sine exactly 1
// and its cosine divide by zero. That takes the x87's last bits: a processor
// that rounds one of them an ulp apart (and the build with TARVEL_X87_NOISE)
// puts the Sun a hair off the zenith, and no input the window takes (0,01′,
// 1 s) can bring it back, as the zenith would have to be met to 5·10⁻⁵″.
// The tests of a fault passing through ask ZenithFaultsHere first, with the
// position read as the main window reads it, and are skipped where it does
// not fault.

#include <gtest/gtest.h>

#include "almanac/Almanac.h"
#include "angles/Degrees.h"
#include "core/RuntimeErrors.h"

namespace tarvel {

inline TAlmanacInputs ZenithInputs(std::int32_t star = 46) {
  TDegrees lat(TDegType::Latitude), lon(TDegType::Longitude);
  lat.SetStrings("Ш = 16°15,73'N");
  lon.SetStrings("Д = 013°12,63'E");
  return {{0, 11, 12, 53, 7, 8, 2000}, lat.DecimalDegrees(), lon.DecimalDegrees(), star};
}

inline bool ZenithFaultsHere() {
  try {
    ComputeAlmanac(ZenithInputs());
  } catch (const EMathError&) {
    return true;
  }
  return false;
}

inline constexpr const char* kNoZenithHere =
    "the x87's bits of this processor or build put the Sun a hair off the zenith: no fault to pass through";

}  // namespace tarvel
