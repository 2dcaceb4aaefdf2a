// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
// sight_log_seeds FOLDER [COUNT]: writes COUNT (default 24) sight logs into
// FOLDER as the program writes them (SightLogJson), made by the round-trip
// samples of the log file's tests (tests/SightLogSamples.h): every body,
// 0 to 11 sights, the fields at random on their own grids, one fixed seed so
// that the corpus is the same at every run. scripts/fuzz.sh adds them to the
// working corpus of fuzz_sight_log; a few of them are also kept in
// fuzz/corpus/sightlog/.

#include <QFile>
#include <QString>
#include <cstdio>
#include <cstdlib>
#include <random>

#include "SightLogSamples.h"
#include "sightlog/SightLogFile.h"

int main(int argc, char* argv[]) {
  if (argc < 2 || argc > 3) {
    std::fprintf(stderr, "usage: %s FOLDER [COUNT]\n", argv[0]);
    return 2;
  }
  const int count = argc == 3 ? std::atoi(argv[2]) : 24;
  std::mt19937 random(20261210);
  for (int n = 0; n < count; ++n) {
    const tarvel::TSightLog log = tarvel::samples::RandomLog(random, n % 12);
    const QString path = QString::fromLocal8Bit(argv[1]) + QStringLiteral("/sample-%1.json").arg(n, 2, 10, QChar(u'0'));
    try {
      tarvel::WriteSightLog(path, log);
    } catch (const tarvel::Exception& error) {
      std::fprintf(stderr, "%s\n", error.what());
      return 1;
    }
  }
  return 0;
}
