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
// Mars, Jupiter and Saturn by their signs ♀ ♂ ♃ ♄ (bold, 22 px, outlined in
// black so that a ring or a star behind them cannot swallow them) with their
// names; every
// catalogue star as a dot sized by its magnitude (brighter, larger) with its
// number; dimmer outside the altitude band. Rings mark the star selected in
// the main window (fuchsia), the best three (lime) and the stars whose place
// in the main window is unreliable (red).
//
// The Sun, the Moon and the planets never cover one another: each in turn
// (Sun, Moon, Venus, Mars, Jupiter, Saturn) stands at its place unless that
// would cover one already drawn; it is then moved aside to the nearest
// clear spot round its place and joined to it by a thin leader line, a small
// dot marking the place itself.
//
// Each label is read as its body's: it covers neither another label (nor
// comes within kLabelGap of one side by side, where two numbers would read
// as one) nor another body's dot, symbol or ring; it lies nearer, by 1.5 px
// at least, to what is drawn of its own body (its dot, disc or sign and its
// rings: Extent) than to what is drawn of any other; and it lies wholly
// inside the horizon circle, so that no name crosses the horizon or runs
// past the chart's edge. Each is tried beside its body above right, above
// left, below right, below left, right, left, above and below, in that
// order, then the same 4 px further out, and is left out when no place
// keeps all that; the selected star, the best three, the Sun, Moon and
// planets are placed first, then the stars from the brightest. A body whose
// label is left out is still drawn and still named by its hover text.
//
// The corners name the instant (date, ship's time and zone) and the place.
//
// Resting the mouse on a body shows its name, magnitude, altitude and
// azimuth; a left click on a star emits starClicked (the Sun, the Moon and
// the planets are not the main window's to choose).
//
// The chart draws from a sky view that its owner keeps (SetView); the grid is
// drawn once per size. A new instant whose bodies have all stayed within
// kStill of where they were last laid out, with the same marks, repaints
// only the corners' captions: a second moves a star a hundredth of a pixel.

#include <QPainterPath>
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
  // A row's place on the chart (its altitude and azimuth projected), whether
  // or not it is above the horizon; a symbol moved aside is drawn elsewhere
  // (Marks).
  QPointF StarPoint(std::int32_t number) const;
  // The labels as they are drawn: each row's label rectangle.
  const std::vector<std::pair<std::int32_t, QRectF>>& Labels() const;
  // Each body above the horizon as it is drawn: the centre of its dot or
  // symbol, the rectangle the dot or symbol covers, and its place (StarPoint
  // when laid out; At unless the symbol was moved aside); the rectangle of
  // all that is drawn round At, its rings included; the radius of its
  // outermost ring about At (0 without one), and of the body itself.
  struct TMark {
    std::int32_t Row;
    QPointF At;
    QRectF Box;
    QPointF Place;
    QRectF Extent;
    qreal Ring = 0;
    qreal Body = 0;  // the radius of the dot or disc, half the sign's diagonal
  };
  const std::vector<TMark>& Marks() const;

  // How far, in pixels, the bodies may have moved since they were laid out
  // before the chart lays them out and draws them again.
  static constexpr qreal kStill = 0.25;
  // The least room between two labels side by side, pixels.
  static constexpr qreal kLabelGap = 4;
  // The horizon circle: its centre and radius, pixels.
  QPointF Centre() const { return centre_; }
  qreal Radius() const { return radius_; }

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
  void LayOut() const;
  void PlaceMarks() const;
  void PlaceLabels() const;
  void DrawBody(QPainter& p, const TMark& mark) const;
  // The rings drawn round a body of radius `body` (its dot, disc or half
  // the sign's diagonal): unreliable, best, selected.
  struct TRings {
    qreal Unreliable, Best, Selected;
  };
  static TRings RingsOf(qreal body);
  static qreal DotRadius(Extended magnitude);
  TMark Marked(std::int32_t row, const QPointF& at, const QRectF& box, const QPointF& place) const;
  bool LabelFits(const TMark& own, const QRectF& rect) const;
  // Whether a view would be drawn as the one laid out last (kStill).
  bool LooksAsLaidOut(const TSkyView& view, std::int32_t selected) const;
  void DrawMoon(QPainter& p, const QPointF& at) const;

  const TSkyView* view_ = nullptr;
  std::int32_t selected_ = 0;
  QPointF centre_;
  qreal radius_ = 1;
  QString when_, where_;                         // the corners' captions
  QPixmap grid_;                                 // background, drawn once per size
  std::array<QStaticText, kSkyRowCount> numbers_;  // the labels' texts, laid out once
  std::array<QPainterPath, 4> signs_;               // ♀ ♂ ♃ ♄ about the centre of their ink
  mutable std::vector<TMark> marks_;                // in order of drawing
  mutable std::vector<std::pair<std::int32_t, QRectF>> labels_;
  mutable bool layoutDue_ = true;
  // Each row as last laid out: its place and its marks (above the horizon,
  // in the band, best, unreliable); the Moon's lit fraction.
  struct TLaidOut {
    QPointF At;
    std::uint8_t Marks = 0;
  };
  mutable std::array<TLaidOut, kSkyRowCount> laidOut_{};
  mutable Extended laidOutMoonLit_ = -1;
};

}  // namespace tarvel
