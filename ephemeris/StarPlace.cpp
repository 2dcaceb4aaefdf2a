// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
// The apparent place of a catalogue star: the catalogue place carried to the
// mean place of date with its linear annual changes, then first-order
// nutation and annual aberration (the Sun's mean longitude standing in for
// its true longitude). Every correction is formed from the mean place of date,
// never from a partly corrected one, and the operations keep the order and
// grouping written below.
//
// 0.9 and 0.4 stand for the cosine and sine of the obliquity; 0.005694444 is
// the constant of aberration, 20.5", in degrees, stored as written (not
// 20.5 / 3600).

#include "core/Arithmetic.h"
#include "ephemeris/CStars.h"
#include "ephemeris/EnginePaths.h"
#include "ephemeris/Stars.h"

namespace tarvel {
namespace {

constexpr Extended kCosObliquity = 0.9L;
constexpr Extended kSinObliquity = 0.4L;
constexpr Extended kAberration = 0.005694444L;

template <class Cut>
TStarData PlaceOf(std::int32_t StarNumber, const TStarInstant& at) {
  const Extended NutLon = at.NutLon;
  const Extended NutObl = at.NutObl;
  const Extended GrAries = at.GrAries;
  const Extended Years = at.Years;
  const Extended sinL = at.SinL;
  const Extended cosL = at.CosL;
  const TStar& star = StarTable(StarNumber);

  // Mean place of date.
  const Extended alpha0 = star.AlphaRate * Years + star.Alpha;
  const Extended delta0 = star.DeltaRate * Years + star.Delta;

  // Each function of an angle is taken once; the values are the same as
  // taking it afresh in every term.
  Extended sinA0, cosA0, sinD0, cosD0;
  arith::SinCos(alpha0 * DegToRad, sinA0, cosA0);
  arith::SinCos(delta0 * DegToRad, sinD0, cosD0);
  // The tangent as Tan takes it, from the same sine and cosine.
  const Extended tanD0 = arith::Divide(sinD0, cosD0);

  // Nutation in right ascension.
  const Extended alpha1 = alpha0 - (kSinObliquity * sinA0 * tanD0 + kCosObliquity) * NutLon;
  const Extended alpha2 = alpha1 - cosA0 * NutObl * tanD0;

  // Annual aberration in right ascension: the apparent right ascension.
  const Extended alpha = alpha2 - arith::Divide(kAberration, cosD0) *
                                      (sinA0 * sinL + kCosObliquity * cosL * cosA0);

  // Nutation in declination.
  const Extended delta1 = delta0 - cosA0 * kSinObliquity * NutLon;
  const Extended delta2 = delta1 + sinA0 * NutObl;

  // Annual aberration in declination: the apparent declination.
  const Extended delta3 =
      delta2 - kAberration * cosL * (kSinObliquity * cosD0 - kCosObliquity * sinA0 * sinD0);
  const Extended delta = delta3 - kAberration * cosA0 * sinL * sinD0;

  // Sidereal and Greenwich hour angles. GrAries - alpha is at most one turn
  // below zero, so one turn added brings it into range.
  const Extended S = Reduce360With<Cut>(360 - alpha);
  Extended G = Reduce360With<Cut>(GrAries - alpha);
  if (G < 0) G = G + 360;

  TStarData r{};
  r.StarDecDeg = arith::TruncWith<Cut>(delta);
  r.StarDecMin = (delta - r.StarDecDeg) * 60;
  r.StarGha = G;
  r.StarGhaDeg = arith::TruncWith<Cut>(G);
  r.StarGhaMin = (G - r.StarGhaDeg) * 60;
  r.StarShaDeg = arith::TruncWith<Cut>(S);
  r.StarShaMin = (S - r.StarShaDeg) * 60;
  return r;
}

}  // namespace

TStarInstant StarInstant(Extended NutLon, Extended NutObl, Extended SunMeanLon, Extended GrAries, Extended Years) {
  TStarInstant at{NutLon, NutObl, GrAries, Years, 0, 0};
  arith::SinCos(SunMeanLon * DegToRad, at.SinL, at.CosL);
  return at;
}

template <class Cut>
TStarData StarPlaceWith(std::int32_t StarNumber, Extended NutLon, Extended NutObl, Extended SunMeanLon,
                        Extended GrAries, Extended Years) {
  return PlaceOf<Cut>(StarNumber, StarInstant(NutLon, NutObl, SunMeanLon, GrAries, Years));
}

template TStarData StarPlaceWith<arith::PortableCut>(std::int32_t, Extended, Extended, Extended, Extended, Extended);
template TStarData StarPlaceWith<arith::FisttpCut>(std::int32_t, Extended, Extended, Extended, Extended, Extended);
template TStarData StarPlaceWith<arith::ChosenCut>(std::int32_t, Extended, Extended, Extended, Extended, Extended);

// The build of this processor, written out here rather than called, so that
// the arguments are not copied once more on their way.
[[gnu::flatten]] TStarData StarPlace(std::int32_t StarNumber, Extended NutLon, Extended NutObl,
                                     Extended SunMeanLon, Extended GrAries, Extended Years) {
  return StarPlaceWith<arith::ChosenCut>(StarNumber, NutLon, NutObl, SunMeanLon, GrAries, Years);
}

[[gnu::flatten]] TStarData StarPlaceAt(std::int32_t StarNumber, const TStarInstant& instant) {
  return PlaceOf<arith::ChosenCut>(StarNumber, instant);
}

}  // namespace tarvel
