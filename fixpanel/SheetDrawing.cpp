// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#include "fixpanel/SheetDrawing.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

#include "core/Arithmetic.h"
#include "reports/LabelPlaces.h"
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

QFont SheetFace(int pixels, bool bold, double pixel) {
  return look::Face("Arial", std::max(1, static_cast<int>(std::lround(pixels * pixel))), bold);
}

TPlaneBox Plane(const QRectF& r) { return {r.left(), r.top(), r.right(), r.bottom()}; }
TPlanePoint Plane(const QPointF& p) { return {p.x(), p.y()}; }
QRectF Rect(const TPlaneBox& b) {
  return QRectF(QPointF(static_cast<double>(b.Left), static_cast<double>(b.Top)),
                QPointF(static_cast<double>(b.Right), static_cast<double>(b.Bottom)));
}

// The sheet's texts placed one by one, each at the first free place of those
// offered.
class TLabeller {
 public:
  TLabeller(TSheetLayout& layout, const QRectF& area, double pixel) : layout_(layout), places_(Plane(area)), px_(pixel) {}
  TLabelPlaces& Places() { return places_; }

  // The box, with its margin, of a text whose baseline starts at `at`.
  QRectF BoxAt(const QFontMetricsF& metrics, const QPointF& at, const QString& text) const {
    return QRectF(at.x(), at.y() - metrics.ascent(), metrics.horizontalAdvance(text), metrics.height())
        .adjusted(-2 * px_, -px_, 2 * px_, px_);
  }
  QSizeF Size(const QFontMetricsF& metrics, const QString& text) const {
    return BoxAt(metrics, {}, text).size();
  }
  // The box of `size` on the side `toward` (a unit vector) of `at`, its
  // nearest point `gap` away along that direction.
  static QRectF Beside(const QPointF& at, const QPointF& toward, double gap, const QSizeF& size) {
    const double reach = size.width() / 2 * std::fabs(toward.x()) + size.height() / 2 * std::fabs(toward.y());
    QRectF box(QPointF(), size);
    box.moveCenter(at + toward * (gap + reach));
    return box;
  }

  void Put(TSheetLabel::TKind kind, const QString& text, const QFontMetricsF& metrics, const QColor& colour,
           const std::vector<QRectF>& offered) {
    std::vector<TPlaneBox> boxes;
    boxes.reserve(offered.size());
    for (const QRectF& box : offered) boxes.push_back(Plane(box));
    const auto taken = places_.Take(boxes);
    if (!taken) {
      ++layout_.LeftOut;
      return;
    }
    const QRectF box = Rect(*taken);
    layout_.Labels.push_back({kind, text, box, QPointF(box.left() + 2 * px_, box.top() + px_ + metrics.ascent()), colour});
  }

 private:
  TSheetLayout& layout_;
  TLabelPlaces places_;
  double px_;
};

// Unit vectors round the circle, from `first` degrees on (y down, 0 east,
// 90 south), every `step` degrees.
std::vector<QPointF> Round(double first, double step) {
  std::vector<QPointF> round;
  for (double a = 0; a < 360; a += step) {
    const double r = (first + a) * 3.14159265358979323846 / 180;
    round.emplace_back(std::cos(r), std::sin(r));
  }
  return round;
}

}  // namespace

TSheetMapping::TSheetMapping(const TSheetBox& box, const QRectF& area)
    : box_(box), area_(area), unitsPerMile_(static_cast<double>(arith::Divide(area.width(), box.Width()))) {}

QPointF TSheetMapping::operator()(const TSheetPoint& p) const {
  return {area_.left() + static_cast<double>(p.East - box_.West) * unitsPerMile_,
          area_.top() + static_cast<double>(box_.North - p.North) * unitsPerMile_};
}

TSheetBox SheetBoxAt(const TPlot& plot, const QRectF& area, double unitsPerMile, const TSheetPoint& shift) {
  const TSheetBox fit = FitBox(plot);
  const Extended eastMid = (fit.West + fit.East) / 2 + shift.East, northMid = (fit.South + fit.North) / 2 + shift.North;
  const Extended halfWidth = arith::Divide(area.width() / 2, unitsPerMile);
  const Extended halfHeight = arith::Divide(area.height() / 2, unitsPerMile);
  return {eastMid - halfWidth, eastMid + halfWidth, northMid - halfHeight, northMid + halfHeight};
}

double FillingScale(const TPlot& plot, const QRectF& area) {
  const Extended aspect = area.height() > 0 && area.width() > 0 ? area.width() / area.height() : 1.0;
  return area.width() / static_cast<double>(WidenToAspect(FitBox(plot), aspect).Width());
}

TSheetLayout LayOutSheet(const TPlot& plot, const QRectF& area, double unitsPerMile, const TSheetLook& look,
                         QPaintDevice* device, const TSheetPoint& shift) {
  const double px = look.Pixel;
  const auto P = [px](double x, double y) { return QPointF(x * px, y * px); };
  TSheetLayout layout;
  layout.Box = SheetBoxAt(plot, area, unitsPerMile, shift);
  const TSheetMapping map(layout.Box, area);
  const QFontMetricsF small(SheetFace(11, false, px), device);
  const QFontMetricsF label(SheetFace(12, true, px), device);

  // What the texts keep clear of.
  for (const TPlotLine& line : plot.Lines) {
    if (const auto ends = LineInBox(line, layout.Box)) {
      layout.Lines.push_back({QLineF(map(ends->first), map(ends->second)), line.Enabled});
    }
  }
  for (std::size_t i = 1; i < plot.Track.size(); ++i) layout.Track.emplace_back(map(plot.Track[i - 1]), map(plot.Track[i]));
  if (plot.Fix) {
    for (const TSheetPoint& p : EllipseOutline(*plot.Fix, plot.Ellipse)) layout.Ellipse << map(p);
  }
  {
    // The scale bar in the top right corner and the north arrow under it.
    const TSheetGrid grid = SheetGrid(plot.Origin, layout.Box);
    const double length = map.Units(grid.ScaleMiles);
    const double text = QFontMetrics(SheetFace(11, false, px), device).horizontalAdvance(Text(grid.ScaleLabel));
    const double left = area.right() - 10 * px - std::max(length, text) - 4 * px;
    layout.Symbols.push_back(QRectF(QPointF(left, area.top()), QPointF(area.right(), area.top() + 72 * px)));
  }
  for (const TPlotMark& mark : plot.Marks) {
    const QPointF at = map(mark.At);
    layout.Symbols.push_back(QRectF(at - P(7, 5), at + P(7, 5)));
  }
  if (plot.Fix) {
    const QPointF at = map(*plot.Fix);
    layout.Symbols.push_back(QRectF(at - P(9, 9), at + P(9, 9)));
  }

  TLabeller labels(layout, area, px);
  TLabelPlaces& places = labels.Places();
  if (layout.Ellipse.size() >= 3) {
    std::vector<TPlanePoint> polygon;
    for (const QPointF& p : layout.Ellipse) polygon.push_back(Plane(p));
    places.AvoidPolygon(std::move(polygon));
  }
  for (const TSheetLine& line : layout.Lines) places.AvoidSegment(Plane(line.Line.p1()), Plane(line.Line.p2()));
  for (const QLineF& leg : layout.Track) places.AvoidSegment(Plane(leg.p1()), Plane(leg.p2()));
  for (const QRectF& symbol : layout.Symbols) places.AvoidBox(Plane(symbol));

  // The fix's time first, beside its rings or, past a wide ellipse, beyond it.
  if (plot.Fix) {
    const QPointF at = map(*plot.Fix);
    const QString text = Text(plot.FixLabel);
    const QSizeF size = labels.Size(label, text);
    const double major = map.Units(plot.Ellipse.SemiMajor);
    // Nearest first; lines crowding round the fix may push it well out.
    std::vector<double> gaps = {12, 24, 40, 64, 96, 140, 200};
    for (double& gap : gaps) gap *= px;
    for (double beyond : {6, 20, 48, 96}) gaps.push_back(major + beyond * px);
    std::sort(gaps.begin(), gaps.end());
    std::vector<QRectF> offered;
    for (double gap : gaps) {
      for (const QPointF& toward : Round(-15, 15)) offered.push_back(TLabeller::Beside(at, toward, gap, size));
    }
    labels.Put(TSheetLabel::Fix, text, label, kFix, offered);
  }
  // Each line's name beside it, near one end first.
  for (std::size_t k = 0; k < plot.Lines.size(); ++k) {
    const auto ends = LineInBox(plot.Lines[k], layout.Box);
    if (!ends) continue;
    const QPointF a = map(ends->first), b = map(ends->second);
    const QString text = Text(plot.Lines[k].Label);
    const QSizeF size = labels.Size(label, text);
    const double length = std::hypot(b.x() - a.x(), b.y() - a.y());
    if (length <= 0) continue;
    const QPointF normal((a.y() - b.y()) / length, (b.x() - a.x()) / length);
    std::vector<QRectF> offered;
    for (double gap : {3 * px, 10 * px, 24 * px}) {
      for (double f : {0.1, 0.9, 0.25, 0.75, 0.4, 0.6, 0.5, 0.05, 0.95, 0.17, 0.83, 0.33, 0.67}) {
        for (const QPointF& side : {normal, -normal}) offered.push_back(TLabeller::Beside(a + (b - a) * f, side, gap, size));
      }
    }
    labels.Put(TSheetLabel::Line, text, label, plot.Lines[k].Enabled ? kLine : kLineOff, offered);
  }
  // The marks' times, latest first.
  for (auto mark = plot.Marks.rbegin(); mark != plot.Marks.rend(); ++mark) {
    const QPointF at = map(mark->At);
    const QString text = Text(mark->Label);
    const QSizeF size = labels.Size(small, text);
    std::vector<QRectF> offered;
    for (double gap : {8 * px, 16 * px}) {
      for (const QPointF& toward : Round(45, 45)) offered.push_back(TLabeller::Beside(at, toward, gap, size));
    }
    labels.Put(TSheetLabel::Mark, text, small, kTrack, offered);
  }
  // The grid's labels along the edges: a parallel's at the left or right, a
  // meridian's at the bottom or top.
  const TSheetGrid grid = SheetGrid(plot.Origin, layout.Box);
  for (const TGridLine& line : grid.Parallels) {
    const double y = map({layout.Box.West, line.At}).y();
    const QString text = Text(line.Label);
    const double width = small.horizontalAdvance(text);
    const double below = y + small.ascent() + 3 * px;
    std::vector<QRectF> offered;
    for (const double x : {area.left() + 3 * px, area.right() - 3 * px - width}) {
      for (const double base : {y - 3 * px, below}) offered.push_back(labels.BoxAt(small, {x, base}, text));
    }
    labels.Put(TSheetLabel::Grid, text, small, kGridText, offered);
  }
  for (const TGridLine& line : grid.Meridians) {
    const double x = map({line.At, layout.Box.South}).x();
    const QString text = Text(line.Label);
    const double width = small.horizontalAdvance(text);
    std::vector<QRectF> offered;
    for (const double base : {area.bottom() - 3 * px, area.top() + small.ascent() + 3 * px}) {
      for (const double left : {x + 3 * px, x - 3 * px - width}) offered.push_back(labels.BoxAt(small, {left, base}, text));
    }
    labels.Put(TSheetLabel::Grid, text, small, kGridText, offered);
  }
  return layout;
}

void DrawPlottingSheet(QPainter& painter, const TPlot& plot, const QRectF& area, double unitsPerMile,
                       const TSheetLook& look, const TSheetPoint& shift) {
  const double px = look.Pixel;
  const auto P = [px](double x, double y) { return QPointF(x * px, y * px); };
  painter.save();
  painter.fillRect(area, kPaper);
  painter.setRenderHint(QPainter::Antialiasing);
  if (!plot.Notice.empty()) {
    // No grid either: its place would be no place of the ship's.
    painter.setPen(kTrack);
    painter.setFont(SheetFace(12, true, px));
    painter.drawText(area, Qt::AlignCenter | Qt::TextWordWrap, Text(plot.Notice));
    painter.restore();
    return;
  }
  const TSheetLayout layout = LayOutSheet(plot, area, unitsPerMile, look, painter.device(), shift);
  const TSheetBox& box = layout.Box;
  const TSheetMapping map(box, area);
  const QFont small = SheetFace(11, false, px);
  const QFont label = SheetFace(12, true, px);

  const TSheetGrid grid = SheetGrid(plot.Origin, box);
  painter.setPen(QPen(kGrid, px));
  for (const TGridLine& line : grid.Parallels) {
    const double y = map({box.West, line.At}).y();
    painter.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
  }
  for (const TGridLine& line : grid.Meridians) {
    const double x = map({line.At, box.South}).x();
    painter.drawLine(QPointF(x, area.top()), QPointF(x, area.bottom()));
  }
  painter.setPen(QPen(kGrid.darker(130), px));
  painter.drawRect(area);

  // The scale bar in the top right corner.
  {
    painter.setFont(small);
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
  painter.setPen(QPen(kTrack, 1.5 * px));
  painter.setBrush(Qt::NoBrush);
  for (const QLineF& leg : layout.Track) painter.drawLine(leg);
  for (const TPlotMark& mark : plot.Marks) {
    const QPointF at = map(mark.At);
    painter.setBrush(kPaper);
    painter.drawEllipse(at, 3.5 * px, 3.5 * px);
    painter.drawLine(at + P(-6, 0), at + P(6, 0));
  }

  // The lines of position, a line switched off dashed.
  for (const TSheetLine& line : layout.Lines) {
    QPen pen(line.Enabled ? kLine : kLineOff, 1.8 * px);
    if (!line.Enabled) pen.setStyle(Qt::DashLine);
    painter.setPen(pen);
    painter.drawLine(line.Line);
  }

  // The fix and its ellipse.
  if (plot.Fix) {
    painter.setPen(QPen(kFix, 1.5 * px));
    painter.setBrush(QColor(kFix.red(), kFix.green(), kFix.blue(), 40));
    painter.drawPolygon(layout.Ellipse);
    const QPointF at = map(*plot.Fix);
    painter.setBrush(kFix);
    painter.drawEllipse(at, 4 * px, 4 * px);
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(at, 8 * px, 8 * px);
  }

  for (const TSheetLabel& text : layout.Labels) {
    painter.setFont(text.Kind == TSheetLabel::Line || text.Kind == TSheetLabel::Fix ? label : small);
    painter.setPen(text.Colour);
    painter.drawText(text.At, text.Text);
  }

  if (plot.Lines.empty() && plot.Track.empty()) {
    painter.setPen(kTrack);
    painter.setFont(label);
    painter.drawText(area, Qt::AlignCenter, QStringLiteral("Линий положения нет"));
  }
  painter.restore();
}

}  // namespace tarvel
