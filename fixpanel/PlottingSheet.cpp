// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#include "fixpanel/PlottingSheet.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <vector>

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

constexpr int kPad = 4;  // pixels round the sheet

// Miles on the sheet to pixels of the widget, one scale for both axes.
class TMapping {
 public:
  TMapping(const TSheetBox& box, const QRectF& area) : box_(box), area_(area) {
    scale_ = area.width() / static_cast<double>(box.Width());
  }
  QPointF operator()(const TSheetPoint& p) const {
    return {area_.left() + static_cast<double>(p.East - box_.West) * scale_,
            area_.top() + static_cast<double>(box_.North - p.North) * scale_};
  }
  double Pixels(Extended miles) const { return static_cast<double>(miles) * scale_; }

 private:
  TSheetBox box_;
  QRectF area_;
  double scale_ = 1;
};

// The places already taken by texts, so that no text is written over
// another: a text that finds no free place is left out.
class TTextPlaces {
 public:
  explicit TTextPlaces(const QFontMetricsF& metrics) : metrics_(metrics) {}
  // The box of a text written with its baseline starting at `at`.
  QRectF Box(const QPointF& at, const QString& text) const {
    return QRectF(at.x(), at.y() - metrics_.ascent(), metrics_.horizontalAdvance(text), metrics_.height())
        .adjusted(-2, -1, 2, 1);
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
  std::vector<QRectF> taken_;
};

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
  const QRectF area = QRectF(rect()).adjusted(kPad, kPad, -kPad, -kPad);
  const Extended aspect = area.height() > 0 && area.width() > 0 ? area.width() / area.height() : 1.0;
  return WidenToAspect(FitBox(plot_), aspect);
}

void TPlottingSheet::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), kPaper);
  painter.setRenderHint(QPainter::Antialiasing);
  const QRectF area = QRectF(rect()).adjusted(kPad, kPad, -kPad, -kPad);
  if (area.width() < 10 || area.height() < 10) return;
  const TSheetBox box = Visible();
  const TMapping map(box, area);
  const QFont small = look::Face("Arial", 11);
  const QFont label = look::Face("Arial", 12, true);
  const QFontMetrics smallMetrics(small);

  // The grid, labelled along the left and bottom edges.
  const TSheetGrid grid = SheetGrid(plot_.Origin, box);
  painter.setFont(small);
  TTextPlaces gridTexts{QFontMetricsF(small)};
  gridTexts.Take(QRectF(area.right() - 110, area.top(), 110, 80));  // the scale bar and the north arrow
  painter.setPen(QPen(kGrid, 1));
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
    gridTexts.Write(painter, {QPointF(area.left() + 3, y - 3)}, Text(line.Label));
  }
  for (const TGridLine& line : grid.Meridians) {
    const double x = map({line.At, box.South}).x();
    const QString text = Text(line.Label);
    const QRectF fits = gridTexts.Box(QPointF(x + 3, area.bottom() - 3), text);
    if (fits.right() < area.right()) gridTexts.Write(painter, {QPointF(x + 3, area.bottom() - 3)}, text);
  }
  painter.setPen(QPen(kGrid.darker(130), 1));
  painter.drawRect(area);

  // The scale bar in the top right corner.
  {
    const double length = map.Pixels(grid.ScaleMiles);
    const QPointF right(area.right() - 10, area.top() + 18);
    const QPointF left(right.x() - length, right.y());
    painter.setPen(QPen(kTrack, 2));
    painter.drawLine(left, right);
    painter.drawLine(left + QPointF(0, -4), left + QPointF(0, 4));
    painter.drawLine(right + QPointF(0, -4), right + QPointF(0, 4));
    const QString text = Text(grid.ScaleLabel);
    painter.drawText(QPointF(right.x() - smallMetrics.horizontalAdvance(text), right.y() + 16), text);
    // North is up: an arrow under the bar says so.
    const QPointF n(right.x() - 6, right.y() + 50);
    painter.drawLine(n, n + QPointF(0, -22));
    painter.drawLine(n + QPointF(0, -22), n + QPointF(-4, -14));
    painter.drawLine(n + QPointF(0, -22), n + QPointF(4, -14));
    painter.drawText(n + QPointF(-20, -8), QStringLiteral("N"));
  }

  painter.setClipRect(area);

  // The dead-reckoning track and its marks.
  if (plot_.Track.size() >= 2) {
    QPainterPath path(map(plot_.Track.front()));
    for (std::size_t i = 1; i < plot_.Track.size(); ++i) path.lineTo(map(plot_.Track[i]));
    painter.setPen(QPen(kTrack, 1.5));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(path);
  }
  painter.setFont(small);
  TTextPlaces texts{QFontMetricsF(small)};
  for (const TPlotMark& mark : plot_.Marks) {
    const QPointF at = map(mark.At);
    painter.setPen(QPen(kTrack, 1.5));
    painter.setBrush(kPaper);
    painter.drawEllipse(at, 3.5, 3.5);
    painter.drawLine(at + QPointF(-6, 0), at + QPointF(6, 0));
    texts.Take(QRectF(at - QPointF(6, 4), at + QPointF(6, 4)));
  }
  // The marks' times, latest first, where they find room.
  for (auto mark = plot_.Marks.rbegin(); mark != plot_.Marks.rend(); ++mark) {
    const QPointF at = map(mark->At);
    texts.Write(painter, {at + QPointF(6, 13), at + QPointF(-40, -6), at + QPointF(6, -6), at + QPointF(-40, 13)},
                Text(mark->Label));
  }

  // The lines of position, each labelled beside it near one end, where the
  // label finds room off the fix.
  painter.setFont(label);
  texts = TTextPlaces{QFontMetricsF(label)};
  if (plot_.Fix) {
    const QPointF at = map(*plot_.Fix);
    texts.Take(QRectF(at - QPointF(12, 12), at + QPointF(12, 12)));
  }
  for (const TPlotLine& line : plot_.Lines) {
    const auto ends = LineInBox(line, box);
    if (!ends) continue;
    QPen pen(line.Enabled ? kLine : kLineOff, 1.8);
    if (!line.Enabled) pen.setStyle(Qt::DashLine);
    painter.setPen(pen);
    const QPointF a = map(ends->first), b = map(ends->second);
    painter.drawLine(a, b);
    const QString text = Text(line.Label);
    const double width = QFontMetricsF(label).horizontalAdvance(text);
    std::vector<QPointF> places;
    for (double f : {0.1, 0.9, 0.25, 0.75, 0.4, 0.6, 0.5}) {
      const QPointF at = a + (b - a) * f;
      for (const QPointF& side : {QPointF(5, -5), QPointF(-width - 5, -5), QPointF(5, 16), QPointF(-width - 5, 16)}) {
        const QPointF place = at + side;
        if (place.x() >= area.left() + 2 && place.x() + width <= area.right() - 2 && place.y() >= area.top() + 14 &&
            place.y() <= area.bottom() - 16) {
          places.push_back(place);
        }
      }
    }
    texts.Write(painter, places, text);
  }

  // The fix and its ellipse.
  if (plot_.Fix) {
    const std::vector<TSheetPoint> outline = EllipseOutline(*plot_.Fix, plot_.Ellipse);
    QPolygonF polygon;
    for (const TSheetPoint& p : outline) polygon << map(p);
    painter.setPen(QPen(kFix, 1.5));
    painter.setBrush(QColor(kFix.red(), kFix.green(), kFix.blue(), 40));
    painter.drawPolygon(polygon);
    const QPointF at = map(*plot_.Fix);
    painter.setBrush(kFix);
    painter.drawEllipse(at, 4, 4);
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(at, 8, 8);
    painter.setFont(label);
    texts.Write(painter, {at + QPointF(12, -10), at + QPointF(12, 22), at + QPointF(-90, -10), at + QPointF(-90, 22)},
                Text(plot_.FixLabel));
  }

  if (plot_.Lines.empty() && plot_.Track.empty()) {
    painter.setPen(kTrack);
    painter.setFont(label);
    painter.drawText(area, Qt::AlignCenter, QStringLiteral("Линий положения нет"));
  }
}

}  // namespace tarvel
