// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#pragma once
// The sky chart: the sky above the horizon for one instant and place, laid
// out like a compass card so that bearings read as on the compass: zenith in
// the centre, the horizon as the outer circle, the distance from the centre
// proportional to the zenith distance, north up, east to the right (azimuth
// clockwise). Altitude circles every 10°, azimuth ticks every 10°
// labelled every 30°, the cardinal points С В Ю З; the Sun as a yellow disc
// when it is up, every catalogue star above the horizon as a dot with its
// number, dimmer outside the altitude band; rings mark the star selected in
// the main window (fuchsia), the best three (lime) and the stars whose place
// is unreliable (red).
//
// The corners name the instant (date, ship's time and zone) and the place.
//
// Resting the mouse on a star shows its number, letter, name, altitude and
// azimuth; a left click on it emits starClicked.
//
// The chart draws from a sky view that its owner keeps (SetView); the grid is
// drawn once per size, so a new instant repaints only the bodies.

#include <QPixmap>
#include <QStaticText>
#include <QWidget>
#include <array>
#include <cstdint>

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

  // The star drawn nearest to a point of the widget within a few pixels, or 0.
  std::int32_t StarAt(const QPointF& point) const;
  // Where a star is drawn (its altitude and azimuth projected), whether or
  // not it is above the horizon.
  QPointF StarPoint(std::int32_t number) const;

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

  const TSkyView* view_ = nullptr;
  std::int32_t selected_ = 0;
  QPointF centre_;
  qreal radius_ = 1;
  QString when_, where_;                         // the corners' captions
  QPixmap grid_;                                 // background, drawn once per size
  std::array<QStaticText, kStarCount> numbers_;  // the stars' labels, laid out once
};

}  // namespace tarvel
