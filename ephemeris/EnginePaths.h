// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#pragma once
// The engine's routines built for one way of cutting to whole numbers
// (core/Arithmetic.h): arith::PortableCut, arith::FisttpCut, or
// arith::ChosenCut, the one of this processor, which the routines of CStars.h
// are. All give the same bits for every argument; tests and benchmarks call
// them here to set the ways side by side.
//
// Arguments, units and errors as in CStars.h. The FisttpCut builds only where
// arith::kHasFisttp holds.

#include <cstdint>

#include "core/Arithmetic.h"
#include "ephemeris/CStars.h"

namespace tarvel {

// Written here, where every routine that calls it can take it in whole.
template <class Cut>
Extended Reduce360With(Extended x) {
  if (!(x > 360)) return x;
  // The count of turns is cut to 32 bits; 360 times it is formed as an
  // integer, in 64 bits so that it cannot wrap for any count that fits.
  const std::int64_t turns = Cut::Trunc32(x * (1.0L / 360));
  return x - static_cast<Extended>(360 * turns);
}

template <class Cut>
TSunData SunEphemerisWith(std::int32_t Z, Extended h, Extended m, Extended s, Extended D, Extended M, Extended Y);

template <class Cut>
TStarData StarPlaceWith(std::int32_t StarNumber, Extended NutLon, Extended NutObl, Extended SunMeanLon,
                        Extended GrAries, Extended Years);

template <class Cut>
THorizonData HorizonCoordsWith(Extended Dec, Extended Lat, Extended Gha, Extended Lon);

// The two steps of HorizonCoords whose outcome rests on rounding, so that the
// tests can set their argument exactly, whatever the processor's sines give:
// the altitude in radians from its sine x (x = ±1 exactly raises EZeroDivide,
// |x| beyond 1 EInvalidOp), and the azimuth's angle from north, 0 … 180°,
// from its cosine c (|c| a hair beyond 1 gives 0° or 180°).
Extended AltitudeOfSine(Extended x);
Extended AzimuthAngle(Extended c);

// The builds of each routine are made once, in the engine's own sources.
extern template TSunData SunEphemerisWith<arith::PortableCut>(std::int32_t, Extended, Extended, Extended, Extended,
                                                              Extended, Extended);
extern template TSunData SunEphemerisWith<arith::FisttpCut>(std::int32_t, Extended, Extended, Extended, Extended,
                                                            Extended, Extended);
extern template TSunData SunEphemerisWith<arith::ChosenCut>(std::int32_t, Extended, Extended, Extended, Extended,
                                                            Extended, Extended);
extern template TStarData StarPlaceWith<arith::PortableCut>(std::int32_t, Extended, Extended, Extended, Extended,
                                                            Extended);
extern template TStarData StarPlaceWith<arith::FisttpCut>(std::int32_t, Extended, Extended, Extended, Extended,
                                                          Extended);
extern template TStarData StarPlaceWith<arith::ChosenCut>(std::int32_t, Extended, Extended, Extended, Extended,
                                                          Extended);
extern template THorizonData HorizonCoordsWith<arith::PortableCut>(Extended, Extended, Extended, Extended);
extern template THorizonData HorizonCoordsWith<arith::FisttpCut>(Extended, Extended, Extended, Extended);
extern template THorizonData HorizonCoordsWith<arith::ChosenCut>(Extended, Extended, Extended, Extended);

}  // namespace tarvel
