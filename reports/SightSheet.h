// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#pragma once
// The sight reduction worksheet as a navigator fills it in by hand: one line
// per step, with its caption, the formula in words and the value, the
// warnings that go with a sight, and the worksheet as plain text. Pure C++:
// the tab shows these texts as they are.
//
// Angles are in the main window's display texts (display/AngleDisplay.h),
// except that an altitude's minute that rounds to 60 carries into its degree
// (reports/DegreesText.h),
// corrections in signed minutes of arc to a tenth ("+16,3'", "-5,6'"), the
// intercept in nautical miles to a tenth with its direction. Nothing raises
// except SightWarnings, which passes on the engine's arithmetic faults.

#include <string>
#include <vector>

#include "chronometer/Chronometer.h"
#include "core/Extended.h"
#include "sights/Sight.h"

namespace tarvel {

struct TWorksheetLine {
  std::string Caption;  // "Hs  высота по секстану"
  std::string Formula;  // "отсчёт секстана"
  std::string Value;    // "35° 12,30'"
};

// The lines Hs, i, d, Ha, ρ, HP, p, R, Ho, Hc, Zn, intercept in the order of
// the almanac's direct computation (the parallax before the semi-diameter),
// and for the Moon OB after p: twelve lines, thirteen for the Moon.
std::vector<TWorksheetLine> Worksheet(const TSight& sight, const TSightReduction& reduction);

// A horizontal parallax in minutes of arc to a hundredth: "59,48'", "0,15'".
std::string HorizontalParallaxText(Extended minutes);
// Minutes of arc signed to a tenth: "+1,5'", "-0,3'", "0,0'".
std::string SignedMinutesText(Extended minutes);
// An altitude in degrees in the main window's altitude text: "35° 12,30'";
// 20°59,996' is "21° 00,00'".
std::string AltitudeDegreesText(Extended degrees);
// The intercept: "4,3 мили к светилу", "0,8 мили от светила".
std::string InterceptText(Extended minutes);

// The warnings of a reduced sight, each a line for the user, in this order:
// Ha below 5° (refraction unreliable), Ho above 85° (azimuth ill-defined), an
// intercept over 30 miles (a wrong body, time or position is likelier than
// so large an offset), a typed DUT1 that the measured one refutes
// (reports/TimeScalesText.h). A star's place is its Hipparcos place carried to the
// date (bodies/), so no star is warned of for its catalogue place.
std::vector<std::string> SightWarnings(const TSight& sight, const TSightReduction& reduction);

// The star's own name: the part in brackets where there is one
// ("М.Медведицы (Полярная)" → "Полярная"), otherwise the name without blanks
// at its ends.
std::string StarShortName(std::int32_t starNumber);
// A star as the catalogue names it, after its number and letter:
// "160 α М.Медведицы (Полярная)", "42 θ Возничего".
std::string StarText(std::int32_t starNumber);
// The body of a sight for lists and labels: "Солнце н/к", "Солнце в/к",
// "Луна н/к", "Луна в/к", "Венера", "Марс", "Юпитер", "Сатурн", or the star's
// number, letter and own name, "160 α Полярная", "42 θ Возничего".
std::string BodyShortText(const TSight& sight);
// The body in full: "Солнце, нижний край", "Луна, верхний край", "Марс",
// "№ 160 α М.Медведицы (Полярная)".
std::string BodyText(const TSight& sight);
// The sight's ship's date and time: "20.03.2025 19:30:05".
std::string SightTimeText(const TSight& sight);
// What was measured besides the body and time, as the form takes it:
// "Hs 27° 23,70', индексная ошибка −0,5′, высота глаза 10,0 м, температура
// 10,0 °C, давление 1010 гПа".
std::string SightInputsText(const TSight& sight);
// The zone with its sign as the windows show it: "3 E", "11 W", "0".
std::string ZoneText(std::int32_t zone);

// The worksheet as text for the clipboard: the body, time and zone, the
// chronometer's correction at the sight (reports/ChronometerText.h), the
// assumed position in the main window's position texts, the lines in
// columns, and the warnings, the chronometer's last.
std::string WorksheetText(const TSight& sight, Extended lat, Extended lon, const TSightReduction& reduction,
                          const TChronometerRecord& chronometer = {});

}  // namespace tarvel
