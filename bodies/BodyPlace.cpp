// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
// The checks, the instant and the choice of the body.

#include "bodies/BodyPlace.h"

#include "bodies/Reduction.h"

namespace tarvel {
namespace bodies {

TBodyPlace BodyPlaceAt(TCelestialBody body, std::int32_t starNumber, const TInstant& when) {
  const TFrame frame = FrameAt(when);
  if (body == TCelestialBody::Star) return StarPlace(starNumber, frame);
  return SolarSystemPlace(body, frame);
}

}  // namespace bodies

TBodyPlace BodyPlace(TCelestialBody body, std::int32_t starNumber, const TShipTime& time) {
  if (body > TCelestialBody::Star) throw EBodyError(kBodyError);
  if (body == TCelestialBody::Star && (starNumber < 1 || starNumber > 160)) throw EBodyError(kBodyStarNumberError);
  if (const char* fault = ShipTimeFault(time, kBodyInstantTexts)) throw EBodyError(fault);
  return bodies::BodyPlaceAt(body, starNumber, bodies::InstantOf(time));
}

}  // namespace tarvel
