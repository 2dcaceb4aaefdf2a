// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
// The child of the kill test: saves the numbered logs from the first number
// given to the file given, one after another without end, and writes each
// number to stdout once its save is complete. The test kills it.

#include <cstdio>
#include <cstdlib>

#include <QString>

#include "SightLogSamples.h"
#include "sightlog/SightLogFile.h"

int main(int argc, char** argv) {
  if (argc != 3) return 2;
  const QString path = QString::fromLocal8Bit(argv[1]);
  for (int n = std::atoi(argv[2]);; ++n) {
    tarvel::WriteSightLog(path, tarvel::samples::NumberedLog(n));
    std::printf("%d\n", n);
    std::fflush(stdout);
  }
}
