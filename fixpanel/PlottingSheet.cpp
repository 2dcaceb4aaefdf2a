// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#include "fixpanel/PlottingSheet.h"

#include <QPainter>

#include "fixpanel/SheetDrawing.h"

namespace tarvel {
namespace {

const QColor kBackground(252, 252, 246);  // the sheet's paper, also round it
constexpr int kPad = 4;                   // pixels round the sheet

QRectF SheetArea(const QRect& widget) { return QRectF(widget).adjusted(kPad, kPad, -kPad, -kPad); }

}  // namespace

TPlottingSheet::TPlottingSheet(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("PlottingSheet"));
  setAttribute(Qt::WA_OpaquePaintEvent);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void TPlottingSheet::SetPlot(TPlot plot) {
  plot_ = std::move(plot);
  update();
}

TSheetBox TPlottingSheet::Visible() const {
  const QRectF area = SheetArea(rect());
  const Extended aspect = area.height() > 0 && area.width() > 0 ? area.width() / area.height() : 1.0;
  return WidenToAspect(FitBox(plot_), aspect);
}

void TPlottingSheet::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), kBackground);
  const QRectF area = SheetArea(rect());
  if (area.width() < 10 || area.height() < 10) return;
  DrawPlottingSheet(painter, plot_, area, FillingScale(plot_, area));
}

}  // namespace tarvel
