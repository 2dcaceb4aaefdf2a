// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#include <benchmark/benchmark.h>

#include <QApplication>

#include "app/Main.h"
#include "widgets/MaskEdit.h"
#include "widgets/SpinEdit.h"

namespace {

// One whole recalculation of the shown window: inputs read, Sun, star and
// both horizon calls computed, every result label rewritten.
void BM_Recalculate(benchmark::State& state) {
  tarvel::TForm1 form([] { return QDateTime(QDate(2000, 1, 1), QTime(12, 0, 0)); });
  form.findChild<tarvel::TMaskEdit*>("meFi")->setMaskedText(QStringLiteral("Ш = 55°45,00'"));
  form.findChild<tarvel::TMaskEdit*>("meLam")->setMaskedText(QStringLiteral("Д = 037°37,00'"));
  form.findChild<tarvel::TSpinEdit*>("seNumStar")->setValue(46);
  form.show();
  QApplication::processEvents();
  for (auto _ : state) {
    form.Recalculate();
  }
  QApplication::processEvents();
}
BENCHMARK(BM_Recalculate)->Unit(benchmark::kMicrosecond);

}  // namespace
