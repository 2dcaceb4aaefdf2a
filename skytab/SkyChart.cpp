// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#include "skytab/SkyChart.h"

#include <QDate>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QHelpEvent>
#include <QLocale>
#include <QTime>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QToolTip>
#include <algorithm>
#include <cmath>

#include "almanac/SkyTexts.h"
#include "widgets/Look.h"
#include "widgets/Texts.h"

namespace tarvel {
namespace {

using namespace look;

// Room outside the horizon for the ticks and their labels.
constexpr qreal kMargin = 34;
// How near the mouse must come to a star's dot, in pixels.
constexpr qreal kHitRadius = 8;

const QColor kGridColour(70, 70, 70);
const QColor kDimColour(115, 115, 115);
// A planet's sign outside the band: dimmer, but 9 : 1 against the black sky.
const QColor kDimSign(175, 175, 175);

QPointF Polar(const QPointF& centre, qreal distance, qreal azimuthDegrees) {
  const qreal a = qDegreesToRadians(azimuthDegrees);
  return centre + QPointF(distance * std::sin(a), -distance * std::cos(a));
}


const QColor kPlanetColours[4] = {QColor(255, 255, 225), QColor(255, 120, 90), QColor(255, 215, 160), QColor(230, 200, 120)};
const QColor kMoonLit(240, 240, 210);
const QColor kMoonDark(55, 55, 60);

void Ring(QPainter& p, const QPointF& at, qreal radius, const QColor& colour, qreal width) {
  p.setPen(QPen(colour, width));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(at, radius, radius);
}

}  // namespace

// A star's dot: Sirius (−1.5) 4.5 px across the radius, magnitude 1
// 2.8 px, magnitude 3 1.6 px, never below 1.2 px.
qreal TSkyChart::DotRadius(Extended magnitude) {
  return std::clamp(3.4 - 0.6 * static_cast<qreal>(magnitude), 1.2, 4.5);
}

TSkyChart::TSkyChart(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("SkyChart"));
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(true);
  setFont(Face("Arial", 11));
  const auto prepare = [this](QStaticText& text, const QString& words, const QFont& face) {
    text.setText(words);
    text.setTextFormat(Qt::PlainText);
    text.setPerformanceHint(QStaticText::AggressiveCaching);
    text.prepare(QTransform(), face);
  };
  for (std::int32_t k = 1; k <= kSkyRowCount; ++k) {
    prepare(numbers_[static_cast<std::size_t>(k - 1)],
            IsStarRow(k) ? QString::number(k) : QString::fromStdString(BodyName(k)), font());
  }
  static const char* const kSigns[4] = {"♀", "♂", "♃", "♄"};
  const QFont signFace = Face("DejaVu Sans", 22, true);
  for (std::size_t i = 0; i < 4; ++i) {
    QPainterPath sign;
    sign.addText(QPointF(0, 0), signFace, QString::fromUtf8(kSigns[i]));
    signs_[i] = sign.translated(-sign.boundingRect().center());
  }
}

namespace {

std::uint8_t MarksOf(const TStarView& s) {
  return static_cast<std::uint8_t>((s.AboveHorizon ? 1 : 0) | (s.InBand ? 2 : 0) | (s.Best ? 4 : 0) |
                                   (s.Unreliable ? 8 : 0));
}

}  // namespace

bool TSkyChart::LooksAsLaidOut(const TSkyView& view, std::int32_t selected) const {
  if (layoutDue_ || !view_ || selected != selected_) return false;
  if (std::fabs(static_cast<double>(StarOf(view, kMoonRow).Illuminated - laidOutMoonLit_)) > 0.005) return false;
  for (std::int32_t k = 1; k <= kSkyRowCount; ++k) {
    const TStarView& s = StarOf(view, k);
    const TLaidOut& was = laidOut_[static_cast<std::size_t>(k - 1)];
    if (MarksOf(s) != was.Marks) return false;
    if (!s.AboveHorizon) continue;
    const QPointF moved = Project(s.Altitude, s.Azimuth) - was.At;
    if (QPointF::dotProduct(moved, moved) > kStill * kStill) return false;
  }
  return true;
}

void TSkyChart::SetView(const TSkyView* view, std::int32_t selected) {
  const bool still = view && LooksAsLaidOut(*view, selected);
  const QString whenWas = when_, whereWas = where_;
  view_ = view;
  selected_ = selected;
  when_.clear();
  where_.clear();
  if (view_) {
    const TAlmanacInputs& in = view_->Inputs;
    const std::int32_t zone = in.Time.Zone;
    when_ = QStringLiteral("%1\n%2, пояс %3")
                .arg(RussianLocale().toString(QDate(in.Time.Year, in.Time.Month, in.Time.Day), kLongDateFormat),
                     QTime(in.Time.Hour, in.Time.Minute, in.Time.Second).toString(QStringLiteral("HH:mm:ss")),
                     zone == 0 ? QStringLiteral("0")
                               : QStringLiteral("%1 %2").arg(std::abs(zone)).arg(QLatin1Char(zone > 0 ? 'E' : 'W')));
    where_ = QString::fromStdString(PlaceText(in.Latitude, in.Longitude)).replace(QStringLiteral("  "), QStringLiteral("\n"));
  }
  if (!still) {
    layoutDue_ = true;
    update();
    return;
  }
  // Only the captions of the corners, two lines each, if they changed.
  const int captions = 2 * QFontMetrics(Face("Arial", 13, true)).lineSpacing() + 8;
  if (when_ != whenWas) update(0, 0, width() / 2, captions);
  if (where_ != whereWas) update(width() / 2, 0, width() - width() / 2, captions);
}

QPointF TSkyChart::Project(Extended altitude, Extended azimuth) const {
  return Polar(centre_, radius_ * static_cast<qreal>(90 - altitude) / 90, static_cast<qreal>(azimuth));
}

QPointF TSkyChart::StarPoint(std::int32_t number) const {
  if (!view_ || number < 1 || number > kSkyRowCount) return {};
  const TStarView& s = StarOf(*view_, number);
  return Project(s.Altitude, s.Azimuth);
}

std::int32_t TSkyChart::StarAt(const QPointF& point) const {
  std::int32_t nearest = 0;
  qreal best = kHitRadius * kHitRadius;
  for (const TMark& mark : Marks()) {
    const QPointF d = mark.At - point;
    const qreal distance = QPointF::dotProduct(d, d);
    if (distance <= best) {
      best = distance;
      nearest = mark.Row;
    }
  }
  return nearest;
}

void TSkyChart::resizeEvent(QResizeEvent* event) {
  centre_ = QPointF(width() / 2.0, height() / 2.0);
  radius_ = std::max<qreal>(10, std::min(width(), height()) / 2.0 - kMargin);
  grid_ = QPixmap();
  layoutDue_ = true;
  QWidget::resizeEvent(event);
}

void TSkyChart::DrawGrid() {
  const qreal ratio = devicePixelRatioF();
  grid_ = QPixmap(size() * ratio);
  grid_.setDevicePixelRatio(ratio);
  grid_.fill(kBlack);
  QPainter p(&grid_);
  p.setRenderHint(QPainter::Antialiasing);

  p.setPen(QPen(kGridColour, 1));
  for (int altitude = 10; altitude < 90; altitude += 10) {
    const qreal r = radius_ * (90 - altitude) / 90;
    p.drawEllipse(centre_, r, r);
  }
  p.setFont(Face("Arial", 10));
  for (int altitude : {30, 60}) {  // where the circles cross the north-east line
    p.drawText(Polar(centre_, radius_ * (90 - altitude) / 90, 45) + QPointF(3, -3), QStringLiteral("%1°").arg(altitude));
  }
  p.setPen(QPen(kSilver, 2));
  p.drawEllipse(centre_, radius_, radius_);

  static const char* const kCardinal[] = {"С", "В", "Ю", "З"};
  for (int azimuth = 0; azimuth < 360; azimuth += 10) {
    const bool labelled = azimuth % 30 == 0;
    p.setPen(QPen(kSilver, labelled ? 2 : 1));
    p.drawLine(Polar(centre_, radius_, azimuth), Polar(centre_, radius_ + (labelled ? 8 : 4), azimuth));
    if (!labelled) continue;
    const bool cardinal = azimuth % 90 == 0;
    const QString text = cardinal ? QString::fromUtf8(kCardinal[azimuth / 90]) : QString::number(azimuth);
    p.setFont(cardinal ? Face("Arial", 16, true) : Face("Arial", 11));
    p.setPen(cardinal ? kAqua : kSilver);
    const QPointF at = Polar(centre_, radius_ + (cardinal ? 20 : 19), azimuth);
    p.drawText(QRectF(at - QPointF(20, 10), QSizeF(40, 20)), Qt::AlignCenter, text);
  }
}

void TSkyChart::paintEvent(QPaintEvent* event) {
  if (grid_.isNull() || grid_.deviceIndependentSize() != QSizeF(size())) DrawGrid();
  QPainter p(this);
  p.drawPixmap(0, 0, grid_);
  if (!view_) return;
  p.setPen(kYellow);
  p.setFont(Face("Arial", 13, true));
  const QRectF corners = QRectF(rect()).adjusted(6, 4, -6, -4);
  p.drawText(corners, Qt::AlignLeft | Qt::AlignTop, when_);
  p.drawText(corners, Qt::AlignRight | Qt::AlignTop, where_);
  p.setRenderHint(QPainter::Antialiasing);

  // Only what reaches the part to be painted: a second's tick repaints the
  // captions alone.
  const QRectF dirty = event->rect();
  for (const TMark& mark : Marks()) {
    const QRectF reach = mark.Extent.united(QRectF(mark.Place, QSizeF(0, 0))).adjusted(-2, -2, 2, 2);
    if (dirty.intersects(reach)) DrawBody(p, mark);
  }

  p.setFont(font());
  for (const auto& [k, rect] : Labels()) {
    if (!dirty.intersects(rect)) continue;
    const TStarView& s = StarOf(*view_, k);
    p.setPen(k == selected_ ? kFuchsia : IsPlanetRow(k) && s.InBand ? kPlanetColours[k - kVenusRow]
             : k == kSunRow ? kYellow : s.InBand ? kWhite : kDimColour);
    p.drawStaticText(rect.topLeft(), numbers_[static_cast<std::size_t>(k - 1)]);
  }
}

void TSkyChart::DrawBody(QPainter& p, const TMark& mark) const {
  const std::int32_t k = mark.Row;
  const TStarView& s = StarOf(*view_, k);
  const QPointF at = mark.At;
  const QPointF place = mark.Place;
  const QColor colour = k == kSunRow    ? kYellow
                        : k == kMoonRow ? kMoonLit
                        : IsPlanetRow(k) && s.InBand ? kPlanetColours[k - kVenusRow]
                        : s.InBand ? kWhite : kDimColour;
  if (at != place) {  // moved aside: a leader from its place to the symbol's edge
    const QPointF towards = at - place;
    const qreal length = std::hypot(towards.x(), towards.y());
    const qreal reach = std::max<qreal>(0, length - std::min(mark.Box.width(), mark.Box.height()) / 2);
    p.setPen(QPen(colour, 1));
    p.drawLine(place, place + towards * (reach / length));
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawEllipse(place, 1.5, 1.5);
  }
  if (k == kSunRow) {
    p.setPen(QPen(QColor(200, 150, 0), 1));
    p.setBrush(kYellow);
    p.drawEllipse(at, 7, 7);
  } else if (k == kMoonRow) {
    DrawMoon(p, at);
  } else if (IsPlanetRow(k)) {
    // Outlined in black: legible over a ring, a leader or a star behind it.
    const QPainterPath sign = signs_[static_cast<std::size_t>(k - kVenusRow)].translated(at);
    p.strokePath(sign, QPen(kBlack, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.fillPath(sign, s.InBand ? colour : kDimSign);
  } else {
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    const qreal r = DotRadius(s.Magnitude);
    p.drawEllipse(at, r, r);
  }
  const TRings rings = RingsOf(mark.Body);
  if (s.Unreliable) Ring(p, at, rings.Unreliable, kRed, 1.5);
  if (s.Best) Ring(p, at, rings.Best, kLime, 2);
  if (k == selected_) Ring(p, at, rings.Selected, kFuchsia, 2);
}

void TSkyChart::DrawMoon(QPainter& p, const QPointF& at) const {
  constexpr qreal r = 7;
  const TStarView& moon = StarOf(*view_, kMoonRow);
  const QPointF toSun = StarPoint(kSunRow) - at;
  const qreal k = std::clamp(static_cast<qreal>(moon.Illuminated), 0.0, 1.0);
  p.save();
  p.translate(at);
  p.rotate(qRadiansToDegrees(std::atan2(toSun.y(), toSun.x())));  // +x toward the Sun
  p.setPen(QPen(QColor(150, 150, 140), 1));
  p.setBrush(kMoonDark);
  p.drawEllipse(QPointF(0, 0), r, r);
  // The lit half toward the Sun, and the terminator's half ellipse of
  // semi-axis r |1 − 2k| added (gibbous) or taken away (crescent).
  QPainterPath half;
  half.moveTo(0, -r);
  half.arcTo(QRectF(-r, -r, 2 * r, 2 * r), 90, -180);
  half.closeSubpath();
  QPainterPath terminator;
  const qreal a = r * std::fabs(1 - 2 * k);
  terminator.addEllipse(QRectF(-a, -r, 2 * a, 2 * r));
  const QPainterPath lit = k >= 0.5 ? half.united(terminator) : half.subtracted(terminator);
  p.setPen(Qt::NoPen);
  p.setBrush(kMoonLit);
  p.drawPath(lit);
  p.restore();
}

const std::vector<std::pair<std::int32_t, QRectF>>& TSkyChart::Labels() const {
  if (layoutDue_) LayOut();
  return labels_;
}

const std::vector<TSkyChart::TMark>& TSkyChart::Marks() const {
  if (layoutDue_) LayOut();
  return marks_;
}

void TSkyChart::LayOut() const {
  layoutDue_ = false;
  marks_.clear();
  labels_.clear();
  if (!view_) return;
  PlaceMarks();
  PlaceLabels();
  for (std::int32_t k = 1; k <= kSkyRowCount; ++k) {
    const TStarView& s = StarOf(*view_, k);
    laidOut_[static_cast<std::size_t>(k - 1)] = {StarPoint(k), MarksOf(s)};
  }
  laidOutMoonLit_ = StarOf(*view_, kMoonRow).Illuminated;
}

bool TSkyChart::event(QEvent* event) {
  if (event->type() == QEvent::ToolTip) {
    auto* help = static_cast<QHelpEvent*>(event);
    const std::int32_t star = StarAt(help->pos());
    if (star == 0) {
      QToolTip::hideText();
      event->ignore();
    } else {
      QToolTip::showText(help->globalPos(), QString::fromStdString(StarHoverText(*view_, star)), this,
                         QRect(StarPoint(star).toPoint() - QPoint(4, 4), QSize(9, 9)));
    }
    return true;
  }
  return QWidget::event(event);
}

void TSkyChart::mouseMoveEvent(QMouseEvent* event) {
  const Qt::CursorShape shape = StarAt(event->position()) ? Qt::PointingHandCursor : Qt::ArrowCursor;
  if (cursor().shape() != shape) setCursor(shape);
  QWidget::mouseMoveEvent(event);
}

void TSkyChart::mousePressEvent(QMouseEvent* event) {
  const std::int32_t star = event->button() == Qt::LeftButton ? StarAt(event->position()) : 0;
  if (!IsStarRow(star)) {
    QWidget::mousePressEvent(event);
    return;
  }
  emit starClicked(star);
}

}  // namespace tarvel
