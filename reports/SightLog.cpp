// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#include "reports/SightLog.h"

namespace tarvel {

std::string BodyKey(TBody body) {
  switch (body) {
    case TBody::SunLowerLimb: return "sunLowerLimb";
    case TBody::SunUpperLimb: return "sunUpperLimb";
    case TBody::Star: return "star";
    case TBody::MoonLowerLimb: return "moonLowerLimb";
    case TBody::MoonUpperLimb: return "moonUpperLimb";
    case TBody::Venus: return "venus";
    case TBody::Mars: return "mars";
    case TBody::Jupiter: return "jupiter";
    case TBody::Saturn: return "saturn";
  }
  return {};
}

}  // namespace tarvel
