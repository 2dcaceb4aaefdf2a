// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
// Gauss–Newton on the sphere. The intercepts are exact functions of P (each
// sight reduced at P carried back), so the linearisation only steers the
// steps; where the steps end, the intercepts themselves are least squares.
//
// Linearisation: a mile toward the body raises Hc by a minute, so moving the
// observer dn miles north and de miles east changes the intercept by
// −(cos Zn dn + sin Zn de). The observer at a sight's instant moves with P
// north for north, but east by cos φk / cos φ of P's easting, plus a little
// for every mile north, as Δλ of the run depends on the mean latitude:
// ∂Δλ/∂φ = Δλ tan φm (φ in radians).

#include "sights/Fix.h"

#include <cmath>

#include "angles/Wrap.h"
#include "core/Arithmetic.h"
#include "core/Trig.h"
#include "ephemeris/CStars.h"
#include "sights/Sailing.h"

namespace tarvel {
namespace {

constexpr int kMaxSteps = 50;
constexpr Extended kStepLimit = 0.001L;  // nautical miles
constexpr Extended kMinimumCut = 15;     // degrees
constexpr Extended kChiSquare95 = 5.991L;  // two degrees of freedom

struct TLine {
  Extended Intercept;  // nautical miles
  Extended Zn;         // degrees
  Extended JNorth, JEast;  // d(intercept) / d(miles north, east of P)
};

struct TNormal {
  Extended NN = 0, NE = 0, EE = 0;  // JᵀWJ
};

std::int64_t Instant(const TSight& s) {
  return UniversalSeconds(s.Time);
}

// Every sight reduced at P carried back to its instant.
std::vector<TLine> Lines(const std::vector<TSight>& sights, const std::vector<Extended>& hoursBack,
                         TPosition p, const TDeadReckoning& dr, TBelowHorizon belowHorizon) {
  std::vector<TLine> lines(sights.size());
  Extended sinP, cosP;
  trig::SinCos(p.Lat * DegToRad, sinP, cosP);
  for (std::size_t k = 0; k < sights.size(); ++k) {
    const TPosition at = CarryPosition(p, dr.Course, dr.Speed, hoursBack[k]);
    TSightReduction r;
    try {
      r = ReduceSight(sights[k], at.Lat, at.Lon, belowHorizon);
    } catch (const ESightError& e) {
      throw EFixError(SightErrorText(static_cast<std::int32_t>(k + 1), e.Message()),
                      static_cast<std::int32_t>(k + 1));
    }
    Extended sinZ, cosZ, sinK, cosK;
    trig::SinCos(r.Zn * DegToRad, sinZ, cosZ);
    trig::SinCos(at.Lat * DegToRad, sinK, cosK);
    // The run's change of longitude, unwrapped, and its mean latitude.
    const Extended dLon = Wrap180(at.Lon - p.Lon);
    const Extended mid = (p.Lat + at.Lat) * 0.5L * DegToRad;
    const Extended eastPerEast = arith::Divide(cosK, cosP);
    const Extended eastPerNorth = cosK * dLon * trig::Tan(mid) * DegToRad;
    lines[k] = {r.Intercept, r.Zn, -(cosZ + sinZ * eastPerNorth), -sinZ * eastPerEast};
  }
  return lines;
}

// Some pair of lines crosses at kMinimumCut or more.
bool Crossing(const std::vector<TLine>& lines) {
  for (std::size_t i = 0; i < lines.size(); ++i)
    for (std::size_t j = i + 1; j < lines.size(); ++j) {
      const Extended d = std::fmod(std::fabs(lines[i].Zn - lines[j].Zn), 180);
      if (d >= kMinimumCut && 180 - d >= kMinimumCut) return true;
    }
  return false;
}

// P moved by a step given in miles along P's own north and east, on the
// great circle of the step's direction: to first order the step of the
// linearisation, and over a pole when the step reaches across it (a step in
// degrees of latitude and longitude would stop at the pole instead).
TPosition Moved(TPosition p, Extended north, Extended east) {
  const Extended miles = arith::Sqrt(north * north + east * east);
  if (miles == 0) return p;
  Extended sinP, cosP, sinL, cosL, sinD, cosD;
  trig::SinCos(p.Lat * DegToRad, sinP, cosP);
  trig::SinCos(p.Lon * DegToRad, sinL, cosL);
  trig::SinCos(miles * OneSixtieth * DegToRad, sinD, cosD);
  const Extended n = arith::Divide(north, miles) * sinD, e = arith::Divide(east, miles) * sinD;
  // cos d · P + sin d · (the step's direction), P and the result as unit vectors.
  const Extended x = cosD * cosP * cosL - n * sinP * cosL - e * sinL;
  const Extended y = cosD * cosP * sinL - n * sinP * sinL + e * cosL;
  const Extended z = cosD * sinP + n * cosP;
  return {Wrap180(Bearing(arith::Sqrt(x * x + y * y), z)), Wrap180(Bearing(x, y))};
}

}  // namespace

void ValidateFixSettings(const TFixSettings& settings) {
  if (!kSightErrorRange.Holds(settings.SightError)) throw EFixError(kSightErrorSettingError);
  if (!kDriftRateRange.Holds(settings.DriftRate)) throw EFixError(kDriftRateSettingError);
}

void ValidateDeadReckoning(const TDeadReckoning& dr) {
  if (!(dr.Lat >= -90 && dr.Lat <= 90)) throw EFixError(kDrLatitudeError);
  if (!(dr.Lon >= -180 && dr.Lon <= 180)) throw EFixError(kDrLongitudeError);
  if (const char* fault = ShipTimeFault(dr.Time, kDeadReckoningInstantTexts)) throw EFixError(fault);
  if (!(dr.Course >= 0 && dr.Course <= 360)) throw EFixError(kDrCourseError);
  if (!(dr.Speed >= 0 && dr.Speed <= 100)) throw EFixError(kDrSpeedError);
}

std::size_t LastSight(const std::vector<TSight>& sights) {
  std::size_t last = 0;
  for (std::size_t k = 1; k < sights.size(); ++k)
    if (Instant(sights[k]) > Instant(sights[last])) last = k;
  return last;
}

TFix FixPosition(const std::vector<TSight>& sights, const TDeadReckoning& dr, const TFixSettings& settings) {
  if (sights.size() < 2) throw EFixError(kFixTooFewError);
  for (std::size_t k = 0; k < sights.size(); ++k) {
    try {
      ValidateSight(sights[k]);
    } catch (const ESightError& e) {
      throw EFixError(SightErrorText(static_cast<std::int32_t>(k + 1), e.Message()),
                      static_cast<std::int32_t>(k + 1));
    }
  }
  ValidateDeadReckoning(dr);
  ValidateFixSettings(settings);

  const std::int64_t last = Instant(sights[LastSight(sights)]);
  std::vector<Extended> hoursBack(sights.size());
  for (std::size_t k = 0; k < sights.size(); ++k)
    hoursBack[k] = static_cast<Extended>(Instant(sights[k]) - last) * (1.0L / 3600);
  const Extended drHours =
      static_cast<Extended>(last - UniversalSeconds(dr.Time)) *
      (1.0L / 3600);
  const TPosition reckoning = CarryPosition({dr.Lat, dr.Lon}, dr.Course, dr.Speed, drHours);
  TPosition p = reckoning;

  // Each line's variance: the altitude's error and the run's.
  std::vector<Extended> variance(sights.size()), weight(sights.size());
  for (std::size_t k = 0; k < sights.size(); ++k) {
    const Extended run = settings.DriftRate * std::fabs(hoursBack[k]);
    variance[k] = settings.SightError * settings.SightError + run * run;
    weight[k] = arith::Divide(1, variance[k]);
  }

  TFix fix{};
  TNormal normal;
  bool converged = false;
  bool narrow = false;  // some step's lines crossed at less than kMinimumCut
  const auto noFix = [&narrow] { return EFixError(narrow ? kFixCutError : kFixNoConvergenceError); };
  while (!converged) {
    // The cut is judged at the fix: seen from a dead reckoning miles off, the
    // azimuths differ from those at the fix by a degree or more. Steps that
    // find no fix where the lines met too narrowly fail for that reason.
    if (fix.Iterations == kMaxSteps) throw noFix();
    // Each body must be above the horizon at the dead reckoning, where the
    // first step starts; the later steps may pass where it is not.
    const std::vector<TLine> lines =
        Lines(sights, hoursBack, p, dr, fix.Iterations == 0 ? TBelowHorizon::Refuse : TBelowHorizon::Allow);
    if (!Crossing(lines)) narrow = true;

    // The step δ = −(JᵀWJ)⁻¹ JᵀWr.
    normal = {};
    Extended gN = 0, gE = 0;
    for (std::size_t k = 0; k < lines.size(); ++k) {
      const TLine& l = lines[k];
      const Extended w = weight[k];
      normal.NN += w * l.JNorth * l.JNorth;
      normal.NE += w * l.JNorth * l.JEast;
      normal.EE += w * l.JEast * l.JEast;
      gN += w * l.JNorth * l.Intercept;
      gE += w * l.JEast * l.Intercept;
    }
    const Extended det = normal.NN * normal.EE - normal.NE * normal.NE;
    if (!(det > 0)) throw EFixError(kFixCutError);  // lines of one bearing give no step
    const Extended north = -arith::Divide(normal.EE * gN - normal.NE * gE, det);
    const Extended east = -arith::Divide(normal.NN * gE - normal.NE * gN, det);
    ++fix.Iterations;

    p = Moved(p, north, east);
    if (!(std::fabs(p.Lat) < 90)) throw noFix();
    converged = arith::Sqrt(north * north + east * east) < kStepLimit;
  }

  const std::vector<TLine> lines = Lines(sights, hoursBack, p, dr, TBelowHorizon::Allow);
  if (!Crossing(lines)) throw EFixError(kFixCutError);
  fix.Lat = p.Lat;
  fix.Lon = p.Lon;
  Extended sum = 0;
  for (const TLine& l : lines) {
    fix.Residuals.push_back(l.Intercept);
    sum += l.Intercept * l.Intercept;
  }
  const std::size_t n = sights.size();
  fix.ResidualRms = arith::Sqrt(arith::Divide(sum, static_cast<Extended>(n)));

  // Covariance (JᵀWJ)⁻¹ and its eigenvalues.
  const Extended det = normal.NN * normal.EE - normal.NE * normal.NE;
  const Extended scale = arith::Divide(1, det);
  const Extended cNN = normal.EE * scale, cEE = normal.NN * scale, cNE = -normal.NE * scale;
  const Extended mean = (cNN + cEE) * 0.5L;
  const Extended half = (cNN - cEE) * 0.5L;
  const Extended radius = arith::Sqrt(half * half + cNE * cNE);
  fix.SemiMajor = arith::Sqrt(kChiSquare95 * (mean + radius));
  fix.SemiMinor = arith::Sqrt(kChiSquare95 * std::fmax(mean - radius, Extended{0}));
  // Half the angle of (cNN − cEE, 2 cNE).
  fix.MajorAzimuth = Wrap360(Bearing(half, cNE)) * 0.5L;

  // The residuals against the stated accuracy.
  fix.Consistent = true;
  fix.Suspect = -1;
  if (n >= 3) {
    Extended chi = 0, worst = -1;
    std::int32_t suspect = -1;
    for (std::size_t k = 0; k < n; ++k) {
      const TLine& l = lines[k];
      const Extended r2 = l.Intercept * l.Intercept;
      chi += weight[k] * r2;
      const Extended leverage =
          weight[k] * (l.JNorth * (cNN * l.JNorth + cNE * l.JEast) + l.JEast * (cNE * l.JNorth + cEE * l.JEast));
      if (!(leverage < 1 - 1e-9L)) continue;  // a line that alone fixes a direction has no residual to judge
      const Extended standardised = arith::Divide(r2, variance[k] * (1 - leverage));
      if (standardised > worst) worst = standardised, suspect = static_cast<std::int32_t>(k);
    }
    if (chi > ChiSquare99(static_cast<std::int32_t>(n - 2))) {
      fix.Consistent = false;
      fix.Suspect = suspect;
    }
  }
  const TCourseDistance fromReckoning = RhumbCourseDistance(reckoning, p);
  fix.ReckoningDistance = fromReckoning.Distance;
  fix.ReckoningBearing = fromReckoning.Course;
  return fix;
}

}  // namespace tarvel
