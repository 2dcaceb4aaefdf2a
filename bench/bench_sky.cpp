// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCheckBox>
#include <QTableView>

#include "almanac/SkyView.h"
#include "app/Main.h"
#include "navigation/Navigation.h"
#include "skytab/SkyChart.h"
#include "widgets/MaskEdit.h"
#include "widgets/SpeedButton.h"

namespace {

// 1 January 2000 at 55°45' N 37°37' E, at 17:00:00 in zone 3 (civil
// twilight: the Sun just below the horizon, 77 stars above it).
tarvel::TAlmanacInputs Evening() {
  tarvel::TAlmanacInputs in;
  in.Time.Zone = 3;
  in.Time.Hour = 17;
  in.Latitude = 55.75L;
  in.Longitude = 37 + 37 * tarvel::OneSixtieth;
  in.StarNumber = 46;
  return in;
}

// Advances the inputs by one second, as a tick of automatic time does.
void Tick(tarvel::TAlmanacInputs& in) {
  if (++in.Time.Second == 60) {
    in.Time.Second = 0;
    in.Time.Minute = (in.Time.Minute + 1) % 60;
  }
}

// The model's part of one update: the precise place and horizon position of
// the 160 stars, the Sun, the Moon and the four planets (BodyPlace at a new
// instant), the main window's places for the error column, the band and the
// best three.
void BM_SkyView(benchmark::State& state) {
  tarvel::TAlmanacInputs in = Evening();
  for (auto _ : state) {
    Tick(in);
    benchmark::DoNotOptimize(tarvel::SkyView(in, {}));
  }
}
BENCHMARK(BM_SkyView)->Unit(benchmark::kMicrosecond);

// What one recalculation of the main window costs the shown navigation
// window, the full update each second: the sky tab follows a new second
// (the model with every body), the chart's labels are laid out, and the
// chart and the table are painted (offscreen), at the window's default size.
void BM_SkyTabFollow(benchmark::State& state) {
  tarvel::TForm3 form;
  tarvel::TAlmanacInputs in = Evening();
  form.Follow(in);
  form.show();
  QApplication::processEvents();
  for (auto _ : state) {
    Tick(in);
    form.Follow(in);
    QApplication::processEvents();
  }
}
BENCHMARK(BM_SkyTabFollow)->Unit(benchmark::kMicrosecond);

// Painting the chart alone, for a sky that does not change.

// The best three of a dense sky: every star and planet of a clear night
// above the horizon, limit 4.0, no altitude band.
void BM_BestThreeDenseSky(benchmark::State& state) {
  tarvel::TSkyView view = tarvel::SkyView(Evening(), {});
  for (auto _ : state) {
    tarvel::SetBand(view, {0, 90, 4});
    benchmark::DoNotOptimize(view.Best);
  }
}
BENCHMARK(BM_BestThreeDenseSky)->Unit(benchmark::kMicrosecond);

void BM_SkyChartPaint(benchmark::State& state) {
  tarvel::TForm3 form;
  form.Follow(Evening());
  form.show();
  QApplication::processEvents();
  auto* chart = form.findChild<tarvel::TSkyChart*>(QStringLiteral("SkyChart"));
  for (auto _ : state) chart->repaint();
}
BENCHMARK(BM_SkyChartPaint)->Unit(benchmark::kMicrosecond);

// A whole tick of automatic time with the navigation window open: the main
// window recalculates and both windows are painted.
void BM_TickWithNavigationOpen(benchmark::State& state) {
  tarvel::TForm1 form([] { return QDateTime(QDate(2000, 1, 1), QTime(17, 0, 0)); });
  form.findChild<tarvel::TMaskEdit*>("meFi")->setMaskedText(QStringLiteral("Ш = 55°45,00'"));
  form.findChild<tarvel::TMaskEdit*>("meLam")->setMaskedText(QStringLiteral("Д = 037°37,00'"));
  form.show();
  form.findChild<tarvel::TSpeedButton*>("SpeedButton3")->click();
  QApplication::processEvents();
  for (auto _ : state) {
    form.Recalculate();
    QApplication::processEvents();
  }
}
BENCHMARK(BM_TickWithNavigationOpen)->Unit(benchmark::kMicrosecond);

}  // namespace
