// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#pragma once
// The almanac model: from the decoded inputs of one recalculation to the
// results and the texts that the windows show. Pure C++, no Qt.
//
// ComputeAlmanac is the main window's computation stage: the Sun and sidereal
// time, the selected star's place, and both horizon positions, each with its
// declination and hour angle rebuilt from their degree and minute fields as
// minutes * OneSixtieth + degrees. ComputeSky does the same for every star of
// the catalogue at one instant, with one solar ephemeris.
//
// Errors: the engine's arithmetic faults (EZeroDivide, EInvalidOp, EOverflow)
// pass through; a routine that raises delivers nothing, so a caller that
// shows results only after the call keeps its previous ones.

#include <array>
#include <cstdint>
#include <string>

#include "core/Extended.h"
#include "ephemeris/CStars.h"
#include "shiptime/ShipTime.h"

namespace tarvel {

// One recalculation's inputs as the window decodes them.
struct TAlmanacInputs {
  TShipTime Time{0, 0, 0, 0, 1, 1, 2000};         // ship's zone, time and date
  Extended Latitude = 0;                          // degrees, north positive
  Extended Longitude = 0;                         // degrees, east positive
  std::int32_t StarNumber = 1;                    // 1 … 160
};

struct TAlmanacResults {
  TSunData Sun;
  TStarData Star;
  THorizonData SunHorizon;
  THorizonData StarHorizon;
};

// The twelve result texts, in the window's display rules.
struct TAlmanacTexts {
  std::string GrAries;       // Greenwich hour angle of Aries
  std::string SunLha;        // the Sun's local hour angle
  std::string SunDec;        //   declination
  std::string SemiDiameter;  //   semi-diameter
  std::string SunRa;         //   right ascension
  std::string StarDec;       // the star's declination
  std::string StarLha;       //   local hour angle
  std::string StarSha;       //   sidereal hour angle
  std::string SunAlt;        // the Sun's altitude
  std::string SunAz;         //   azimuth
  std::string StarAlt;       // the star's altitude
  std::string StarAz;        //   azimuth
};

TAlmanacResults ComputeAlmanac(const TAlmanacInputs& inputs);

// The solar ephemeris (the Sun, sidereal time, nutation) at a ship's instant.
TSunData SunAt(const TShipTime& time);

// Texts of results computed for an east-positive longitude.
TAlmanacTexts AlmanacTexts(const TAlmanacResults& results, Extended longitude);

// Altitude in degrees of a horizon position: AltMin * OneSixtieth + AltDeg.
Extended AltitudeDegrees(const THorizonData& horizon);

inline constexpr std::int32_t kStarCount = 160;

struct TSkyStar {
  TStarData Place;
  THorizonData Horizon;
};

// The Sun and every catalogue star at one instant and place. The inputs'
// star number plays no part. Stars[k - 1] is star k.
struct TSky {
  TSunData Sun;
  THorizonData SunHorizon;
  std::array<TSkyStar, kStarCount> Stars;
};

TSky ComputeSky(const TAlmanacInputs& inputs);

}  // namespace tarvel
