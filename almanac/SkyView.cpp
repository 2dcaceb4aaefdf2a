// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#include "almanac/SkyView.h"

#include <algorithm>

#include "almanac/BestStars.h"
#include "ephemeris/StarPlaceError.h"
#include "ephemeris/Stars.h"

namespace tarvel {
namespace {

// As LocalHourAngleText brings it into one turn.
Extended LocalHourAngle(Extended gha, Extended longitude) {
  Extended x = gha + longitude;
  if (x < 0) x = x + 360;
  if (x > 360) x = x - 360;
  return x;
}

Extended Value(const TSkyView& view, std::int32_t number, TStarColumn column) {
  const TStarView& s = StarOf(view, number);
  switch (column) {
    case TStarColumn::Altitude: return s.Altitude;
    case TStarColumn::Azimuth: return s.Azimuth;
    case TStarColumn::LocalHourAngle: return s.LocalHourAngle;
    case TStarColumn::Declination: return s.Declination;
    case TStarColumn::PlaceError: return s.PlaceError;
    case TStarColumn::Number:
    case TStarColumn::Name: break;
  }
  return number;
}

}  // namespace

TSkyView SkyView(const TAlmanacInputs& inputs, const TAltitudeBand& band) {
  TSkyView view;
  view.Inputs = inputs;
  view.Sky = ComputeSky(inputs);
  for (std::int32_t k = 1; k <= kStarCount; ++k) {
    const TSkyStar& star = view.Sky.Stars[static_cast<std::size_t>(k - 1)];
    TStarView& s = view.Stars[static_cast<std::size_t>(k - 1)];
    s.Altitude = AltitudeDegrees(star.Horizon);
    s.Azimuth = star.Horizon.Azimuth;
    s.LocalHourAngle = LocalHourAngle(star.Place.StarGha, inputs.Longitude);
    s.Declination = star.Place.StarDecMin * OneSixtieth + star.Place.StarDecDeg;
    s.PlaceError = StarPlaceError(k, view.Sky.Sun.Years);
    s.AboveHorizon = s.Altitude > 0;
    s.Unreliable = s.PlaceError > kStarPlaceErrorLimit;
  }
  SetBand(view, band);
  return view;
}

void SetBand(TSkyView& view, const TAltitudeBand& band) {
  view.Band = band;
  std::vector<TSightCandidate> candidates;
  for (std::int32_t k = 1; k <= kStarCount; ++k) {
    TStarView& s = view.Stars[static_cast<std::size_t>(k - 1)];
    s.InBand = s.AboveHorizon && s.Altitude >= band.From && s.Altitude <= band.To;
    s.Best = false;
    if (s.InBand && !s.Unreliable) candidates.push_back({k, s.Altitude, s.Azimuth});
  }
  view.Best = BestThree(candidates);
  for (std::int32_t k : view.Best) view.Stars[static_cast<std::size_t>(k - 1)].Best = true;
}

std::vector<std::int32_t> StarOrder(const TSkyView& view, TStarColumn column, bool descending, bool all) {
  std::vector<std::int32_t> order;
  order.reserve(kStarCount);
  for (std::int32_t k = 1; k <= kStarCount; ++k) {
    if (all || StarOf(view, k).AboveHorizon) order.push_back(k);
  }
  const auto before = [&](std::int32_t a, std::int32_t b) {
    if (column == TStarColumn::Name) {
      const std::string& x = StarTable(a).Name;
      const std::string& y = StarTable(b).Name;
      if (x != y) return descending ? y < x : x < y;
      return a < b;
    }
    const Extended x = Value(view, a, column), y = Value(view, b, column);
    if (x != y) return descending ? y < x : x < y;
    return a < b;
  };
  std::sort(order.begin(), order.end(), before);
  return order;
}

}  // namespace tarvel
