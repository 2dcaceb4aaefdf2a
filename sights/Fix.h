// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#pragma once
// The fix from two or more sights, taken at one time or hours apart with the
// ship under way: a weighted least-squares fix on the sphere with its 95 %
// error ellipse and a test of its residuals.
//
// The ship runs on a rhumb line at the dead reckoning's course and speed
// (sights/Sailing.h). The unknown is the position P at the time of the last
// sight (instants compared in universal time, so sights may come in any order
// and from different zones). Each sight is reduced (ReduceSight) at P carried
// back to its own instant, and P is found by Gauss–Newton on the intercepts,
// starting from the dead reckoning carried to the time of the last sight:
// each step is the weighted least-squares solution of the lines of position
// linearised in miles north and east, until a step is shorter than 0.001 nm,
// at most 50 steps. Of two crossings of two lines the one nearer the dead
// reckoning is found.
//
// The accuracy is stated beforehand (TFixSettings): line k has the variance
// vₖ = σ² + (DriftRate · |tₖ − t_fix|)², σ the standard error of one
// altitude and the second term the error of the run that carries the line
// to the fix's time (t in hours); its weight is 1 / vₖ. The covariance of
// the fix is (JᵀWJ)⁻¹ of the last step, and the ellipse's semi-axes are
// √(5.991 λ) of its eigenvalues λ, in nautical miles: a 95 % region for any
// number of sights, two included, when the stated accuracy is the true one.
//
// Residuals are Ho − Hc at the fix, in the order of the sights; ResidualRms
// is their root mean square √(Σr² / n). With three sights or more, Σ r²/v is
// compared with the 99 % point of χ² with n − 2 degrees of freedom: above it
// the fix is not Consistent, and Suspect is the sight with the largest
// standardised residual r / √(v (1 − h)), h its leverage. ReckoningDistance
// and ReckoningBearing run from the dead reckoning carried to the fix's time
// to the fix, along the rhumb line.
//
// Errors, raised before anything is computed where the inputs show them:
// EFixError (sights/FixErrors.h) for fewer than two sights, for a sight that
// ReduceSight refuses ("Наблюдение k: …", k from 1 in the given order), for
// a dead reckoning out of range, for lines of which no two cross at 15° or
// more (every pair of azimuths within 15° of each other or of the opposite
// direction), judged at the fix, or when the steps find no fix after lines
// that met so narrowly on the way; for a position carried onto a pole and
// for no convergence in 50 steps. Arithmetic faults pass through.

#include <cstdint>
#include <vector>

#include "core/Extended.h"
#include "sights/FixErrors.h"
#include "sights/Sight.h"

namespace tarvel {

struct TDeadReckoning {
  Extended Lat, Lon;                  // dead-reckoning position at the reference time, degrees, north and east positive
  TShipTime Time;                     // ship's zone, time and date of the reference time
  Extended Course;                    // true course, degrees
  Extended Speed;                     // knots
};

struct TFixSettings {
  Extended SightError = 1;  // standard error of one observed altitude, minutes of arc, 0.1 … 10
  Extended DriftRate = 0;   // growth of the dead reckoning's error, nautical miles per hour, 0 … 10
};

struct TFix {
  Extended Lat, Lon;              // the fix at the time of the last sight, degrees
  std::int32_t Iterations;
  std::vector<Extended> Residuals; // per sight, Ho − Hc at the fix, minutes of arc
  Extended ResidualRms;           // minutes of arc
  Extended SemiMajor, SemiMinor;  // the 95 % error ellipse, nautical miles
  Extended MajorAzimuth;          // direction of the major axis, degrees 0 … 180
  bool Consistent;                // the residuals are what the stated accuracy explains
  std::int32_t Suspect;           // when not: index (from 0) of the sight with the largest standardised residual; otherwise −1
  Extended ReckoningDistance;     // nautical miles from the dead reckoning carried to the fix's time
  Extended ReckoningBearing;      // degrees, 0 … 360
};

TFix FixPosition(const std::vector<TSight>& sights, const TDeadReckoning& dr, const TFixSettings& settings = {});

// The checks of FixPosition on the settings: sight error 0.1 … 10′, drift
// rate 0 … 10 nm an hour. Raises EFixError.
void ValidateFixSettings(const TFixSettings& settings);

// The 99 % point of χ² with the given degrees of freedom (≥ 1).
Extended ChiSquare99(std::int32_t degrees);

// The checks of FixPosition on the dead reckoning alone: latitude, longitude
// (−180 … 180), zone, time, date, course 0 … 360°, speed 0 … 100 knots.
// Raises EFixError.
void ValidateDeadReckoning(const TDeadReckoning& dr);

// Index (from 0) of the sight latest in universal time, the first of equals;
// the fix is for its instant. The sights' instants must be valid.
std::size_t LastSight(const std::vector<TSight>& sights);

}  // namespace tarvel
