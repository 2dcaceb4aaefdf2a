// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
// The checks, the instant and the choice of the body.
//
// The frames of the last few instants are kept, one set per thread: the
// precession-nutation series cost some forty times a star's own reduction,
// a navigator's screen asks for all the bodies at one instant, and a fix
// reduces each of its sights, taken at instants of their own, at every step.

#include "bodies/BodyPlace.h"

#include <array>

#include "bodies/Reduction.h"

namespace tarvel {
namespace bodies {
namespace {

constexpr std::size_t kKeptFrames = 8;  // more than the sights of most fixes

bool SameInstant(const TInstant& a, const TInstant& b) {
  return a.Ut1a == b.Ut1a && a.Ut1b == b.Ut1b && a.Tta == b.Tta && a.Ttb == b.Ttb;
}

const TFrame& FrameFor(const TInstant& when) {
  thread_local std::array<TFrame, kKeptFrames> frames{};
  thread_local std::size_t kept = 0, next = 0;  // frames filled; the one to replace next
  for (std::size_t k = 0; k < kept; ++k)
    if (SameInstant(frames[k].When, when)) return frames[k];
  TFrame& frame = frames[next];
  frame = FrameAt(when);
  next = (next + 1) % kKeptFrames;
  if (kept < kKeptFrames) ++kept;
  return frame;
}

}  // namespace

TBodyPlace BodyPlaceAt(TCelestialBody body, std::int32_t starNumber, const TInstant& when) {
  const TFrame& frame = FrameFor(when);
  if (body == TCelestialBody::Star) return StarPlace(starNumber, frame);
  return SolarSystemPlace(body, frame);
}

}  // namespace bodies

TBodyPlace BodyPlace(TCelestialBody body, std::int32_t starNumber, const TShipTime& time,
                     const TTimeSettings& settings) {
  if (body > TCelestialBody::Star) throw EBodyError(kBodyError);
  if (body == TCelestialBody::Star && (starNumber < 1 || starNumber > 160)) throw EBodyError(kBodyStarNumberError);
  TShipTime checked = time;
  if (IsLeapSecond(time)) checked.Second = 59;
  if (const char* fault = ShipTimeFault(checked, kBodyInstantTexts)) throw EBodyError(fault);
  try {
    return bodies::BodyPlaceAt(body, starNumber, bodies::InstantOf(time, settings));
  } catch (const ETimeScaleError& e) {
    throw EBodyError(e.Message());
  }
}

TBodyPlace BodyPlace(TCelestialBody body, std::int32_t starNumber, const TShipTime& time) {
  return BodyPlace(body, starNumber, time, TTimeSettings{});
}

}  // namespace tarvel
