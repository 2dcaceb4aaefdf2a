// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#include "almanac/Almanac.h"

#include "core/NumberPicture.h"
#include "display/AngleDisplay.h"

namespace tarvel {
namespace {

TStarData Star(std::int32_t number, const TSunData& sun) {
  return StarPlace(number, sun.NutLon, sun.NutObl, sun.SunMeanLon, sun.GrAries, sun.Years);
}

THorizonData SunHorizon(const TSunData& sun, const TAlmanacInputs& in) {
  return HorizonCoords(sun.SunDecMin * OneSixtieth + sun.SunDecDeg, in.Latitude,
                       sun.SunGhaMin * OneSixtieth + sun.SunGhaDeg, in.Longitude);
}

THorizonData StarHorizon(const TStarData& star, const TAlmanacInputs& in) {
  return HorizonCoords(star.StarDecMin * OneSixtieth + star.StarDecDeg, in.Latitude,
                       star.StarGhaMin * OneSixtieth + star.StarGhaDeg, in.Longitude);
}

}  // namespace

TSunData SunAt(const TShipTime& t) {
  return SunEphemeris(t.Zone, t.Hour, t.Minute, t.Second, t.Day, t.Month, t.Year);
}

TAlmanacResults ComputeAlmanac(const TAlmanacInputs& inputs) {
  TAlmanacResults r;
  r.Sun = SunAt(inputs.Time);
  r.Star = Star(inputs.StarNumber, r.Sun);
  r.SunHorizon = SunHorizon(r.Sun, inputs);
  r.StarHorizon = StarHorizon(r.Star, inputs);
  return r;
}

TAlmanacTexts AlmanacTexts(const TAlmanacResults& r, Extended longitude) {
  TAlmanacTexts t;
  t.GrAries = AngleText(r.Sun.GrAriesDeg, r.Sun.GrAriesMin);
  t.SunLha = LocalHourAngleText(r.Sun.SunGha, longitude);
  t.SunDec = DeclinationText(r.Sun.SunDecDeg, r.Sun.SunDecMin);
  t.SemiDiameter = SemiDiameterText(r.Sun.SemiDiameter);
  t.SunRa = RightAscensionText(r.Sun.SunRaDeg, r.Sun.SunRaMin);
  t.StarDec = DeclinationText(r.Star.StarDecDeg, r.Star.StarDecMin);
  t.StarLha = LocalHourAngleText(r.Star.StarGha, longitude);
  t.StarSha = AngleText(r.Star.StarShaDeg, r.Star.StarShaMin);
  t.SunAlt = AltitudeText(r.SunHorizon.AltDeg, r.SunHorizon.AltMin);
  t.SunAz = AzimuthText(r.SunHorizon.Azimuth);
  t.StarAlt = AltitudeText(r.StarHorizon.AltDeg, r.StarHorizon.AltMin);
  t.StarAz = AzimuthText(r.StarHorizon.Azimuth);
  return t;
}

Extended AltitudeDegrees(const THorizonData& horizon) { return horizon.AltMin * OneSixtieth + horizon.AltDeg; }

TSky ComputeSky(const TAlmanacInputs& inputs) {
  TSky sky;
  sky.Sun = SunAt(inputs.Time);
  sky.SunHorizon = SunHorizon(sky.Sun, inputs);
  const TSunData& sun = sky.Sun;
  const TStarInstant instant = StarInstant(sun.NutLon, sun.NutObl, sun.SunMeanLon, sun.GrAries, sun.Years);
  const TObserver place = Observer(inputs.Latitude, inputs.Longitude);
  for (std::int32_t k = 1; k <= kStarCount; ++k) {
    TSkyStar& s = sky.Stars[static_cast<std::size_t>(k - 1)];
    s.Place = StarPlaceAt(k, instant);
    s.Horizon = HorizonCoordsFrom(s.Place.StarDecMin * OneSixtieth + s.Place.StarDecDeg,
                                  s.Place.StarGhaMin * OneSixtieth + s.Place.StarGhaDeg, place);
  }
  return sky;
}

}  // namespace tarvel
