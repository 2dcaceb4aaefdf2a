// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
// The checked-in Earth rotation table is what tools/tarvel_earth_rotation_table
// writes from the IERS series of Debian's python3-astropy and libswe.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "EarthRotationTable.h"

namespace tarvel {
namespace {

TEST(EarthRotationTable, TableIsTheToolsOutput) {
  if (!std::filesystem::exists(reference::kEopC04))
    GTEST_SKIP() << "python3-astropy is not installed (scripts/setup.sh installs it)";
  std::ifstream in(TARVEL_EARTH_ROTATION_TABLE);
  std::stringstream checkedIn;
  checkedIn << in.rdbuf();
  EXPECT_EQ(checkedIn.str(), reference::EarthRotationText(reference::kEopC04));
}

}  // namespace
}  // namespace tarvel
