// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
// The bodies library built to look for its ephemeris files in an empty
// folder: the Swiss Ephemeris would fall back to its analytical theory, and
// the library must refuse that with its own error. The stars need no files.

#include <gtest/gtest.h>

#include "bodies/BodyPlace.h"

namespace tarvel {
namespace {

TEST(BodyPlaceWithoutFiles, RaisesItsTextForEverySolarSystemBody) {
  const TShipTime t{0, 12, 0, 0, 21, 6, 2026};
  for (const TCelestialBody body : {TCelestialBody::Sun, TCelestialBody::Moon, TCelestialBody::Venus,
                                    TCelestialBody::Mars, TCelestialBody::Jupiter, TCelestialBody::Saturn}) {
    try {
      BodyPlace(body, 0, t);
      ADD_FAILURE() << static_cast<int>(body);
    } catch (const EBodyError& e) {
      EXPECT_EQ(e.Message(), kBodyEphemerisError);
    }
  }
  EXPECT_NO_THROW(BodyPlace(TCelestialBody::Star, 46, t));
}

}  // namespace
}  // namespace tarvel
