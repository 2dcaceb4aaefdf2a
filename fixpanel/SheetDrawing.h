// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#pragma once
// The plotting sheet drawn on any painter: the widget on the screen and the
// printed sight log on paper draw it with the same code. The sheet fills a
// rectangle of the painter's device at a stated scale (device units per
// nautical mile, one scale for both axes), centred on the plot's content
// (FitBox). Everything else the drawing needs in device units — pens, marks,
// offsets, fonts — is given in "sheet pixels" of TSheetLook::Pixel device
// units each: 1 on a screen, the device's dots per 1/96 inch on paper.
//
// Every text of the sheet — the grid's, the marks' times, the lines' names,
// the fix's — is placed by LayOutSheet clear of the error ellipse, the lines
// of position, the track, the marks and every other text
// (reports/LabelPlaces.h); a text that finds no free place is left out. A
// sheet may be moved off the content's centre by `shift` miles (the sheet
// window's pan).

#include <QColor>
#include <QLineF>
#include <QPointF>
#include <QPolygonF>
#include <QRectF>
#include <QString>
#include <vector>

#include "reports/PlotGeometry.h"

class QPaintDevice;
class QPainter;

namespace tarvel {

// Miles on the sheet to device units, north up.
class TSheetMapping {
 public:
  TSheetMapping(const TSheetBox& box, const QRectF& area);
  QPointF operator()(const TSheetPoint& p) const;
  double Units(Extended miles) const { return static_cast<double>(miles) * unitsPerMile_; }
  double UnitsPerMile() const { return unitsPerMile_; }

 private:
  TSheetBox box_;
  QRectF area_;
  double unitsPerMile_ = 1;
};

struct TSheetLook {
  double Pixel = 1;  // device units per sheet pixel
};

// The part of the sheet that `area` shows at `unitsPerMile`, centred on the
// plot's content moved by `shift` miles.
TSheetBox SheetBoxAt(const TPlot& plot, const QRectF& area, double unitsPerMile, const TSheetPoint& shift = {});

// The scale at which the plot's content (FitBox) just fills `area`.
double FillingScale(const TPlot& plot, const QRectF& area);

// Where the sheet's texts go, and what they keep clear of, in device units.
struct TSheetLabel {
  enum TKind { Grid, Mark, Line, Fix } Kind = Grid;
  QString Text;
  QRectF Box;  // the text's box with its margin, clear of everything else
  QPointF At;  // the start of its baseline
  QColor Colour;
};

struct TSheetLine {
  QLineF Line;
  bool Enabled = true;
};

struct TSheetLayout {
  TSheetBox Box;                  // the part of the sheet shown
  QPolygonF Ellipse;              // the fix's error ellipse; empty without a fix
  std::vector<TSheetLine> Lines;  // the lines of position as they are drawn
  std::vector<QLineF> Track;      // the dead-reckoning track's legs
  std::vector<QRectF> Symbols;    // the marks, the fix's rings, the scale bar and the north arrow
  std::vector<TSheetLabel> Labels;
  int LeftOut = 0;                // texts that found no free place
};

TSheetLayout LayOutSheet(const TPlot& plot, const QRectF& area, double unitsPerMile, const TSheetLook& look,
                         QPaintDevice* device, const TSheetPoint& shift = {});

// Draws the sheet — paper, grid with its labels, scale bar, north arrow,
// track and marks, lines of position, the fix with its ellipse — in `area`
// at `unitsPerMile`. The painter's state is restored afterwards.
void DrawPlottingSheet(QPainter& painter, const TPlot& plot, const QRectF& area, double unitsPerMile,
                       const TSheetLook& look = {}, const TSheetPoint& shift = {});

}  // namespace tarvel
