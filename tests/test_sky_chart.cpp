// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
// The sky chart's labels and signs as a navigator reads them: each label
// nearer its own body than any other, none crossing the horizon or another
// label, and the planets' signs standing out of their rings.

#include <gtest/gtest.h>

#include <QImage>
#include <algorithm>
#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "almanac/SkyView.h"
#include "skytab/SkyChart.h"

namespace tarvel {
namespace {

// The gap between two rectangles, 0 where they meet.
qreal Distance(const QRectF& a, const QRectF& b) {
  const qreal dx = std::max({a.left() - b.right(), 0.0, b.left() - a.right()});
  const qreal dy = std::max({a.top() - b.bottom(), 0.0, b.top() - a.bottom()});
  return std::hypot(dx, dy);
}


struct TChartCase {
  Extended latitude, longitude;
  TShipTime time;
  int size;
  std::int32_t selected;
};

// Evenings and nights with dense skies (the Big Dipper with Alioth among the
// best three at 38° N), planets near the horizon, small and large charts;
// then a seeded random set.
std::vector<TChartCase> Cases() {
  std::vector<TChartCase> cases = {
      {38.0L, 170.73L, {11, 19, 45, 0, 19, 8, 2010}, 300, 99},
      {38.0L, 170.73L, {11, 19, 45, 0, 19, 8, 2010}, 520, 78},
      {38.0L, 170.73L, {11, 19, 45, 0, 19, 8, 2010}, 700, 87},
      {-(33 + 51 / 60.0L), 151 + 13 / 60.0L, {10, 18, 15, 0, 19, 8, 2010}, 520, 46},
      {-(33 + 51 / 60.0L), 151 + 13 / 60.0L, {10, 18, 15, 0, 19, 8, 2010}, 300, 146},
      {55.75L, 37.625L, {3, 2, 45, 0, 19, 8, 2010}, 300, 99},
      {55.75L, 37.625L, {3, 17, 0, 0, 1, 1, 2000}, 520, 46},
      {0, 0, {0, 19, 0, 0, 21, 3, 2024}, 450, 1},
  };
  std::mt19937 random(11);
  std::uniform_int_distribution<int> year(1935, 2095), month(1, 12), day(1, 28), hour(0, 23), size(260, 720),
      star(1, kStarCount);
  std::uniform_real_distribution<double> latitude(-75, 75), longitude(-180, 180);
  for (int i = 0; i < 24; ++i) {
    cases.push_back({latitude(random), longitude(random), {0, hour(random), 0, 0, day(random), month(random), year(random)},
                     size(random), star(random)});
  }
  return cases;
}

std::string What(const TChartCase& c) {
  return std::to_string(c.time.Year) + "-" + std::to_string(c.time.Month) + "-" + std::to_string(c.time.Day) + " " +
         std::to_string(c.time.Hour) + "h " + std::to_string(static_cast<double>(c.latitude)) + " at " +
         std::to_string(c.size) + " px";
}

// A case's sky and its chart, shown and painted once.
struct TDrawnChart {
  explicit TDrawnChart(const TChartCase& c) : view(SkyView(InputsOf(c), {})) {
    chart.resize(c.size, c.size);
    chart.SetView(&view, c.selected);
    chart.show();
    image = chart.grab().toImage();
  }
  static TAlmanacInputs InputsOf(const TChartCase& c) {
    TAlmanacInputs in;
    in.Time = c.time;
    in.Latitude = c.latitude;
    in.Longitude = c.longitude;
    return in;
  }
  const TSkyView view;
  TSkyChart chart;
  QImage image;
};

TEST(SkyChart, EachLabelIsNearestItsOwnBodyAndInsideTheHorizon) {
  for (const TChartCase& c : Cases()) {
    TDrawnChart drawn(c);
    const TSkyChart& chart = drawn.chart;
    const auto& labels = chart.Labels();
    const auto& marks = chart.Marks();
    const std::string what = What(c);
    if (marks.size() > 20) {
      EXPECT_GT(labels.size(), marks.size() / 5) << what << ": most bodies still named";
    }
    std::vector<int> labelled(kSkyRowCount + 1, 0);
    for (std::size_t i = 0; i < labels.size(); ++i) {
      const auto& [row, rect] = labels[i];
      EXPECT_EQ(++labelled[static_cast<std::size_t>(row)], 1) << what << " " << row;
      // Inside the horizon circle, and so on the chart.
      for (const QPointF& corner : {rect.topLeft(), rect.topRight(), rect.bottomLeft(), rect.bottomRight()}) {
        const QPointF d = corner - chart.Centre();
        EXPECT_LT(std::hypot(d.x(), d.y()), chart.Radius()) << what << " " << row;
        EXPECT_TRUE(QRectF(chart.rect()).contains(corner)) << what << " " << row;
      }
      // Never run together with another label ("12" and "10" read "1210").
      for (std::size_t j = i + 1; j < labels.size(); ++j) {
        const QRectF& other = labels[j].second;
        const bool sideBySide = rect.top() < other.bottom() && other.top() < rect.bottom();
        const qreal gap = std::max(other.left() - rect.right(), rect.left() - other.right());
        EXPECT_FALSE(rect.intersects(other)) << what << " " << row << " " << labels[j].first;
        if (sideBySide) {
          EXPECT_GE(gap, TSkyChart::kLabelGap - 1e-9) << what << " " << row << " " << labels[j].first;
        }
      }
      // Nearer, by 1.5 px, to what is drawn of its own body (dot, disc or
      // sign and rings) than to what is drawn of any other, and clear of
      // every other ring.
      const TSkyChart::TMark* own = nullptr;
      for (const TSkyChart::TMark& m : marks) own = m.Row == row ? &m : own;
      ASSERT_NE(own, nullptr) << what << " " << row;
      for (const TSkyChart::TMark& m : marks) {
        if (m.Row == row) continue;
        EXPECT_GT(Distance(rect, m.Extent), Distance(rect, own->Extent) + 1.5) << what << ": " << row << " nearer " << m.Row;
        EXPECT_FALSE(rect.intersects(m.Extent)) << what << ": " << row << " on " << m.Row;
      }
    }
    // The rings round a body are within its extent.
    for (const TSkyChart::TMark& m : marks) {
      EXPECT_TRUE(m.Extent.contains(m.Box)) << m.Row;
      EXPECT_GE(m.Extent.width() / 2 + 1e-9, m.Ring) << m.Row;
    }
  }
}

// Relative luminance of a pixel (sRGB).
double Luminance(QRgb pixel) {
  const auto linear = [](int v) {
    const double c = v / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * linear(qRed(pixel)) + 0.7152 * linear(qGreen(pixel)) + 0.0722 * linear(qBlue(pixel));
}

// Venus among the best three at Sydney in evening twilight, in its green
// ring, and the planets of other skies in and out of the band: each sign's
// ink at least 14 px high, its brightest pixels 7 : 1 or more against the
// black sky, no pixel of its ring within the sign, and enough of the sign
// drawn to be read.
TEST(SkyChart, PlanetSignsAreLargeBrightAndClearOfTheirRings) {
  int signs = 0, ringed = 0;
  for (const TChartCase& c : Cases()) {
    TDrawnChart drawn(c);
    const TSkyView& view = drawn.view;
    const QImage& image = drawn.image;
    const TSkyChart& chart = drawn.chart;
    const qreal ratio = image.devicePixelRatio();
    for (const TSkyChart::TMark& m : chart.Marks()) {
      if (!IsPlanetRow(m.Row)) continue;
      ++signs;
      ringed += StarOf(view, m.Row).Best ? 1 : 0;
      EXPECT_GE(m.Box.height(), 14) << What(c) << " " << m.Row;
      int bright = 0, lime = 0;
      double brightest = 0;
      const QRect box = QRectF(m.Box.topLeft() * ratio, m.Box.size() * ratio).toRect().intersected(image.rect());
      for (int y = box.top(); y <= box.bottom(); ++y) {
        for (int x = box.left(); x <= box.right(); ++x) {
          const QRgb p = image.pixel(x, y);
          const double l = Luminance(p);
          brightest = std::max(brightest, l);
          bright += l >= 0.3 ? 1 : 0;
          lime += qGreen(p) > 200 && qRed(p) < 90 && qBlue(p) < 90 ? 1 : 0;
        }
      }
      EXPECT_GE((brightest + 0.05) / 0.05, 7) << What(c) << " " << m.Row;
      EXPECT_GE(bright, 25 * ratio * ratio) << What(c) << " " << m.Row;
      // (Another body's ring may stand under the sign.)
      const bool alone = std::none_of(chart.Marks().begin(), chart.Marks().end(), [&](const TSkyChart::TMark& o) {
        return o.Row != m.Row && o.Extent.intersects(m.Box);
      });
      if (alone) EXPECT_EQ(lime, 0) << What(c) << " " << m.Row;
    }
  }
  EXPECT_GE(signs, 10);
  EXPECT_GE(ringed, 1);
}

}  // namespace
}  // namespace tarvel
