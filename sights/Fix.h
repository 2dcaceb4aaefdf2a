// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#pragma once
// The fix from two or more sights, taken at one time or hours apart with the
// ship under way: a least-squares fix on the sphere with its 95 % error
// ellipse.
//
// The ship runs on a rhumb line at the dead reckoning's course and speed
// (sights/Sailing.h). The unknown is the position P at the time of the last
// sight (instants compared in universal time, so sights may come in any order
// and from different zones). Each sight is reduced (ReduceSight) at P carried
// back to its own instant, and P is found by Gauss–Newton on the intercepts,
// starting from the dead reckoning carried to the time of the last sight:
// each step is the least-squares solution of the lines of position
// linearised in miles north and east, until a step is shorter than 0.001 nm,
// at most 50 steps. Of two crossings of two lines the one nearer the dead
// reckoning is found.
//
// Residuals are Ho − Hc at the fix, in the order of the sights. ResidualRms
// is √(Σr² / (n − 2)) for three sights or more (the residuals' own σ with
// n − 2 degrees of freedom), √(Σr² / n) for two (which cross exactly, so it
// only shows how closely). The ellipse is that of the covariance σ² (JᵀJ)⁻¹
// of the last step, with σ = ResidualRms for three sights or more and 1′ for
// two; its semi-axes are √(5.991 λ) of the eigenvalues λ, in nautical miles.
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

struct TFix {
  Extended Lat, Lon;              // the fix at the time of the last sight, degrees
  std::int32_t Iterations;
  std::vector<Extended> Residuals; // per sight, Ho − Hc at the fix, minutes of arc
  Extended ResidualRms;           // minutes of arc
  Extended SemiMajor, SemiMinor;  // the 95 % error ellipse, nautical miles
  Extended MajorAzimuth;          // direction of the major axis, degrees 0 … 180
};

TFix FixPosition(const std::vector<TSight>& sights, const TDeadReckoning& dr);

// The checks of FixPosition on the dead reckoning alone: latitude, longitude
// (−180 … 180), zone, time, date, course 0 … 360°, speed 0 … 100 knots.
// Raises EFixError.
void ValidateDeadReckoning(const TDeadReckoning& dr);

// Index (from 0) of the sight latest in universal time, the first of equals;
// the fix is for its instant. The sights' instants must be valid.
std::size_t LastSight(const std::vector<TSight>& sights);

}  // namespace tarvel
