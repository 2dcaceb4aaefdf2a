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

#include <QPointF>
#include <QRectF>

#include "reports/PlotGeometry.h"

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
// plot's content.
TSheetBox SheetBoxAt(const TPlot& plot, const QRectF& area, double unitsPerMile);

// The scale at which the plot's content (FitBox) just fills `area`.
double FillingScale(const TPlot& plot, const QRectF& area);

// Draws the sheet — paper, grid with its labels, scale bar, north arrow,
// track and marks, lines of position, the fix with its ellipse — in `area`
// at `unitsPerMile`. The painter's state is restored afterwards.
void DrawPlottingSheet(QPainter& painter, const TPlot& plot, const QRectF& area, double unitsPerMile,
                       const TSheetLook& look = {});

}  // namespace tarvel
