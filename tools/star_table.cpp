// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
// tarvel_star_table: writes bodies/HipparcosStars.inc (StarTable.h) to
// standard output and each star's identification to standard error.
//
// Usage: tarvel_star_table [stars.dat] [stellarium stars folder]
//        > bodies/HipparcosStars.inc

#include <cstdio>
#include <exception>
#include <string>

#include "StarTable.h"

int main(int argc, char** argv) {
  try {
    std::string log;
    const std::string text = tarvel::reference::StarTableText(argc > 1 ? argv[1] : tarvel::reference::kKStarsStars,
                                                              argc > 2 ? argv[2] : tarvel::reference::kStellariumStars,
                                                              &log);
    std::fputs(log.c_str(), stderr);
    std::fputs(text.c_str(), stdout);
    return 0;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "tarvel_star_table: %s\n", e.what());
    return 1;
  }
}
