// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#pragma once
// The plotting sheet: the dead-reckoning track with its position marks, the
// lines of position advanced to the time of the fix (a line switched off
// dashed), and the fix with its 95 % error ellipse, on a grid of minutes of
// latitude and longitude at the mid-latitude scale, north up. It draws the
// plot it is given (reports/PlotGeometry.h) and computes nothing of its own;
// the drawing itself is shared with the printed log (fixpanel/SheetDrawing.h).
//
// At zoom 1 and no shift everything fits. A sheet made interactive (the
// sheet window's) is zoomed by the wheel, "+" and "−" about its centre and
// moved by dragging and the arrow keys; "0" and Home fit it again. Zoom and
// shift are kept when a new plot comes, so the navigator's view follows the
// fix live.

#include <QPoint>
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

  void SetInteractive(bool interactive);
  // Zoom over the filling scale, kept within kLeastZoom … kMostZoom.
  void ZoomBy(double factor);
  // Moves the sheet by a distance in pixels (the content follows the mouse).
  void PanBy(const QPointF& pixels);
  void Fit();
  double Zoom() const { return zoom_; }
  const TSheetPoint& Shift() const { return shift_; }
  // Pixels per nautical mile as drawn now.
  double UnitsPerMile() const;

  static constexpr double kLeastZoom = 0.25, kMostZoom = 64;

  QSize sizeHint() const override { return {420, 360}; }
  QSize minimumSizeHint() const override { return {200, 160}; }

 signals:
  void viewChanged();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  TPlot plot_;
  bool interactive_ = false;
  double zoom_ = 1;
  TSheetPoint shift_;
  QPointF dragFrom_;
  bool dragging_ = false;
};

}  // namespace tarvel
