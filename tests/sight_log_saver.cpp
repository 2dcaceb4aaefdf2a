// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
// The child of the two-process tests.
//   sight_log_saver PATH N: saves the numbered logs from N on to the file,
//     one after another without end, and writes each number to stdout once
//     its save is complete (the kill test kills it).
//   sight_log_saver --hold PATH: holds the log's lock as a second copy of
//     the program would, writes "held" or "not held", and keeps it until its
//     stdin closes or it is killed.

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <QString>

#include "SightLogSamples.h"
#include "sightlog/LogLock.h"
#include "sightlog/SightLogFile.h"

int main(int argc, char** argv) {
  if (argc != 3) return 2;
  if (std::strcmp(argv[1], "--hold") == 0) {
    const tarvel::TLogLock lock(QString::fromLocal8Bit(argv[2]));
    std::printf(lock.State() == tarvel::TLockState::Held ? "held\n" : "not held\n");
    std::fflush(stdout);
    while (std::fgetc(stdin) != EOF) {
    }
    return 0;
  }
  const QString path = QString::fromLocal8Bit(argv[1]);
  for (int n = std::atoi(argv[2]);; ++n) {
    tarvel::WriteSightLog(path, tarvel::samples::NumberedLog(n));
    std::printf("%d\n", n);
    std::fflush(stdout);
  }
}
