// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tarvel developers
#pragma once
// The errors of sight reduction and their texts. Each text names the field
// that is wrong; a routine that raises one has computed nothing.

#include <string>

#include "core/Extended.h"
#include "core/RuntimeErrors.h"
#include "shiptime/ShipTime.h"

namespace tarvel {

// An input of a sight (or of the assumed position) that is out of range.
class ESightError : public Exception {
 public:
  using Exception::Exception;
};

// The ranges the reduction accepts for the corrections' inputs, one place
// for the checks (ValidateSight) and the form's fields: closed at both ends,
// but the index error's, which is open, |IE| < kIndexErrorBound.
struct TRange {
  Extended Least;
  Extended Most;
  bool Holds(Extended x) const { return x >= Least && x <= Most; }  // false for NaN
};
inline constexpr Extended kIndexErrorBound = 60;     // minutes of arc
inline constexpr TRange kEyeHeightRange{0, 100};     // metres
inline constexpr TRange kTemperatureRange{-60, 60};  // °C
inline constexpr TRange kPressureRange{850, 1100};   // hPa
inline constexpr TRange kDut1Range{-0.9L, 0.9L};     // seconds, UT1 − UTC as the time signals give it

inline constexpr const char* kSightBodyError = "Светило задано неверно";
inline constexpr const char* kSightStarNumberError = "Номер звезды должен быть от 1 до 160";
inline constexpr const char* kSightHsError = "Высота светила Hs должна быть больше 0° и меньше 90°";
inline constexpr const char* kSightIndexError = "Индексная ошибка секстана должна быть по модулю меньше 60'";
inline constexpr const char* kSightEyeHeightError = "Высота глаза наблюдателя должна быть от 0 до 100 м";
inline constexpr const char* kSightTemperatureError = "Температура воздуха должна быть от -60 до +60 °C";
inline constexpr const char* kSightPressureError = "Атмосферное давление должно быть от 850 до 1100 гПа";
inline constexpr const char* kSightDut1Error = "DUT1 должна быть от -0,9 до +0,9 с";
inline constexpr const char* kSightHaError =
    "Видимая высота Ha получается меньше 0°: проверьте Hs, индексную ошибку и высоту глаза";
inline constexpr const char* kSightHaHighError =
    "Видимая высота Ha получается больше 90°: проверьте Hs, индексную ошибку и высоту глаза";
inline constexpr const char* kSightHoHighError =
    "Наблюдённая высота Ho получается больше 90°: проверьте Hs, индексную ошибку и светило";
// The body more than kLowestHc below the horizon at the assumed position;
// the text shows Hc ("Hc = −58°12,4′").
inline constexpr Extended kLowestHc = -1;  // degrees
std::string BelowHorizonText(Extended hc);

inline constexpr const char* kSightLatitudeError = "Широта места должна быть от 90° S до 90° N";
inline constexpr const char* kSightLongitudeError = "Долгота места должна быть от 180° W до 180° E";

inline constexpr TInstantTexts kSightInstantTexts = {
    "Часовой пояс наблюдения должен быть от -12 до +12",
    "Часы времени наблюдения должны быть от 0 до 23",
    "Минуты времени наблюдения должны быть от 0 до 59",
    "Секунды времени наблюдения должны быть от 0 до 59",
    "Дата наблюдения задана неверно: такого дня нет",
    "Дата наблюдения должна быть от 01.01.1930 до 31.12.2099",
};
// A second of 60 that is not the leap second at 23:59:60 UTC of a day that
// ends in one (timescales/TimeScales.h, IsLeapSecond).
inline constexpr const char* kSightLeapSecondError =
    "Секунды времени наблюдения должны быть от 0 до 59; 60 — только в дополнительную секунду, 23:59:60 UTC";

}  // namespace tarvel
