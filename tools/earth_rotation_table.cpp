// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
// tarvel_earth_rotation_table: writes timescales/EarthRotation.inc
// (EarthRotationTable.h) to standard output.
//
// Usage: tarvel_earth_rotation_table [eopc04_IAU2000.62-now] > timescales/EarthRotation.inc

#include <cstdio>
#include <exception>

#include "EarthRotationTable.h"

int main(int argc, char** argv) {
  try {
    std::fputs(tarvel::reference::EarthRotationText(argc > 1 ? argv[1] : tarvel::reference::kEopC04).c_str(), stdout);
    return 0;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "tarvel_earth_rotation_table: %s\n", e.what());
    return 1;
  }
}
