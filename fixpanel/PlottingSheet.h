// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#pragma once
// The plotting sheet: the dead-reckoning track with its position marks, the
// lines of position advanced to the time of the fix (a line switched off
// dashed), and the fix with its 95 % error ellipse, on a grid of minutes of
// latitude and longitude at the mid-latitude scale, north up, zoomed so that
// everything fits. It draws the plot it is given (reports/PlotGeometry.h)
// and computes nothing of its own; the drawing itself is shared with the
// printed log (fixpanel/SheetDrawing.h).

#include <QWidget>

#include "reports/PlotGeometry.h"

namespace tarvel {

class TPlottingSheet : public QWidget {
  Q_OBJECT

 public:
  explicit TPlottingSheet(QWidget* parent = nullptr);

  void SetPlot(TPlot plot);
  const TPlot& Plot() const { return plot_; }

  // The part of the sheet shown at the widget's present size, in miles.
  TSheetBox Visible() const;

  QSize sizeHint() const override { return {420, 360}; }
  QSize minimumSizeHint() const override { return {200, 160}; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  TPlot plot_;
};

}  // namespace tarvel
