// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#pragma once
// "Планшет": the plotting sheet in a window of its own, as large as the
// navigator makes it, opened by F9 from the sight tab or its button. It
// shows the same plot as the sight tab's sheet and follows it live (SetPlot
// with every fix worked); the sheet in it is zoomed and moved
// (TPlottingSheet::SetInteractive) by the wheel, "+" and "−", dragging and
// the arrows, and by the buttons above it. Escape or the window's close
// hides it; the plot and the view stay for the next opening.

#include <QWidget>

#include "reports/PlotGeometry.h"

class QLabel;
class QPushButton;

namespace tarvel {

class TPlottingSheet;

class TSheetWindow : public QWidget {
  Q_OBJECT

 public:
  explicit TSheetWindow(QWidget* parent = nullptr);

  void SetPlot(const TPlot& plot);
  // Shows, raises and gives the keyboard to the sheet.
  void Open();
  TPlottingSheet* Sheet() const { return sheet_; }

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void ShowZoom();

  TPlottingSheet* sheet_ = nullptr;
  QLabel* lbZoom = nullptr;
};

}  // namespace tarvel
