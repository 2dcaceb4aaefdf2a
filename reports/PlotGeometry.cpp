// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#include "reports/PlotGeometry.h"

#include <algorithm>
#include <cmath>

#include "angles/Wrap.h"
#include "core/Arithmetic.h"
#include "core/Trig.h"
#include "core/NumberPicture.h"
#include "ephemeris/CStars.h"
#include "reports/PositionText.h"

namespace tarvel {
namespace {

Extended CosLat(const TSheetOrigin& origin) { return trig::Cos(origin.Lat * DegToRad); }

// "55°40'N" or, for a step under a minute, "55°40,5'N".
std::string GridLabel(Extended degrees, bool latitude, bool tenths) {
  // Rounded to the label's last place first, so that 59,96' never shows as 60'.
  const Extended unit = tenths ? 600 : 60;
  const Extended total = std::round(std::fabs(degrees) * unit);
  const char* letter = total == 0 ? "" : latitude ? (degrees < 0 ? "S" : "N") : (degrees < 0 ? "W" : "E");
  const Extended whole = std::floor(total / unit);
  const Extended minutes = (total - whole * unit) * 60 / unit;
  return FormatPicture(latitude ? "00" : "000", whole) + "°" + FormatPicture(tenths ? "00.0" : "00", minutes) +
         "'" + letter;
}

std::vector<TGridLine> Lines(Extended from, Extended to, Extended stepMiles, Extended originMinutes,
                             Extended stepMinutes, bool latitude) {
  // Grid lines fall on whole multiples of the step counted from 0° (not from
  // the origin), so their labels are round.
  std::vector<TGridLine> lines;
  const Extended milesPerMinute = stepMiles / stepMinutes;
  const Extended first = std::ceil((originMinutes + arith::Divide(from, milesPerMinute)) / stepMinutes);
  const Extended last = std::floor((originMinutes + arith::Divide(to, milesPerMinute)) / stepMinutes);
  for (Extended k = first; k <= last && lines.size() < 1000; k += 1) {
    const Extended minutes = k * stepMinutes;
    const Extended at = (minutes - originMinutes) * milesPerMinute;
    const Extended degrees = latitude || std::fabs(minutes) <= 180 * 60 ? minutes / 60 : Wrap180(minutes / 60);
    lines.push_back({at, GridLabel(degrees, latitude, stepMinutes < 1)});
  }
  return lines;
}

}  // namespace

TSheetPoint ToSheet(const TSheetOrigin& origin, Extended lat, Extended lon) {
  return {Wrap180(lon - origin.Lon) * 60 * CosLat(origin), (lat - origin.Lat) * 60};
}

TSheetPoint Offset(const TSheetPoint& from, Extended azimuth, Extended miles) {
  Extended s, c;
  trig::SinCos(azimuth * DegToRad, s, c);
  return {from.East + miles * s, from.North + miles * c};
}

TSheetBox FitBox(const TPlot& plot, Extended margin, Extended least) {
  std::vector<TSheetPoint> points = plot.Track;
  for (const TPlotMark& mark : plot.Marks) points.push_back(mark.At);
  for (const TPlotLine& line : plot.Lines) points.push_back(line.Foot);
  if (plot.Fix) {
    for (const TSheetPoint& p : EllipseOutline(*plot.Fix, plot.Ellipse, 16)) points.push_back(p);
    points.push_back(*plot.Fix);
  }
  TSheetBox box{-least / 2, least / 2, -least / 2, least / 2};
  if (points.empty()) return box;
  box = {points[0].East, points[0].East, points[0].North, points[0].North};
  for (const TSheetPoint& p : points) {
    box.West = std::min(box.West, p.East);
    box.East = std::max(box.East, p.East);
    box.South = std::min(box.South, p.North);
    box.North = std::max(box.North, p.North);
  }
  const Extended side = std::max({box.Width(), box.Height(), least});
  const Extended padE = (side - box.Width()) / 2 + side * margin;
  const Extended padN = (side - box.Height()) / 2 + side * margin;
  return {box.West - padE, box.East + padE, box.South - padN, box.North + padN};
}

TSheetBox WidenToAspect(const TSheetBox& box, Extended aspect) {
  TSheetBox wide = box;
  if (box.Width() < box.Height() * aspect) {
    const Extended pad = (box.Height() * aspect - box.Width()) / 2;
    wide.West -= pad;
    wide.East += pad;
  } else {
    const Extended pad = (arith::Divide(box.Width(), aspect) - box.Height()) / 2;
    wide.South -= pad;
    wide.North += pad;
  }
  return wide;
}

std::optional<std::pair<TSheetPoint, TSheetPoint>> LineInBox(const TPlotLine& line, const TSheetBox& box) {
  // The line runs along the direction Zn + 90°: p(t) = Foot + t (cos Zn, −sin Zn).
  Extended s, c;
  trig::SinCos(line.Azimuth * DegToRad, s, c);
  const Extended dE = c, dN = -s;
  Extended lo = -1e30L, hi = 1e30L;
  const auto clip = [&](Extended start, Extended dir, Extended min, Extended max) {
    if (std::fabs(dir) < 1e-15L) return start >= min && start <= max;
    Extended t1 = (min - start) / dir, t2 = (max - start) / dir;
    if (t1 > t2) std::swap(t1, t2);
    lo = std::max(lo, t1);
    hi = std::min(hi, t2);
    return true;
  };
  if (!clip(line.Foot.East, dE, box.West, box.East) || !clip(line.Foot.North, dN, box.South, box.North)) {
    return std::nullopt;
  }
  if (lo > hi) return std::nullopt;
  return std::make_pair(TSheetPoint{line.Foot.East + lo * dE, line.Foot.North + lo * dN},
                        TSheetPoint{line.Foot.East + hi * dE, line.Foot.North + hi * dN});
}

std::vector<TSheetPoint> EllipseOutline(const TSheetPoint& centre, const TPlotEllipse& ellipse, int n) {
  std::vector<TSheetPoint> outline;
  Extended sa, ca;
  trig::SinCos(ellipse.MajorAzimuth * DegToRad, sa, ca);
  for (int i = 0; i < n; ++i) {
    Extended s, c;
    trig::SinCos(2 * 3.14159265358979323846L * i / n, s, c);
    const Extended major = ellipse.SemiMajor * c, minor = ellipse.SemiMinor * s;
    // The major axis points along MajorAzimuth (east sa, north ca); the minor
    // axis 90° clockwise of it (east ca, north −sa).
    outline.push_back({centre.East + major * sa + minor * ca, centre.North + major * ca - minor * sa});
  }
  return outline;
}

Extended GridStep(Extended span, int lines) {
  static constexpr Extended kSteps[] = {0.1L, 0.2L, 0.5L, 1, 2, 5, 10, 15, 30, 60, 120, 300, 600, 1200, 3000, 6000};
  const Extended wanted = span / std::max(lines, 1);
  for (Extended step : kSteps) {
    if (step >= wanted) return step;
  }
  return kSteps[std::size(kSteps) - 1];
}

Extended RoundScale(Extended least) {
  Extended scale = 0.1L;
  for (Extended decade = 0.1L; decade < 1e7L; decade *= 10) {
    for (Extended f : {1.0L, 2.0L, 5.0L}) {
      scale = f * decade;
      if (scale >= least * (1 - 1e-12L)) return scale;
    }
  }
  return scale;
}

std::string ScaleText(Extended milesPerCentimetre) {
  const Extended m = milesPerCentimetre;
  return "Масштаб: 1 см = " + (m < 1 ? FormatPicture("0.0", m) : FormatPicture("0", m)) + " " + MilesWord(m);
}

TSheetGrid SheetGrid(const TSheetOrigin& origin, const TSheetBox& visible) {
  TSheetGrid grid;
  const Extended cosLat = CosLat(origin);
  grid.LatStep = GridStep(visible.Height(), 6);
  grid.LonStep = GridStep(arith::Divide(visible.Width(), cosLat), 6);
  grid.Parallels = Lines(visible.South, visible.North, grid.LatStep, origin.Lat * 60, grid.LatStep, true);
  grid.Meridians = Lines(visible.West, visible.East, grid.LonStep * cosLat, origin.Lon * 60, grid.LonStep, false);

  // The largest of 1, 2, 5 × 10^k miles not above a quarter of the width.
  const Extended quarter = visible.Width() / 4;
  Extended bar = 0.1L;
  for (Extended decade = 0.1L; decade <= quarter; decade *= 10) {
    for (Extended f : {1.0L, 2.0L, 5.0L}) {
      if (f * decade <= quarter * (1 + 1e-12L)) bar = f * decade;
    }
  }
  grid.ScaleMiles = bar;
  grid.ScaleLabel = (bar < 1 ? FormatPicture("0.0", bar) : FormatPicture("0", bar)) + " " + MilesWord(bar);
  return grid;
}

}  // namespace tarvel
