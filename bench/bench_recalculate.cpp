// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
// One whole recalculation of the shown window, offscreen: inputs read, the
// Sun, the star and both altitude and azimuth computed, every result label
// rewritten. Painting is not included: it waits for the event loop.
//
// Two cases. With unchanged inputs each label is given the text it already
// has, which Qt takes as no change. With changing inputs the window works as
// on a tick of automatic time (the clock's instant put into the pickers, then
// the recalculation) between two instants half a year apart, so that every
// result label takes a new text, is measured again and is marked for
// repainting; the counter "labels" says how many changed.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDateEdit>
#include <QLabel>
#include <QSignalBlocker>
#include <QTimeEdit>
#include <array>
#include <memory>

#include "app/Main.h"
#include "widgets/MaskEdit.h"
#include "widgets/SpinEdit.h"

namespace {

constexpr std::array kResultLabels = {"Label1",  "Label2",  "Label3",  "Label4",  "Label34", "Label11",
                                      "Label12", "Label32", "Label19", "Label21", "Label23", "Label25"};

// The worked example's place and Sirius, on screen.
std::unique_ptr<tarvel::TForm1> ShownWindow() {
  auto form = std::make_unique<tarvel::TForm1>([] { return QDateTime(QDate(2000, 1, 1), QTime(12, 0, 0)); });
  form->findChild<tarvel::TMaskEdit*>("meFi")->setMaskedText(QStringLiteral("Ш = 55°45,00'"));
  form->findChild<tarvel::TMaskEdit*>("meLam")->setMaskedText(QStringLiteral("Д = 037°37,00'"));
  form->findChild<tarvel::TSpinEdit*>("seNumStar")->setValue(46);
  form->show();
  QApplication::processEvents();
  return form;
}

QStringList ResultTexts(const tarvel::TForm1& form) {
  QStringList texts;
  for (const char* name : kResultLabels) texts << form.findChild<QLabel*>(name)->text();
  return texts;
}

void BM_RecalculateUnchangedLabels(benchmark::State& state) {
  const auto form = ShownWindow();
  for (auto _ : state) {
    form->Recalculate();
  }
  QApplication::processEvents();
}
BENCHMARK(BM_RecalculateUnchangedLabels)->Unit(benchmark::kMicrosecond);

void BM_RecalculateChangingLabels(benchmark::State& state) {
  const auto form = ShownWindow();
  auto* date = form->findChild<QDateEdit*>("DatePicker");
  auto* time = form->findChild<QTimeEdit*>("TimePicker");
  const std::array<QDateTime, 2> instants = {QDateTime(QDate(2000, 1, 1), QTime(12, 0, 0)),
                                             QDateTime(QDate(2000, 7, 2), QTime(3, 17, 41))};
  // As a tick puts the clock into the pickers: without their notifications.
  const auto enter = [&](const QDateTime& instant) {
    const QSignalBlocker blockDate(date);
    const QSignalBlocker blockTime(time);
    date->setDate(instant.date());
    time->setTime(instant.time());
  };
  enter(instants[0]);
  form->Recalculate();
  const QStringList first = ResultTexts(*form);
  enter(instants[1]);
  form->Recalculate();
  const QStringList second = ResultTexts(*form);
  int changed = 0;
  for (qsizetype i = 0; i < first.size(); ++i) changed += first[i] != second[i] ? 1 : 0;

  std::size_t next = 0;
  for (auto _ : state) {
    enter(instants[next]);
    form->Recalculate();
    next ^= 1;
  }
  QApplication::processEvents();
  state.counters["labels"] = changed;
}
BENCHMARK(BM_RecalculateChangingLabels)->Unit(benchmark::kMicrosecond);

}  // namespace
