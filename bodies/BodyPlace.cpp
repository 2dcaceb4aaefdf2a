// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
// The checks, the instant and the choice of the body.
//
// The frame of the last instant is kept, one per thread: the precession-
// nutation series cost some forty times a star's own reduction, and a
// navigator's screen asks for all the bodies at one instant.

#include "bodies/BodyPlace.h"

#include "bodies/Reduction.h"

namespace tarvel {
namespace bodies {
namespace {

const TFrame& FrameFor(const TInstant& when) {
  thread_local TFrame frame{};
  thread_local bool valid = false;
  const TInstant& last = frame.When;
  if (!valid || last.Ut1a != when.Ut1a || last.Ut1b != when.Ut1b || last.Tta != when.Tta || last.Ttb != when.Ttb) {
    frame = FrameAt(when);
    valid = true;
  }
  return frame;
}

}  // namespace

TBodyPlace BodyPlaceAt(TCelestialBody body, std::int32_t starNumber, const TInstant& when) {
  const TFrame& frame = FrameFor(when);
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
