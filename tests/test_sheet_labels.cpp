// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
// The plotting sheet's texts never cover the error ellipse, a line of
// position or one another, at the sizes the sheet is drawn: the sheet window,
// the sight tab's strip and a small one. The check is a brute force of its
// own: the lines and the ellipse's outline sampled every quarter pixel, the
// ellipse's inside by Qt's polygon test, the texts' boxes by QRectF. Over a
// table of fixes and a seeded random set.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <cmath>
#include <random>

#include "fixpanel/SheetDrawing.h"

namespace tarvel {
namespace {

// Some point of the segment, sampled every quarter pixel, lies inside the box.
bool Covers(const QRectF& box, const QLineF& line) {
  const QRectF inner = box.adjusted(0.01, 0.01, -0.01, -0.01);
  const int steps = std::max(1, static_cast<int>(std::ceil(line.length() * 4)));
  for (int i = 0; i <= steps; ++i) {
    if (inner.contains(line.pointAt(static_cast<double>(i) / steps))) return true;
  }
  return false;
}

bool CoversPolygon(const QRectF& box, const QPolygonF& polygon) {
  if (polygon.containsPoint(box.center(), Qt::OddEvenFill)) return true;
  for (qsizetype i = 0; i < polygon.size(); ++i) {
    if (Covers(box, QLineF(polygon[i], polygon[(i + 1) % polygon.size()]))) return true;
  }
  return false;
}

// The faults of one layout, as text; empty when none.
std::string Faults(const TSheetLayout& layout, const QRectF& area) {
  std::string faults;
  for (std::size_t i = 0; i < layout.Labels.size(); ++i) {
    const TSheetLabel& label = layout.Labels[i];
    const std::string name = label.Text.toStdString();
    if (!area.contains(label.Box)) faults += name + " off the sheet; ";
    if (CoversPolygon(label.Box, layout.Ellipse)) faults += name + " on the ellipse; ";
    for (const TSheetLine& line : layout.Lines) {
      if (Covers(label.Box, line.Line)) faults += name + " on a line; ";
    }
    for (std::size_t j = 0; j < i; ++j) {
      if (label.Box.intersects(layout.Labels[j].Box)) faults += name + " on " + layout.Labels[j].Text.toStdString() + "; ";
    }
  }
  return faults;
}

int Placed(const TSheetLayout& layout, TSheetLabel::TKind kind) {
  return static_cast<int>(std::count_if(layout.Labels.begin(), layout.Labels.end(),
                                        [kind](const TSheetLabel& l) { return l.Kind == kind; }));
}

// A fix with lines through or near it at the given azimuths, feet `off` miles
// from it, a track of three marks to its south-west.
TPlot Fix(std::vector<double> azimuths, double off, TPlotEllipse ellipse) {
  TPlot plot;
  plot.Origin = {45, -30};
  const char* names[] = {"Сириус", "Регул", "Капелла", "Полярная", "Юпитер", "Луна н.к.", "Бетельгейзе"};
  for (std::size_t k = 0; k < azimuths.size(); ++k) {
    const TSheetPoint foot = Offset({}, azimuths[k], (k % 2 ? off : -off));
    plot.Lines.push_back({foot, azimuths[k], std::string(names[k % 7]) + " 19:" + std::to_string(40 + k), k != 1});
  }
  plot.Track = {{-6, -4}, {-3, -2}, {-0.5L, -0.3L}};
  plot.Marks = {{{-6, -4}, "19:00"}, {{-3, -2}, "19:30"}, {{-0.5L, -0.3L}, "19:52"}};
  plot.Fix = TSheetPoint{0, 0};
  plot.FixLabel = "обс. 19:52";
  plot.Ellipse = ellipse;
  return plot;
}

const QRectF kSizes[] = {QRectF(4, 40, 892, 630), QRectF(4, 4, 412, 150), QRectF(4, 4, 300, 90)};

TEST(SheetLabels, NoTextCoversTheEllipseALineOrAnotherText) {
  QImage image(900, 700, QImage::Format_ARGB32);
  const struct { const char* what; TPlot plot; } cases[] = {
      {"three stars 120° apart", Fix({10, 130, 250}, 0.2, {0.6L, 0.4L, 30})},
      {"four stars, a running fix", Fix({160, 220, 300, 20}, 0.4, {0.8L, 0.5L, 75})},
      {"two lines almost parallel", Fix({40, 50}, 0.1, {6, 0.3L, 135})},
      {"a wide ellipse and five lines", Fix({0, 70, 140, 210, 280}, 1.5, {3, 2, 10})},
      {"six lines through the fix", Fix({0, 30, 60, 90, 120, 150}, 0, {0.3L, 0.3L, 0})},
      {"seven lines round the sky", Fix({5, 55, 105, 155, 205, 255, 305}, 0.8, {1.2L, 0.2L, 95})},
  };
  for (const auto& c : cases) {
    for (const QRectF& area : kSizes) {
      const TSheetLayout layout = LayOutSheet(c.plot, area, FillingScale(c.plot, area), {}, &image);
      EXPECT_EQ(Faults(layout, area), "") << c.what << " in " << area.width() << " × " << area.height();
      if (area.width() > 800) {
        // The window has room for every line's name and the fix's.
        EXPECT_EQ(Placed(layout, TSheetLabel::Line), static_cast<int>(layout.Lines.size())) << c.what;
        EXPECT_EQ(Placed(layout, TSheetLabel::Fix), 1) << c.what;
        EXPECT_GE(Placed(layout, TSheetLabel::Mark), 2) << c.what;
        EXPECT_GE(Placed(layout, TSheetLabel::Grid), 4) << c.what;
      }
    }
  }
  // Zoomed in and moved: what is shown still keeps clear, and the lines
  // that run on past the ellipse keep their names.
  const TPlot plot = cases[1].plot;
  const QRectF area = kSizes[0];
  for (const double zoom : {3.0, 8.0, 30.0}) {
    const TSheetLayout zoomed = LayOutSheet(plot, area, FillingScale(plot, area) * zoom, {}, &image, {0.3L, -0.2L});
    EXPECT_EQ(Faults(zoomed, area), "") << zoom;
    if (zoom == 3.0) {
      EXPECT_EQ(Placed(zoomed, TSheetLabel::Line), static_cast<int>(zoomed.Lines.size())) << zoom;
    }
  }
}

TEST(SheetLabels, ARandomSetOfFixesKeepsItsTextsClear) {
  QImage image(900, 700, QImage::Format_ARGB32);
  std::mt19937 random(2026);
  std::uniform_real_distribution<double> unit(0, 1);
  int lines = 0, named = 0;
  for (int n = 0; n < 150; ++n) {
    std::vector<double> azimuths;
    const int count = 2 + n % 6;
    for (int k = 0; k < count; ++k) azimuths.push_back(360 * unit(random));
    const double major = 0.1 + 4 * unit(random);
    const TPlot plot = Fix(azimuths, 2 * unit(random), {major, major * (0.1 + 0.9 * unit(random)), 180 * unit(random)});
    for (const QRectF& area : kSizes) {
      const TSheetLayout layout = LayOutSheet(plot, area, FillingScale(plot, area), {}, &image);
      ASSERT_EQ(Faults(layout, area), "") << "fix " << n << " in " << area.width() << " × " << area.height();
      if (area.width() > 800) {
        lines += static_cast<int>(layout.Lines.size());
        named += Placed(layout, TSheetLabel::Line);
      }
    }
  }
  // Nearly every line keeps its name in the window.
  EXPECT_GE(named, lines * 95 / 100) << named << " of " << lines;
}

// The drawing draws what the layout placed: the printed sheet and the
// window draw from the same layout.
TEST(SheetLabels, TheSheetIsDrawnWithItsTexts) {
  QImage image(420, 300, QImage::Format_ARGB32);
  image.fill(Qt::black);
  const TPlot plot = Fix({10, 130, 250}, 0.2, {0.6L, 0.4L, 30});
  QPainter painter(&image);
  const QRectF area(0, 0, 420, 300);
  DrawPlottingSheet(painter, plot, area, FillingScale(plot, area));
  painter.end();
  const TSheetLayout layout = LayOutSheet(plot, area, FillingScale(plot, area), {}, &image);
  for (const TSheetLabel& label : layout.Labels) {
    // Some pixel of the text's box is of the text's colour family, not paper.
    bool inked = false;
    const QRect box = label.Box.toAlignedRect() & image.rect();
    for (int y = box.top(); y <= box.bottom() && !inked; ++y) {
      for (int x = box.left(); x <= box.right() && !inked; ++x) inked = QColor(image.pixel(x, y)).lightness() < 200;
    }
    EXPECT_TRUE(inked) << label.Text.toStdString();
  }
}

}  // namespace
}  // namespace tarvel
