// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
// The sight tab's costs as the user meets them: one keystroke in the sight
// form, switching a sight of a four-star list on or off, and painting the
// plotting sheet, each in the shown window (offscreen).

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QPushButton>
#include <QTableView>
#include <QTimeEdit>
#include <tuple>

#include "fixpanel/PlottingSheet.h"
#include "sights/Sailing.h"
#include "sighttab/SightTab.h"
#include "widgets/MaskEdit.h"
#include "widgets/SpinEdit.h"

namespace {

using namespace tarvel;

// 20 March 2025 at dusk in zone 2 W, the dead reckoning 44°55' N 30°17' W.
TAlmanacInputs Dusk() {
  TAlmanacInputs in;
  in.Time.Zone = -2, in.Time.Hour = 19, in.Time.Day = 20, in.Time.Month = 3, in.Time.Year = 2025;
  in.Latitude = 44 + 55 / 60.0L, in.Longitude = -(30 + 17 / 60.0L), in.StarNumber = 46;
  return in;
}

// The tab, shown, with Polaris, Sirius, Regulus and Capella on its list,
// taken from a ship on 060° at 12 knots.
struct TFourSights {
  TFourSights() {
    tab.resize(1270, 860);
    tab.Follow(Dusk());
    tab.findChild<QDoubleSpinBox*>(QStringLiteral("dsCourse"))->setValue(60);
    tab.findChild<QDoubleSpinBox*>(QStringLiteral("dsSpeed"))->setValue(12);
    tab.findChild<QComboBox*>(QStringLiteral("cbBody"))->setCurrentIndex(2);
    for (const auto& [star, minute, second] : {std::tuple{160, 49, 30}, {46, 40, 12}, {67, 46, 5}, {28, 52, 0}}) {
      tab.findChild<TSpinEdit*>(QStringLiteral("seStar"))->setValue(star);
      tab.findChild<QTimeEdit*>(QStringLiteral("tpSight"))->setTime(QTime(19, minute, second));
      TSight s{TBody::Star, star, -2, 19, minute, second, 20, 3, 2025, 45, 0, 10, 10, 1010};
      const TPosition there = CarryPosition({45.02L, -29.95L}, 60, 12, ((minute - 52) * 60 + second) / 3600.0L);
      tab.findChild<TMaskEdit*>(QStringLiteral("meHs"))
          ->setMaskedText(HsText(SextantAltitude(s, ReduceSight(s, there.Lat, there.Lon).Hc, there.Lat, there.Lon)));
      tab.findChild<QPushButton*>(QStringLiteral("btnAdd"))->click();
    }
    tab.show();
    QApplication::processEvents();
  }
  TSightTab tab;
};

// One keystroke in Hs: the sight reduced again, the worksheet and warnings
// rewritten and painted.
void BM_SightTabKeystroke(benchmark::State& state) {
  TFourSights four;
  auto* hs = four.tab.findChild<TMaskEdit*>(QStringLiteral("meHs"));
  const QString texts[] = {QStringLiteral("Hs = 64°20,1'"), QStringLiteral("Hs = 64°20,2'")};
  int k = 0;
  for (auto _ : state) {
    hs->setMaskedText(texts[k ^= 1]);
    QApplication::processEvents();
  }
}
BENCHMARK(BM_SightTabKeystroke)->Unit(benchmark::kMicrosecond);

// A sight switched off and on: the fix of three or four sights worked
// again, the list, the fix panel and the plotting sheet rewritten and
// painted.
void BM_SightTabSwitchASight(benchmark::State& state) {
  TFourSights four;
  QAbstractItemModel* list = four.tab.findChild<QTableView*>(QStringLiteral("Sights"))->model();
  for (auto _ : state) {
    const QModelIndex box = list->index(0, 0);
    const bool on = box.data(Qt::CheckStateRole).toInt() == Qt::Checked;
    list->setData(box, on ? Qt::Unchecked : Qt::Checked, Qt::CheckStateRole);
    QApplication::processEvents();
  }
}
BENCHMARK(BM_SightTabSwitchASight)->Unit(benchmark::kMicrosecond);

// Painting the plotting sheet alone: grid, track, four lines, the ellipse.
void BM_PlottingSheetPaint(benchmark::State& state) {
  TFourSights four;
  auto* sheet = four.tab.findChild<TPlottingSheet*>(QStringLiteral("PlottingSheet"));
  for (auto _ : state) sheet->repaint();
}
BENCHMARK(BM_PlottingSheetPaint)->Unit(benchmark::kMicrosecond);

}  // namespace
