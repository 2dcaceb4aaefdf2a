// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#pragma once
// The ship's track as the fix carries it (sights/Sailing.h: a rhumb line at
// the dead reckoning's course and speed, by Mercator sailing), the
// universal time that orders the sights and the reckoning (the course and
// distance from one position to another: RhumbCourseDistance). Pure C++.
//
// Units: degrees (north and east positive, longitudes in −180 … +180),
// seconds of universal time, nautical miles. The instants must be valid (as
// FixPosition checks them); a track carried onto a pole raises EFixError.

#include <cstdint>

#include "core/Extended.h"
#include "sights/Fix.h"
#include "sights/Sailing.h"
#include "sights/Sight.h"

namespace tarvel {

// Universal time of a sight's or of the reckoning's ship's time, in seconds.
std::int64_t SightSeconds(const TSight& sight);
std::int64_t ReckoningSeconds(const TDeadReckoning& dr);

// The dead-reckoning position at a universal time in seconds.
TPosition ReckoningAt(const TDeadReckoning& dr, std::int64_t seconds);

}  // namespace tarvel
