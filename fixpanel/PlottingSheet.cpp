// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#include "fixpanel/PlottingSheet.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

#include "fixpanel/SheetDrawing.h"
#include "widgets/ErrorReport.h"

namespace tarvel {
namespace {

const QColor kBackground(252, 252, 246);  // the sheet's paper, also round it
constexpr int kPad = 4;                   // pixels round the sheet
constexpr double kZoomStep = 1.25;        // one wheel notch or key
constexpr double kPanStep = 0.1;          // of the widget's size, one arrow key

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

void TPlottingSheet::SetInteractive(bool interactive) {
  interactive_ = interactive;
  setFocusPolicy(interactive ? Qt::StrongFocus : Qt::NoFocus);
  setCursor(interactive ? Qt::OpenHandCursor : Qt::ArrowCursor);
}

double TPlottingSheet::UnitsPerMile() const {
  const QRectF area = SheetArea(rect());
  if (area.width() <= 0 || area.height() <= 0) return 1;
  return FillingScale(plot_, area) * zoom_;
}

TSheetBox TPlottingSheet::Visible() const { return SheetBoxAt(plot_, SheetArea(rect()), UnitsPerMile(), shift_); }

void TPlottingSheet::ZoomBy(double factor) {
  zoom_ = std::clamp(zoom_ * factor, kLeastZoom, kMostZoom);
  update();
  emit viewChanged();
}

void TPlottingSheet::PanBy(const QPointF& pixels) {
  const double scale = UnitsPerMile();
  // Dragging right brings the western part into view: the centre moves west.
  shift_.East -= pixels.x() / scale;
  shift_.North += pixels.y() / scale;
  update();
  emit viewChanged();
}

void TPlottingSheet::Fit() {
  zoom_ = 1;
  shift_ = {};
  update();
  emit viewChanged();
}

void TPlottingSheet::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), kBackground);
  const QRectF area = SheetArea(rect());
  if (area.width() < 10 || area.height() < 10) return;
  DrawPlottingSheet(painter, plot_, area, UnitsPerMile(), {}, shift_);
}

void TPlottingSheet::wheelEvent(QWheelEvent* event) {
  if (!interactive_) return QWidget::wheelEvent(event);
  Guarded([&] {
    const int notches = event->angleDelta().y() / 120;
    if (notches != 0) ZoomBy(std::pow(kZoomStep, notches));
  });
  event->accept();
}

void TPlottingSheet::keyPressEvent(QKeyEvent* event) {
  if (!interactive_) return QWidget::keyPressEvent(event);
  bool used = true;
  Guarded([&] {
    const QPointF step(width() * kPanStep, height() * kPanStep);
    switch (event->key()) {
      case Qt::Key_Plus: case Qt::Key_Equal: ZoomBy(kZoomStep); break;
      case Qt::Key_Minus: case Qt::Key_Underscore: ZoomBy(1 / kZoomStep); break;
      case Qt::Key_0: case Qt::Key_Home: Fit(); break;
      // An arrow shows more of the sheet on its side.
      case Qt::Key_Left: PanBy({step.x(), 0}); break;
      case Qt::Key_Right: PanBy({-step.x(), 0}); break;
      case Qt::Key_Up: PanBy({0, step.y()}); break;
      case Qt::Key_Down: PanBy({0, -step.y()}); break;
      default: used = false;
    }
  });
  if (!used) QWidget::keyPressEvent(event);
}

void TPlottingSheet::mousePressEvent(QMouseEvent* event) {
  if (!interactive_ || event->button() != Qt::LeftButton) return QWidget::mousePressEvent(event);
  dragging_ = true;
  dragFrom_ = event->position();
  setCursor(Qt::ClosedHandCursor);
}

void TPlottingSheet::mouseMoveEvent(QMouseEvent* event) {
  if (!dragging_) return QWidget::mouseMoveEvent(event);
  Guarded([&] {
    PanBy(event->position() - dragFrom_);
    dragFrom_ = event->position();
  });
}

void TPlottingSheet::mouseReleaseEvent(QMouseEvent* event) {
  if (!dragging_) return QWidget::mouseReleaseEvent(event);
  dragging_ = false;
  setCursor(Qt::OpenHandCursor);
}

}  // namespace tarvel
