// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#include "almanac/SkyView.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "almanac/BestStars.h"
#include "almanac/StarName.h"
#include "core/Arithmetic.h"
#include "core/Trig.h"
#include "ephemeris/StarPlaceError.h"
#include "ephemeris/Stars.h"

namespace tarvel {
namespace {

constexpr Extended kRadToDeg = 57.2957795130823208768L;

// As LocalHourAngleText brings it into one turn.
Extended LocalHourAngle(Extended gha, Extended longitude) {
  Extended x = gha + longitude;
  if (x < 0) x = x + 360;
  if (x > 360) x = x - 360;
  return x;
}

// The unit vector of a ground point: x toward Greenwich on the equator,
// y toward 90° W, z north.
struct TUnit {
  Extended X, Y, Z;
};

TUnit GroundPoint(Extended dec, Extended gha) {
  Extended sd, cd, sg, cg;
  trig::SinCos(dec * DegToRad, sd, cd);
  trig::SinCos(gha * DegToRad, sg, cg);
  return {cd * cg, cd * sg, sd};
}

Extended Value(const TSkyView& view, std::int32_t row, TStarColumn column) {
  const TStarView& s = StarOf(view, row);
  switch (column) {
    case TStarColumn::Magnitude: return s.Magnitude;
    case TStarColumn::Altitude: return s.Altitude;
    case TStarColumn::Azimuth: return s.Azimuth;
    case TStarColumn::LocalHourAngle: return s.LocalHourAngle;
    case TStarColumn::Declination: return s.Declination;
    case TStarColumn::PlaceError: return s.PlaceError;
    case TStarColumn::Number:
    case TStarColumn::Name: break;
  }
  return row;
}

// The names the table shows (almanac/StarName.h), so that it sorts them as
// they read.
const std::string& NameOf(std::int32_t row) {
  static const std::string kNames[] = {"Солнце", "Луна", "Венера", "Марс", "Юпитер", "Сатурн"};
  static const std::vector<std::string> kStarNames = [] {
    std::vector<std::string> names;
    for (std::int32_t k = 1; k <= kStarCount; ++k) names.push_back(StarName(k));
    return names;
  }();
  return IsStarRow(row) ? kStarNames[static_cast<std::size_t>(row - 1)] : kNames[row - kSunRow];
}

// The altitude of a body's centre seen from the ship instead of from the
// Earth's centre: the spherical Earth's parallax exactly, from the distance
// in Earth radii 1 / sin HP, and the spheroid's first term as the sight
// reduction adds it to the observed altitude (OB = HP f (sin 2φ cos Z sin h
// − sin²φ cos h), 0.19′ at most for the Moon) taken off. The azimuth does
// not change to a tenth of a minute.
Extended Topocentric(Extended altitude, Extended azimuth, Extended latitude, Extended horizontalParallax) {
  if (horizontalParallax <= 0) return altitude;
  constexpr Extended kFlattening = 0.00335281066L;  // 1 / 298.257
  Extended sinHp, cosHp, sinH, cosH, sinPhi, cosPhi, sinZ, cosZ;
  trig::SinCos(horizontalParallax * OneSixtieth * DegToRad, sinHp, cosHp);
  trig::SinCos(altitude * DegToRad, sinH, cosH);
  trig::SinCos(latitude * DegToRad, sinPhi, cosPhi);
  trig::SinCos(azimuth * DegToRad, sinZ, cosZ);
  // Unit distance to the Earth's radius sin HP: up and level from the ship.
  const Extended seen = trig::ArcTan2(sinH - sinHp, cosH) * kRadToDeg;
  const Extended oblateness =
      horizontalParallax * OneSixtieth * kFlattening * (2 * sinPhi * cosPhi * cosZ * sinH - sinPhi * sinPhi * cosH);
  return seen - oblateness;
}

// Whether a body can be shot by day (Daylight): the Sun; the Moon, Venus
// and Jupiter clear of the Sun's glare, the planets bright enough.
bool SeenByDay(const TSkyView& view, std::int32_t row) {
  if (row == kSunRow) return true;
  if (row != kMoonRow && row != kVenusRow && row != kJupiterRow) return false;
  const TStarView& s = StarOf(view, row);
  const TStarView& sun = StarOf(view, kSunRow);
  if (GroundDistance(s.Declination, s.Gha, sun.Declination, sun.Gha) < kDaylightSunClearance * 60) return false;
  return row == kMoonRow || s.Magnitude <= kDaylightPlanetMagnitude;
}

}  // namespace

TCelestialBody BodyOfRow(std::int32_t row) {
  if (IsStarRow(row)) return TCelestialBody::Star;
  static const TCelestialBody kBodies[] = {TCelestialBody::Sun,  TCelestialBody::Moon,    TCelestialBody::Venus,
                                           TCelestialBody::Mars, TCelestialBody::Jupiter, TCelestialBody::Saturn};
  return kBodies[row - kSunRow];
}

std::string BodyName(std::int32_t row) { return IsStarRow(row) ? std::string() : NameOf(row); }

void HorizonOf(Extended gha, Extended declination, Extended latitude, Extended longitude, Extended& altitude,
               Extended& azimuth) {
  Extended sd, cd, sf, cf, st, ct;
  trig::SinCos(declination * DegToRad, sd, cd);
  trig::SinCos(latitude * DegToRad, sf, cf);
  trig::SinCos((gha + longitude) * DegToRad, st, ct);
  // The body in the horizon frame: north, east, up.
  const Extended north = sd * cf - cd * sf * ct;
  const Extended east = -cd * st;
  const Extended up = sd * sf + cd * cf * ct;
  altitude = trig::ArcTan2(up, std::hypot(north, east)) * kRadToDeg;
  azimuth = trig::ArcTan2(east, north) * kRadToDeg;
  if (azimuth < 0) azimuth += 360;
}

Extended GroundDistance(Extended dec1, Extended gha1, Extended dec2, Extended gha2) {
  const TUnit a = GroundPoint(dec1, gha1), b = GroundPoint(dec2, gha2);
  const Extended cx = a.Y * b.Z - a.Z * b.Y, cy = a.Z * b.X - a.X * b.Z, cz = a.X * b.Y - a.Y * b.X;
  const Extended dot = a.X * b.X + a.Y * b.Y + a.Z * b.Z;
  return trig::ArcTan2(std::sqrt(cx * cx + cy * cy + cz * cz), dot) * kRadToDeg * 60;
}

void CheckBand(const TAltitudeBand& band) {
  if (band.From > band.To) throw EBandError(kBandOrderError);
  if (!(band.FaintestMagnitude >= kLeastMagnitudeLimit && band.FaintestMagnitude <= kGreatestMagnitudeLimit)) {
    throw EBandError(kMagnitudeLimitError);
  }
}

TSkyView SkyView(const TAlmanacInputs& inputs, const TAltitudeBand& band) {
  CheckBand(band);
  TSkyView view;
  view.Inputs = inputs;
  view.Sky = ComputeSky(inputs);
  for (std::int32_t k = 1; k <= kSkyRowCount; ++k) {
    const TBodyPlace place = BodyPlace(BodyOfRow(k), IsStarRow(k) ? k : 0, inputs.Time);
    TStarView& s = view.Stars[static_cast<std::size_t>(k - 1)];
    HorizonOf(place.Gha, place.Dec, inputs.Latitude, inputs.Longitude, s.Altitude, s.Azimuth);
    s.Altitude = Topocentric(s.Altitude, s.Azimuth, inputs.Latitude, place.HorizontalParallax);
    s.Gha = place.Gha;
    s.LocalHourAngle = LocalHourAngle(place.Gha, inputs.Longitude);
    s.Declination = place.Dec;
    s.Magnitude = place.Magnitude;
    s.Illuminated = place.Illuminated;
    s.AboveHorizon = s.Altitude > 0;
    if (IsStarRow(k)) {
      const TStarData& main = view.Sky.Stars[static_cast<std::size_t>(k - 1)].Place;
      s.PlaceError = GroundDistance(main.StarDecMin * OneSixtieth + main.StarDecDeg,
                                    main.StarGhaMin * OneSixtieth + main.StarGhaDeg, place.Dec, place.Gha);
      s.HasPlaceError = true;
    } else if (k == kSunRow) {
      const TSunData& sun = view.Sky.Sun;
      s.PlaceError = GroundDistance(sun.SunDecMin * OneSixtieth + sun.SunDecDeg, sun.SunGha, place.Dec, place.Gha);
      s.HasPlaceError = true;
    }
    s.Unreliable = s.HasPlaceError && s.PlaceError > kStarPlaceErrorLimit;
  }
  view.Daylight = StarOf(view, kSunRow).Altitude > kDaylightSunAltitude;
  SetBand(view, band);
  return view;
}

void SetBand(TSkyView& view, const TAltitudeBand& band) {
  CheckBand(band);
  view.Band = band;
  std::vector<TSightCandidate> candidates;
  for (std::int32_t k = 1; k <= kSkyRowCount; ++k) {
    TStarView& s = view.Stars[static_cast<std::size_t>(k - 1)];
    s.InBand = s.AboveHorizon && s.Altitude >= band.From && s.Altitude <= band.To;
    s.Best = false;
    const bool shootable = view.Daylight ? SeenByDay(view, k) : IsStarRow(k) || IsPlanetRow(k);
    if (shootable && s.InBand && (view.Daylight || s.Magnitude <= band.FaintestMagnitude)) {
      candidates.push_back({k, s.Altitude, s.Azimuth, s.Magnitude});
    }
  }
  // By day one or two bodies are offered as well: a line of the Sun is run
  // on to the next, or crossed with the Moon's.
  TBestThree best = BestThree(candidates);
  if (view.Daylight && candidates.size() < 3) {
    std::sort(candidates.begin(), candidates.end(),
              [](const TSightCandidate& a, const TSightCandidate& b) { return a.Azimuth < b.Azimuth; });
    for (const TSightCandidate& c : candidates) best.Numbers.push_back(c.Number);
  }
  view.Best = best.Numbers;
  view.BestFallback = best.Fallback;
  for (std::int32_t k : view.Best) view.Stars[static_cast<std::size_t>(k - 1)].Best = true;
}

std::vector<std::int32_t> StarOrder(const TSkyView& view, TStarColumn column, bool descending, bool all) {
  std::vector<std::int32_t> order;
  order.reserve(kSkyRowCount);
  for (std::int32_t k = 1; k <= kSkyRowCount; ++k) {
    if (all || StarOf(view, k).AboveHorizon) order.push_back(k);
  }
  const auto before = [&](std::int32_t a, std::int32_t b) {
    if (column == TStarColumn::Name) {
      const std::string& x = NameOf(a);
      const std::string& y = NameOf(b);
      if (x != y) return descending ? y < x : x < y;
      return a < b;
    }
    if (column == TStarColumn::PlaceError) {
      const bool ha = StarOf(view, a).HasPlaceError, hb = StarOf(view, b).HasPlaceError;
      if (ha != hb) return ha;  // the empty values last either way
    }
    const Extended x = Value(view, a, column), y = Value(view, b, column);
    if (x != y) return descending ? y < x : x < y;
    return a < b;
  };
  std::sort(order.begin(), order.end(), before);
  return order;
}

}  // namespace tarvel
