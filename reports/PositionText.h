// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#pragma once
// Positions and distances as the navigation window writes them: a position
// in the main window's position texts ("Ш = 55°45,50'N", "Д = 037°36,20'E"),
// and miles with the Russian word that goes with the number. Pure C++.

#include <string>

#include "angles/Degrees.h"
#include "core/Extended.h"

namespace tarvel {

// The position entered as the main window's fields hold it: minutes rounded
// to hundredths, a minute that rounds to 60 carried into the degree, a
// latitude kept below 90°. Lat, Lon: degrees, north and east positive; the
// longitude is brought into −180 … +180 first. Raises EDegreesError only for
// a value that is not a number.
TCoord CoordFromDegrees(Extended lat, Extended lon);

// "Ш = 55°45,50'N  Д = 037°36,20'E".
std::string PositionText(Extended lat, Extended lon);

// The word after a number of miles: "1 миля", "3 мили", "5 миль", "11 миль",
// "1,6 мили" (a number with a fraction takes "мили").
std::string MilesWord(Extended miles);

// Miles to a tenth with their word: "1,6 мили", "0,0 мили", "12,0 мили".
std::string MilesText(Extended miles);

}  // namespace tarvel
