// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#pragma once
// Angles brought into their ranges, and the bearing of a direction given by
// its north and east parts: one of each for the whole program.
//
// Wrap360 gives [0, 360): an hour angle, an azimuth, a course. Wrap180 gives
// [−180, 180): a longitude or a difference of longitudes, 180° itself
// becoming −180° (texts that show a longitude keep a typed 180° E as it is:
// they wrap only what lies outside ±180°). −0 comes back as +0 from both.
// Bearing(north, east) is the direction of that vector from north through
// east, [0, 360), 0 for the null vector.
//
// Errors: a value that is not finite raises EInvalidOp; arithmetic faults of
// the bearing pass through.

#include "core/Extended.h"

namespace tarvel {

Extended Wrap360(Extended degrees);
Extended Wrap180(Extended degrees);
Extended Bearing(Extended north, Extended east);

}  // namespace tarvel
