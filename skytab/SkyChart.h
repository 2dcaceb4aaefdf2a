// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#pragma once
// The sky chart: the sky above the horizon for one instant and place, laid
// out like a compass card so that bearings read as on the compass: zenith in
// the centre, the horizon as the outer circle, the distance from the centre
// proportional to the zenith distance, north up, east to the right (azimuth
// clockwise). Altitude circles every 10°, azimuth ticks every 10°
// labelled every 30°, the cardinal points С В Ю З. Above the horizon: the
// Sun as a yellow disc; the Moon as a disc lit as its phase is (the lit
// fraction, the bright limb toward the Sun's point on the chart); Venus,
// Mars, Jupiter and Saturn by their signs ♀ ♂ ♃ ♄ with their names; every
// catalogue star as a dot sized by its magnitude (brighter, larger) with its
// number; dimmer outside the altitude band. Rings mark the star selected in
// the main window (fuchsia), the best three (lime) and the stars whose place
// in the main window is unreliable (red).
//
// Labels never cover one another: each is tried beside its body above right,
// above left, below right, below left, right and left, in that order, and is
// left out when every place would cover a label already put; the selected
// star, the best three, the Sun, Moon and planets are placed first, then the
// stars from the brightest. A body whose label is left out is still drawn and
// still named by its hover text.
//
// The corners name the instant (date, ship's time and zone) and the place.
//
// Resting the mouse on a body shows its name, magnitude, altitude and
// azimuth; a left click on a star emits starClicked (the Sun, the Moon and
// the planets are not the main window's to choose).
//
// The chart draws from a sky view that its owner keeps (SetView); the grid is
// drawn once per size, so a new instant repaints only the bodies.

#include <QPixmap>
#include <QStaticText>
#include <QWidget>
#include <QRectF>
#include <array>
#include <cstdint>
#include <utility>
#include <vector>

#include "almanac/SkyView.h"

namespace tarvel {

class TSkyChart : public QWidget {
  Q_OBJECT

 public:
  explicit TSkyChart(QWidget* parent = nullptr);

  // The view to draw, kept by the caller until the next call (nullptr: an
  // empty sky), and the star selected in the main window.
  void SetView(const TSkyView* view, std::int32_t selected);

  // The captions of the corners, as drawn.
  const QString& When() const { return when_; }
  const QString& Where() const { return where_; }

  // The row (a star, or kSunRow … kSaturnRow) drawn nearest to a point of
  // the widget within a few pixels, or 0.
  std::int32_t StarAt(const QPointF& point) const;
  // Where a row is drawn (its altitude and azimuth projected), whether or
  // not it is above the horizon.
  QPointF StarPoint(std::int32_t number) const;
  // The labels as they are drawn: each row's label rectangle.
  const std::vector<std::pair<std::int32_t, QRectF>>& Labels() const;

  QSize sizeHint() const override { return {520, 520}; }
  QSize minimumSizeHint() const override { return {260, 260}; }

 signals:
  void starClicked(int number);

 protected:
  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  QPointF Project(Extended altitude, Extended azimuth) const;
  void DrawGrid();
  void LayOutLabels() const;
  void DrawMoon(QPainter& p, const QPointF& at) const;

  const TSkyView* view_ = nullptr;
  std::int32_t selected_ = 0;
  QPointF centre_;
  qreal radius_ = 1;
  QString when_, where_;                         // the corners' captions
  QPixmap grid_;                                 // background, drawn once per size
  std::array<QStaticText, kSkyRowCount> numbers_;  // the labels' texts, laid out once
  std::array<QStaticText, 4> signs_;                // ♀ ♂ ♃ ♄
  mutable std::vector<std::pair<std::int32_t, QRectF>> labels_;
  mutable bool labelsDue_ = true;
};

}  // namespace tarvel
