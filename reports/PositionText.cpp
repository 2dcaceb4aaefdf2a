// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#include "reports/PositionText.h"

#include <cmath>

#include "angles/Wrap.h"
#include "core/NumberPicture.h"

namespace tarvel {
namespace {

// The angle in whole hundredths of a minute, as the position field keeps it.
void SetAngle(TDegrees& angle, Extended degrees, Extended limitHundredths, TSgn positive, TSgn negative) {
  if (std::isnan(degrees)) throw EDegreesError(kCoordinateError);
  const Extended hundredths = std::min(std::round(std::fabs(degrees) * 6000), limitHundredths);
  const Extended whole = std::floor(hundredths / 6000);
  angle.SetMin(0);
  angle.SetGrad(static_cast<std::int32_t>(whole));
  angle.SetMin((hundredths - whole * 6000) / 100);
  angle.SetSgn(degrees < 0 && hundredths > 0 ? negative : positive);
}

}  // namespace

TCoord CoordFromDegrees(Extended lat, Extended lon) {
  if (std::isnan(lon)) throw EDegreesError(kCoordinateError);
  // A longitude of 180° keeps the hemisphere it was given.
  if (std::fabs(lon) > 180) lon = Wrap180(lon);
  TCoord coord;
  SetAngle(coord.F(), lat, 90 * 6000 - 1, TSgn::N, TSgn::S);
  SetAngle(coord.L(), lon, 180 * 6000, TSgn::E, TSgn::W);
  return coord;
}

std::string PositionText(Extended lat, Extended lon) {
  const TCoord coord = CoordFromDegrees(lat, lon);
  return coord.F().Strings() + "  " + coord.L().Strings();
}

std::string MilesWord(Extended miles) {
  if (miles != std::floor(miles)) return "мили";
  const auto n = static_cast<long long>(std::fabs(miles));
  if (n % 10 == 1 && n % 100 != 11) return "миля";
  if (n % 10 >= 2 && n % 10 <= 4 && (n % 100 < 12 || n % 100 > 14)) return "мили";
  return "миль";
}

std::string MilesText(Extended miles) { return FormatPicture("0.0", miles) + " мили"; }

}  // namespace tarvel
