// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
// Entry of the benchmarks: a QApplication (offscreen unless a platform is
// named) for the window's benchmarks, then every registered benchmark.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTemporaryDir>

#include "app/StartUp.h"

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  tarvel::SetUpApplication();
  // The navigation window keeps its sight log in a data folder of this
  // run's own: never the user's log, and nothing of an earlier run.
  QTemporaryDir data;
  qputenv("TARVEL_DATA_DIR", data.path().toUtf8());
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
