// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#include "skytab/SkyChart.h"

#include <QDate>
#include <QHelpEvent>
#include <QLocale>
#include <QTime>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
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

QPointF Polar(const QPointF& centre, qreal distance, qreal azimuthDegrees) {
  const qreal a = qDegreesToRadians(azimuthDegrees);
  return centre + QPointF(distance * std::sin(a), -distance * std::cos(a));
}

void Ring(QPainter& p, const QPointF& at, qreal radius, const QColor& colour, qreal width) {
  p.setPen(QPen(colour, width));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(at, radius, radius);
}

}  // namespace

TSkyChart::TSkyChart(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("SkyChart"));
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(true);
  setFont(Face("Arial", 11));
  for (std::int32_t k = 1; k <= kStarCount; ++k) {
    QStaticText& text = numbers_[static_cast<std::size_t>(k - 1)];
    text.setText(QString::number(k));
    text.setTextFormat(Qt::PlainText);
    text.setPerformanceHint(QStaticText::AggressiveCaching);
    text.prepare(QTransform(), font());
  }
}

void TSkyChart::SetView(const TSkyView* view, std::int32_t selected) {
  view_ = view;
  selected_ = selected;
  when_.clear();
  where_.clear();
  if (view_) {
    const TAlmanacInputs& in = view_->Inputs;
    const std::int32_t zone = in.Time.Zone;
    when_ = QStringLiteral("%1\n%2, пояс %3")
                .arg(RussianLocale().toString(QDate(in.Time.Year, in.Time.Month, in.Time.Day), kLongDateFormat),
                     QTime(in.Time.Hour, in.Time.Minute, in.Time.Second).toString(QStringLiteral("H:mm:ss")),
                     zone == 0 ? QStringLiteral("0")
                               : QStringLiteral("%1 %2").arg(std::abs(zone)).arg(QLatin1Char(zone > 0 ? 'E' : 'W')));
    where_ = QString::fromStdString(PlaceText(in.Latitude, in.Longitude)).replace(QStringLiteral("  "), QStringLiteral("\n"));
  }
  update();
}

QPointF TSkyChart::Project(Extended altitude, Extended azimuth) const {
  return Polar(centre_, radius_ * static_cast<qreal>(90 - altitude) / 90, static_cast<qreal>(azimuth));
}

QPointF TSkyChart::StarPoint(std::int32_t number) const {
  if (!view_ || number < 1 || number > kStarCount) return {};
  const TStarView& s = StarOf(*view_, number);
  return Project(s.Altitude, s.Azimuth);
}

std::int32_t TSkyChart::StarAt(const QPointF& point) const {
  if (!view_) return 0;
  std::int32_t nearest = 0;
  qreal best = kHitRadius * kHitRadius;
  for (std::int32_t k = 1; k <= kStarCount; ++k) {
    if (!StarOf(*view_, k).AboveHorizon) continue;
    const QPointF d = StarPoint(k) - point;
    const qreal distance = QPointF::dotProduct(d, d);
    if (distance <= best) {
      best = distance;
      nearest = k;
    }
  }
  return nearest;
}

void TSkyChart::resizeEvent(QResizeEvent* event) {
  centre_ = QPointF(width() / 2.0, height() / 2.0);
  radius_ = std::max<qreal>(10, std::min(width(), height()) / 2.0 - kMargin);
  grid_ = QPixmap();
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

void TSkyChart::paintEvent(QPaintEvent*) {
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

  const Extended sunAltitude = AltitudeDegrees(view_->Sky.SunHorizon);
  if (sunAltitude > 0) {
    p.setPen(QPen(QColor(200, 150, 0), 1));
    p.setBrush(kYellow);
    p.drawEllipse(Project(sunAltitude, view_->Sky.SunHorizon.Azimuth), 7, 7);
  }

  p.setFont(font());
  for (std::int32_t k = 1; k <= kStarCount; ++k) {
    const TStarView& s = StarOf(*view_, k);
    if (!s.AboveHorizon) continue;
    const QPointF at = Project(s.Altitude, s.Azimuth);
    const QColor colour = s.InBand ? kWhite : kDimColour;
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawEllipse(at, 2.5, 2.5);
    if (s.Unreliable) Ring(p, at, 5.5, kRed, 1.5);
    if (s.Best) Ring(p, at, 8, kLime, 2);
    if (k == selected_) Ring(p, at, 11, kFuchsia, 2);
    // The number beside the outermost ring, clear of it.
    const qreal off = k == selected_ ? 9 : s.Best ? 6 : 4;
    p.setPen(k == selected_ ? kFuchsia : colour);
    p.drawStaticText(at + QPointF(off + 1, -off - 11), numbers_[static_cast<std::size_t>(k - 1)]);
  }
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
  if (star == 0) {
    QWidget::mousePressEvent(event);
    return;
  }
  emit starClicked(star);
}

}  // namespace tarvel
