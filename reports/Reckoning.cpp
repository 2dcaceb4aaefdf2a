// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#include "reports/Reckoning.h"

#include "shiptime/ShipTime.h"

namespace tarvel {

std::int64_t SightSeconds(const TSight& s) {
  return UniversalSeconds(s.Time);
}

std::int64_t ReckoningSeconds(const TDeadReckoning& dr) {
  return UniversalSeconds(dr.Time);
}

TPosition ReckoningAt(const TDeadReckoning& dr, std::int64_t seconds) {
  const Extended hours = static_cast<Extended>(seconds - ReckoningSeconds(dr)) / 3600;
  return CarryPosition({dr.Lat, dr.Lon}, dr.Course, dr.Speed, hours);
}

}  // namespace tarvel
