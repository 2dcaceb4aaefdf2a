// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
// The sky chart's layout: where each body's dot or symbol is drawn, its
// rings, and where its label goes (SkyChart.h says the rules).

#include <QtMath>
#include <algorithm>
#include <cmath>

#include "skytab/SkyChart.h"

namespace tarvel {
namespace {

// How much nearer a label must be to its own body than to any other, pixels.
constexpr qreal kNearer = 1.5;

// The gap between two rectangles, 0 where they meet.
qreal Distance(const QRectF& a, const QRectF& b) {
  const qreal dx = std::max({a.left() - b.right(), 0.0, b.left() - a.right()});
  const qreal dy = std::max({a.top() - b.bottom(), 0.0, b.top() - a.bottom()});
  return std::hypot(dx, dy);
}

}  // namespace

TSkyChart::TRings TSkyChart::RingsOf(qreal body) {
  const qreal best = std::max<qreal>(8, body + 3.5);
  return {std::max<qreal>(5.5, body + 1.5), best, std::max<qreal>(11, best + 3)};
}

TSkyChart::TMark TSkyChart::Marked(std::int32_t row, const QPointF& at, const QRectF& box, const QPointF& place) const {
  const TStarView& s = StarOf(*view_, row);
  TMark mark{row, at, box, place, box, 0, 0};
  mark.Body = IsStarRow(row) ? DotRadius(s.Magnitude)
              : IsPlanetRow(row) ? std::hypot(box.width(), box.height()) / 2
                                 : 7.5;
  const TRings rings = RingsOf(mark.Body);
  if (s.Unreliable) mark.Ring = rings.Unreliable + 0.75;
  if (s.Best) mark.Ring = rings.Best + 1;
  if (row == selected_) mark.Ring = rings.Selected + 1;
  mark.Extent = box.united(QRectF(at - QPointF(mark.Ring, mark.Ring), QSizeF(2 * mark.Ring, 2 * mark.Ring)));
  return mark;
}

void TSkyChart::PlaceMarks() const {
  // The stars first, never moved; then the Sun, the Moon and the planets,
  // so that they are drawn over the stars.
  for (std::int32_t k = 1; k <= kStarCount; ++k) {
    const TStarView& s = StarOf(*view_, k);
    if (!s.AboveHorizon) continue;
    const QPointF at = StarPoint(k);
    const qreal r = DotRadius(s.Magnitude);
    marks_.push_back(Marked(k, at, QRectF(at - QPointF(r, r), QSizeF(2 * r, 2 * r)), at));
  }
  const std::size_t firstSymbol = marks_.size();
  for (std::int32_t k = kSunRow; k <= kSaturnRow; ++k) {
    if (!StarOf(*view_, k).AboveHorizon) continue;
    const QRectF ink = IsPlanetRow(k) ? signs_[static_cast<std::size_t>(k - kVenusRow)].boundingRect().adjusted(-1.5, -1.5, 1.5, 1.5)
                                      : QRectF(-8, -8, 16, 16);
    const QPointF place = StarPoint(k);
    const auto clear = [&](const QPointF& at) {
      const QRectF box = ink.translated(at);
      return std::none_of(marks_.begin() + static_cast<std::ptrdiff_t>(firstSymbol), marks_.end(),
                          [&](const TMark& m) { return m.Box.intersects(box); });
    };
    QPointF at = place;
    // Round its place, nearest first, from the directions away from the
    // chart's edge (toward the zenith) to those beyond it.
    const qreal step = std::max(ink.width(), ink.height()) * 0.6;
    const QPointF inward = centre_ - place;
    const qreal toward = std::atan2(inward.y(), inward.x());
    for (int ring = 1; ring <= 6 && !clear(at); ++ring) {
      for (int turn = 0; turn < 12; ++turn) {
        // 0, +30°, −30°, +60°, … from the zenith's direction.
        const qreal angle = toward + qDegreesToRadians(30.0 * ((turn + 1) / 2) * (turn % 2 ? 1 : -1));
        const QPointF tried = place + QPointF(std::cos(angle), std::sin(angle)) * (step * ring);
        if (clear(tried)) {
          at = tried;
          break;
        }
      }
    }
    marks_.push_back(Marked(k, at, ink.translated(at), place));
  }
}

bool TSkyChart::LabelFits(const TMark& own, const QRectF& rect) const {
  // Inside the horizon circle, clear of its line.
  const qreal inside = radius_ - 1.5;
  for (const QPointF& corner : {rect.topLeft(), rect.topRight(), rect.bottomLeft(), rect.bottomRight()}) {
    const QPointF d = corner - centre_;
    if (QPointF::dotProduct(d, d) > inside * inside) return false;
  }
  const QRectF apart = rect.adjusted(-kLabelGap, -1, kLabelGap, 1);
  for (const auto& placed : labels_) {
    if (placed.second.intersects(apart)) return false;
  }
  // What the eye goes by is the gap to what is drawn: a label just outside
  // a ring reads as the ringed body's, whatever dot stands nearer the
  // ring's centre.
  const qreal toOwn = Distance(rect, own.Extent) + kNearer;
  for (const TMark& other : marks_) {
    if (other.Row == own.Row) continue;
    if (other.Extent.intersects(rect) || Distance(rect, other.Extent) <= toOwn) return false;
  }
  return true;
}

void TSkyChart::PlaceLabels() const {
  std::vector<const TMark*> rows;
  rows.reserve(marks_.size());
  for (const TMark& mark : marks_) rows.push_back(&mark);
  const auto rank = [this](std::int32_t k) {
    return k == selected_ ? 0 : StarOf(*view_, k).Best ? 1 : IsStarRow(k) ? 3 : 2;
  };
  std::stable_sort(rows.begin(), rows.end(), [&](const TMark* a, const TMark* b) {
    if (rank(a->Row) != rank(b->Row)) return rank(a->Row) < rank(b->Row);
    return StarOf(*view_, a->Row).Magnitude < StarOf(*view_, b->Row).Magnitude;
  });
  labels_.reserve(rows.size());
  for (const TMark* mark : rows) {
    const std::int32_t k = mark->Row;
    const QPointF at = mark->At;
    // Clear of the outermost ring or the symbol: beside it, or at its
    // corners where the circle leaves room.
    const qreal out = std::max(mark->Ring, mark->Body) + 1;
    const qreal corner = IsPlanetRow(k) || k == kSunRow || k == kMoonRow ? std::max(out * 0.72, mark->Box.width() / 2)
                                                                         : out * 0.72;
    const QSizeF size = numbers_[static_cast<std::size_t>(k - 1)].size();
    const qreal w = size.width(), h = size.height();
    // Close beside it first, then a little further out.
    for (const qreal further : {0.0, 4.0}) {
      const qreal c = corner + further * 0.72, o = out + further;
      const QPointF offsets[] = {{c, -c - h + 2}, {-c - w, -c - h + 2}, {c, c - 2},         {-c - w, c - 2},
                                 {o + 1, -h / 2}, {-o - 1 - w, -h / 2}, {-w / 2, -o - h + 1}, {-w / 2, o - 1}};
      const auto fits = std::find_if(std::begin(offsets), std::end(offsets),
                                     [&](const QPointF& offset) { return LabelFits(*mark, QRectF(at + offset, size)); });
      if (fits == std::end(offsets)) continue;
      labels_.emplace_back(k, QRectF(at + *fits, size));
      break;
    }
  }
}

}  // namespace tarvel
