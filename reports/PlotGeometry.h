// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#pragma once
// The geometry of the plotting sheet: a small plane chart in nautical miles
// round an origin, north up, on which a minute of latitude is one mile and a
// minute of longitude cos φm miles (φm the origin's latitude: the
// mid-latitude scale a navigator lays off on a plain sheet). Pure C++; the
// window only maps miles to pixels and draws.
//
// Units: positions in degrees (north and east positive), sheet coordinates in
// nautical miles east and north of the origin, azimuths in degrees from
// north through east. An origin at a pole raises EZeroDivide where a
// longitude must be recovered; nothing else raises.

#include <optional>
#include <string>
#include <vector>

#include "core/Extended.h"

namespace tarvel {

struct TSheetOrigin {
  Extended Lat = 0, Lon = 0;  // degrees
};

struct TSheetPoint {
  Extended East = 0, North = 0;  // nautical miles from the origin
};

struct TSheetBox {
  Extended West = 0, East = 0, South = 0, North = 0;  // nautical miles
  Extended Width() const { return East - West; }
  Extended Height() const { return North - South; }
};

// A geographic position on the sheet; the longitude difference is taken the
// short way round.
TSheetPoint ToSheet(const TSheetOrigin& origin, Extended lat, Extended lon);

// The point `miles` from `from` in direction `azimuth`.
TSheetPoint Offset(const TSheetPoint& from, Extended azimuth, Extended miles);

// A line of position: at right angles to the body's azimuth, through the
// point `Foot` (the point of the line nearest the position it was worked
// from).
struct TPlotLine {
  TSheetPoint Foot;
  Extended Azimuth = 0;  // degrees, the body's azimuth Zn
  std::string Label;     // body and time of the sight
  bool Enabled = true;   // a line switched off is drawn dashed
};

struct TPlotMark {
  TSheetPoint At;
  std::string Label;  // ship's time
};

struct TPlotEllipse {
  Extended SemiMajor = 0, SemiMinor = 0;  // nautical miles
  Extended MajorAzimuth = 0;              // degrees
};

struct TPlot {
  TSheetOrigin Origin;
  std::vector<TSheetPoint> Track;  // the dead-reckoning track, in time order
  std::vector<TPlotMark> Marks;    // dead-reckoning positions along it
  std::vector<TPlotLine> Lines;
  std::optional<TSheetPoint> Fix;
  std::string FixLabel;  // "обс. 19:52"
  TPlotEllipse Ellipse;  // round the fix
  // Said alone on a blank sheet in place of a plot that cannot be worked
  // ("Обсервации нет: исправьте поле «Курс»"); empty for a plot.
  std::string Notice;
};

// The smallest box that holds the track, the marks, the feet of the lines,
// the fix and its ellipse, widened by `margin` of its size on every side and
// never smaller than `least` miles across. Empty content gives a box of
// `least` miles round the origin.
TSheetBox FitBox(const TPlot& plot, Extended margin = 0.15L, Extended least = 2);

// The box widened about its centre to a width : height ratio (> 0).
TSheetBox WidenToAspect(const TSheetBox& box, Extended aspect);

// The part of a line of position that lies in the box, as two points; none
// when the line misses the box.
std::optional<std::pair<TSheetPoint, TSheetPoint>> LineInBox(const TPlotLine& line, const TSheetBox& box);

// The ellipse's outline as a closed polygon of n points round the centre.
std::vector<TSheetPoint> EllipseOutline(const TSheetPoint& centre, const TPlotEllipse& ellipse, int n = 72);

// The grid: parallels every LatStep minutes of latitude and meridians every
// LonStep minutes of longitude across the visible box, each with its label
// ("55°40'N", "037°05,5'W"), and a scale bar of a round number of miles
// about a quarter of the box's width.
struct TGridLine {
  Extended At = 0;  // nautical miles: north of the origin for a parallel, east for a meridian
  std::string Label;
};

struct TSheetGrid {
  Extended LatStep = 0, LonStep = 0;  // minutes of arc
  std::vector<TGridLine> Parallels, Meridians;
  Extended ScaleMiles = 0;
  std::string ScaleLabel;  // "5 миль"
};

TSheetGrid SheetGrid(const TSheetOrigin& origin, const TSheetBox& visible);

// The scale of a printed sheet in miles to a centimetre: the least of 1, 2,
// 5 × 10^k (0,1 and up) not below `least`, so that the content fits.
Extended RoundScale(Extended least);
// "Масштаб: 1 см = 2 мили", "Масштаб: 1 см = 0,5 мили".
std::string ScaleText(Extended milesPerCentimetre);

// The round step (… 0,1 0,2 0,5 1 2 5 10 15 30 60 120 300 600 …) nearest above
// `span / lines`, in the span's own unit.
Extended GridStep(Extended span, int lines);

}  // namespace tarvel
