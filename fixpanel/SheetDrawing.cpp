// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#include "fixpanel/SheetDrawing.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <vector>

#include "core/Arithmetic.h"
#include "widgets/Look.h"
#include "widgets/Texts.h"

namespace tarvel {
namespace {

const QColor kPaper(252, 252, 246);
const QColor kGrid(170, 200, 230);
const QColor kGridText(70, 110, 160);
const QColor kTrack(60, 60, 60);
const QColor kLine(0, 70, 200);
const QColor kLineOff(150, 150, 150);
const QColor kFix(210, 0, 0);

// The places already taken by texts, so that no text is written over
// another: a text that finds no free place is left out.
class TTextPlaces {
 public:
  TTextPlaces(const QFontMetricsF& metrics, double pixel) : metrics_(metrics), pixel_(pixel) {}
  // The box of a text written with its baseline starting at `at`.
  QRectF Box(const QPointF& at, const QString& text) const {
    return QRectF(at.x(), at.y() - metrics_.ascent(), metrics_.horizontalAdvance(text), metrics_.height())
        .adjusted(-2 * pixel_, -pixel_, 2 * pixel_, pixel_);
  }
  bool Free(const QRectF& box) const {
    return std::none_of(taken_.begin(), taken_.end(), [&](const QRectF& t) { return t.intersects(box); });
  }
  void Take(const QRectF& box) { taken_.push_back(box); }
  // Writes the text at the first free place of those offered.
  bool Write(QPainter& painter, const std::vector<QPointF>& places, const QString& text) {
    for (const QPointF& at : places) {
      const QRectF box = Box(at, text);
      if (!Free(box)) continue;
      painter.drawText(at, text);
      Take(box);
      return true;
    }
    return false;
  }

 private:
  QFontMetricsF metrics_;
  double pixel_;
  std::vector<QRectF> taken_;
};

QFont SheetFace(int pixels, bool bold, double pixel) {
  return look::Face("Arial", std::max(1, static_cast<int>(std::lround(pixels * pixel))), bold);
}

}  // namespace

TSheetMapping::TSheetMapping(const TSheetBox& box, const QRectF& area)
    : box_(box), area_(area), unitsPerMile_(static_cast<double>(arith::Divide(area.width(), box.Width()))) {}

QPointF TSheetMapping::operator()(const TSheetPoint& p) const {
  return {area_.left() + static_cast<double>(p.East - box_.West) * unitsPerMile_,
          area_.top() + static_cast<double>(box_.North - p.North) * unitsPerMile_};
}

TSheetBox SheetBoxAt(const TPlot& plot, const QRectF& area, double unitsPerMile) {
  const TSheetBox fit = FitBox(plot);
  const Extended eastMid = (fit.West + fit.East) / 2, northMid = (fit.South + fit.North) / 2;
  const Extended halfWidth = arith::Divide(area.width() / 2, unitsPerMile);
  const Extended halfHeight = arith::Divide(area.height() / 2, unitsPerMile);
  return {eastMid - halfWidth, eastMid + halfWidth, northMid - halfHeight, northMid + halfHeight};
}

double FillingScale(const TPlot& plot, const QRectF& area) {
  const Extended aspect = area.height() > 0 && area.width() > 0 ? area.width() / area.height() : 1.0;
  return area.width() / static_cast<double>(WidenToAspect(FitBox(plot), aspect).Width());
}

void DrawPlottingSheet(QPainter& painter, const TPlot& plot, const QRectF& area, double unitsPerMile,
                       const TSheetLook& look) {
  const double px = look.Pixel;
  const auto P = [px](double x, double y) { return QPointF(x * px, y * px); };
  painter.save();
  painter.fillRect(area, kPaper);
  painter.setRenderHint(QPainter::Antialiasing);
  const TSheetBox box = SheetBoxAt(plot, area, unitsPerMile);
  const TSheetMapping map(box, area);
  const QFont small = SheetFace(11, false, px);
  const QFont label = SheetFace(12, true, px);
  const QFontMetricsF smallMetrics(small, painter.device());
  const QFontMetricsF labelMetrics(label, painter.device());

  // The grid, labelled along the left and bottom edges.
  const TSheetGrid grid = SheetGrid(plot.Origin, box);
  painter.setFont(small);
  TTextPlaces gridTexts{smallMetrics, px};
  gridTexts.Take(QRectF(area.right() - 110 * px, area.top(), 110 * px, 80 * px));  // the scale bar and the north arrow
  painter.setPen(QPen(kGrid, px));
  for (const TGridLine& line : grid.Parallels) {
    const double y = map({box.West, line.At}).y();
    painter.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
  }
  for (const TGridLine& line : grid.Meridians) {
    const double x = map({line.At, box.South}).x();
    painter.drawLine(QPointF(x, area.top()), QPointF(x, area.bottom()));
  }
  painter.setPen(kGridText);
  for (const TGridLine& line : grid.Parallels) {
    const double y = map({box.West, line.At}).y();
    gridTexts.Write(painter, {QPointF(area.left() + 3 * px, y - 3 * px)}, Text(line.Label));
  }
  for (const TGridLine& line : grid.Meridians) {
    const double x = map({line.At, box.South}).x();
    const QString text = Text(line.Label);
    const QPointF at(x + 3 * px, area.bottom() - 3 * px);
    if (gridTexts.Box(at, text).right() < area.right()) gridTexts.Write(painter, {at}, text);
  }
  painter.setPen(QPen(kGrid.darker(130), px));
  painter.drawRect(area);

  // The scale bar in the top right corner.
  {
    const double length = map.Units(grid.ScaleMiles);
    const QPointF right(area.right() - 10 * px, area.top() + 18 * px);
    const QPointF left(right.x() - length, right.y());
    painter.setPen(QPen(kTrack, 2 * px));
    painter.drawLine(left, right);
    painter.drawLine(left + P(0, -4), left + P(0, 4));
    painter.drawLine(right + P(0, -4), right + P(0, 4));
    const QString text = Text(grid.ScaleLabel);
    const QFontMetrics whole(small, painter.device());  // whole device units, as the sheet always placed it
    painter.drawText(QPointF(right.x() - whole.horizontalAdvance(text), right.y() + 16 * px), text);
    // North is up: an arrow under the bar says so.
    const QPointF n(right.x() - 6 * px, right.y() + 50 * px);
    painter.drawLine(n, n + P(0, -22));
    painter.drawLine(n + P(0, -22), n + P(-4, -14));
    painter.drawLine(n + P(0, -22), n + P(4, -14));
    painter.drawText(n + P(-20, -8), QStringLiteral("N"));
  }

  painter.setClipRect(area);

  // The dead-reckoning track and its marks.
  if (plot.Track.size() >= 2) {
    QPainterPath path(map(plot.Track.front()));
    for (std::size_t i = 1; i < plot.Track.size(); ++i) path.lineTo(map(plot.Track[i]));
    painter.setPen(QPen(kTrack, 1.5 * px));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(path);
  }
  painter.setFont(small);
  TTextPlaces texts{smallMetrics, px};
  for (const TPlotMark& mark : plot.Marks) {
    const QPointF at = map(mark.At);
    painter.setPen(QPen(kTrack, 1.5 * px));
    painter.setBrush(kPaper);
    painter.drawEllipse(at, 3.5 * px, 3.5 * px);
    painter.drawLine(at + P(-6, 0), at + P(6, 0));
    texts.Take(QRectF(at - P(6, 4), at + P(6, 4)));
  }
  // The marks' times, latest first, where they find room.
  for (auto mark = plot.Marks.rbegin(); mark != plot.Marks.rend(); ++mark) {
    const QPointF at = map(mark->At);
    texts.Write(painter, {at + P(6, 13), at + P(-40, -6), at + P(6, -6), at + P(-40, 13)}, Text(mark->Label));
  }

  // The lines of position, each labelled beside it near one end, where the
  // label finds room off the fix.
  painter.setFont(label);
  texts = TTextPlaces{labelMetrics, px};
  if (plot.Fix) {
    const QPointF at = map(*plot.Fix);
    texts.Take(QRectF(at - P(12, 12), at + P(12, 12)));
  }
  for (const TPlotLine& line : plot.Lines) {
    const auto ends = LineInBox(line, box);
    if (!ends) continue;
    QPen pen(line.Enabled ? kLine : kLineOff, 1.8 * px);
    if (!line.Enabled) pen.setStyle(Qt::DashLine);
    painter.setPen(pen);
    const QPointF a = map(ends->first), b = map(ends->second);
    painter.drawLine(a, b);
    const QString text = Text(line.Label);
    const double width = labelMetrics.horizontalAdvance(text);
    std::vector<QPointF> places;
    for (double f : {0.1, 0.9, 0.25, 0.75, 0.4, 0.6, 0.5}) {
      const QPointF at = a + (b - a) * f;
      for (const QPointF& side : {P(5, -5), QPointF(-width - 5 * px, -5 * px), P(5, 16), QPointF(-width - 5 * px, 16 * px)}) {
        const QPointF place = at + side;
        if (place.x() >= area.left() + 2 * px && place.x() + width <= area.right() - 2 * px &&
            place.y() >= area.top() + 14 * px && place.y() <= area.bottom() - 16 * px) {
          places.push_back(place);
        }
      }
    }
    texts.Write(painter, places, text);
  }

  // The fix and its ellipse.
  if (plot.Fix) {
    const std::vector<TSheetPoint> outline = EllipseOutline(*plot.Fix, plot.Ellipse);
    QPolygonF polygon;
    for (const TSheetPoint& p : outline) polygon << map(p);
    painter.setPen(QPen(kFix, 1.5 * px));
    painter.setBrush(QColor(kFix.red(), kFix.green(), kFix.blue(), 40));
    painter.drawPolygon(polygon);
    const QPointF at = map(*plot.Fix);
    painter.setBrush(kFix);
    painter.drawEllipse(at, 4 * px, 4 * px);
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(at, 8 * px, 8 * px);
    painter.setFont(label);
    texts.Write(painter, {at + P(12, -10), at + P(12, 22), at + P(-90, -10), at + P(-90, 22)}, Text(plot.FixLabel));
  }

  if (plot.Lines.empty() && plot.Track.empty()) {
    painter.setPen(kTrack);
    painter.setFont(label);
    painter.drawText(area, Qt::AlignCenter, QStringLiteral("Линий положения нет"));
  }
  painter.restore();
}

}  // namespace tarvel
